#include "backup/skin/SkinBox.h"

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "ui/windows.h"

namespace {

constexpr int kEdgeWidth = 10;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kButtonBottomGap = 9;
constexpr int kWindowCorner = 20;

}  // namespace

TSkinBoxForm::TSkinBoxForm(TComponent* owner) : TForm(owner)
{
}

void TSkinBoxForm::CreateBackground()
{
    Main_BG_Left_Img = NewControl<TImage>(this, "Main_BG_Left_Img", this);
    Main_BG_Line_Img = NewControl<TImage>(this, "Main_BG_Line_Img", this);
    Main_BG_Right = NewControl<TImage>(this, "Main_BG_Right", this);
}

void TSkinBoxForm::CreateButtons()
{
    CreateButtonPair(this, this);
    const SkinButtonParts center = CreateSkinButton(this, this, "Btn_Center_Pan", "CB");
    Btn_Center_Pan = center.Pan, CB_BK_Left_Img = center.Left, CB_BK_Center_Img = center.Center;
    CB_BK_Right_Img = center.Right, CB_Btn_Lab = center.Lab;
}

void TSkinBoxForm::LayoutBox(int width, int height)
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetDoubleBuffered(true);
    SetBounds(0, 0, width, height);
    SetColor(ui::clWhite);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetRoundRegion(kWindowCorner, kWindowCorner);

    for (TImage* image : {Main_BG_Left_Img, Main_BG_Line_Img, Main_BG_Right}) {
        image->SetStretch(true);
    }
    Main_BG_Left_Img->SetBounds(0, 0, kEdgeWidth, height);
    LoadPngResource(Main_BG_Left_Img, 24000);
    Main_BG_Right->SetBounds(width - kEdgeWidth - 1, 0, kEdgeWidth, height);
    LoadPngResource(Main_BG_Right, 24002);
    Main_BG_Line_Img->SetBounds(kEdgeWidth, 0, Main_BG_Right->Left() - kEdgeWidth, height);
    LoadPngResource(Main_BG_Line_Img, 24001);
    for (TImage* image : {Main_BG_Left_Img, Main_BG_Line_Img, Main_BG_Right}) {
        image->SendToBack();
    }
}

void TSkinBoxForm::LayoutButtons(int charset)
{
    const int top = Height() - kButtonHeight - kButtonBottomGap;
    const int rightLeft = Width() / 2 + 2;
    LayoutSkinButton(RightButton(), rightLeft, top, ButtonCornerSize, charset, u"No");
    LayoutSkinButton(CenterButton(), (Width() - kButtonWidth) / 2, top, ButtonCornerSize, charset, u"OK");
    LayoutSkinButton(LeftButton(), rightLeft - kButtonWidth - 4, top, ButtonCornerSize, charset, u"Yes");
}

SkinButtonParts TSkinBoxForm::CenterButton() const
{
    return {Btn_Center_Pan, CB_BK_Left_Img, CB_BK_Center_Img, CB_BK_Right_Img, CB_Btn_Lab};
}

void TSkinBoxForm::HandleBoxKey(WORD key)
{
    if (key == VK_RETURN) {
        (Btn_Center_Pan->Visible() ? CB_Btn_Lab : RB_Btn_Lab)->Click();
    } else if (key == VK_ESCAPE) {
        Close();
    }
}

void TSkinBoxForm::ResetButtonLooks()
{
    ShowButtonLook(LeftButton(), ButtonLook::Normal);
    ShowButtonLook(RightButton(), ButtonLook::Normal);
    ShowButtonLook(CenterButton(), ButtonLook::Normal);
}

void TSkinBoxForm::HoverButton(const SkinButtonParts& button, TShiftState shift)
{
    if (shift.LeftHeld()) {
        return;
    }
    ResetButtonLooks();
    ShowButtonLook(button, ButtonLook::Hover);
}

void DragWindow(TForm* form)
{
    ReleaseCapture();
    form->BeginMoveDrag();
    ui::Application->ProcessMessages();
}
