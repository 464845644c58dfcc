#include "backup/frame/MainWin.h"

#include "backup/device/ShellChanges.h"
#include "backup/engine/WindowJob.h"
#include "backup/engine/core/Clprocessnotify.h"
#include "backup/frame/MsgWin.h"
#include "backup/frame/Navigation.h"
#include "backup/frame/WindowSkin.h"
#include "backup/frame/base/Filelistwin.h"
#include "backup/frame/base/Language.h"
#include "backup/layout/PageLayout.h"
#include "backup/skin/LanguageSetting.h"
#include "platform/system.h"

TMainForm::TMainForm(TComponent* owner) : TForm(owner), windowJob_(std::make_unique<JobScope>(WindowJob::OfWindow()))
{
    CreateControls();
    LaunchOptions[0] = StartupShortcutExists() ? 1 : 0;

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

    BuildMainWindowSkin(*this);
    BindHandlers();
    SubclassListViews();

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
    Progress_Pan->Hide();
    ShowPage(*this);
}

TMainForm::~TMainForm()
{
    StopShellNotify(*this);
    if (MainForm == this) {
        MainForm = nullptr;
    }
}
