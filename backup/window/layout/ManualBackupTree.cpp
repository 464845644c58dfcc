#include "backup/window/layout/ManualBackupTree.h"

#include "backup/window/frame/MainWin.h"
#include "backup/window/layout/LayoutHelpers.h"

void PlaceBackupTree(TMainForm& form)
{
    TLabel* frame = form.BM_TreeBK_Lab;
    frame->SetBounds(frame->Left(), frame->Top(), form.Bac_Dest_Pan->Width(),
                     form.Bac_ArrowIcon_Img->Top() - frame->Top());
    TTreeView* tree = form.BM_Tree;
    tree->SetBounds(tree->Left(), tree->Top(), frame->Width() - 2, frame->Height() - 1 - tree->Top());
}

void LayoutBackupTreePanel(TMainForm& form)
{
    TLabel* frame = form.BM_TreeBK_Lab;
    frame->SetBounds(0, 0, form.Bac_Dest_Pan->Width(), form.Bac_ArrowIcon_Img->Top());
    frame->SetTransparent(false);
    frame->SetColor(form.BE_BK_Lab->Color());
    frame->SetCaption(u"");
    frame->SendToBack();

    TTreeView* tree = form.BM_Tree;
    const int top = form.BE_TotalCap_BK_Lab->Top();
    tree->SetBounds(frame->Left() + 1, top, frame->Width() - 2, frame->Height() - 1 - top);
    StyleFileTree(form, tree, {ui::clWhite, u"Arial", true});
}

void LayoutRtlBackupTreePanel(TMainForm& form)
{
    PlaceBackupTree(form);
    TTreeView* tree = form.BM_Tree;
    const TLabel* frame = form.BM_TreeBK_Lab;
    const int top = form.BE_TotalCap_BK_Lab->Top();
    tree->SetBounds(frame->Left() + 1, top, frame->Width() - 2, frame->Height() - 1 - top);
}
