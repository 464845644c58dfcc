#include "setup/SetupLanguage.h"

#include "backup/base/Language.h"
#include "backup/base/SpecialFolders.h"
#include "backup/base/TextFormat.h"
#include "backup/skin/LanguageSetting.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/RtlStyle.h"
#include "setup/MainWin.h"

namespace setup {
namespace {

constexpr int kComboCharset = 129;

void SetReadingOrder(std::initializer_list<TControl*> controls, bool rightToLeft)
{
    for (TControl* control : controls) {
        control->SetBiDiMode(rightToLeft ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
    }
}

}  // namespace

int SetupLanguageTable(int langId)
{
    switch (langId) {
    case 1028:
        return 11002;
    case 1041:
        return 11004;
    case 2052:
        return 11003;
    default:
        return 11000;
    }
}

int SetupLicenseText(int langId)
{
    return SetupLanguageTable(langId) + 100;
}

void FillLanguageCombo(TComboBox* combo, TEdit* edit, int langId)
{
    FillLanguageComboFrom(kSetupLanguageList, combo, edit, langId);
}

void LoadLanguageTable(TStringList& table, int langId)
{
    LoadTextResource(table, SetupLanguageTable(langId));
}

void LoadLicenseText(TMemo* memo, int langId)
{
    memo->Lines().Clear();
    LoadTextResource(memo->Lines(), SetupLicenseText(langId));
}

int LanguageOfComboIndex(TComboBox* combo, TStringList& table)
{
    const int langId = LangIdOfComboIndex(combo->ItemIndex());
    LoadLanguageTable(table, langId);
    return langId;
}

void SetMemoRtlLayout(TMemo* memo)
{
    memo->SetExStyle(memo->ExStyle() | WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT | WS_EX_RTLREADING);
    memo->SetDoubleBuffered(false);
}

void ApplyLanguage(TMainForm& form, int langId)
{
    form.Lang_CBox->Font().SetCharset(kComboCharset);
    form.FontCharset = CharsetOfLanguage(langId);
    for (TControl* control : std::initializer_list<TControl*>{
             form.Main_Title_Lab, form.BackBtn_Lab, form.QuitBtn_Lab, form.NextBtn_Lab, form.License_Memo,
             form.Lang_Lab, form.Lic_Check_Lab, form.Lic_Link_Lab, form.SavePath_Title_Lab, form.SavePath_Edit,
             form.Shortcut_Check_Lab, form.RunAfterBoot_Check_Lab, form.Progress_Percent_Lab}) {
        control->Font().SetCharset(form.FontCharset);
    }
    ui::Application->ProcessMessages();

    const bool rightToLeft = langId == kRtlLangId;
    ui::SysLocaleMiddleEast = rightToLeft;
    if (rightToLeft) {
        SetEditRightAligned(form.SavePath_Edit);
        SetComboRtlFull(form.Lang_CBox);
        SetMemoRtlLayout(form.License_Memo);
    } else {
        ClearEditRightAligned(form.SavePath_Edit);
        ClearComboRtl(form.Lang_CBox);
        ClearViewRtlLayout(form.License_Memo);
    }
    ui::Application->ProcessMessages();

    form.Top_Title_Lab->SetAlignment(rightToLeft ? ui::TAlignment::taRightJustify : ui::TAlignment::taLeftJustify);
    SetReadingOrder({form.Main_Title_Lab, form.BackBtn_Lab, form.QuitBtn_Lab, form.NextBtn_Lab, form.Lic_Link_Lab,
                     form.Lic_Check_Lab, form.Lang_Lab, form.SavePath_Title_Lab, form.Shortcut_Check_Lab,
                     form.RunAfterBoot_Check_Lab},
                    rightToLeft);
    LoadLicenseText(form.License_Memo, langId);

    form.Main_Title_Lab->SetCaption(WizardProductText(form, 20032));
    form.QuitBtn_Lab->SetCaption(WizardText(form, 20020));
    form.BackBtn_Lab->SetCaption(WizardText(form, 20030));
    form.NextBtn_Lab->SetCaption(WizardText(form, 20022));
    form.Lic_Link_Lab->SetCaption(WizardProductText(form, 20034));
    form.Lic_Check_Lab->SetCaption(WizardText(form, 20033));
    form.Lang_Lab->SetCaption(WizardText(form, 20007));
    form.SavePath_Title_Lab->SetCaption(WizardText(form, 20036));
    form.Shortcut_Check_Lab->SetCaption(WizardText(form, 20037));
    form.RunAfterBoot_Check_Lab->SetCaption(WizardText(form, 20038));
}

std::u16string WizardText(const TMainForm& form, int id)
{
    return LookupText(*form.LangTable, id);
}

std::u16string WizardProductText(const TMainForm& form, int id)
{
    return FormatText1(WizardText(form, id), ProductTitle());
}

std::u16string FormatText3(std::u16string_view format, std::u16string_view first, std::u16string_view second)
{
    return FormatText(format, {first, second});
}

}  // namespace setup
