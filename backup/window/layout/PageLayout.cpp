#include "backup/window/layout/PageLayout.h"

#include "backup/base/Language.h"
#include "backup/window/device/TriggerFunction.h"
#include "backup/window/frame/DebugInfo.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/Navigation.h"
#include "backup/window/layout/DeletePage.h"
#include "backup/window/layout/EasyBackupPage.h"
#include "backup/window/layout/FavoritesPage.h"
#include "backup/window/layout/LanguageStyles.h"
#include "backup/window/layout/OverviewPages.h"
#include "backup/window/layout/ProgressLayout.h"
#include "backup/window/layout/RestorePage.h"
#include "backup/window/layout/SettingsRelayout.h"
#include "backup/window/layout/WindowLayout.h"

namespace {

constexpr int kOneLineHeight = 21;
constexpr int kTwoLineHeight = 34;

void SetMenuButtonHeight(TImage* image, TLabel* label, int height, bool wordWrap)
{
    image->SetHeight(height);
    label->SetHeight(height);
    label->SetWordWrap(wordWrap);
}

}  // namespace

void ApplyLanguage(TMainForm& form)
{
    form.LanguagePassRunning = 1;
    ApplyLanguageCharsets(form);
    ApplyReadingOrder(form);
    FillDebugInfo(form.DebugInfo_Memo, form.LangId);
    ApplyMenuCaptions(form);
    form.Main_Btn_Help_Hint_Lab->SetHint(LookupText(*form.LangTable, 20204));
    form.Main_Btn_About_Hint_Lab->SetHint(FormatText1(LookupText(*form.LangTable, 20010), u"Harbex Solo+"));
    form.RB_Btn_Lab->SetCaption(LookupText(*form.LangTable, 20004));
    form.LB_Btn_Lab->SetCaption(LookupText(*form.LangTable, 20005));
    ApplyProgressCaptions(form);
    ApplyEasyBackupCaptions(form);
    ApplyRestoreCaptions(form);
    ApplyDevicePageCaptions(form);
    ApplyFavoritesCaptions(form);
    ApplyDeleteCaptions(form);
    ApplySettingsCaptions(form);
    if (form.LangId == kRtlLangId) {
        RelayoutRtl(form);
    } else {
        RelayoutLtr(form);
    }
    form.LanguagePassRunning = 0;
    RunDeferredTrigger(form);
}

void ApplyMenuCaptions(TMainForm& form)
{
    const lists::TStringList& table = *form.LangTable;
    const auto caption = [&table](TLabel* label, int id) { label->SetCaption(LookupText(table, id)); };
    caption(form.Menu_SumIndex_BtnLab, 20021);
    caption(form.Menu_BacIndex_BtnLab, 20024);
    caption(form.Menu_ResIndex_BtnLab, 20027);
    caption(form.Menu_DelIndex_BtnLab, 20014);
    caption(form.Menu_AppIndex_BtnLab, 20032);
    caption(form.Menu_SetIndex_BtnLab, 20034);
    const auto subCaption = [&form, &table](TImage* image, TLabel* label, int id) {
        label->SetCaption(LookupText(table, id));
        const bool wide = TextExceedsWidth(label, label->Caption(), label->Width());
        SetMenuButtonHeight(image, label, wide ? kTwoLineHeight : kOneLineHeight, wide);
    };
    subCaption(form.Menu_Sum_ProBtn_Img, form.Menu_Sum_ProBtn_Lab, 20022);
    subCaption(form.Menu_Sum_DevBtn_Img, form.Menu_Sum_DevBtn_Lab, 20023);
    subCaption(form.Menu_Bac_EasyBtn_Img, form.Menu_Bac_EasyBtn_Lab, 20025);
    subCaption(form.Menu_Bac_ManualBtn_Img, form.Menu_Bac_ManualBtn_Lab, 20026);
    subCaption(form.Menu_Res_EasyBtn_Img, form.Menu_Res_EasyBtn_Lab, 20028);
    subCaption(form.Menu_Res_ManualBtn_Img, form.Menu_Res_ManualBtn_Lab, 20029);
    subCaption(form.Menu_Del_EasyBtn_Img, form.Menu_Del_EasyBtn_Lab, 20025);
    subCaption(form.Menu_Del_ManualBtn_Img, form.Menu_Del_ManualBtn_Lab, 20026);
    subCaption(form.Menu_App_FavBtn_Img, form.Menu_App_FavBtn_Lab, 20033);
    subCaption(form.Menu_Set_GenBtn_Img, form.Menu_Set_GenBtn_Lab, 20035);
    subCaption(form.Menu_Set_BacBtn_Img, form.Menu_Set_BacBtn_Lab, 20036);
    std::u16string product = u"Harbex Solo+";
    if (!form.StartPath.empty()) {
        product += u"_" + form.StartPath.substr(0, 1);
    }
    form.Exit->SetCaption(FormatText1Sized(LookupText(table, 20007), product));
    ShowPageTitle(form, form.CurrentPage);
}
