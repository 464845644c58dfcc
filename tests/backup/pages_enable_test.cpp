// The disabled look of the menu and the job page while a job runs, and its return when the
// result panel closes.

#include "backup/window/frame/WorkPage.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/layout/EnableStates.h"
#include "frame_fixture.h"

namespace {

namespace uit = ui::testing;

class PagesEnable : public frametest::MainWindowMachine {
protected:
    TMainForm& form() { return *MainForm; }
    static int SkinOf(const TImage* image) { return image->Picture().ResourceId(); }

    void ExpectBackupFamilyEnabled()
    {
        for (TImage* group : {form().Menu_SumIndex_BtnImg, form().Menu_ResIndex_BtnImg, form().Menu_SetIndex_BtnImg}) {
            EXPECT_TRUE(group->Enabled()) << group->Name();
        }
        EXPECT_EQ(form().Menu_ResIndex_BtnLab->Font().Color(), TMainForm::Palette[6]);
        EXPECT_EQ(form().Menu_ResIndex_BtnLab->Cursor(), ui::crHandPoint);
        EXPECT_TRUE(form().Menu_Bac_EasyBtn_Img->Enabled());
        EXPECT_TRUE(form().Bac_Dest_SelBtn_Img->Enabled());
        EXPECT_TRUE(form().BE_Cls_Check_Oth_Img->Enabled());
        EXPECT_EQ(SkinOf(form().RB_BK_Center_Img), 24007);
        EXPECT_EQ(SkinOf(form().BE_Renew_BK_Left_Img), 25015);
        EXPECT_EQ(form().RB_Btn_Lab->Font().Color(), TMainForm::Palette[8]);
        EXPECT_EQ(form().JobPage, WorkPage::None);
    }
};

TEST_F(PagesEnable, ManualBackupJobGreysTheRestOfTheMenuAndThePageUntilThePanelCloses)
{
    Open(1033);
    form().CurrentPage = 4;
    form().Idle = 0;
    SetBackupPageEnabled(form(), 2, false);
    ShowProgressPanel(form());

    for (TImage* group : {form().Menu_SumIndex_BtnImg, form().Menu_ResIndex_BtnImg, form().Menu_DelIndex_BtnImg,
                          form().Menu_AppIndex_BtnImg, form().Menu_SetIndex_BtnImg}) {
        EXPECT_FALSE(group->Enabled()) << group->Name();
        EXPECT_EQ(SkinOf(group), 22003) << group->Name();
    }
    EXPECT_FALSE(form().Menu_SetIndex_IcoImg->Enabled());
    EXPECT_TRUE(form().Menu_SetIndex_BtnLab->Enabled());
    EXPECT_EQ(form().Menu_SetIndex_BtnLab->Font().Color(), TMainForm::Palette[10]);
    EXPECT_EQ(form().Menu_SetIndex_BtnLab->Cursor(), ui::crDefault);
    // The running group and page keep their look; the group's other page is greyed.
    EXPECT_TRUE(form().Menu_BacIndex_BtnImg->Enabled());
    EXPECT_TRUE(form().Menu_Bac_ManualBtn_Img->Enabled());
    EXPECT_FALSE(form().Menu_Bac_EasyBtn_Img->Enabled());
    EXPECT_EQ(SkinOf(form().Menu_Bac_EasyBtn_Img), 22024);
    EXPECT_EQ(form().Menu_Bac_EasyBtn_Lab->Font().Color(), TMainForm::Palette[10]);
    EXPECT_EQ(SkinOf(form().RB_BK_Left_Img), 24003);
    EXPECT_EQ(SkinOf(form().BE_Renew_BK_Right_Img), 25020);
    EXPECT_EQ(SkinOf(form().Bac_Dest_SelBtn_Img), 23009);
    EXPECT_FALSE(form().Bac_Dest_SelBtn_Img->Enabled());
    EXPECT_FALSE(form().BE_Cls_Check_Doc_Img->Enabled());
    EXPECT_EQ(form().PB_Btn_Lab->Font().Color(), TMainForm::Palette[10]);
    EXPECT_TRUE(form().Work_Btn_Left_Pan->Visible());

    ShowProgressResults(form());
    // Another page shown under the panel: the job's own page still comes back.
    form().CurrentPage = 1;
    uit::Click(*form().PB_Btn_Lab);
    EXPECT_FALSE(form().Progress_Pan->Visible());
    EXPECT_EQ(form().Idle, 1);
    ExpectBackupFamilyEnabled();
}

TEST_F(PagesEnable, EnablingTwiceOrWithoutADisableGivesTheSameEnabledLook)
{
    Open(1033);
    SetBackupPageEnabled(form(), 1, true);
    ExpectBackupFamilyEnabled();
    SetBackupPageEnabled(form(), 1, false);
    SetBackupPageEnabled(form(), 1, true);
    SetBackupPageEnabled(form(), 1, true);
    ExpectBackupFamilyEnabled();
}

TEST_F(PagesEnable, PanelClosedWhileTheCountdownShowsEnablesTheEasyBackupFamily)
{
    Open(1033);
    form().CurrentPage = 10;
    SetBackupPageEnabled(form(), 1, false);
    form().JobPage = 0;
    form().AutoStartShowing = 1;
    CloseProgressPanel(form());
    form().AutoStartShowing = 0;
    ExpectBackupFamilyEnabled();
}

TEST_F(PagesEnable, OtherFamiliesSwitchTheirOwnGroupsAndSubButtons)
{
    Open(1033);
    struct Case {
        const char* name;
        void (*disable)(TMainForm&);
        TImage* TMainForm::*runningGroup;
        TImage* TMainForm::*otherSub;  // nullptr when the group has one sub-button
        int page;
    };
    const Case cases[] = {
        {"restore easy", [](TMainForm& f) { SetRestorePageEnabled(f, 1, false); }, &TMainForm::Menu_ResIndex_BtnImg,
         &TMainForm::Menu_Res_ManualBtn_Img, 5},
        {"delete manual", [](TMainForm& f) { SetDeletePageEnabled(f, 2, false); }, &TMainForm::Menu_DelIndex_BtnImg,
         &TMainForm::Menu_Del_EasyBtn_Img, 8},
        {"favorites", [](TMainForm& f) { SetFavoritesPageEnabled(f, false); }, &TMainForm::Menu_AppIndex_BtnImg,
         nullptr, 9},
    };
    for (const Case& c : cases) {
        c.disable(form());
        EXPECT_TRUE((form().*c.runningGroup)->Enabled()) << c.name;
        EXPECT_FALSE(form().Menu_BacIndex_BtnImg->Enabled()) << c.name;
        if (c.otherSub != nullptr) {
            EXPECT_FALSE((form().*c.otherSub)->Enabled()) << c.name;
        }
        EXPECT_EQ(form().JobPage, c.page) << c.name;
        EXPECT_EQ(SkinOf(form().PB_BK_Center_Img), 24006) << c.name;
        CloseProgressPanel(form());
        EXPECT_TRUE(form().Menu_BacIndex_BtnImg->Enabled()) << c.name;
        EXPECT_EQ(form().JobPage, WorkPage::None) << c.name;
    }
}

// A click on the running job's group from another page brings the job's page back; the group's
// other sub-button keeps the grey look the job gave it and stays inert.
TEST_F(PagesEnable, TheJobsGroupOpenedAgainKeepsItsOtherSubButtonGrey)
{
    Open(1033);
    struct Case {
        void (*enable)(TMainForm&, int, bool);
        int kind;
        const char* group;
        const char* running;  // the sub-button of the job's page
        const char* other;
        int page;
    };
    const Case cases[] = {
        {SetBackupPageEnabled, 1, "Menu_BacIndex_BtnImg", "Menu_Bac_EasyBtn", "Menu_Bac_ManualBtn", 3},
        {SetBackupPageEnabled, 2, "Menu_BacIndex_BtnImg", "Menu_Bac_ManualBtn", "Menu_Bac_EasyBtn", 4},
        {SetRestorePageEnabled, 1, "Menu_ResIndex_BtnImg", "Menu_Res_EasyBtn", "Menu_Res_ManualBtn", 5},
        {SetRestorePageEnabled, 2, "Menu_ResIndex_BtnImg", "Menu_Res_ManualBtn", "Menu_Res_EasyBtn", 6},
        {SetDeletePageEnabled, 1, "Menu_DelIndex_BtnImg", "Menu_Del_EasyBtn", "Menu_Del_ManualBtn", 7},
        {SetDeletePageEnabled, 2, "Menu_DelIndex_BtnImg", "Menu_Del_ManualBtn", "Menu_Del_EasyBtn", 8},
    };
    const auto image = [this](const std::string& sub) {
        return dynamic_cast<TImage*>(uit::Find(form(), sub + "_Img"));
    };
    const auto label = [this](const std::string& sub) {
        return dynamic_cast<TLabel*>(uit::Find(form(), sub + "_Lab"));
    };
    for (const Case& c : cases) {
        uit::Click(*uit::Find(form(), c.group));
        uit::Click(*label(c.running));
        form().Idle = 0;
        c.enable(form(), c.kind, false);
        uit::Click(*form().Version_Lab);
        ASSERT_EQ(form().CurrentPage, WorkPage::BackupSettings) << c.other;

        uit::Click(*uit::Find(form(), c.group));
        EXPECT_EQ(form().CurrentPage, c.page) << c.other;
        EXPECT_EQ(label(c.running)->Font().Color(), TMainForm::Palette[4]) << c.running;
        EXPECT_EQ(SkinOf(image(c.running)), 22022) << c.running;
        EXPECT_EQ(label(c.other)->Font().Color(), TMainForm::Palette[10]) << c.other;
        EXPECT_EQ(label(c.other)->Cursor(), ui::crDefault) << c.other;
        EXPECT_EQ(SkinOf(image(c.other)), 22024) << c.other;
        EXPECT_FALSE(image(c.other)->Enabled()) << c.other;
        EXPECT_EQ(form().Menu_SetIndex_BtnLab->Font().Color(), TMainForm::Palette[10]) << c.other;
        EXPECT_EQ(SkinOf(form().Menu_SetIndex_BtnImg), 22003) << c.other;
        EXPECT_FALSE(form().Menu_SetIndex_IcoImg->Enabled()) << c.other;
        uit::Click(*label(c.other));
        EXPECT_EQ(form().CurrentPage, c.page) << c.other;

        form().Idle = 1;
        c.enable(form(), c.kind, true);
        uit::Click(*label(c.other));
        EXPECT_EQ(label(c.other)->Font().Color(), TMainForm::Palette[4]) << c.other;
        EXPECT_EQ(label(c.running)->Font().Color(), TMainForm::Palette[3]) << c.running;
    }
}

}  // namespace
