// Pages 1 and 2: their places at the minimum size in both directions, the drive picture's safe
// removal of the first external drive, and renderings of pages 1, 2 and 12.

#include "backup/base/Language.h"
#include "backup/drive/Driveviewutil.h"
#include "startup_fixture.h"
#include "tests/support/control_boxes.h"
#include "tests/support/shot_path.h"

#include <cstdlib>

namespace {

namespace uit = ui::testing;

class PagesOverview : public startuptest::StartupMachine {
protected:
    void OpenDevicePage()
    {
        uit::Click(*form().Menu_SumIndex_BtnLab);
        uit::Click(*form().Menu_Sum_DevBtn_Lab);
        ASSERT_EQ(form().CurrentPage, 2);
        if (form().ExternalDrives.Count == 0) {
            ScanDrives(form().OtherDrives, form().ExternalDrives, form().DeviceTable);
        }
        ASSERT_EQ(form().ExternalDrives.Count, 1);
    }

    int ExternalDrivesNow()
    {
        RECORD_DEVICECODE other, external;
        DEVICE_TABLE table;
        ScanDrives(other, external, table);
        return external.Count;
    }

    static int SkinOf(const TImage* image) { return image->Picture().ResourceId(); }
};

TEST_F(PagesOverview, LeftToRightAtTheMinimumSize)
{
    Open(1033);
    testsupport::ExpectBoxes(*MainForm, {{"Sum_Pro_Pan", 198, 57, 396, 362},
                                         {"Sum_DeviceIco_Img", 11, 45, 96, 91},
                                         {"DebugInfo_Memo", 170, 0, 226, 302},
                                         {"Sum_Dev_Pan", 198, 57, 396, 362},
                                         {"Sum_Dev_MainIco_Img", 45, 52, 305, 204},
                                         {"Sum_Dev_MainIco_Lab", 45, 52, 305, 204},
                                         {"Dev_Capacity_BK_Deep_Lab", 0, 316, 396, 12},
                                         {"Dev_Capacity_BK_Light_Lab", 1, 317, 394, 10},
                                         {"Dev_Capacity_Bar_Img", 1, 317, 394, 10}});
    const TLabel* title = form().Dev_Capacity_Title_Lab;
    EXPECT_EQ(title->Left(), 0);
    EXPECT_EQ(title->Top() + title->Height() + 6, 316);
    EXPECT_EQ(form().Dev_Capacity_Lab->Left(), title->Width() + 2);
    EXPECT_EQ(form().Dev_Capacity_Lab->Left() + form().Dev_Capacity_Lab->Width(), 396);
    EXPECT_EQ(form().Dev_Name_Title_Lab->Top() + form().Dev_Name_Title_Lab->Height() + 6, title->Top());
    EXPECT_EQ(form().Dev_Name_Title_Lab->Caption(), LookupText(*form().LangTable, 20043));
    EXPECT_FALSE(form().Dev_Partitions_Title_Lab->Visible());
    EXPECT_EQ(form().Dev_Capacity_Lab->Caption(), u"");
    EXPECT_TRUE(form().Sum_Pro_Pan->Visible());
    EXPECT_FALSE(form().Sum_Dev_Pan->Visible());
}

TEST_F(PagesOverview, MirroredForTheRightToLeftLanguage)
{
    Open(1025);
    testsupport::ExpectBoxes(*MainForm, {{"Sum_Pro_Pan", 16, 57, 396, 362},
                                         {"Sum_DeviceIco_Img", 0, 45, 96, 91},
                                         {"DebugInfo_Memo", 170, 0, 226, 302},
                                         {"Sum_Dev_Pan", 16, 57, 396, 362},
                                         {"Sum_Dev_MainIco_Img", 45, 52, 305, 204}});
    const TLabel* title = form().Dev_Name_Title_Lab;
    EXPECT_EQ(title->Left() + title->Width(), 396);
    EXPECT_EQ(form().Dev_Name_Lab->Left(), 0);
    EXPECT_EQ(form().Dev_Name_Lab->Width(), title->Left() - 2);
}

TEST_F(PagesOverview, GrowingTheWindowMovesThePagesButNotTheProductIcon)
{
    Open(1033);
    form().SetBounds(form().Left(), form().Top(), 800, 600);
    const int p = form().Sum_Pro_Pan->Width();
    const int h = form().Sum_Pro_Pan->Height();
    EXPECT_GT(p, 396);
    testsupport::ExpectBoxes(*MainForm, {{"Sum_DeviceIco_Img", 11, 45, 96, 91},
                                         {"DebugInfo_Memo", 170, 0, p - 170, h - 60},
                                         {"Sum_Dev_MainIco_Img", (p - 305) / 2, (h - 204) / 3, 305, 204}});
    EXPECT_EQ(form().Dev_Capacity_BK_Deep_Lab->Width(), p);
    EXPECT_EQ(form().Dev_Name_Lab->Left() + form().Dev_Name_Lab->Width(), p);
}

TEST_F(PagesOverview, DrivePictureSafelyRemovesTheFirstExternalDriveOnYes)
{
    Open(1033);
    OpenDevicePage();
    TLabel& target = *form().Sum_Dev_MainIco_Lab;
    uit::MouseMove(target, 10, 10);
    EXPECT_EQ(SkinOf(form().Sum_Dev_MainIco_Img), 23022);
    EXPECT_FALSE(target.ShowHint());
    uit::MouseMove(target, 200, 150);
    EXPECT_EQ(SkinOf(form().Sum_Dev_MainIco_Img), 23023);
    EXPECT_TRUE(target.ShowHint());
    EXPECT_EQ(target.Cursor(), ui::crHandPoint);
    EXPECT_EQ(target.Hint(), LookupText(*form().LangTable, 20205));

    // A press beside the drive asks nothing.
    uit::Click(target, 10, 10);
    EXPECT_EQ(ui_.ModalCount(), 0);

    struct Case {
        const char* name;
        bool yes;
        int drivesAfter;
    };
    for (const Case& c : {Case{"No keeps the drive", false, 1}, Case{"Yes removes it", true, 0}}) {
        std::u16string question;
        ui_.AnswerNextModal([&](ui::TForm& box) {
            auto& msg = dynamic_cast<TMsgForm&>(box);
            question = msg.Msg_Lab->Caption();
            c.yes ? msg.LB_Btn_LabClick(nullptr) : msg.RB_Btn_LabClick(nullptr);
        });
        uit::Click(target, 200, 150);
        EXPECT_EQ(question, LookupText(*form().LangTable, 20103)) << c.name;
        EXPECT_EQ(ExternalDrivesNow(), c.drivesAfter) << c.name;
    }
}

TEST_F(PagesOverview, WithoutAnExternalDriveThePictureDoesNothing)
{
    Open(1033);
    OpenDevicePage();
    form().ExternalDrives = RECORD_DEVICECODE{};
    TLabel& target = *form().Sum_Dev_MainIco_Lab;
    uit::MouseMove(target, 200, 150);
    EXPECT_FALSE(target.ShowHint());
    EXPECT_EQ(target.Cursor(), ui::crDefault);
    uit::Click(target, 200, 150);
    EXPECT_EQ(ui_.ModalCount(), 0);
    EXPECT_EQ(ExternalDrivesNow(), 1);
}

TEST_F(PagesOverview, RendersPagesOneTwoAndTwelveInBothDirections)
{
    for (const int langId : {1033, 1025}) {
        Open(langId);
        struct Shot {
            TLabel* TMainForm::*group;
            TLabel* TMainForm::*sub;
            int page;
        };
        const Shot shots[] = {{&TMainForm::Menu_SumIndex_BtnLab, &TMainForm::Menu_Sum_ProBtn_Lab, 1},
                              {&TMainForm::Menu_SumIndex_BtnLab, &TMainForm::Menu_Sum_DevBtn_Lab, 2},
                              {&TMainForm::Menu_SetIndex_BtnLab, &TMainForm::Menu_Set_UpdBtn_Lab, 12}};
        for (const Shot& s : shots) {
            uit::Click(*(form().*s.group));
            uit::Click(*(form().*s.sub));
            ASSERT_EQ(form().CurrentPage, s.page);
            const std::string name = "page" + std::to_string(s.page) + "_" + std::to_string(langId) + ".png";
            EXPECT_TRUE(uit::RenderToPng(form(), testsupport::ShotPath(name))) << name;
        }
        Close();
    }
}

}  // namespace
