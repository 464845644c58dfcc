#include "backup/base/PathUtil.h"
#include "backup/base/SettingsPaths.h"
#include "backup/window/jobs/Calendar_Win.h"
#include "backup/window/jobs/SelDest_Win.h"
#include "frame_fixture.h"
#include "platform/text.h"
#include "tests/support/control_boxes.h"
#include "tests/support/file_tree.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

using ui::testing::Click;

class DialogsTest : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        SYSTEMTIME now{};
        now.wYear = 2024, now.wMonth = 1, now.wDay = 20, now.wHour = 9;
        ui_.Clock().SetLocalTime(now);
        for (const char* run : {"20240105_103000", "20240105_180000", "20231224_080000", "Backup"}) {
            testsupport::WriteFinishedRunLists(Host(std::string("c/Harbex_Solo+/PC1/Manual/") + run));
        }
        // A run cut short before its list files is no date.
        std::filesystem::create_directories(Host("c/Harbex_Solo+/PC1/Manual/20240105_190000/C"));
    }
    static constexpr const char16_t* kPc = u"C:\\Harbex_Solo+\\PC1";
};

TEST(CalendarMonthsTest, WeekdaysAndMonthLengths)
{
    EXPECT_EQ(FirstWeekdayOfMonth(2010, 1), 5);
    EXPECT_EQ(FirstWeekdayOfMonth(2024, 1), 1);
    EXPECT_EQ(DaysInMonth(2012, 2), 29);
    EXPECT_EQ(DaysInMonth(2013, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
}

TEST_F(DialogsTest, CalendarMarksManualRunsAndReturnsThePickedStamp)
{
    Open(1033);
    MainForm->CurrentPage = 6;
    TCalendarForm form(ui::Application, kPc, u"20231224_080000");
    form.AfterConstruction();
    TLabel* fifth = form.DayGrid[5][0];
    ASSERT_EQ(fifth->Caption(), u"5");
    EXPECT_EQ(fifth->Cursor(), ui::crHandPoint);
    EXPECT_EQ(form.DayGrid[6][0]->Cursor(), ui::crDefault);
    EXPECT_EQ(form.DayGrid[6][2]->Font().Color(), 0xFF0000u);  // today, the 20th
    EXPECT_EQ(form.Main_Time_Show_Lab->Caption(), u"2023/12/24 08:00:00");
    EXPECT_EQ(form.Year_Show_Edit->Text(), u"2024");
    EXPECT_EQ(form.Month_Show_Edit->Text(), u"January");

    ui_.AnswerNextModal([&](TForm&) {
        Click(*fifth);
        ASSERT_EQ(form.Files_ListView->Items().Count(), 2);
        EXPECT_FALSE(form.RB_Btn_Lab->Enabled());
        form.Files_ListView->SetSelected(form.Files_ListView->Items().Item(1));
        form.Files_ListViewClick(form.Files_ListView);
        Click(*form.RB_Btn_Lab);
    });
    form.ShowModal();
    EXPECT_EQ(form.ChosenStamp, u"20240105_180000");
    EXPECT_EQ(form.DayGrid[0][0], nullptr);  // the day labels go with the closing
}

TEST_F(DialogsTest, CalendarOpensWithTheRunsOfThePageRunsDayListed)
{
    Open(1033);
    MainForm->CurrentPage = 6;
    struct Case {
        const char16_t* pageStamp;
        std::vector<std::u16string> listed;
    };
    const Case cases[] = {
        {u"20240105_103000", {u"20240105_103000", u"20240105_180000"}},
        {u"20231224_080000", {}},  // a run of another month than the one shown
        {u"", {}},
    };
    for (const Case& c : cases) {
        TCalendarForm form(ui::Application, kPc, c.pageStamp);
        form.AfterConstruction();
        ui_.AnswerNextModal([&](TForm&) {
            std::vector<std::u16string> listed;
            for (int i = 0; i < form.Files_ListView->Items().Count(); ++i) {
                listed.push_back(form.Files_ListView->Items().Item(i)->Caption());
            }
            std::sort(listed.begin(), listed.end());
            EXPECT_EQ(listed, c.listed) << platform::ToUtf8(c.pageStamp);
            TLabel* fifth = form.DayGrid[5][0];
            EXPECT_EQ(fifth->Color() == TCalendarForm::kSelectedDayColour, !c.listed.empty());
            Click(*form.RB_Btn_Lab);
        });
        form.ShowModal();
        EXPECT_EQ(form.ChosenStamp, c.pageStamp) << "OK keeps the page's run";
    }
}

TEST_F(DialogsTest, CalendarOtherMonthAndCancel)
{
    Open(1033);
    MainForm->CurrentPage = 6;
    TCalendarForm form(ui::Application, kPc, u"20240105_103000");
    form.AfterConstruction();
    form.Month_CBox->SetItemIndex(11);
    form.Year_CBox->SetItemIndex(2023 - 2010);
    form.Year_CBoxChange(form.Year_CBox);
    EXPECT_EQ(form.Month_Show_Edit->Text(), u"January");  // only the year changed through its selector
    form.Month_CBoxChange(form.Month_CBox);
    TLabel* christmasEve = form.DayGrid[0][4];  // 1 December 2023 is a Friday
    ASSERT_EQ(christmasEve->Caption(), u"24");
    EXPECT_EQ(christmasEve->Color(), form.MarkedDayColour);
    ui_.AnswerNextModal([&](TForm&) { Click(*form.LB_Btn_Lab); });
    form.ShowModal();
    EXPECT_TRUE(form.ChosenStamp.empty());
}

TEST_F(DialogsTest, DestinationCancelKeepsTheSavedChoice)
{
    Open(1033);
    BYTE toOriginal = 1;
    std::u16string destination = u"D:\\Old";
    ui_.AnswerNextModal([](TForm& form) {
        auto& dialog = dynamic_cast<TSelDest_Form&>(form);
        Click(*dialog.Sel_Check_Img);
        Click(*dialog.RB_Btn_Lab);
    });
    EXPECT_FALSE(ChooseRestoreDestination(toOriginal, destination));
    EXPECT_EQ(toOriginal, 1);
    EXPECT_EQ(destination, u"D:\\Old");
    EXPECT_FALSE(PathExists(DestSetResPath(false)));
}

TEST_F(DialogsTest, DestinationOkSavesTheFolderChoice)
{
    Open(1033);
    BYTE toOriginal = 1;
    std::u16string destination;
    ui_.AnswerNextModal([](TForm& form) {
        auto& dialog = dynamic_cast<TSelDest_Form&>(form);
        EXPECT_FALSE(dialog.Dest_Edit->Enabled());
        Click(*dialog.Sel_Check_Img);
        EXPECT_EQ(dialog.Dest_Edit->Text(), u"C:\\");
        Click(*dialog.LB_Btn_Lab);
    });
    EXPECT_TRUE(ChooseRestoreDestination(toOriginal, destination));
    EXPECT_EQ(toOriginal, 0);
    EXPECT_EQ(destination, u"C:\\");
    TStringList saved;
    ASSERT_TRUE(saved.LoadFromFile(DestSetResPath(false)));
    EXPECT_EQ(saved.Lines(), (std::vector<std::u16string>{u"0", u"C:\\"}));
}

TEST_F(DialogsTest, MirroredLayouts)
{
    for (int lang : {1033, 1025}) {
        Open(lang);
        MainForm->CurrentPage = 6;
        TCalendarForm calendar(ui::Application, kPc, u"");
        calendar.AfterConstruction();
        TSelDest_Form dest(ui::Application);
        dest.AfterConstruction();
        const bool rtl = lang == 1025;
        EXPECT_EQ(calendar.Files_ListView->Left(), rtl ? 5 : 241);
        EXPECT_EQ(calendar.DayGrid[6][5]->Left(), rtl ? 247 + 192 : 12 + 192);
        EXPECT_EQ(calendar.Btn_Right_Pan->Left(), rtl ? 9 : 391);
        EXPECT_EQ(dest.Ori_Check_Img->Left(), rtl ? 379 : 7);
        EXPECT_EQ(dest.Btn_Browser_Img->Left(), rtl ? 16 : 372);
        EXPECT_EQ(dest.Ori_Lab->Left(), rtl ? 5 : 30);
        const std::string suffix = std::to_string(lang) + ".png";
        ui::testing::RenderToPng(calendar, "/tmp/dialogs_calendar_" + suffix);
        ui::testing::RenderToPng(dest, "/tmp/dialogs_seldest_" + suffix);
        Close();
    }
}

// Every place and size of the calendar window, left to right and mirrored.
TEST_F(DialogsTest, CalendarLayoutInBothOrders)
{
    struct Case {
        int lang;
        int timeBlock, monthFrame, yearFrame, opener, showLeft, showWidth, sunday, list, ok, cancel;
    };
    const Case cases[] = {
        {1033, 5, 10, 125, 93, 0, 93, 12, 241, 391, 307},
        {1025, 240, 245, 360, 0, 16, 92, 247, 5, 9, 93},
    };
    for (const Case& c : cases) {
        Open(c.lang);
        MainForm->CurrentPage = 6;
        TCalendarForm calendar(ui::Application, kPc, u"");
        calendar.AfterConstruction();
        const std::string where = std::to_string(c.lang);
        EXPECT_EQ(calendar.Width(), 480) << where;
        EXPECT_EQ(calendar.Height(), 260) << where;
        std::vector<testsupport::ControlBox> boxes = {
            {"Main_BK_ColorEdge_Lab", 2, 2, 476, 256},
            {"Main_BK_Deep_Lab", 4, 4, 472, 252},
            {"Main_BK_Title_Head_Img", 5, 5, 470, 21},
            {"Main_Time_Title_Lab", -1, 7, -1, -1},
            {"Main_Time_Show_Lab", -1, 5, -1, 21},
            {"Btn_BK_Lab", 5, 226, 470, 29},
            {"Time_BK_Lab", c.timeBlock, 26, 235, 199},
            {"Time_Set_Month_BK_Lab", c.monthFrame, 41, 110, 19},
            {"Time_Set_Month_Pan", c.monthFrame + 1, 42, 108, 17},
            {"Month_Sel_Btn_Img", c.opener, 0, 16, 17},
            {"Month_Show_Edit", c.showLeft, 0, c.showWidth, 19},
            {"Month_CBox", c.showLeft, -4, c.showWidth, 23},
            {"Time_Set_Year_BK_Lab", c.yearFrame, 41, 110, 19},
            {"Time_Set_Year_Pan", c.yearFrame + 1, 42, 108, 17},
            {"Year_Sel_Btn_Img", c.opener, 0, 16, 17},
            {"Year_Show_Edit", c.showLeft, 0, c.showWidth, 19},
            {"Year_CBox", c.showLeft, -4, c.showWidth, 23},
            {"Files_ListView", c.list, 26, 234, 199},
            {"Btn_Right_Pan", c.ok, 229, 80, 22},
            {"Btn_Left_Pan", c.cancel, 229, 80, 22},
        };
        const char* weekdays[] = {"Week_Sun_Lab", "Week_Mon_Lab", "Week_Tue_Lab", "Week_Wed_Lab",
                                  "Week_Thu_Lab", "Week_Fri_Lab", "Week_Sat_Lab"};
        for (int day = 0; day < 7; ++day) {
            boxes.push_back({weekdays[day], c.sunday + 32 * day, 76, 26, 16});
        }
        for (const auto& [left, center, right, caption] :
             {std::tuple{"RB_BK_Left_Img", "RB_BK_Center_Img", "RB_BK_Right_Img", "RB_Btn_Lab"},
              std::tuple{"LB_BK_Left_Img", "LB_BK_Center_Img", "LB_BK_Right_Img", "LB_Btn_Lab"}}) {
            boxes.insert(boxes.end(),
                         {{left, 0, 0, 6, 22}, {center, 6, 0, 68, 22}, {right, 74, 0, 6, 22}, {caption, 0, 0, 80, 22}});
        }
        testsupport::ExpectBoxes(calendar, boxes, where);
        for (int column = 0; column < 7; ++column) {
            for (int row = 0; row < 6; ++row) {
                const TLabel* cell = calendar.DayGrid[column][row];
                EXPECT_EQ(cell->Left(), c.sunday + 32 * column) << where << " day " << column << "," << row;
                EXPECT_EQ(cell->Top(), 76 + 18 * (row + 1)) << where << " day " << column << "," << row;
                EXPECT_EQ(cell->Width(), 26) << where;
                EXPECT_EQ(cell->Height(), 16) << where;
            }
        }
        EXPECT_EQ(calendar.Files_ListView->Columns().Items(0)->Width(), 234) << where;
        const bool rtl = c.lang == 1025;
        for (const TWinControl* edit :
             std::initializer_list<TWinControl*>{calendar.Month_Show_Edit, calendar.Year_Show_Edit}) {
            EXPECT_EQ(edit->ExStyle() & WS_EX_RIGHT, rtl ? WS_EX_RIGHT : 0) << where << " " << edit->Name();
        }
        for (const TWinControl* combo : std::initializer_list<TWinControl*>{calendar.Month_CBox, calendar.Year_CBox}) {
            EXPECT_EQ(combo->ExStyle() & WS_EX_RTLREADING, rtl ? WS_EX_RTLREADING : 0) << where << " " << combo->Name();
        }
        // The chosen-run label fills the title strip beside the title: after it, or mirrored before it.
        const TLabel* title = calendar.Main_Time_Title_Lab;
        const TLabel* shown = calendar.Main_Time_Show_Lab;
        if (rtl) {
            EXPECT_EQ(title->Left() + title->Width(), 469) << where;
            EXPECT_EQ(shown->Left(), 5) << where;
            EXPECT_EQ(shown->Width(), title->Left() - 2 - 5) << where;
            EXPECT_EQ(title->BiDiMode(), ui::TBiDiMode::bdRightToLeft);
            EXPECT_EQ(shown->Alignment(), ui::TAlignment::taRightJustify);
        } else {
            EXPECT_EQ(title->Left(), 11) << where;
            EXPECT_EQ(shown->Left(), title->Left() + title->Width() + 2) << where;
            EXPECT_EQ(shown->Left() + shown->Width(), 475) << where;
        }
        Close();
    }
}

}  // namespace
