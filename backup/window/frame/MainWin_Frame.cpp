// The skinned frame of the main window: its creation at 640 x 480 and the handlers of the title
// buttons, the drag strip, the size grip and the frame edges.

#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/layout/PageLayout.h"
#include "backup/window/layout/WindowLayout.h"
#include "platform/shell.h"
#include "ui/windows.h"

#include <vector>

namespace {

constexpr int kMinWidth = 640;
constexpr int kMinHeight = 480;
constexpr int kWindowCorner = 15;
constexpr int kEdge = 10;
constexpr int kHintFontHeight = 15;
constexpr int kVersionFontHeight = 14;

void Size(TControl* control, int width, int height, int top)
{
    control->SetBounds(control->Left(), top, width, height);
}

void Skin(TImage* image, int width, int height, int top, int id)
{
    Size(image, width, height, top);
    LoadPngResource(image, id);
}

void MakeHintLabel(TLabel* hint, TImage* image, BYTE charset, const std::u16string& text)
{
    hint->SetBounds(image->Left(), image->Top(), image->Width(), image->Height());
    hint->SetTransparent(true);
    hint->SetLayout(ui::TTextLayout::tlCenter);
    hint->Font().SetColor(TMainForm::Palette[7]);
    hint->Font().SetHeight(kHintFontHeight);
    hint->Font().SetCharset(charset);
    hint->SetCaption(u"");
    hint->SetHint(text);
    hint->SetShowHint(true);
    hint->SetCursor(ui::crHandPoint);
    hint->BringToFront();
}

}  // namespace

void BuildMainWindowSkin(TMainForm& form)
{
    form.SetDoubleBuffered(true);
    form.SetBounds(form.Left(), form.Top(), kMinWidth, kMinHeight);
    form.SetColor(TMainForm::Palette[0]);
    form.Constraints().MinWidth = kMinWidth;
    form.Constraints().MinHeight = kMinHeight;
    form.SetRoundRegion(kWindowCorner, kWindowCorner);

    const int height = form.Height();
    Skin(form.MainBK_UpFrame_Img, form.Width(), kEdge, 0, 21031);
    Skin(form.MainBK_DownFrame_Img, form.Width(), kEdge, 0, 21028);
    form.MainBK_DownFrame_Img->SetCursor(ui::crSizeNS);
    Skin(form.MainBK_LeftFrame_Img, kEdge, height, 0, 21029);
    Skin(form.MainBK_RightFrame_Img, kEdge, height, 0, 21030);
    Skin(form.MainBK_Box_LU_Img, kEdge, kEdge, 0, 21022);
    Skin(form.MainBK_Box_LD_Img, kEdge, kEdge, 0, 21021);
    Skin(form.MainBK_Box_RD_Img, kEdge, kEdge, 0, 21023);
    Skin(form.MainBK_Box_RU_Img, kEdge, kEdge, 0, 21024);
    Size(form.Main_ExitBtn_Img, 14, 9, 3);
    Size(form.Main_MaxBtn_Img, 14, 9, 3);
    Size(form.Main_MinBtn_Img, 14, 9, 3);
    Size(form.Title_Img, 439, 42, 3);
    Size(form.VemoLogo_Img, 197, 29, 12);
    form.VemoLogo_Img->BringToFront();
    Skin(form.VEMOLogo_ZAMOEx_Img, 32, 32, 12, 26001);
    form.VEMOLogo_ZAMOEx_Img->SetLeft(14);
    form.VEMOLogo_ZAMOEx_Img->BringToFront();
    form.VEMOLogo_ZAMOEx_Img->Hide();
    Size(form.Version_Lab, 80, kVersionFontHeight, 28);
    form.Version_Lab->Font().SetColor(ui::clWhite);
    form.Version_Lab->Font().SetHeight(kVersionFontHeight);
    form.Version_Lab->SetCaption(u"Ver " + FormatVersionNumber(kProgramVersion));
    Size(form.DragSizeBtn_Img, 11, 11, 0);
    Size(form.DragDrop_Lab, 0, form.Title_Img->Height(), 0);
    form.DragDrop_Lab->BringToFront();
    // The version label takes its own clicks inside the drag strip.
    form.Version_Lab->BringToFront();
    Skin(form.Main_Btn_Help_Img, 17, 17, 27, 21000);
    Skin(form.Main_Btn_About_Img, 17, 17, 27, 21001);
    for (TImage* image : {form.Main_Btn_Help_Img, form.Main_Btn_About_Img}) {
        image->SetCursor(ui::crHandPoint);
        image->Show();
    }
    RelayoutLtrFrame(form);
    MakeHintLabel(form.Main_Btn_Help_Hint_Lab, form.Main_Btn_Help_Img, form.FontCharset, u"Help");
    MakeHintLabel(form.Main_Btn_About_Hint_Lab, form.Main_Btn_About_Img, form.FontCharset, u"About");

    BuildMenuPanel(form);
    BuildWorkArea(form);
}

void TMainForm::FormMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonSkins(*this);
}

void TMainForm::FormResize(TObject*)
{
    if (LangId == kRtlLangId) {
        RelayoutRtl(*this);
    } else {
        RelayoutLtr(*this);
    }
}

void TMainForm::Main_ExitBtn_ImgClick(TObject*)
{
    // Without an icon to come back through, the tray menu's exit is out of reach: this is it.
    if (!NotificationAreaShowsIcon() && MayClose == 1) {
        ExitClick(this);
        return;
    }
    HideToNotificationArea();
}

