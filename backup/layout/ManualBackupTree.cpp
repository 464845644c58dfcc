#include "backup/layout/ManualBackupTree.h"

#include "backup/engine/SystemIcons.h"
#include "backup/frame/MainWin.h"

namespace {

constexpr int kTreeFontHeight = 15;
constexpr int kTreeIndent = 21;
constexpr ui::TColor kTreeColour = 0xFFFFFF;

}  // namespace

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
    tree->SetColor(kTreeColour);
    tree->Font().SetName(u"Arial");
    tree->Font().SetHeight(kTreeFontHeight);
    tree->Font().SetCharset(form.FontCharset);
    tree->SetRowSelect(false);
    tree->SetShowLines(true);
    tree->SetDoubleBuffered(true);
    tree->SetBorderStyle(ui::TBorderStyle::bsNone);
    tree->SetReadOnly(true);
    tree->SetIndent(kTreeIndent);
    AttachSystemImageList(*form.SystemIcon_ImgList);
    FillCheckImageList(*form.Check_ImgList);
    tree->SetImages(form.SystemIcon_ImgList);
    tree->SetStateImages(form.Check_ImgList);
}

void LayoutRtlBackupTreePanel(TMainForm& form)
{
    PlaceBackupTree(form);
    TTreeView* tree = form.BM_Tree;
    const TLabel* frame = form.BM_TreeBK_Lab;
    const int top = form.BE_TotalCap_BK_Lab->Top();
    tree->SetBounds(frame->Left() + 1, top, frame->Width() - 2, frame->Height() - 1 - top);
}
