// Scheduled backups: entry lines, when an entry is due, adding entries from the editor, and the
// timer that shows the notice and starts the backup.

#include "backup/base/SettingsPaths.h"
#include "backup/engine/ListFiles.h"
#include "backup/window/device/SchMsgWin.h"
#include "backup/window/device/Schedule.h"
#include "backup/window/frame/MsgWin.h"
#include "backup/window/frame/WorkPage.h"
#include "startup_fixture.h"

namespace {

using startuptest::StartupMachine;

SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second = 0)
{
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

class ScheduleMachine : public StartupMachine {
protected:
    // Thursday 10 December 2026, 13:05:04 local time.
    void OpenAt(const SYSTEMTIME& now)
    {
        ui_.Clock().SetLocalTime(now);
        Open(1033);
        form().Sch_Timer->SetEnabled(true);
    }

    void SaveEntries(std::initializer_list<const char16_t*> lines)
    {
        TStringList file;
        for (const char16_t* line : lines) {
            file.Add(line);
        }
        ASSERT_TRUE(file.SaveToFile(SchSetPath(true)));
    }

    std::vector<std::u16string> SavedLines()
    {
        TStringList lines;
        EXPECT_TRUE(lines.LoadFromFile(SchSetPath(false)));
        return lines.Lines();
    }

    // Every schedule notice is left to count down (or cancelled) and remembered by its time text.
    void WatchNotices(bool cancel)
    {
        ui::Application->OnModalStart = [this, cancel](ui::TForm& window) {
            if (auto* notice = dynamic_cast<TSchMsgForm*>(&window)) {
                notices_.push_back(notice->Sch_Time_Lab->Caption());
                if (cancel) {
                    notice->RB_Btn_LabClick(nullptr);
                }
            } else if (auto* box = dynamic_cast<TMsgForm*>(&window)) {
                boxes_.push_back(box->Msg_Lab->Caption());
                box->LB_Btn_LabClick(nullptr);
            }
        };
    }

    std::vector<std::u16string> notices_;
    std::vector<std::u16string> boxes_;
};

TEST(ScheduleLines, DueByKindWeekdayMinuteAndMoment)
{
    const SYSTEMTIME thursday = [] {
        SYSTEMTIME t = Local(2026, 12, 10, 13, 5, 30);
        t.wDayOfWeek = 4;
        return t;
    }();
    const struct {
        const char16_t* line;
        int due;
    } cases[] = {
        {u"1713050", kScheduleRegularDue},
        {u"1413051", kScheduleRegularDue},
        {u"1013050", kScheduleNotDue},
        {u"1713040", kScheduleNotDue},
        {u"1714050", kScheduleNotDue},
        {u"1813050", kScheduleNotDue},
        {u"22026121013050", kScheduleSpecialDue},
        {u"22025010100000", kScheduleSpecialDue},
        {u"22026121013060", kScheduleNotDue},
        {u"22027010100000", kScheduleNotDue},
        {u"22026023000000", kScheduleNotDue},
        {u"22026133000000", kScheduleNotDue},
        {u"22024022900000", kScheduleSpecialDue},
        {u"22025022900000", kScheduleNotDue},
        {u"", kScheduleNotDue},
        {u"3713050", kScheduleNotDue},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScheduleEntryDue(c.line, thursday), c.due)
            << std::string(c.line, c.line + std::char_traits<char16_t>::length(c.line));
    }
}

