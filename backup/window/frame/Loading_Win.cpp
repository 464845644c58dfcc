#include "backup/window/frame/Loading_Win.h"

#include "backup/skin/ControlFactory.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/frame/Startup.h"

namespace {

constexpr int kWidth = 383;
constexpr int kHeight = 201;
constexpr int kBarLeft = 18;
constexpr int kBarTop = 182;
constexpr int kBarHeight = 9;
constexpr DWORD kStagePauseMs = 100;

}  // namespace

TLoading_Form::TLoading_Form(TComponent* owner) : TForm(owner)
{
    SetName("Loading_Form");
    Loading_BK_Img = NewControl<TImage>(this, "Loading_BK_Img", this);
    ShowFile_Lab = NewControl<TLabel>(this, "ShowFile_Lab", this);
    Progress_BK_Lab = NewControl<TLabel>(this, "Progress_BK_Lab", this);
    Progress_Bar_Img = NewControl<TImage>(this, "Progress_Bar_Img", this);
    LayoutLoadingForm();
    OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TLoading_Form::LayoutLoadingForm()
{
    SetBorderStyle(ui::TFormBorderStyle::bsNone);
    SetDoubleBuffered(true);
    SetPosition(ui::TPosition::poMainFormCenter);
    SetBounds(0, 0, kWidth, kHeight);

    Loading_BK_Img->SetBounds(0, 0, kWidth, kHeight);
    LoadPngResource(Loading_BK_Img, 21032);
    Loading_BK_Img->SendToBack();

    ShowFile_Lab->SetAutoSize(false);
    ShowFile_Lab->SetBounds(34, 175, kWidth - 34, 17);
    ShowFile_Lab->SetCaption(u"");
    ShowFile_Lab->Font().SetColor(ui::clWhite);
    ShowFile_Lab->Font().SetHeight(15);
    ShowFile_Lab->SetTransparent(true);
    ShowFile_Lab->BringToFront();

    Progress_BK_Lab->SetAutoSize(false);
    Progress_BK_Lab->SetBounds(kBarLeft, kBarTop, kWidth - 2 * kBarLeft, kBarHeight);
    Progress_BK_Lab->SetColor(ui::clWhite);
    Progress_BK_Lab->SetTransparent(false);
    Progress_BK_Lab->SetCaption(u"");
    Progress_BK_Lab->Hide();

    Progress_Bar_Img->SetStretch(true);
    Progress_Bar_Img->SetBounds(kBarLeft, kBarTop, 0, kBarHeight);
    LoadPngResource(Progress_Bar_Img, 21033);
}

void TLoading_Form::FormCreate(TObject*)
{
}

void SetLoadingPercent(TLoading_Form& window, DWORD percent)
{
    for (DWORD i = window.LastPercent; i <= percent; ++i) {
        window.Progress_Bar_Img->SetWidth(static_cast<int>(i * 0.01 * window.Progress_BK_Lab->Width()));
        ui::Application->ProcessMessages();
    }
    window.LastPercent = percent;
    WaitPumpingMessages(kStagePauseMs);
}
