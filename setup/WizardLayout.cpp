#include "setup/WizardLayout.h"

#include "backup/base/Language.h"
#include "backup/base/SpecialFolders.h"
#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "setup/MainWin.h"

namespace setup {
namespace {

constexpr int W = kWizardWidth;
constexpr int H = kWizardHeight;
constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 20;
constexpr int kButtonTop = 375;
constexpr int kStepSize = 24;
constexpr int kStepPitch = 47;
constexpr int kPageTop = 156;
constexpr int kLangLabHeight = 20;
constexpr int kCheckSize = 18;

constexpr int kProductLogo = 21010;
constexpr int kLargeLogo = 21011;
constexpr int kCheckClear = 21002;
constexpr int kCheckSet = 21004;
constexpr int kArrowRight = 21030;
constexpr int kArrowLeft = 21031;

// An opaque label with an empty caption: a band, a frame or a button's edge.
TLabel* NewBand(TMainForm& form, std::string name, TWinControl* parent, ui::Rect r, TColor color)
{
    auto* band = NewControl<TLabel>(&form, std::move(name), parent);
    band->SetAutoSize(false);
    band->SetBounds(r.left, r.top, r.Width(), r.Height());
    band->SetTransparent(false);
    band->SetColor(color);
    return band;
}

TLabel* NewText(TMainForm& form, std::string name, TWinControl* parent, ui::Rect r, TColor fontColor, int fontHeight)
{
    auto* text = NewControl<TLabel>(&form, std::move(name), parent);
    text->SetAutoSize(false);
    text->SetBounds(r.left, r.top, r.Width(), r.Height());
    text->SetTransparent(true);
    text->Font().SetColor(fontColor);
    text->Font().SetHeight(fontHeight);
    text->Font().SetCharset(form.FontCharset);
    return text;
}

enum class PictureFit { Natural, Stretched };

TImage* NewPicture(TMainForm& form, std::string name, TWinControl* parent, ui::Rect r, int id, PictureFit fit)
{
    auto* image = NewControl<TImage>(&form, std::move(name), parent);
    image->SetBounds(r.left, r.top, r.Width(), r.Height());
    image->SetTransparent(true);
    image->SetStretch(fit == PictureFit::Stretched);
    LoadPngResource(image, id);
    return image;
}

TLabel* NewButtonCaption(TMainForm& form, std::string name, const TLabel* edge)
{
    auto* caption = NewText(
        form, std::move(name), &form,
        ui::Rect{edge->Left() + 1, edge->Top() + 1, edge->Left() + edge->Width() - 1, edge->Top() + edge->Height() - 1},
        ui::clBlack, 15);
    caption->SetTransparent(false);
    caption->SetColor(ui::clWhite);
    caption->SetAlignment(ui::TAlignment::taCenter);
    caption->SetLayout(ui::TTextLayout::tlCenter);
    caption->SetCursor(ui::crHandPoint);
    caption->BringToFront();
    return caption;
}

ui::Rect At(int left, int top, int width, int height)
{
    return ui::Rect{left, top, left + width, top + height};
}

enum class Visibility { Hidden, Shown };

TPanel* NewPagePanel(TMainForm& form, std::string name, Visibility visibility)
{
    auto* page = NewControl<TPanel>(&form, std::move(name), form.Main_Pan);
    page->SetBounds(form.Main_Pan->Left(), kPageTop, form.Main_Pan->Width(), form.Main_Pan->Height() - kPageTop);
    page->SetColor(ui::clWhite);
    page->SetBevelOuter(ui::TBevelCut::bvNone);
    page->SetDoubleBuffered(true);
    page->SetVisible(visibility == Visibility::Shown);
    return page;
}

void PlaceButtonPair(TLabel* edge, TLabel* caption, int left)
{
    edge->SetLeft(left);
    caption->SetLeft(left + 1);
}

int RightEdge(const TControl* control)
{
    return control->Left() + control->Width();
}

std::array<TPanel*, 4> StepPanels(TMainForm& form)
{
    return {form.Step_1_Pan, form.Step_2_Pan, form.Step_3_Pan, form.Step_4_Pan};
}

std::array<TImage*, 3> StepArrows(TMainForm& form)
{
    return {form.Step_Arrow_0_Img, form.Step_Arrow_1_Img, form.Step_Arrow_2_Img};
}

std::u16string VersionText()
{
    return FormatVersionNumber(kProgramVersion);
}

}  // namespace

void BuildMainLayout(TMainForm& form)
{
    form.SetBorderStyle(ui::TFormBorderStyle::bsNone);
    form.SetPosition(ui::TPosition::poScreenCenter);
    form.SetBounds(0, 0, W, H);
    form.SetColor(ui::clWhite);
    form.SetDoubleBuffered(true);

    form.Main_BK_White_Lab = NewBand(form, "Main_BK_White_Lab", &form, At(1, 1, W - 2, H - 2), ui::clWhite);
    form.Main_BK_White_Lab->SendToBack();
    form.Main_BK_Black_Lab = NewBand(form, "Main_BK_Black_Lab", &form, At(0, 0, W, H), ui::clBlack);
    form.Main_BK_Black_Lab->SendToBack();

    form.Top_BK_Lab = NewBand(form, "Top_BK_Lab", &form, At(1, 1, W - 2, 18), form.WizardPalette[0]);
    form.Top_Title_Lab =
        NewText(form, "Top_Title_Lab", &form, At(9, 1, W - 9 - 18, form.Top_BK_Lab->Height()), ui::clWhite, 15);
    form.Top_Title_Lab->SetLayout(ui::TTextLayout::tlCenter);

    const TLabel* top = form.Top_BK_Lab;
    form.Main_BK_Up_Lab = NewBand(form, "Main_BK_Up_Lab", &form,
                                  At(top->Left(), top->Top() + top->Height(), top->Width(), 46), form.WizardPalette[1]);
    form.Main_BK_Down_Lab =
        NewBand(form, "Main_BK_Down_Lab", &form, At(1, H - 30 - 1, W - 2, 30), form.Main_BK_Up_Lab->Color());

    const TLabel* header = form.Main_BK_Up_Lab;
    form.Logo_Product_Img = NewPicture(form, "Logo_Product_Img", &form, At(52, header->Top() + 12, 31, 45),
                                       kProductLogo, PictureFit::Natural);
    const int titleLeft = RightEdge(form.Logo_Product_Img) + 2;
    form.Main_Title_Lab =
        NewText(form, "Main_Title_Lab", &form, At(titleLeft, header->Top(), W - titleLeft - 1, header->Height() - 5),
                ui::clWhite, 18);
    form.Main_Title_Lab->SetWordWrap(true);
    form.Main_Title_Lab->SetLayout(ui::TTextLayout::tlBottom);
    form.Main_Title_Lab->Font().SetStyle(ui::TFontStyle::fsBold);

    form.BackBtn_BK_Lab =
        NewBand(form, "BackBtn_BK_Lab", &form, At(16, kButtonTop, kButtonWidth, kButtonHeight), ui::clBlack);
    form.BackBtn_Lab = NewButtonCaption(form, "BackBtn_Lab", form.BackBtn_BK_Lab);
    form.QuitBtn_BK_Lab = NewBand(form, "QuitBtn_BK_Lab", &form,
                                  At(W - kButtonWidth - 17, kButtonTop, kButtonWidth, kButtonHeight), ui::clBlack);
    form.QuitBtn_Lab = NewButtonCaption(form, "QuitBtn_Lab", form.QuitBtn_BK_Lab);
    form.NextBtn_BK_Lab =
        NewBand(form, "NextBtn_BK_Lab", &form,
                At(form.QuitBtn_BK_Lab->Left() - kButtonWidth - 12, kButtonTop, kButtonWidth, kButtonHeight),
                form.WizardPalette[4]);
    form.NextBtn_Lab = NewButtonCaption(form, "NextBtn_Lab", form.NextBtn_BK_Lab);
    form.NextBtn_Lab->SetEnabled(false);

    form.License_Memo = NewControl<TMemo>(&form, "License_Memo", &form);
    form.License_Memo->SetBounds(25, header->Top() + header->Height() + 15, 450, 270);
    form.License_Memo->SetColor(ui::clWhite);
    form.License_Memo->SetReadOnly(true);
    form.License_Memo->SetScrollBars(ui::TScrollStyle::ssVertical);
    form.License_Memo->Font().SetHeight(15);
    form.License_Memo->SetVisible(false);

    BuildStepPanels(form);
    BuildStartPage(form);
    BuildOptionsPage(form);
    BuildProgressPage(form);
}

void BuildStepPanels(TMainForm& form)
{
    const TLabel* header = form.Main_BK_Up_Lab;
    const int pageTop = header->Top() + header->Height();
    form.Main_Pan = NewControl<TPanel>(&form, "Main_Pan", &form);
    form.Main_Pan->SetBounds(1, pageTop, W - 2, form.Main_BK_Down_Lab->Top() - pageTop);
    form.Main_Pan->SetColor(ui::clWhite);
    form.Main_Pan->SetBevelOuter(ui::TBevelCut::bvNone);
    form.Main_Pan->SetDoubleBuffered(true);

    TPanel** panels[] = {&form.Step_1_Pan, &form.Step_2_Pan, &form.Step_3_Pan, &form.Step_4_Pan};
    TLabel** digits[] = {&form.Step_1_Lab, &form.Step_2_Lab, &form.Step_3_Lab, &form.Step_4_Lab};
    int left = form.Logo_Product_Img->Left() + 10;
    for (int i = 0; i < 4; ++i) {
        const std::string number = std::to_string(i + 1);
        TPanel* panel = NewControl<TPanel>(&form, "Step_" + number + "_Pan", form.Main_Pan);
        panel->SetBounds(left, 17, kStepSize, kStepSize);
        panel->SetBevelOuter(ui::TBevelCut::bvNone);
        panel->SetColor(form.WizardPalette[i == 0 ? 3 : 4]);
        panel->SetDoubleBuffered(true);
        panel->SetRoundRegion(5, 5);
        panel->BringToFront();
        TLabel* digit = NewText(form, "Step_" + number + "_Lab", panel, At(0, 0, kStepSize, kStepSize),
                                form.WizardPalette[i == 0 ? 5 : 6], 16);
        digit->Font().SetStyle(ui::TFontStyle::fsBold);
        digit->SetAlignment(ui::TAlignment::taCenter);
        digit->SetLayout(ui::TTextLayout::tlCenter);
        digit->SetCaption(std::u16string(1, static_cast<char16_t>(u'1' + i)));
        *panels[i] = panel;
        *digits[i] = digit;
        left += kStepPitch;
    }
    form.Step_4_Pan->SetVisible(false);
    form.Step_4_Lab->SetVisible(false);

    TImage** arrows[] = {&form.Step_Arrow_0_Img, &form.Step_Arrow_1_Img, &form.Step_Arrow_2_Img};
    int arrowLeft = form.Step_1_Pan->Left() + 29;
    for (int i = 0; i < 3; ++i) {
        *arrows[i] = NewPicture(form, "Step_Arrow_" + std::to_string(i) + "_Img", form.Main_Pan,
                                At(arrowLeft, form.Step_1_Pan->Top() + 6, 13, 11), kArrowRight, PictureFit::Stretched);
        arrowLeft += kStepPitch;
    }
    form.Step_Arrow_2_Img->SetVisible(false);

    form.Main_BK_Logo_Img =
        NewPicture(form, "Main_BK_Logo_Img", form.Main_Pan, At(85, 93, 377, 63), kLargeLogo, PictureFit::Natural);
}

void BuildStartPage(TMainForm& form)
{
    form.Start_Pan = NewPagePanel(form, "Start_Pan", Visibility::Shown);
    const int left = form.Step_1_Pan->Left();
    form.Lang_Lab = NewText(form, "Lang_Lab", form.Start_Pan, At(left, 0, 0, kLangLabHeight), ui::clBlack, 15);
    form.Lang_Lab->SetLayout(ui::TTextLayout::tlCenter);
    form.Lang_Lab->SetAutoSize(true);

    form.Lang_CBox = NewControl<TComboBox>(&form, "Lang_CBox", form.Start_Pan);
    form.Lang_CBox->SetStyle(ui::TComboBoxStyle::csDropDownList);
    form.Lang_CBox->SetBounds(left, kLangLabHeight + 2, 200, 22);
    form.Lang_CBox->SetColor(ui::clWhite);
    form.Lang_CBox->Font().SetColor(ui::clBlack);
    form.Lang_CBox->Font().SetHeight(14);
    form.Lang_CBox->Font().SetCharset(129);

    const int checkTop = form.Lang_CBox->Top() + form.Lang_CBox->Height() + 10;
    form.Lic_Check_Img = NewPicture(form, "Lic_Check_Img", form.Start_Pan, At(left, checkTop, kCheckSize, kCheckSize),
                                    kCheckClear, PictureFit::Stretched);
    form.Lic_Check_Img->SetCursor(ui::crHandPoint);
    const int textLeft = RightEdge(form.Lic_Check_Img) + 2;
    const int textWidth = form.Start_Pan->Width() - textLeft - 60;
    form.Lic_Check_Lab =
        NewText(form, "Lic_Check_Lab", form.Start_Pan, At(textLeft, checkTop, textWidth, 28), ui::clBlack, 15);
    form.Lic_Check_Lab->SetWordWrap(true);
    form.Lic_Link_Lab =
        NewText(form, "Lic_Link_Lab", form.Start_Pan, At(textLeft, checkTop + 28, textWidth, 30), ui::clBlue, 15);
    form.Lic_Link_Lab->SetWordWrap(true);
    form.Lic_Link_Lab->SetCursor(ui::crHandPoint);
    form.Lic_Link_Lab->Font().SetStyle(ui::TFontStyle::fsUnderline);
}

void BuildOptionsPage(TMainForm& form)
{
    form.Options_Pan = NewPagePanel(form, "Options_Pan", Visibility::Hidden);
    const int left = form.Step_1_Pan->Left();
    form.SavePath_Title_Lab =
        NewText(form, "SavePath_Title_Lab", form.Options_Pan, At(left, 0, 350, 20), ui::clBlack, 15);
    form.SavePath_Title_Lab->SetLayout(ui::TTextLayout::tlCenter);
    form.SavePath_BK_Black_Lab =
        NewBand(form, "SavePath_BK_Black_Lab", form.Options_Pan, At(left, 20, 350, 20), ui::clBlack);
    form.SavePath_BK_White_Lab =
        NewBand(form, "SavePath_BK_White_Lab", form.Options_Pan, At(left + 1, 21, 348, 18), ui::clWhite);

    form.SavePath_Edit = NewControl<TEdit>(&form, "SavePath_Edit", form.Options_Pan);
    form.SavePath_Edit->SetBounds(form.SavePath_BK_White_Lab->Left() + 5, 21, 348 - 5, 18);
    form.SavePath_Edit->SetBorderStyle(ui::TBorderStyle::bsNone);
    form.SavePath_Edit->SetBevelKind(ui::TBevelKind::bkNone);
    form.SavePath_Edit->SetColor(ui::clWhite);
    form.SavePath_Edit->Font().SetColor(ui::clBlack);
    form.SavePath_Edit->Font().SetHeight(15);
    form.SavePath_Edit->Font().SetCharset(form.FontCharset);
    form.SavePath_Edit->SetReadOnly(true);
    form.SavePath_Edit->BringToFront();
    form.SavePath_Edit->SetText(InstallFolder(true));

    const int shortcutTop = form.SavePath_BK_Black_Lab->Top() + form.SavePath_BK_Black_Lab->Height() + 10;
    form.Shortcut_Check_Img =
        NewPicture(form, "Shortcut_Check_Img", form.Options_Pan, At(left, shortcutTop, kCheckSize, kCheckSize),
                   kCheckSet, PictureFit::Stretched);
    form.Shortcut_Check_Img->SetCursor(ui::crHandPoint);
    const int textLeft = RightEdge(form.Shortcut_Check_Img) + 2;
    const int textWidth = form.Options_Pan->Width() - textLeft - 16;
    form.Shortcut_Check_Lab = NewText(form, "Shortcut_Check_Lab", form.Options_Pan,
                                      At(textLeft, shortcutTop, textWidth, 18), ui::clBlack, 15);
    form.Shortcut_Check_Lab->SetLayout(ui::TTextLayout::tlCenter);

    const int bootTop = shortcutTop + kCheckSize + 5;
    form.RunAfterBoot_Check_Img =
        NewPicture(form, "RunAfterBoot_Check_Img", form.Options_Pan, At(left, bootTop, kCheckSize, kCheckSize),
                   kCheckSet, PictureFit::Stretched);
    form.RunAfterBoot_Check_Img->SetCursor(ui::crHandPoint);
    form.RunAfterBoot_Check_Lab = NewText(form, "RunAfterBoot_Check_Lab", form.Options_Pan,
                                          At(textLeft, bootTop, textWidth, 18), ui::clBlack, 15);
    form.RunAfterBoot_Check_Lab->SetLayout(ui::TTextLayout::tlCenter);
}

void BuildProgressPage(TMainForm& form)
{
    form.Progress_Pan = NewPagePanel(form, "Progress_Pan", Visibility::Hidden);
    form.Progress_BK_Black_Lab =
        NewBand(form, "Progress_BK_Black_Lab", form.Progress_Pan, At(50, 30, 400, 22), ui::clBlack);
    form.Progress_BK_Black_Lab->SendToBack();
    form.Progress_BK_White_Lab =
        NewBand(form, "Progress_BK_White_Lab", form.Progress_Pan, At(51, 31, 398, 20), ui::clWhite);
    form.Progress_BK_Bar_Lab =
        NewBand(form, "Progress_BK_Bar_Lab", form.Progress_Pan, At(51, 31, 398, 20), form.WizardPalette[0]);
    form.Progress_BK_Bar_Lab->BringToFront();
    form.Progress_Percent_Lab =
        NewText(form, "Progress_Percent_Lab", form.Progress_Pan, At(51, 51, 398, 20), ui::clBlack, 16);
    form.Progress_Percent_Lab->SetAlignment(ui::TAlignment::taCenter);
    form.Progress_Percent_Lab->SetLayout(ui::TTextLayout::tlCenter);

    form.Progress_Bar = NewControl<TProgressBar>(&form, "Progress_Bar", form.Progress_Pan);
    form.Progress_Bar->SetBounds(51, 31, 398, 20);
    form.Progress_Bar->SetRange(0, 10);
    form.Progress_Bar->SetStep(1);
    form.Progress_Bar->SetSmooth(true);
    form.Progress_Bar->SetPosition(0);
    form.Progress_Bar->SetColor(ui::clWhite);
    form.Progress_Bar->Perform(PBM_SETBARCOLOR, 0, static_cast<std::intptr_t>(form.WizardPalette[0]));
    form.Progress_Bar->BringToFront();
}

void LayoutFrameLtr(TMainForm& form)
{
    form.Top_Title_Lab->SetCaption(FormatText1(u"%s    ver ", ProductTitle()) + VersionText());

    form.Logo_Product_Img->SetLeft(52);
    const int titleLeft = RightEdge(form.Logo_Product_Img) + 2;
    form.Main_Title_Lab->SetBounds(titleLeft, form.Main_Title_Lab->Top(), W - titleLeft - 1,
                                   form.Main_Title_Lab->Height());
    PlaceButtonPair(form.BackBtn_BK_Lab, form.BackBtn_Lab, 16);
    PlaceButtonPair(form.QuitBtn_BK_Lab, form.QuitBtn_Lab, W - kButtonWidth - 17);
    PlaceButtonPair(form.NextBtn_BK_Lab, form.NextBtn_Lab, form.QuitBtn_BK_Lab->Left() - kButtonWidth - 12);

    int left = form.Logo_Product_Img->Left() + 10;
    for (TPanel* panel : StepPanels(form)) {
        panel->SetLeft(left);
        left += kStepPitch;
    }
    int arrowLeft = form.Step_1_Pan->Left() + 29;
    for (TImage* arrow : StepArrows(form)) {
        arrow->SetLeft(arrowLeft);
        LoadPngResource(arrow, kArrowRight);
        arrowLeft += kStepPitch;
    }

    const int column = form.Step_1_Pan->Left();
    form.Lang_Lab->SetLeft(column);
    form.Lang_CBox->SetLeft(column);
    form.Lic_Check_Img->SetLeft(column);
    const int checkText = RightEdge(form.Lic_Check_Img) + 2;
    for (TLabel* text : {form.Lic_Check_Lab, form.Lic_Link_Lab}) {
        text->SetBounds(checkText, text->Top(), form.Start_Pan->Width() - checkText - 60, text->Height());
    }

    form.SavePath_Title_Lab->SetLeft(column);
    form.SavePath_BK_Black_Lab->SetLeft(column);
    form.SavePath_BK_White_Lab->SetLeft(column + 1);
    form.SavePath_Edit->SetLeft(column + 6);
    form.Shortcut_Check_Img->SetLeft(column);
    form.RunAfterBoot_Check_Img->SetLeft(column);
    const int optionText = RightEdge(form.Shortcut_Check_Img) + 2;
    for (TLabel* text : {form.Shortcut_Check_Lab, form.RunAfterBoot_Check_Lab}) {
        text->SetBounds(optionText, text->Top(), form.Options_Pan->Width() - optionText - 16, text->Height());
    }
}

void LayoutFrameRtl(TMainForm& form)
{
    form.Top_Title_Lab->SetCaption(u"ver " + VersionText() + FormatText1(u"    %s", ProductTitle()));

    TImage* logo = form.Logo_Product_Img;
    logo->SetLeft(W - logo->Width() - 52);
    form.Main_Title_Lab->SetBounds(1, form.Main_Title_Lab->Top(), logo->Left() - 1 - 2, form.Main_Title_Lab->Height());
    PlaceButtonPair(form.BackBtn_BK_Lab, form.BackBtn_Lab, W - kButtonWidth - 16);
    PlaceButtonPair(form.QuitBtn_BK_Lab, form.QuitBtn_Lab, 17);
    PlaceButtonPair(form.NextBtn_BK_Lab, form.NextBtn_Lab, RightEdge(form.QuitBtn_BK_Lab) + 12);

    int left = logo->Left() - kStepSize - 10;
    for (TPanel* panel : StepPanels(form)) {
        panel->SetLeft(left);
        left -= kStepPitch;
    }
    int arrowLeft = form.Step_1_Pan->Left() - 13 - 5;
    for (TImage* arrow : StepArrows(form)) {
        arrow->SetLeft(arrowLeft);
        LoadPngResource(arrow, kArrowLeft);
        arrowLeft -= kStepPitch;
    }

    // The page column ends 10 px before the logo's right edge.
    const int columnRight = RightEdge(logo) - 10;
    form.Lang_Lab->SetLeft(columnRight - form.Lang_Lab->Width());
    form.Lang_CBox->SetLeft(columnRight - form.Lang_CBox->Width());
    form.Lic_Check_Img->SetLeft(columnRight - form.Lic_Check_Img->Width());
    for (TLabel* text : {form.Lic_Check_Lab, form.Lic_Link_Lab}) {
        text->SetBounds(60, text->Top(), form.Lic_Check_Img->Left() - 60 - 2, text->Height());
    }

    const int pathLeft = columnRight - form.SavePath_Title_Lab->Width();
    form.SavePath_Title_Lab->SetLeft(pathLeft);
    form.SavePath_BK_Black_Lab->SetLeft(pathLeft);
    form.SavePath_BK_White_Lab->SetLeft(pathLeft + 1);
    form.SavePath_Edit->SetLeft(pathLeft + 6);
    form.Shortcut_Check_Img->SetLeft(columnRight - form.Shortcut_Check_Img->Width());
    form.RunAfterBoot_Check_Img->SetLeft(columnRight - form.RunAfterBoot_Check_Img->Width());
    for (TLabel* text : {form.Shortcut_Check_Lab, form.RunAfterBoot_Check_Lab}) {
        text->SetBounds(16, text->Top(), form.Shortcut_Check_Img->Left() - 16 - 2, text->Height());
    }
}

void LayoutFrameFor(TMainForm& form, int langId)
{
    if (langId == kRtlLangId) {
        LayoutFrameRtl(form);
    } else {
        LayoutFrameLtr(form);
    }
}

}  // namespace setup
