#include "backup/window/jobs/FavoritesTree.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/layout/FavoritesPage.h"
#include "platform/shell_namespace.h"

std::u16string FavoritesTreeBase(const TMainForm& form)
{
    if (form.FavoritesRestoreTab == 0) {
        return FavoritesFolder();
    }
    const std::u16string pc = PcBackupFolderFromEdit(form.AF_PC_Show_Edit->Text());
    return pc.empty() ? pc : pc + u"\\" + FavoritesFolderName();
}

void RefillFavoritesTree(TMainForm& form)
{
    TTreeView* tree = form.AF_Tree;
    tree->Items().Clear();
    const std::u16string local = FavoritesFolder();
    const bool withCheck = form.FavoritesTreeChecks != 0;
    ui::TTreeNode* top =
        AddFolderNode(nullptr, tree, LastComponentOf(local), platform::SystemIconOfPath(local, false), withCheck);
    const std::u16string base = FavoritesTreeBase(form);
    if (top == nullptr || base.empty()) {
        return;
    }
    FillNodeWithEntries(tree, top, base, withCheck);
    top->Expand(false);
}

void RefreshFavoritesAfterDeviceChange(TMainForm& form)
{
    FillDestinationCombo(form.AF_Dest_CBox, form.AF_Dest_Edit, form.ExternalDrives);
    const std::u16string chosen = form.AF_PC_Show_Edit->Text();
    FillPcFolderCombo(form.AF_PC_Sel_CBox, form.AF_PC_Show_Edit, form.ExternalDrives);
    if (form.AF_PC_Show_Edit->Text() == chosen) {
        return;
    }
    RefillFavoritesTree(form);
    if (form.LangId == kRtlLangId) {
        RelayoutRtlFavoritesPage(form);
    } else {
        RelayoutLtrFavoritesPage(form);
    }
    SelectFavoritesTab(form, form.FavoritesRestoreTab == 0);
}
