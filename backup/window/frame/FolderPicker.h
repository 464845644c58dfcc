#pragma once
// The program's folder chooser: a small modal window with a tree of drives and folders and the
// buttons OK and Cancel, owned by the application object.

#include "backup/skin/UiNames.h"

#include <string>

using ui::TTreeNode;

class TFolderPickerForm : public TForm {
public:
    explicit TFolderPickerForm(TComponent* owner);

    TLabel* Title_Lab = nullptr;
    TTreeView* Folder_Tree = nullptr;
    TLabel* OK_Btn_Lab = nullptr;
    TLabel* Cancel_Btn_Lab = nullptr;

    // Opens the drives and folders down to an existing folder and selects it; false when the
    // folder does not exist, leaving the tree at its drives.
    bool SelectFolder(const std::u16string& path);
    // The selected folder's path ("X:\" for a drive); empty when nothing is selected.
    std::u16string SelectedPath() const;

private:
    void FillDrives();
    void FillChildren(TTreeNode* node);
    void Confirm();
};

// The folder the user chose, or an empty text after Cancel, Escape or closing. The window opens
// at the initial folder when it exists.
std::u16string BrowseForFolder(const std::u16string& title, const std::u16string& initialFolder);
