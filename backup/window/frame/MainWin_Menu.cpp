// The menu panel at the side of the main window: its frame, background, logo area and six groups,
// and the pressed and hover pictures of its buttons.

#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MenuGroups.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/layout/PageLayout.h"

namespace {

constexpr int kPanelLeft = 15;
constexpr int kPanelTop = 46;
constexpr int kPanelWidth = 182;
constexpr int kBottomMargin = 15;
constexpr int kCorner = 10;
constexpr int kEdgeLength = 162;
constexpr int kEdgeThickness = 2;
constexpr int kBackgroundWidth = 171;
constexpr int kGroupHeight = 41;
constexpr int kFirstGroupTop = 10;
constexpr int kIconWidth = 42;
constexpr int kIconHeight = 31;
constexpr int kSubWidth = 170;
constexpr int kSubHeight = 21;
constexpr int kGroupFontHeight = 16;
constexpr int kSubFontHeight = 15;
constexpr int kGroupNormal = 22002;
constexpr int kGroupSelected = 22001;
constexpr int kGroupHover = 22003;
constexpr int kSubNormal = 22023;
constexpr int kSubHover = 22024;

void PlaceSkin(TImage* image, int left, int top, int width, int height, int id)
{
    image->SetBounds(left, top, width, height);
    LoadPngResource(image, id);
    image->SendToBack();
}

// The Summary group sets the pattern; the later groups copy it one element below the one above.
int BuildGroup(TMainForm& form, const MenuGroup& group, int top, bool first)
{
    TImage* button = form.*group.BtnImg;
    TImage* icon = form.*group.IcoImg;
    TLabel* caption = form.*group.BtnLab;
    button->SetBounds(2, top, form.MenuBK_Lab->Width() - 1, kGroupHeight);
    LoadPngResource(button, first ? kGroupSelected : kGroupNormal);
    icon->SetBounds(5, top + 5, kIconWidth, kIconHeight);
    LoadPngResource(icon, group.IconSkin);
    const int captionLeft = icon->Left() + 47;
    caption->SetBounds(captionLeft, top, form.MainMenu_Pan->Width() - captionLeft - 10, kGroupHeight);
    caption->SetLayout(ui::TTextLayout::tlCenter);
    caption->SetAlignment(ui::TAlignment::taLeftJustify);
    caption->SetWordWrap(true);
    caption->Font().SetColor(TMainForm::Palette[6]);
    caption->Font().SetHeight(kGroupFontHeight);
    caption->Font().SetCharset(form.FontCharset);
    caption->SetCaption(group.DefaultCaption);
    for (TControl* control :
         {static_cast<TControl*>(button), static_cast<TControl*>(icon), static_cast<TControl*>(caption)}) {
        control->SetCursor(ui::crHandPoint);
    }
    int below = button->Top() + button->Height() + 1;
    for (const MenuSubButton& sub : group.SubButtons) {
        TImage* image = form.*sub.Img;
        TLabel* label = form.*sub.Lab;
        image->SetBounds(button->Left(), below, kSubWidth, kSubHeight);
        image->SetCursor(ui::crHandPoint);
        image->SetStretch(true);
        LoadPngResource(image, kSubNormal);
        image->BringToFront();
        label->SetBounds(icon->Left(), image->Top(), image->Width() - 10, image->Height());
        label->SetCursor(ui::crHandPoint);
        label->SetLayout(ui::TTextLayout::tlCenter);
        label->SetTransparent(true);
        label->Font().SetColor(TMainForm::Palette[6]);
        label->Font().SetHeight(kSubFontHeight);
        label->Font().SetCharset(form.FontCharset);
        label->SetCaption(sub.DefaultCaption);
        label->BringToFront();
        image->SetVisible(first);
        label->SetVisible(first);
        below = image->Top() + image->Height() + 1;
    }
    // Closed groups stack directly under their button; the first page switch restacks them.
    return first ? below : button->Top() + button->Height() + 1;
}

bool GroupShowsPage(int group, int page)
{
    return GroupOfPage(page) == group;
}

}  // namespace

void BuildMenuPanel(TMainForm& form)
{
    TPanel* panel = form.MainMenu_Pan;
    panel->SetDoubleBuffered(true);
    panel->SetBounds(kPanelLeft, kPanelTop, kPanelWidth, form.Height() - kPanelTop - kBottomMargin);
    panel->SetColor(ui::clWhite);
    panel->BringToFront();
    panel->SetRoundRegion(20, 20);
    panel->Show();
    const int w = panel->Width();
    const int h = panel->Height();
    PlaceSkin(form.MenuBK_LeftUp_Img, 0, 0, kCorner, kCorner, 22015);
    PlaceSkin(form.MenuBK_LeftDown_Img, 0, h - kCorner - 1, kCorner, kCorner, 22014);
    PlaceSkin(form.MenuBK_RightUp_Img, w - kCorner - 1, 0, kCorner, kCorner, 22017);
    PlaceSkin(form.MenuBK_RightDown_Img, w - kCorner - 1, h - kCorner - 1, kCorner, kCorner, 22016);
    PlaceSkin(form.MenuBK_Frame_Left_Img, 0, kCorner, kCorner, h - 2 * kCorner - 1, 22011);
    PlaceSkin(form.MenuBK_Frame_Right_Img, w - kCorner - 1, kCorner, kCorner, h - 2 * kCorner - 1, 22012);
    PlaceSkin(form.MenuBK_Frame_Up_Img, kCorner, 0, kEdgeLength, kEdgeThickness, 22013);
    PlaceSkin(form.MenuBK_Frame_Down_Img, kCorner, h - kEdgeThickness - 1, kEdgeLength, kEdgeThickness, 22010);
    TLabel* background = form.MenuBK_Lab;
    background->SetBounds(0, 0, kBackgroundWidth, h);
    background->SetTransparent(false);
    background->SetColor(TMainForm::Palette[0]);
    background->SendToBack();
    TImage* logoArea = form.Client_LogoBK_Img;
    logoArea->SetBounds(8, h - 58, 157, 50);
    logoArea->SetStretch(true);
    LoadPngResource(logoArea, 22021);
    TImage* logo = form.Client_Logo_Img;
    logo->Hide();
    logo->SetBounds(logoArea->Left() + (logoArea->Width() - logo->Width()) / 2,
                    logoArea->Top() + (logoArea->Height() - logo->Height()) / 2, logo->Width(), logo->Height());
    logo->BringToFront();

    int top = kFirstGroupTop;
    bool first = true;
    for (const MenuGroup& group : MenuGroups()) {
        top = BuildGroup(form, group, top, first);
        first = false;
    }
}

void TMainForm::MenuGroupMouseDown(int group)
{
    if (Idle == 1) {
        LoadPngResource(this->*MenuGroups()[group].BtnImg, kGroupSelected);
    }
}

void TMainForm::MenuGroupMouseMove(int group)
{
    ResetButtonSkins(*this);
    if (Idle == 1 && !GroupShowsPage(group, CurrentPage)) {
        LoadPngResource(this->*MenuGroups()[group].BtnImg, kGroupHover);
    }
}

void TMainForm::MenuSubButtonMouseMove(int page)
{
    ResetButtonSkins(*this);
    const int group = GroupOfPage(page);
    if (group < 0 || (MenuGroups()[group].IdleGated && Idle != 1) || CurrentPage == page) {
        return;
    }
    LoadPngResource(this->*SubButtonOfPage(page)->Img, kSubHover);
}