TEST_F(ScheduleMachine, AddedEntriesAreSavedOnceAndSpecialOnesRollToTheComingYear)
{
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    WatchNotices(false);
    form().BackupSettingsTab = 3;
    form().Time_Set_Reg_Hou_CBox->SetItemIndex(7);
    form().Time_Set_Reg_Hou_CBox->OnChange(nullptr);
    form().SB_FuncSel_CBox->SetItemIndex(1);
    form().Add_Btn_LabClick(nullptr);
    form().Add_Btn_LabClick(nullptr);
    EXPECT_EQ(boxes_, std::vector<std::u16string>{u"This setting already exists."});

    form().Time_Set_Spe_Radio_ImgClick(nullptr);
    form().SB_FuncSel_CBox->SetItemIndex(0);
    form().Add_Btn_LabClick(nullptr);  // 1 January 00:00: already past this year
    const auto pick = [](TComboBox* list, int index) {
        list->SetItemIndex(index);
        list->OnChange(nullptr);
    };
    pick(form().Time_Set_Spe_Mon_CBox, 11);
    pick(form().Time_Set_Spe_Dat_CBox, 9);
    pick(form().Time_Set_Spe_Hou_CBox, 13);
    pick(form().Time_Set_Spe_Min_CBox, 5);
    form().Add_Btn_LabClick(nullptr);  // today 13:05, a minute already begun
    pick(form().Time_Set_Spe_Min_CBox, 6);
    form().Add_Btn_LabClick(nullptr);  // later today
    EXPECT_EQ(SavedLines(),
              (std::vector<std::u16string>{u"1707001", u"22027010100000", u"22027121013050", u"22026121013060"}));
    ASSERT_EQ(form().Sch_ListView->Items().Count(), 4);
    EXPECT_EQ(form().Sch_ListView->Items().Item(0)->Caption(), u"Every day");
    EXPECT_EQ(form().Sch_ListView->Items().Item(0)->SubItems().Strings(0), u"07:00");
    EXPECT_EQ(form().Sch_ListView->Items().Item(0)->SubItems().Strings(1), u"Manual Backup");
    EXPECT_EQ(form().Sch_ListView->Items().Item(3)->Caption(), u"2026 / 12 / 10");
}

TEST_F(ScheduleMachine, DueEntryShowsTheNoticeOnceThatStartsTheBackupAfterTenSeconds)
{
    SaveEntries({u"1713050"});
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    WatchNotices(false);
    ui_.Advance(2000);
    ASSERT_EQ(notices_, std::vector<std::u16string>{u"Every day     13:05"});
    EXPECT_EQ(form().CurrentPage, WorkPage::EasyBackup);
    EXPECT_TRUE(BackupDriveHasFiles());
    form().PB_Btn_LabClick(nullptr);
    ui_.Advance(30000);
    EXPECT_EQ(notices_.size(), 1u) << "once in its minute";
}

TEST_F(ScheduleMachine, SpecialEntryPastWhileClosedRunsAtTheFirstCheckAndIsGoneEvenWhenCancelled)
{
    SaveEntries({u"1700000", u"22026120912000", u"garbage"});
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    EXPECT_EQ(form().ScheduleList->Count(), 2);
    WatchNotices(true);
    ui_.Advance(2000);
    EXPECT_EQ(notices_, std::vector<std::u16string>{u"2026 / 12 / 09     12:00"});
    EXPECT_EQ(SavedLines(), std::vector<std::u16string>{u"1700000"});
    EXPECT_FALSE(BackupDriveHasFiles());
    double last = 0;
    EXPECT_TRUE(LoadLastEasyBackupTime(&last)) << "a declined notice still counts as a run";
}

TEST_F(ScheduleMachine, ScheduleOptionOffRunsNothing)
{
    SaveEntries({u"1713050"});
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    form().LaunchOptions[5] = 0;
    WatchNotices(false);
    ui_.Advance(4000);
    EXPECT_TRUE(notices_.empty());
}

// The schedule list shows no horizontal scroll bar, however wide its columns; the progress list,
// which has no such hook, still does.
TEST_F(ScheduleMachine, ScheduleListShowsNoHorizontalScrollBar)
{
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    ui::testing::Click(*ui::testing::Find(form(), "Menu_SetIndex_BtnImg"));
    ui::testing::Click(*ui::testing::Find(form(), "Menu_Set_BacBtn_Lab"));
    ui::testing::Click(*form().SBT_Time_Lab);
    ASSERT_TRUE(form().Sch_ListView->Visible());
    for (ui::TListView* list : {form().Sch_ListView, form().Progress_List}) {
        list->Columns().Items(0)->SetWidth(list->Width() * 3);
        list->Perform(WM_NCCALCSIZE);
    }
    EXPECT_TRUE(ui::testing::RenderToPng(form(), ::testing::TempDir() + "schedule_list.png"));
    EXPECT_FALSE(form().Sch_ListView->ScrollBarShown(ui::SB_HORZ));
    EXPECT_TRUE(form().Progress_List->ScrollBarShown(ui::SB_HORZ));
}

