#include "backup/window/frame/MainWin.h"

#include "backup/base/Filelistwin.h"
#include "backup/base/Language.h"
#include "backup/engine/Clprocessnotify.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/window/device/ShellChanges.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/Navigation.h"
#include "backup/window/frame/WindowSkin.h"
#include "backup/window/frame/WorkPage.h"
#include "backup/window/layout/PageLayout.h"
#include "platform/system.h"

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
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

    CurrentPage = static_cast<int>(WorkPage::ProductInfo);
    LastPageOfGroup = kFirstPageOfGroup;
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
