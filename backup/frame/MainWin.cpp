#include "backup/frame/MainWin.h"

#include "backup/engine/Clprocessnotify.h"
#include "backup/frame/Language.h"
#include "backup/frame/LanguageSetting.h"
#include "backup/frame/MsgWin.h"
#include "backup/layout/PageLayout.h"
#include "platform/system.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kWindowCorner = 15;

}  // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    CreateControls();

    FontCharset = ui::DEFAULT_CHARSET;
    MsgBoxShowing = 0;
    OwnedMsgForm = new TMsgForm(ui::Application);
    OwnedMsgForm->AfterConstruction();

    LangTable = std::make_unique<TStringList>();
    HotkeyList = std::make_unique<TStringList>();
    ScheduleList = std::make_unique<TStringList>();
    CheckedPaths = std::make_unique<TStringList>();
    CompletedFiles = std::make_unique<TStringList>();
    FailedFiles = std::make_unique<TStringList>();
    for (auto& list : CategoryLists) {
        list = std::make_unique<TStringList>();
    }

    SetDoubleBuffered(true);
    SetBounds(0, 0, kWindowWidth, kWindowHeight);
    Constraints().MinWidth = kWindowWidth;
    Constraints().MinHeight = kWindowHeight;
    SetColor(Palette[0]);
    SetRoundRegion(kWindowCorner, kWindowCorner);
    Work_Pan->SetColor(ui::clWhite);
    MainMenu_Pan->SetColor(ui::clWhite);
    LayoutOverviewPanel(*this);

    LangId = ReadLanguageSetting();
    if (LangId == -1) {
        LangId = GetUserDefaultLangID();
    }
    FillLanguageCombo(Lang_Sel_CBox, Lang_Show_Edit, LangId);
    LoadLanguageTable(*LangTable, LangId);
    if (LangId == kRtlLangId) {
        ui::SysLocaleMiddleEast = true;
        ApplyRtlLayout(*this);
    }
    ApplyLanguage(*this);

    CurrentPage = 1;
    LastPageOfGroup = {1, 3, 5, 7, 9, 10};
    FavoritesRestoreTab = 0;
    BackupSettingsTab = 1;
    for (TPanel* page : {Sum_Dev_Pan, Bac_Pan, Res_Pan, Del_Pan, App_Fav_Pan, Set_Gen_Pan, Set_Bac_Pan, Set_Upd_Pan,
                         Progress_Pan}) {
        page->Hide();
    }
    Sum_Pro_Pan->Show();
}

TMainForm::~TMainForm()
{
    if (MainForm == this) {
        MainForm = nullptr;
    }
}
