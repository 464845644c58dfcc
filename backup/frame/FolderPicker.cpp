#include "backup/frame/FolderPicker.h"

#include "backup/engine/DriveEntries.h"
#include "backup/frame/ControlFactory.h"
#include "backup/frame/Language.h"
#include "backup/frame/MainWin.h"
#include "platform/files.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 360;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 22;
constexpr int kTitleHeight = 34;
constexpr int kTextOk = 20004;
constexpr int kTextCancel = 20005;
// Children are listed on the first expansion; until then a node only claims to have some.
void* const kListed = reinterpret_cast<void*>(1);

std::u16string NodePath(const TTreeNode* node)
{
    std::u16string path = node->Text();
    for (const TTreeNode* parent = node->Parent(); parent != nullptr; parent = parent->Parent()) {
        path = parent->Text() + u"\\" + path;
    }
    return node->Parent() == nullptr ? path + u"\\" : path;
}

std::vector<std::u16string> SubfolderNames(const std::u16string& folder)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((WithTrailingBackslash(folder) + u"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (IsWalkedFolderEntry(entry)) {
            names.emplace_back(entry.cFileName);
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

std::vector<std::u16string> PathComponents(const std::u16string& path)
{
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find(u'\\', start), path.size());
        if (end > start) {
            parts.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

bool SameName(const std::u16string& a, const std::u16string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
        return upper(x) == upper(y);
    });
}

TLabel* ButtonLabel(TFolderPickerForm* form, const char* name, int left, const std::u16string& caption)
{
    auto* button = NewControl<TLabel>(form, name, form);
    button->SetAutoSize(false);
    button->SetBounds(left, kHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
    button->SetTransparent(false);
    button->SetColor(TMainForm::Palette[12]);
    button->SetAlignment(ui::TAlignment::taCenter);
    button->SetLayout(ui::TTextLayout::tlCenter);
    button->SetCursor(ui::crHandPoint);
    button->SetCaption(caption);
    return button;
}

}  // namespace

TFolderPickerForm::TFolderPickerForm(TComponent* owner) : TForm(owner)
{
    SetName("FolderPickerForm");
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetColor(ui::clWhite);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetBounds(Left(), Top(), kWidth, kHeight);

    Title_Lab = NewControl<TLabel>(this, "Title_Lab", this);
    Title_Lab->SetAutoSize(false);
    Title_Lab->SetWordWrap(true);
    Title_Lab->SetBounds(kMargin, kMargin, kWidth - 2 * kMargin, kTitleHeight);
    Folder_Tree = NewControl<TTreeView>(this, "Folder_Tree", this);
    const int treeTop = kMargin + kTitleHeight;
    Folder_Tree->SetBounds(kMargin, treeTop, kWidth - 2 * kMargin, kHeight - treeTop - 2 * kMargin - kButtonHeight);

    const std::u16string ok = MainForm != nullptr ? LookupText(*MainForm->LangTable, kTextOk) : u"OK";
    const std::u16string cancel = MainForm != nullptr ? LookupText(*MainForm->LangTable, kTextCancel) : u"Cancel";
    Cancel_Btn_Lab = ButtonLabel(this, "Cancel_Btn_Lab", kWidth - kMargin - kButtonWidth, cancel);
    OK_Btn_Lab = ButtonLabel(this, "OK_Btn_Lab", Cancel_Btn_Lab->Left() - 6 - kButtonWidth, ok);

    OK_Btn_Lab->OnClick = [this](TObject*) { Confirm(); };
    Cancel_Btn_Lab->OnClick = [this](TObject*) { SetModalResult(ui::mrCancel); };
    Folder_Tree->OnExpanding = [this](TObject*, TTreeNode* node, bool&) { FillChildren(node); };
    Folder_Tree->OnDblClick = [this](TObject*) { Confirm(); };
    // Keys reach the tree when it has the focus and the window otherwise.
    const auto keyDown = [this](TObject*, WORD& key, TShiftState) {
        if (key == VK_ESCAPE) {
            SetModalResult(ui::mrCancel);
        } else if (key == VK_RETURN) {
            Confirm();
        }
    };
    Folder_Tree->OnKeyDown = keyDown;
    OnKeyDown = keyDown;
    FillDrives();
    SetActiveControl(Folder_Tree);
}

void TFolderPickerForm::FillDrives()
{
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if ((drives & (1u << bit)) != 0) {
            const std::u16string letter{static_cast<char16_t>(u'A' + bit), u':'};
            Folder_Tree->Items().AddChild(nullptr, letter)->SetHasChildren(true);
        }
    }
}

void TFolderPickerForm::FillChildren(TTreeNode* node)
{
    if (node->Data() == kListed) {
        return;
    }
    node->SetData(kListed);
    const std::u16string path = NodePath(node);
    for (const std::u16string& name : SubfolderNames(path)) {
        TTreeNode* child = Folder_Tree->Items().AddChild(node, name);
        child->SetHasChildren(!SubfolderNames(WithTrailingBackslash(path) + name).empty());
    }
    node->SetHasChildren(node->Count() > 0);
}

bool TFolderPickerForm::SelectFolder(const std::u16string& path)
{
    const std::vector<std::u16string> parts = PathComponents(path);
    if (parts.empty() || (parts.size() > 1 && !DirExists(path)) || !PathExists(parts.front() + u"\\")) {
        return false;
    }
    TTreeNode* node = nullptr;
    for (const std::u16string& part : parts) {
        if (node != nullptr) {
            node->Expand(false);
        }
        TTreeNode* next = node != nullptr ? node->getFirstChild() : Folder_Tree->Items().GetFirstNode();
        while (next != nullptr && !SameName(next->Text(), part)) {
            next = next->getNextSibling();
        }
        if (next == nullptr) {
            return false;
        }
        node = next;
    }
    Folder_Tree->SetSelected(node);
    return true;
}

std::u16string TFolderPickerForm::SelectedPath() const
{
    const TTreeNode* node = Folder_Tree->Selected();
    return node != nullptr ? NodePath(node) : std::u16string();
}

void TFolderPickerForm::Confirm()
{
    if (Folder_Tree->Selected() != nullptr) {
        SetModalResult(ui::mrOk);
    }
}

std::u16string BrowseForFolder(const std::u16string& title, const std::u16string& initialFolder)
{
    auto* picker = ui::CreateForm<TFolderPickerForm>(ui::Application);
    picker->Title_Lab->SetCaption(title);
    picker->SelectFolder(initialFolder);
    const bool chosen = picker->ShowModal() == ui::mrOk;
    const std::u16string path = chosen ? picker->SelectedPath() : std::u16string();
    picker->Free();
    return path;
}
