#include "backup/window/layout/OverviewPages.h"

#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/layout/LayoutDirection.h"
#include "backup/window/layout/LayoutHelpers.h"
#include "backup/window/layout/PageLayout.h"

namespace {

constexpr int kMemoLeft = 170;
constexpr int kMemoBottomGap = 60;
constexpr int kMemoCharset = 129;
constexpr int kIconWidth = 96;
constexpr int kIconHeight = 91;
constexpr int kIconWindowLeft = 224;
constexpr int kDriveWidth = 305;
constexpr int kDriveHeight = 204;
constexpr int kBarHeight = 12;
constexpr int kBarGapAboveRule = 4;
constexpr int kLineGap = 6;
constexpr int kValueGap = 2;
constexpr int kValueHeight = 16;
constexpr int kPartitionsHeight = 26;

int PageWidth(const TMainForm& form)
{
    return form.Sum_Pro_Pan->Width();
}

int PageHeight(const TMainForm& form)
{
    return form.Sum_Pro_Pan->Height();
}

int IconTop(const TMainForm& form)
{
    return (PageHeight(form) / 2 - kIconHeight) / 2;
}

// Left, Width and Height of the page 1 panel; its Top is set once at creation.
void PlaceProductPanel(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    TPanel* page = form.Sum_Pro_Pan;
    const int left = mirrored ? form.HorzLine_Up_Pan->Left() : form.MainMenu_Pan->Width() + 16;
    const int width = mirrored ? form.MainMenu_Pan->Left() - 31 - left : RightOf(form.HorzLine_Up_Pan) - left;
    page->SetBounds(left, page->Top(), width, form.Work_Pan->Height() - page->Top());
}

// Every page panel but the Update page, which keeps its creation rectangle, lies on page 1's.
void CopyPageRect(TMainForm& form)
{
    const TPanel* page = form.Sum_Pro_Pan;
    for (TPanel* other : {form.Sum_Dev_Pan, form.Bac_Pan, form.Res_Pan, form.Del_Pan, form.App_Fav_Pan,
                          form.Set_Gen_Pan, form.Set_Bac_Pan}) {
        other->SetBounds(page->Left(), page->Top(), page->Width(), page->Height());
    }
}

void PlaceMemo(TMainForm& form)
{
    TMemo* memo = form.DebugInfo_Memo;
    memo->SetBounds(memo->Left(), 0, PageWidth(form) - memo->Left(), PageHeight(form) - kMemoBottomGap);
}

void PlaceDrivePicture(TMainForm& form)
{
    TImage* picture = form.Sum_Dev_MainIco_Img;
    picture->SetBounds((PageWidth(form) - kDriveWidth) / 2, (PageHeight(form) - kDriveHeight) / 3, kDriveWidth,
                       kDriveHeight);
    form.Sum_Dev_MainIco_Lab->SetBounds(picture->Left(), picture->Top(), picture->Width(), picture->Height());
}

// The bar's frame ends 4 px above the lower rule; its ground and the bar lie 1 px inside.
void PlaceCapacityBar(TMainForm& form)
{
    const int p = PageWidth(form);
    const int lowerMargin = form.Work_Pan->Height() - form.HorzLine_Low_Pan->Top();
    TLabel* frame = form.Dev_Capacity_BK_Deep_Lab;
    frame->SetBounds(0, PageHeight(form) - lowerMargin - kBarHeight - kBarGapAboveRule, p, kBarHeight);
    TLabel* ground = form.Dev_Capacity_BK_Light_Lab;
    ground->SetBounds(frame->Left() + 1, frame->Top() + 1, frame->Width() - 2, frame->Height() - 2);
    form.Dev_Capacity_Bar_Img->SetBounds(ground->Left(), ground->Top(), ground->Width(), ground->Height());
}

void PlaceAbove(TLabel* title, const TControl* below)
{
    title->SetTop(below->Top() - title->Height() - kLineGap);
}

// Titles at the left and values after them to the panel's right edge, or mirrored: titles at
// the right and values from the left edge up to 2 px before their title.
void PlaceDeviceLines(TMainForm& form, LayoutDirection direction)
{
    const bool mirrored = direction == LayoutDirection::RightToLeft;
    const int p = PageWidth(form);
    TLabel* capacityTitle = form.Dev_Capacity_Title_Lab;
    TLabel* partitionsTitle = form.Dev_Partitions_Title_Lab;
    TLabel* nameTitle = form.Dev_Name_Title_Lab;
    capacityTitle->SetLeft(mirrored ? p - capacityTitle->Width() : 0);
    PlaceAbove(capacityTitle, form.Dev_Capacity_BK_Deep_Lab);
    partitionsTitle->SetLeft(capacityTitle->Left());
    PlaceAbove(partitionsTitle, capacityTitle);
    nameTitle->SetLeft(mirrored ? p - nameTitle->Width() : capacityTitle->Left());
    PlaceAbove(nameTitle, capacityTitle);

    form.Dev_Partitions_Lab->SetBounds(0, form.Dev_Partitions_Lab->Top(), p, form.Dev_Partitions_Lab->Height());
    const auto placeValue = [mirrored, p](TLabel* value, const TLabel* title) {
        const int left = mirrored ? 0 : RightOf(title) + kValueGap;
        const int width = mirrored ? title->Left() - kValueGap : p - left;
        value->SetBounds(left, title->Top(), width, value->Height());
    };
    placeValue(form.Dev_Capacity_Lab, capacityTitle);
    placeValue(form.Dev_Name_Lab, nameTitle);
}

void PlaceDevicePage(TMainForm& form, LayoutDirection direction)
{
    const TPanel* page = form.Sum_Pro_Pan;
    form.Sum_Dev_Pan->SetBounds(page->Left(), page->Top(), page->Width(), page->Height());
    PlaceDrivePicture(form);
    PlaceCapacityBar(form);
    PlaceDeviceLines(form, direction);
}

void RelayoutOverviewPages(TMainForm& form, LayoutDirection direction)
{
    PlaceProductPanel(form, direction);
    CopyPageRect(form);
    PlaceMemo(form);
    PlaceDevicePage(form, direction);
}

void MakeBarPart(TLabel* label, int paletteEntry)
{
    MakeGround(label, TMainForm::Palette[paletteEntry]);
    label->BringToFront();
}

// A title sized to its text, vertically centred, in the page's caption look.
void MakeTitle(TMainForm& form, TLabel* title, const std::u16string& caption)
{
    title->SetAutoSize(true);
    title->SetLayout(ui::TTextLayout::tlCenter);
    title->SetTransparent(true);
    SetCaptionFont(title, TMainForm::Palette[7], 15, form.FontCharset);
    title->SetCaption(caption);
}

// A value label with the look of the capacity title at the font height.
void MakeValue(TMainForm& form, TLabel* value, int fontHeight)
{
    const TLabel* model = form.Dev_Capacity_Title_Lab;
    value->SetLayout(model->Layout());
    value->SetTransparent(model->Transparent());
    SetCaptionFont(value, model->Font().Color(), fontHeight, form.FontCharset);
    value->SetCaption(u"");
}

}  // namespace