void TMainForm::Main_MinBtn_ImgClick(TObject*)
{
    ui::Application->Minimize();
}

void TMainForm::Main_MaxBtn_ImgClick(TObject*)
{
    Maximized = Maximized == 0 ? 1 : 0;
    if (Maximized == 1) {
        RestoreBounds = {Left(), Top(), Width(), Height()};
        ui::Rect area{};
        if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
            SetBounds(area.left, area.top, area.Width(), area.Height());
        } else {
            SetBounds(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        }
    } else {
        SetWidth(RestoreBounds.Width);
        SetHeight(RestoreBounds.Height);
        SetLeft(RestoreBounds.Left);
        SetTop(RestoreBounds.Top);
    }
    Repaint();
    SetRoundRegion(kWindowCorner, kWindowCorner);
}

void TMainForm::Main_ExitBtn_ImgMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonSkins(*this);
    LoadPngResource(Main_ExitBtn_Img, 21003);
}

void TMainForm::Main_MaxBtn_ImgMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonSkins(*this);
    LoadPngResource(Main_MaxBtn_Img, 21006);
}

void TMainForm::Main_MinBtn_ImgMouseMove(TObject*, TShiftState, int, int)
{
    ResetButtonSkins(*this);
    LoadPngResource(Main_MinBtn_Img, 21009);
}

void TMainForm::Main_ExitBtn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    LoadPngResource(Main_ExitBtn_Img, 21004);
}

void TMainForm::Main_MaxBtn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    LoadPngResource(Main_MaxBtn_Img, 21007);
}

void TMainForm::Main_MinBtn_ImgMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    LoadPngResource(Main_MinBtn_Img, 21010);
}

void TMainForm::BeginResize(TMouseButton button, int x, int y)
{
    if (button == TMouseButton::mbLeft && Resizing == 0) {
        ResizeStartX = x;
        ResizeStartY = y;
        ResizeRightEdge = Left() + Width();
        Resizing = 1;
    }
}

void TMainForm::EndResize()
{
    if (Resizing == 1) {
        ReleaseCapture();
        Resizing = 0;
    }
}

void TMainForm::ResizeFromLeft(int x)
{
    const int grow = ResizeStartX - x;
    if (Width() + grow >= kMinWidth) {
        SetBounds(Left() - grow, Top(), Width() + grow, Height());
    } else {
        SetBounds(ResizeRightEdge - kMinWidth, Top(), kMinWidth, Height());
    }
}

void TMainForm::AfterResizeStep()
{
    SetRoundRegion(kWindowCorner, kWindowCorner);
    Refresh();
}

void TMainForm::DragSizeBtn_ImgMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    BeginResize(Button, X, Y);
}

void TMainForm::DragSizeBtn_ImgMouseMove(TObject*, TShiftState Shift, int X, int Y)
{
    if (!Shift.LeftHeld() || Resizing != 1) {
        return;
    }
    if (LangId == kRtlLangId) {
        ResizeFromLeft(X);
    } else {
        SetWidth(Width() + (X - ResizeStartX));
    }
    SetHeight(Height() + (Y - ResizeStartY));
    AfterResizeStep();
}

void TMainForm::DragSizeBtn_ImgMouseUp(TObject*, TMouseButton, TShiftState, int, int)
{
    EndResize();
}

void TMainForm::MainBK_RightFrame_ImgMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    BeginResize(Button, X, Y);
}

void TMainForm::MainBK_RightFrame_ImgMouseMove(TObject*, TShiftState Shift, int X, int)
{
    if (!Shift.LeftHeld() || Resizing != 1 || LangId == kRtlLangId) {
        return;
    }
    SetWidth(Width() + (X - ResizeStartX));
    AfterResizeStep();
}

void TMainForm::MainBK_RightFrame_ImgMouseUp(TObject*, TMouseButton, TShiftState, int, int)
{
    EndResize();
}

void TMainForm::MainBK_LeftFrame_ImgMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    BeginResize(Button, X, Y);
}

void TMainForm::MainBK_LeftFrame_ImgMouseMove(TObject*, TShiftState Shift, int X, int)
{
    if (!Shift.LeftHeld() || Resizing != 1 || LangId != kRtlLangId) {
        return;
    }
    ResizeFromLeft(X);
    AfterResizeStep();
}

void TMainForm::MainBK_LeftFrame_ImgMouseUp(TObject*, TMouseButton, TShiftState, int, int)
{
    EndResize();
}

void TMainForm::MainBK_DownFrame_ImgMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y)
{
    BeginResize(Button, X, Y);
}

void TMainForm::MainBK_DownFrame_ImgMouseMove(TObject*, TShiftState Shift, int, int Y)
{
    if (!Shift.LeftHeld() || Resizing != 1) {
        return;
    }
    SetHeight(Height() + (Y - ResizeStartY));
    AfterResizeStep();
}

void TMainForm::MainBK_DownFrame_ImgMouseUp(TObject*, TMouseButton, TShiftState, int, int)
{
    EndResize();
}

void TMainForm::DragDrop_LabMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);
    ui::Application->ProcessMessages();
}

void TMainForm::Client_Logo_ImgClick(TObject*)
{
    std::vector<WCHAR> buffer(1024, 0);
    GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    const std::u16string explorer = WithTrailingBackslash(buffer.data()) + u"explorer.exe";
    ShellExecuteW(nullptr, u"open", explorer.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
