// The Favorites page: its controls, the Backup and Restore tabs, the two selectors and the tree that
// shows the Favorites folder (the local one on the Backup tab, the chosen PC's copy on the Restore
// tab).

#include "backup/base/Language.h"
#include "backup/skin/ControlFactory.h"
#include "backup/window/frame/DropDowns.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"
#include "backup/window/frame/SettingsTabs.h"
#include "backup/window/jobs/FavoritesTree.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/layout/FavoritesPage.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "ui/windows.h"

namespace {

void CreateTab(TMainForm& f, const std::string& pan, const std::string& part, TPanel*& tab, TImage*& left,
               TImage*& center, TImage*& right)
{
    tab = NewPlainPanel(&f, pan, f.App_Fav_Pan);
    left = NewSkinImage(&f, "AFT_" + part + "_BK_Left_Img", tab);
    center = NewSkinImage(&f, "AFT_" + part + "_BK_Center_Img", tab);
    right = NewSkinImage(&f, "AFT_" + part + "_BK_Right_Img", tab);
}

TComboBox* NewDropDownList(TMainForm& f, const char* name, TWinControl* parent)
{
    auto* combo = NewControl<TComboBox>(&f, name, parent);
    combo->SetStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SetBevelKind(ui::TBevelKind::bkNone);
    return combo;
}

TEdit* NewBorderlessEdit(TMainForm& f, const char* name, TWinControl* parent)
{
    auto* edit = NewControl<TEdit>(&f, name, parent);
    edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    return edit;
}

void SwitchFavoritesTab(TMainForm& form, int tab)
{
    if (form.FavoritesRestoreTab == tab) {
        return;
    }
    form.FavoritesRestoreTab = tab;
    SelectFavoritesTab(form, tab == 0);
    if (form.LangId == kRtlLangId) {
        RelayoutRtlFavoritesPage(form);
    } else {
        RelayoutLtrFavoritesPage(form);
    }
    PumpPendingMessages();
    RefillFavoritesTree(form);
}

}  // namespace

void CreateFavoritesPageControls(TMainForm& f)
{
    TPanel* page = f.App_Fav_Pan;
    CreateTab(f, "AF_OP_Tag_Bac_Pan", "Bac", f.AF_OP_Tag_Bac_Pan, f.AFT_Bac_BK_Left_Img, f.AFT_Bac_BK_Center_Img,
              f.AFT_Bac_BK_Right_Img);
    f.AFT_Bac_Lab = NewFixedLabel(&f, "AFT_Bac_Lab", f.AF_OP_Tag_Bac_Pan);
    CreateTab(f, "AF_OP_Tag_Res_Pan", "Res", f.AF_OP_Tag_Res_Pan, f.AFT_Res_BK_Left_Img, f.AFT_Res_BK_Center_Img,
              f.AFT_Res_BK_Right_Img);
    f.AFT_Res_Lab = NewFixedLabel(&f, "AFT_Res_Lab", f.AF_OP_Tag_Res_Pan);
    f.AF_DestBK_Lab = NewFixedLabel(&f, "AF_DestBK_Lab", page);
    f.AF_Dest_Title_Lab = NewFixedLabel(&f, "AF_Dest_Title_Lab", page);
    f.AF_Dest_Pan = NewPlainPanel(&f, "AF_Dest_Pan", page);
    f.AF_Dest_SelBtn_Img = NewSkinImage(&f, "AF_Dest_SelBtn_Img", f.AF_Dest_Pan);
    f.AF_Dest_Edit = NewBorderlessEdit(f, "AF_Dest_Edit", f.AF_Dest_Pan);
    f.AF_Dest_CBox = NewDropDownList(f, "AF_Dest_CBox", f.AF_Dest_Pan);
    f.AF_ArrowIcon_Img = NewSkinImage(&f, "AF_ArrowIcon_Img", page);
    f.AF_BK_Deep_Lab = NewFixedLabel(&f, "AF_BK_Deep_Lab", page);
    f.AF_BK_Light_Lab = NewFixedLabel(&f, "AF_BK_Light_Lab", page);
    f.AF_PC_Sel_BK_Deep_Lab = NewFixedLabel(&f, "AF_PC_Sel_BK_Deep_Lab", page);
    f.AF_PC_Sel_BK_Light_Lab = NewFixedLabel(&f, "AF_PC_Sel_BK_Light_Lab", page);
    f.AF_PC_Sel_Title_Lab = NewFixedLabel(&f, "AF_PC_Sel_Title_Lab", page);
    f.AF_PC_Sel_Pan_BK_Lab = NewFixedLabel(&f, "AF_PC_Sel_Pan_BK_Lab", page);
    f.AF_PC_Sel_Pan = NewPlainPanel(&f, "AF_PC_Sel_Pan", page);
    f.AF_PC_Sel_Btn_Img = NewSkinImage(&f, "AF_PC_Sel_Btn_Img", f.AF_PC_Sel_Pan);
    f.AF_PC_Show_Edit = NewBorderlessEdit(f, "AF_PC_Show_Edit", f.AF_PC_Sel_Pan);
    f.AF_PC_Sel_CBox = NewDropDownList(f, "AF_PC_Sel_CBox", f.AF_PC_Sel_Pan);
    CreateTab(f, "AF_Bro_Tag_IE_Pan", "IE", f.AF_Bro_Tag_IE_Pan, f.AFT_IE_BK_Left_Img, f.AFT_IE_BK_Center_Img,
              f.AFT_IE_BK_Right_Img);
    f.AFT_IE_Ico_Img = NewSkinImage(&f, "AFT_IE_Ico_Img", f.AF_Bro_Tag_IE_Pan);
    f.AFT_IE_Lab = NewFixedLabel(&f, "AFT_IE_Lab", f.AF_Bro_Tag_IE_Pan);
    f.AF_Tree_BK_Lab = NewFixedLabel(&f, "AF_Tree_BK_Lab", page);
    f.AF_Tree = NewControl<TTreeView>(&f, "AF_Tree", page);
}