void LayoutOverviewPanel(TMainForm& form)
{
    TPanel* page = form.Sum_Pro_Pan;
    const int top = BottomOf(form.Work_Title_Des_Lab);
    page->SetBounds(page->Left(), top, page->Width(), page->Height());
    PlaceProductPanel(form, LayoutDirection::LeftToRight);
    page->SetDoubleBuffered(true);
    page->SetColor(ui::clWhite);
    page->Show();
    CopyPageRect(form);

    TImage* icon = form.Sum_DeviceIco_Img;
    icon->SetBounds(kIconWindowLeft - page->Left() - form.Work_Pan->Left(), IconTop(form), kIconWidth, kIconHeight);
    LoadPngResource(icon, 23061);

    TMemo* memo = form.DebugInfo_Memo;
    memo->SetBounds(kMemoLeft, 0, PageWidth(form) - kMemoLeft, PageHeight(form) - kMemoBottomGap);
    memo->SetColor(ui::clWhite);
    memo->SetReadOnly(true);
    memo->SetBorderStyle(ui::TBorderStyle::bsNone);
    memo->SetScrollBars(ui::TScrollStyle::ssNone);
    memo->SetDoubleBuffered(true);
    memo->Font().SetColor(TMainForm::Palette[9]);
    memo->Font().SetHeight(14);
    memo->Font().SetCharset(kMemoCharset);
    memo->Lines().Clear();
    memo->Show();
}

