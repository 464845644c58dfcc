// The charsets, reading orders, alignments and window styles that a language gives the main window,
// at start-up and after a change in the language selector.

#include "backup/base/Language.h"
#include "backup/base/SettingsPaths.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/SelDest_Win.h"
#include "frame_fixture.h"
#include "ui/application.h"
#include "ui/testing.h"
#include "ui/windows.h"

#include <vector>

namespace {

namespace uit = ui::testing;

using PagesLanguageStyles = frametest::MainWindowMachine;

constexpr LONG kRtlBits = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
constexpr LONG kViewBits = WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT | WS_EX_RTLREADING;

std::vector<TWinControl*> ScheduleEdits(TMainForm& f)
{
    return {f.Time_Set_Reg_Min_Show_Edit, f.Time_Set_Reg_Hou_Show_Edit, f.Time_Set_Reg_Day_Show_Edit,
            f.Time_Set_Spe_Mon_Show_Edit, f.Time_Set_Spe_Dat_Show_Edit, f.Time_Set_Spe_Min_Show_Edit,
            f.Time_Set_Spe_Hou_Show_Edit};
}

std::vector<TWinControl*> ScheduleCombos(TMainForm& f)
{
    return {f.Time_Set_Reg_Min_CBox, f.Time_Set_Reg_Hou_CBox, f.Time_Set_Reg_Day_CBox, f.Time_Set_Spe_Mon_CBox,
            f.Time_Set_Spe_Dat_CBox, f.Time_Set_Spe_Min_CBox, f.Time_Set_Spe_Hou_CBox};
}

std::vector<TWinControl*> Trees(TMainForm& f)
{
    return {f.BM_Tree, f.RM_Tree, f.DE_Tree, f.DM_Tree, f.AF_Tree};
}

// Every edit, combo box, tree and list view that follows the language, and a caption of each page.
std::vector<TControl*> LanguageCharsetControls(TMainForm& f)
{
    std::vector<TControl*> all = {f.Main_Btn_Help_Hint_Lab,
                                  f.Menu_Set_UpdBtn_Lab,
                                  f.Work_Title_Des_Lab,
                                  f.Dev_Name_Lab,
                                  f.BE_Cap_Show_Oth_Lab,
                                  f.RE_Info_Time_Oth_Lab,
                                  f.AFT_IE_Lab,
                                  f.Hotkey_Alt_Lab,
                                  f.Upd_Btn_Lab,
                                  f.FileInfo_SpendTime_Num,
                                  f.Progress_File_Path_Lab,
                                  f.Bac_Dest_Edit,
                                  f.Bac_Dest_CBox,
                                  f.Res_PC_Show_Edit,
                                  f.Res_PC_Sel_CBox,
                                  f.Res_Dest_Edit,
                                  f.Del_PC_Show_Edit,
                                  f.Del_PC_Sel_CBox,
                                  f.AF_Dest_Edit,
                                  f.AF_Dest_CBox,
                                  f.AF_PC_Show_Edit,
                                  f.AF_PC_Sel_CBox,
                                  f.Lang_Show_Edit,
                                  f.Auto_Plugin_Time_Set_Edit,
                                  f.Hotkey_Edit,
                                  f.Hotkey_ListView,
                                  f.AC_FuncSel_Edit,
                                  f.AC_FuncSel_CBox,
                                  f.SB_FuncSel_Edit,
                                  f.SB_FuncSel_CBox,
                                  f.Sch_ListView,
                                  f.Progress_List};
    for (const auto& list : {ScheduleEdits(f), ScheduleCombos(f), Trees(f)}) {
        all.insert(all.end(), list.begin(), list.end());
    }
    return all;
}

TEST_F(PagesLanguageStyles, EveryListedControlTakesTheLanguagesCharsetButTheTwoMixedScriptOnes)
{
    struct Case {
        int langId;
        BYTE charset;
    };
    const Case cases[] = {{1033, 1}, {2052, 134}, {1028, 1}, {1041, 128}, {1025, 1}};
    for (const Case& c : cases) {
        Open(c.langId);
        TMainForm& f = *MainForm;
        for (TControl* control : LanguageCharsetControls(f)) {
            EXPECT_EQ(control->Font().Charset(), c.charset) << c.langId << " " << control->Name();
        }
        EXPECT_EQ(f.DebugInfo_Memo->Font().Charset(), 129) << c.langId;
        EXPECT_EQ(f.Lang_Sel_CBox->Font().Charset(), 129) << c.langId;
        Close();
    }
}

TEST_F(PagesLanguageStyles, RightToLeftFollowsTheTableAndAnotherLanguageClearsItAgain)
{
    Open(kRtlLangId);
    TMainForm& f = *MainForm;
    const auto mode = [](bool rtl) { return rtl ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight; };
    const auto align = [](bool rtl) { return rtl ? ui::TAlignment::taRightJustify : ui::TAlignment::taLeftJustify; };
    const auto expectStyles = [&](bool rtl, const char* when) {
        EXPECT_EQ(ui::SysLocaleMiddleEast, rtl) << when;
        EXPECT_EQ(f.LabelBiDiMode, rtl ? 1 : 0) << when;
        EXPECT_EQ(f.TrayMenu->BiDiMode(), mode(rtl)) << when;
        // Captions read right to left; the keys, colons, paths, percents and the version do not.
        for (TControl* caption : std::initializer_list<TControl*>{
                 f.Main_Btn_About_Hint_Lab, f.Menu_Del_ManualBtn_Lab, f.Work_Title_Lab, f.Dev_Name_Title_Lab,
                 f.BE_Renew_Btn_Lab, f.Res_Time_Sel_Title_Lab, f.Del_PC_Title_Lab, f.AFT_Res_Lab,
                 f.Hotkey_List_Title_Lab, f.Time_Set_Spe_Date_Lab, f.Upd_Btn_Lab, f.PB_Btn_Lab}) {
            EXPECT_EQ(caption->BiDiMode(), mode(rtl)) << when << " " << caption->Name();
        }
        for (TControl* kept : std::initializer_list<TControl*>{
                 f.Hotkey_Ctl_Lab, f.Hotkey_Alt_Lab, f.Time_Set_Reg_Hour_Colon_Lab, f.Progress_File_Path_Lab,
                 f.Progress_Total_RemainTime_Lab, f.Progress_Total_Percent_Lab, f.Version_Lab, f.AFT_IE_Lab,
                 f.Dev_Capacity_Lab, f.BE_Cap_Show_Doc_Lab, f.RE_Info_Size_Mai_Lab, f.FileInfo_Fail_Num_Lab}) {
            EXPECT_EQ(kept->BiDiMode(), ui::TBiDiMode::bdLeftToRight) << when << " " << kept->Name();
        }
        // Values line up on the right but keep their order.
        for (TLabel* value : {f.Dev_Capacity_Lab, f.BE_TotalCap_Show_Lab, f.BE_Cap_Show_Doc_Lab, f.RM_Time_Sel_Show_Lab,
                              f.RE_Info_Size_Mai_Lab, f.RE_Info_Time_Oth_Lab, f.FileInfo_Fail_Num_Lab}) {
            EXPECT_EQ(value->Alignment(), align(rtl)) << when << " " << value->Name();
        }
        std::vector<TWinControl*> rightEdits = {
            f.Bac_Dest_Edit,   f.Res_PC_Show_Edit, f.Del_PC_Show_Edit,          f.AF_Dest_Edit,
            f.AF_PC_Show_Edit, f.Lang_Show_Edit,   f.Auto_Plugin_Time_Set_Edit, f.SB_FuncSel_Edit};
        for (TWinControl* edit : ScheduleEdits(f)) {
            rightEdits.push_back(edit);
        }
        for (TWinControl* right : {f.Bac_Dest_CBox, f.Res_PC_Sel_CBox, f.Del_PC_Sel_CBox, f.AF_Dest_CBox,
                                   f.AF_PC_Sel_CBox, f.SB_FuncSel_CBox}) {
            rightEdits.push_back(right);
        }
        for (TWinControl* control : rightEdits) {
            EXPECT_EQ(control->ExStyle() & kRtlBits, rtl ? WS_EX_RIGHT : 0) << when << " " << control->Name();
        }
        std::vector<TWinControl*> mirroredCombos = ScheduleCombos(f);
        mirroredCombos.push_back(f.Lang_Sel_CBox);
        for (TWinControl* combo : mirroredCombos) {
            EXPECT_EQ(combo->ExStyle() & kRtlBits, rtl ? kRtlBits : 0) << when << " " << combo->Name();
        }
        for (TWinControl* tree : Trees(f)) {
            EXPECT_EQ(tree->ExStyle() & kViewBits, 0) << when << " " << tree->Name();
            EXPECT_TRUE(tree->DoubleBuffered()) << when << " " << tree->Name();
        }
        // Left as they were made.
        for (TWinControl* untouched :
             std::initializer_list<TWinControl*>{f.DebugInfo_Memo, f.AC_FuncSel_Edit, f.AC_FuncSel_CBox, f.Hotkey_Edit,
                                                 f.Hotkey_ListView, f.Sch_ListView, f.Progress_List}) {
            EXPECT_EQ(untouched->ExStyle() & (kRtlBits | kViewBits), 0) << when << " " << untouched->Name();
            EXPECT_EQ(untouched->BiDiMode(), ui::TBiDiMode::bdLeftToRight) << when << " " << untouched->Name();
        }
    };
    expectStyles(true, "1025");
    EXPECT_EQ(f.Res_Dest_Edit->ExStyle() & kRtlBits, WS_EX_RIGHT | WS_EX_RTLREADING);

    f.Lang_Sel_CBox->PickItem(1);
    ASSERT_EQ(f.LangId, 2052);
    expectStyles(false, "2052 after 1025");
    EXPECT_EQ(f.Res_Dest_Edit->ExStyle() & kRtlBits, 0);
    EXPECT_EQ(f.Bac_Dest_Edit->Font().Charset(), 134);
    EXPECT_EQ(f.Lang_Sel_CBox->Font().Charset(), 129);
}

// The original-location sentence reads right to left; a chosen folder is right-aligned but keeps
// its own order, from the start and after every answer of the destination window.
TEST_F(PagesLanguageStyles, RestoreDestinationReadsRightToLeftOnlyForTheOriginalLocation)
{
    SaveRestoreDestSetting(0, u"C:\\Restored");
    Open(kRtlLangId);
    TMainForm& f = *MainForm;
    ASSERT_EQ(f.RestoreToOriginal, 0);
    EXPECT_EQ(f.Res_Dest_Edit->ExStyle() & kRtlBits, WS_EX_RIGHT) << "start with a folder";

    struct Case {
        const char* answer;
        std::function<void(TSelDest_Form&)> choose;
        LONG bits;
    };
    const Case cases[] = {
        {"original",
         [](TSelDest_Form& d) {
             uit::Click(*d.Ori_Check_Img);
             uit::Click(*d.LB_Btn_Lab);
         },
         WS_EX_RIGHT | WS_EX_RTLREADING},
        {"cancel keeps the original", [](TSelDest_Form& d) { uit::Click(*d.RB_Btn_Lab); },
         WS_EX_RIGHT | WS_EX_RTLREADING},
        {"folder",
         [](TSelDest_Form& d) {
             uit::Click(*d.Sel_Check_Img);
             uit::Click(*d.LB_Btn_Lab);
         },
         WS_EX_RIGHT},
    };
    uit::Click(*f.Menu_ResIndex_BtnLab);
    for (const Case& c : cases) {
        ui_.AnswerNextModal([&c](TForm& form) { c.choose(dynamic_cast<TSelDest_Form&>(form)); });
        uit::Click(*f.Res_BrowserBtn_Img);
        EXPECT_EQ(f.Res_Dest_Edit->ExStyle() & kRtlBits, c.bits) << c.answer;
    }
    EXPECT_EQ(f.Res_Dest_Edit->Text(), u"C:\\");
}

}  // namespace