// The hour and minute lists show whole rows of their 15-px text, down to the last one, and a scroll
// bar to reach the rows below, beside which the widest number still reads whole.
TEST_F(ScheduleMachine, HourAndMinuteListsShowWholeRowsAndAScrollBar)
{
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    ui::testing::Click(*ui::testing::Find(form(), "Menu_SetIndex_BtnImg"));
    ui::testing::Click(*ui::testing::Find(form(), "Menu_Set_BacBtn_Lab"));
    ui::testing::Click(*form().SBT_Time_Lab);
    const struct {
        TImage* opener;
        ui::TComboBox* list;
    } cases[] = {{form().Time_Set_Reg_Hou_Sel_Btn_Img, form().Time_Set_Reg_Hou_CBox},
                 {form().Time_Set_Reg_Min_Sel_Btn_Img, form().Time_Set_Reg_Min_CBox}};
    for (const auto& c : cases) {
        ui::testing::Click(*c.opener);
        ASSERT_TRUE(c.list->DroppedDown()) << c.list->Name();
        ui::TComboListForm& window = *c.list->ListWindow();
        const int rows = c.list->DropDownCount();
        EXPECT_TRUE(window.VerticalScrollBar().Needed()) << c.list->Name();
        const int widest = ui::gfx::MeasureText(window.Font().Spec(), c.list->Items()[c.list->Items().Count() - 1]).cx;
        EXPECT_LE(widest + 4, window.Width() - 2 - ui::ScrollBar::kThickness) << c.list->Name();
        EXPECT_GE(c.list->ItemHeight(), ui::gfx::MeasureText(window.Font().Spec(), u"00").cy) << c.list->Name();
        EXPECT_EQ(window.Height(), rows * c.list->ItemHeight() + 2) << c.list->Name();
        EXPECT_EQ(window.RowAt(window.Height() - 2), rows - 1) << c.list->Name();
        c.list->SetDroppedDown(false);
    }
}

// Whether the opaque pixels of the picture appear unchanged anywhere in the area of the shot.
bool ShowsPicture(const ui::gfx::Bitmap& shot, const ui::Rect& area, const ui::gfx::Bitmap& picture)
{
    for (int top = area.top; top + picture.Height() <= area.bottom; ++top) {
        for (int left = area.left; left + picture.Width() <= area.right; ++left) {
            bool same = true;
            for (int y = 0; same && y < picture.Height(); ++y) {
                for (int x = 0; same && x < picture.Width(); ++x) {
                    const ui::gfx::Pixel p = picture.At(x, y);
                    same = (p >> 24) != 0xFF || shot.At(left + x, top + y) == p;
                }
            }
            if (same) {
                return true;
            }
        }
    }
    return false;
}

// Every row of the hotkey and the schedule list shows the form's delete icon in its last column.
TEST_F(ScheduleMachine, SettingListsDrawTheDeleteIconInTheirLastColumn)
{
    SaveEntries({u"1707001"});
    TStringList hotkeys;
    hotkeys.Add(u"110660");
    ASSERT_TRUE(hotkeys.SaveToFile(HotkeySetPath(true)));
    OpenAt(Local(2026, 12, 10, 13, 5, 4));
    const ui::gfx::Bitmap* icon = form().List_Delete_ImgList->Bitmap(0);
    ASSERT_NE(icon, nullptr);
    ASSERT_FALSE(icon->IsEmpty());
    ui::testing::Click(*ui::testing::Find(form(), "Menu_SetIndex_BtnImg"));
    ui::testing::Click(*ui::testing::Find(form(), "Menu_Set_BacBtn_Lab"));
    const struct {
        TLabel* tab;
        ui::TListView* list;
    } cases[] = {{form().SBT_Hotkey_Lab, form().Hotkey_ListView}, {form().SBT_Time_Lab, form().Sch_ListView}};
    for (const auto& c : cases) {
        ui::testing::Click(*c.tab);
        ASSERT_TRUE(c.list->Visible()) << c.list->Name();
        ASSERT_EQ(c.list->Items().Count(), 1) << c.list->Name();
        EXPECT_EQ(c.list->SmallImages(), form().List_Delete_ImgList) << c.list->Name();
        int lastLeft = 0;
        for (int i = 0; i + 1 < c.list->Columns().Count(); ++i) {
            lastLeft += c.list->Columns().Items(i)->Width();
        }
        ui::gfx::Bitmap shot;
        form().RenderTo(shot);
        const ui::Point origin = c.list->OriginInForm();
        const ui::Rect lastColumn{origin.x + lastLeft, origin.y, origin.x + c.list->Width(),
                                  origin.y + c.list->Height()};
        const ui::Rect restOfList{origin.x, origin.y, origin.x + lastLeft, origin.y + c.list->Height()};
        EXPECT_TRUE(ShowsPicture(shot, lastColumn, *icon)) << c.list->Name();
        EXPECT_FALSE(ShowsPicture(shot, restOfList, *icon)) << c.list->Name();
    }
}

}  // namespace
