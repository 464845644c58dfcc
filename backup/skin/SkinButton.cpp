#include "backup/skin/SkinButton.h"

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 25;
constexpr int kCapWidth = 6;
constexpr int kImageHeight = 24;
constexpr int kFontHeight = 15;
constexpr ui::TColor kPanelColor = 0x808080;

struct LookIds {
    int left, center, right;
};

LookIds IdsOf(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Hover:
        return {24005, 24008, 24011};
    case ButtonLook::Pressed:
        return {24003, 24006, 24009};
    default:
        return {24004, 24007, 24010};
    }
}

}  // namespace

SkinButtonParts CreateSkinButton(TComponent* owner, TWinControl* parent, const std::string& panelName,
                                 const std::string& prefix)
{
    SkinButtonParts button;
    button.Pan = NewControl<TPanel>(owner, panelName, parent);
    button.Left = NewControl<TImage>(owner, prefix + "_BK_Left_Img", button.Pan);
    button.Center = NewControl<TImage>(owner, prefix + "_BK_Center_Img", button.Pan);
    button.Right = NewControl<TImage>(owner, prefix + "_BK_Right_Img", button.Pan);
    button.Lab = NewControl<TLabel>(owner, prefix + "_Btn_Lab", button.Pan);
    return button;
}

void LayoutSkinButton(const SkinButtonParts& button, int left, int top, int cornerSize, int charset,
                      const std::u16string& caption)
{
    TPanel* pan = button.Pan;
    pan->SetDoubleBuffered(true);
    pan->SetBevelOuter(ui::TBevelCut::bvNone);
    pan->SetBounds(left, top, kWidth, kHeight);
    pan->SetColor(kPanelColor);
    pan->BringToFront();
    pan->SetRoundRegion(cornerSize, cornerSize);
    for (TImage* image : {button.Left, button.Center, button.Right}) {
        image->SetStretch(true);
    }
    button.Left->SetBounds(0, 0, kCapWidth, kImageHeight);
    button.Right->SetBounds(kWidth - kCapWidth - 2, 0, kCapWidth, kImageHeight);
    button.Center->SetBounds(kCapWidth, 0, button.Right->Left() - kCapWidth, kImageHeight);
    ShowButtonLook(button, ButtonLook::Normal);
    TLabel* lab = button.Lab;
    lab->SetAutoSize(false);
    lab->SetBounds(0, 0, kWidth, kHeight);
    lab->SetCursor(ui::crHandPoint);
    lab->SetAlignment(ui::TAlignment::taCenter);
    lab->SetLayout(ui::TTextLayout::tlCenter);
    lab->SetTransparent(true);
    lab->Font().SetColor(ui::clBlack);
    lab->Font().SetHeight(kFontHeight);
    lab->Font().SetCharset(charset);
    lab->SetCaption(caption);
    lab->BringToFront();
}

void ShowButtonLook(const SkinButtonParts& button, ButtonLook look)
{
    const LookIds ids = IdsOf(look);
    LoadPngResource(button.Left, ids.left);
    LoadPngResource(button.Center, ids.center);
    LoadPngResource(button.Right, ids.right);
}

void SkinButtonPair::CreateButtonPair(TComponent* owner, TWinControl* parent)
{
    const SkinButtonParts left = CreateSkinButton(owner, parent, "Btn_Left_Pan", "LB");
    Btn_Left_Pan = left.Pan, LB_BK_Left_Img = left.Left, LB_BK_Center_Img = left.Center;
    LB_BK_Right_Img = left.Right, LB_Btn_Lab = left.Lab;
    const SkinButtonParts right = CreateSkinButton(owner, parent, "Btn_Right_Pan", "RB");
    Btn_Right_Pan = right.Pan, RB_BK_Left_Img = right.Left, RB_BK_Center_Img = right.Center;
    RB_BK_Right_Img = right.Right, RB_Btn_Lab = right.Lab;
}

SkinButtonParts SkinButtonPair::LeftButton() const
{
    return {Btn_Left_Pan, LB_BK_Left_Img, LB_BK_Center_Img, LB_BK_Right_Img, LB_Btn_Lab};
}

SkinButtonParts SkinButtonPair::RightButton() const
{
    return {Btn_Right_Pan, RB_BK_Left_Img, RB_BK_Center_Img, RB_BK_Right_Img, RB_Btn_Lab};
}