void TMainForm::AFT_Bac_LabClick(TObject*)
{
    SwitchFavoritesTab(*this, 0);
}
void TMainForm::AFT_Res_LabClick(TObject*)
{
    SwitchFavoritesTab(*this, 1);
}

void TMainForm::AF_PC_Sel_CBoxChange(TObject*)
{
    CopySelectorChoice(AF_PC_Sel_CBox, AF_PC_Show_Edit);
    RefillFavoritesTree(*this);
}

void TMainForm::AF_TreeExpanding(TObject*, ui::TTreeNode* Node, bool&)
{
    const std::u16string base = FavoritesTreeBase(*this);
    if (!base.empty()) {
        FillFavoritesNode(base, AF_Tree, Node, FavoritesTreeChecks != 0);
    }
}

void TMainForm::AF_TreeDblClick(TObject*)
{
    const std::u16string base = FavoritesTreeBase(*this);
    const ui::TTreeNode* node = AF_Tree->Selected();
    if (base.empty() || node == nullptr) {
        return;
    }
    const std::u16string path = FavoritesNodePath(base, node);
    // A vanished path reports every attribute bit, the directory bit among them.
    if ((GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ShellExecuteW(nullptr, u"open", path.c_str(), nullptr, nullptr, SW_SHOW);
    }
}

void BindFavoritesPageHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    form.AFT_Bac_Lab->OnClick = [f](TObject* s) { f->AFT_Bac_LabClick(s); };
    form.AFT_Res_Lab->OnClick = [f](TObject* s) { f->AFT_Res_LabClick(s); };
    BindPickerHandlers(form, form.AF_Dest_SelBtn_Img, form.AF_Dest_Edit, form.AF_Dest_CBox);
    BindPickerHandlers(form, form.AF_PC_Sel_Btn_Img, form.AF_PC_Show_Edit, form.AF_PC_Sel_CBox);
    form.AF_PC_Sel_CBox->OnChange = [f](TObject* s) { f->AF_PC_Sel_CBoxChange(s); };
    form.AF_Tree->OnExpanding = [f](TObject* s, ui::TTreeNode* n, bool& allow) { f->AF_TreeExpanding(s, n, allow); };
    form.AF_Tree->OnDblClick = [f](TObject* s) { f->AF_TreeDblClick(s); };
}
