#include "backup/window/layout/RestoreTreePanel.h"

#include "backup/window/frame/RestoreControls.h"
#include "backup/window/layout/LayoutHelpers.h"

namespace {

// The source and time selectors that both pages show.
void ShowSharedSelectors(TMainForm& form)
{
    for (TControl* shared : std::initializer_list<TControl*>{
             form.Res_PC_Sel_Title_Lab, form.Res_PC_Show_Edit, form.Res_PC_Sel_CBox, form.Res_PC_Sel_Btn_Img,
             form.Res_Time_Sel_BK_Deep_Lab, form.Res_Time_Sel_BK_Light_Lab, form.Res_Time_Sel_Title_Lab,
             form.Res_Time_Sel_Btn_Img}) {
        shared->Show();
    }
}

}  // namespace

void PlaceRestoreTree(TMainForm& form)
{
    const int w = form.Res_Pan->Width();
    const int arrowTop = form.Res_ArrowIcon_Img->Top();
    TLabel* frame = form.RM_TreeBK_Lab;
    frame->SetBounds(0, form.RE_BK_Lab->Top(), w, arrowTop - 58);
    form.RM_Tree->SetBounds(1, frame->Top() + 1, w - 2, frame->Height() - 2);
}

void LayoutRestoreTreePanel(TMainForm& form)
{
    TLabel* frame = form.RM_TreeBK_Lab;
    frame->SetTransparent(false);
    frame->SetColor(TMainForm::Palette[11]);
    frame->SetCaption(u"");
    frame->SendToBack();
    TTreeView* tree = form.RM_Tree;
    StyleFileTree(form, tree, {ui::clWhite, u"MS Sans Serif", true});
    PlaceRestoreTree(form);
}

void LayoutRtlRestoreTreePanel(TMainForm& form)
{
    PlaceRestoreTree(form);
}

void ShowEasyRestoreControls(TMainForm& form, bool visible)
{
    ShowSharedSelectors(form);
    for (TControl* own : std::initializer_list<TControl*>{form.RE_Time_Sel_Show_Lab, form.RE_BK_Lab,
                                                          form.Res_HourGlass_Easy_Img, form.RE_Renew_Btn_Pan}) {
        own->SetVisible(visible);
    }
    const auto& rows = RestoreCategoryRows();
    for (int r = 0; r < kRestoreRowCount; ++r) {
        const RestoreCategoryRow& row = rows[r];
        const bool shown = visible && r < kEasyCategoryCount;
        for (TControl* part : std::initializer_list<TControl*>{form.*row.Ground, form.*row.Check, form.*row.Icon,
                                                               form.*row.Name, form.*row.Size, form.*row.Time}) {
            part->SetVisible(shown);
        }
    }
}

void ShowManualRestoreControls(TMainForm& form, bool visible)
{
    ShowSharedSelectors(form);
    for (TControl* own : std::initializer_list<TControl*>{form.RM_Time_Sel_Show_Lab, form.Res_HourGlass_Manual_Img,
                                                          form.RM_TreeBK_Lab, form.RM_Tree}) {
        own->SetVisible(visible);
    }
}