void LayoutDevicePanel(TMainForm& form)
{
    TPanel* page = form.Sum_Dev_Pan;
    page->SetColor(form.Sum_Pro_Pan->Color());
    page->SetDoubleBuffered(true);
    page->Hide();

    TImage* picture = form.Sum_Dev_MainIco_Img;
    picture->SetCursor(ui::crHandPoint);
    LoadPngResource(picture, 23024);
    TLabel* target = form.Sum_Dev_MainIco_Lab;
    target->SetCursor(picture->Cursor());
    target->SetTransparent(true);
    target->SetCaption(u"");
    target->SetHint(u"Safely remove the external hard drive");
    target->SetShowHint(true);

    MakeBarPart(form.Dev_Capacity_BK_Deep_Lab, 11);
    MakeBarPart(form.Dev_Capacity_BK_Light_Lab, 12);
    LoadPngResource(form.Dev_Capacity_Bar_Img, 23046);
    form.Dev_Capacity_Bar_Img->BringToFront();

    MakeTitle(form, form.Dev_Capacity_Title_Lab, u"Capacity :");
    MakeValue(form, form.Dev_Capacity_Lab, form.Dev_Capacity_Title_Lab->Font().Height());
    form.Dev_Capacity_Lab->SetHeight(kValueHeight);
    MakeTitle(form, form.Dev_Partitions_Title_Lab, u"Partitions :");
    form.Dev_Partitions_Title_Lab->Hide();
    MakeValue(form, form.Dev_Partitions_Lab, kPartitionsHeight);
    form.Dev_Partitions_Lab->SetBounds(0, 0, PageWidth(form), kPartitionsHeight);
    MakeTitle(form, form.Dev_Name_Title_Lab, u"Device name :");
    MakeValue(form, form.Dev_Name_Lab, form.Dev_Capacity_Title_Lab->Font().Height());
    form.Dev_Name_Lab->SetHeight(form.Dev_Capacity_Lab->Height());

    PlaceDevicePage(form, LayoutDirection::LeftToRight);
    target->BringToFront();
}

void LayoutRtlOverviewPage(TMainForm& form)
{
    PlaceProductPanel(form, LayoutDirection::RightToLeft);
    CopyPageRect(form);
    form.Sum_DeviceIco_Img->SetBounds(0, IconTop(form), kIconWidth, kIconHeight);
    PlaceMemo(form);
}

void LayoutRtlDevicePage(TMainForm& form)
{
    PlaceDevicePage(form, LayoutDirection::RightToLeft);
}

void RelayoutLtrOverviewPages(TMainForm& form)
{
    RelayoutOverviewPages(form, LayoutDirection::LeftToRight);
    // After leaving the mirrored language at run time, the device icon and the Update page go back
    // to their left-to-right creation places; no window size moves these.
    form.Sum_DeviceIco_Img->SetLeft(kIconWindowLeft - form.Sum_Pro_Pan->Left() - form.Work_Pan->Left());
    form.Set_Upd_Pan->SetLeft(form.Sum_Pro_Pan->Left());
}

void RelayoutRtlOverviewPages(TMainForm& form)
{
    RelayoutOverviewPages(form, LayoutDirection::RightToLeft);
}

void ApplyDevicePageCaptions(TMainForm& form)
{
    const TStringList& table = *form.LangTable;
    form.Dev_Capacity_Title_Lab->SetCaption(LookupText(table, 20040));
    form.Dev_Name_Title_Lab->SetCaption(LookupText(table, 20043));
    form.Dev_Partitions_Title_Lab->SetCaption(LookupText(table, 20044));
    form.Sum_Dev_MainIco_Lab->SetHint(LookupText(table, 20205));
}
