#pragma once
// A PC for the source-tree tests: a fixed drive C: with a few folders (the Windows folder, a
// system, a hidden and a linked folder among them), a desktop folder, and a removable drive E:;
// the main window open with its Manual Backup tree built.

#include "backup/window/jobs/SourceTrees.h"
#include "frame_fixture.h"
#include "platform/files.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace treetest {

class TreeMachine : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        testsupport::WriteTree(Host("c"), {{"Data/Docs/x/a.doc", "alpha"},
                                           {"Data/Docs/b.txt", "bravo!"},
                                           {"Data/Pics/p.jpg", "picture"},
                                           {"Users/Alice/Desktop/d.txt", "desk"}});
        // The folders that hold no file.
        for (const char* folder : {"c/Users/Alice/Desktop/notes", "c/Windows/System32", "c/Data/Dat", "c/Data/winnt",
                                   "c/Data/Sys", "c/Data/Hidden", "c/Elsewhere", "e"}) {
            std::filesystem::create_directories(Host(folder));
        }
        std::filesystem::create_directory_symlink(Host("c/Elsewhere"), Host("c/Data/link"));
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Machine("windows = 6.1.7601\n")
                                                           .Drive('E', "type = removable\n")
                                                           .Folder("desktop", "C:\\Users\\Alice\\Desktop")
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("windows", "C:\\Windows")));
        ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\Sys", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
        ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\Hidden", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    }

    // Opens the window and builds the tree as the start-up does.
    void OpenWithTree(int langId = 1033)
    {
        Open(langId);
        Rebuild();
    }

    void Rebuild() { BuildSourceTree(Tree(), &MainForm->ExternalDrives, true, true); }

    ui::TTreeView* Tree() { return MainForm->BM_Tree; }

    // The node of a path; nullptr when the tree does not show it.
    ui::TTreeNode* NodeOf(const std::u16string& path)
    {
        for (int i = 0; i < Tree()->Items().Count(); ++i) {
            ui::TTreeNode* node = Tree()->Items().Item(i);
            if (NodePath(node) == path && node->Level() > 0) {
                return node;
            }
        }
        return nullptr;
    }

    static std::u16string ChildTexts(const ui::TTreeNode* node)
    {
        std::u16string texts;
        for (int i = 0; i < node->Count(); ++i) {
            texts += (i > 0 ? u"," : u"") + node->Item(i)->Text();
        }
        return texts;
    }
};

}  // namespace treetest
