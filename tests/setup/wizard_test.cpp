// The wizard's pages, buttons, check images, languages and its two frame layouts.

#include "setup_fixture.h"

#include "ui/controls/panel.h"

namespace setuptest {
namespace {

using ui::testing::Click;

class WizardTest : public SetupMachine { };

TEST_F(WizardTest, StartsOnTheStartPageWithNextDisabledUntilTheLicenceIsTicked)
{
    MakeMachine();
    OpenWizard();
    EXPECT_EQ(Wizard().WizardPage, setup::kStartPage);
    EXPECT_EQ(Wizard().Main_Title_Lab->Caption(), u"Welcome to the Harbex Solo+ Setup Wizard");
    EXPECT_EQ(Wizard().Top_Title_Lab->Caption(), u"Harbex Solo+    ver 2.00.28");
    EXPECT_EQ(Wizard().BackBtn_Lab->Caption(), u"Options");
    EXPECT_FALSE(Wizard().NextBtn_Lab->Enabled());
    EXPECT_EQ(Wizard().NextBtn_BK_Lab->Color(), 0x808080u);
    EXPECT_EQ(Wizard().SavePath_Edit->Text(), u"C:\\Program Files (x86)\\Harbex Solo+");
    EXPECT_TRUE(std::filesystem::is_directory(Host("c/Program Files (x86)/Harbex Solo+")));

    Click(*Wizard().Lic_Check_Img);
    EXPECT_TRUE(Wizard().LicenseAccepted);
    EXPECT_TRUE(Wizard().NextBtn_Lab->Enabled());
    EXPECT_EQ(Wizard().NextBtn_BK_Lab->Color(), ui::clBlack);

    Click(*Wizard().Lic_Check_Img);
    EXPECT_FALSE(Wizard().NextBtn_Lab->Enabled());
    Wizard().NextBtn_LabMouseMove(nullptr, {}, 1, 1);
    EXPECT_EQ(Wizard().NextBtn_BK_Lab->Color(), 0x808080u) << "a disabled Next keeps its grey";
}

TEST_F(WizardTest, BackOptionsAndLicenceLinkWalkThePages)
{
    MakeMachine();
    OpenWizard();
    ShowWizard();
    struct Step {
        const char* click;
        int page;
        bool mainPanel, licence, next;
    };
    const Step steps[] = {
        {"BackBtn_Lab", setup::kOptionsPage, true, false, false},
        {"BackBtn_Lab", setup::kStartPage, true, false, true},
        {"Lic_Link_Lab", setup::kLicensePage, false, true, false},
        {"BackBtn_Lab", setup::kStartPage, true, false, true},
    };
    for (const Step& step : steps) {
        Click(*Control<ui::TControl>(step.click));
        EXPECT_EQ(Wizard().WizardPage, step.page) << step.click;
        EXPECT_EQ(Wizard().Main_Pan->Visible(), step.mainPanel) << step.page;
        EXPECT_EQ(Wizard().License_Memo->Visible(), step.licence) << step.page;
        EXPECT_EQ(Wizard().NextBtn_Lab->Visible(), step.next) << step.page;
    }
    EXPECT_GT(Wizard().License_Memo->Lines().Count(), 0);
}

TEST_F(WizardTest, QuitAsksAndNoKeepsEveryChoice)
{
    MakeMachine();
    OpenWizard();
    ShowWizard();
    Click(*Wizard().Lic_Check_Img);
    Wizard().WizardPage = setup::kOptionsPage;
    Wizard().ShowPage();
    Click(*Wizard().Shortcut_Check_Img);
    Click(*Wizard().BackBtn_Lab);

    AnswerBox(false);
    Click(*Wizard().QuitBtn_Lab);
    ASSERT_EQ(boxTexts_.size(), 1u);
    EXPECT_EQ(boxTexts_[0], u"Harbex Solo+ setup is not completed. Are you sure you want to quit?");
    EXPECT_TRUE(Wizard().Visible());
    EXPECT_EQ(Wizard().WizardPage, setup::kStartPage);
    EXPECT_TRUE(Wizard().LicenseAccepted);
    EXPECT_FALSE(Wizard().DesktopShortcut);

    AnswerBox(true);
    Click(*Wizard().QuitBtn_Lab);
    EXPECT_FALSE(Wizard().Visible());
}

TEST_F(WizardTest, LanguageChoiceSwitchesTextsAndKeepsFlags)
{
    MakeMachine({.langId = 1041});
    OpenWizard();
    EXPECT_EQ(Wizard().Lang_CBox->Text(), u"日本語");
    EXPECT_EQ(Wizard().FontCharset, 128);
    EXPECT_EQ(Wizard().Main_Title_Lab->Font().Charset(), 128);
    Click(*Wizard().Lic_Check_Img);

    Wizard().Lang_CBox->SetItemIndex(0);
    Wizard().Lang_CBoxChange(nullptr);
    EXPECT_EQ(Wizard().LangId, 1033);
    EXPECT_EQ(Wizard().FontCharset, 1);
    EXPECT_EQ(Wizard().Lang_Lab->Caption(), u"Select your language");
    EXPECT_TRUE(Wizard().LicenseAccepted);
    EXPECT_TRUE(Wizard().NextBtn_Lab->Enabled());
    EXPECT_EQ(Wizard().WizardPage, setup::kStartPage);
}

TEST_F(WizardTest, UnlistedLanguageShowsEnglishButKeepsItsId)
{
    MakeMachine({.langId = 1036});
    OpenWizard();
    EXPECT_EQ(Wizard().LangId, 1036);
    EXPECT_EQ(Wizard().Lang_CBox->ItemIndex(), 0);
    EXPECT_EQ(Wizard().Lic_Check_Lab->Caption(), u"I have read and accepted the Licensing Agreement.");
}

TEST_F(WizardTest, Language1025MirrorsTheFrameAndEnglishTurnsItBack)
{
    MakeMachine({.langId = 1025});
    OpenWizard();
    struct Place {
        ui::TControl* control;
        int rtlLeft, ltrLeft;
    };
    const Place places[] = {
        {Wizard().Logo_Product_Img, 417, 52},   {Wizard().BackBtn_BK_Lab, 387, 16},
        {Wizard().QuitBtn_BK_Lab, 17, 386},     {Wizard().NextBtn_BK_Lab, 126, 277},
        {Wizard().Step_1_Pan, 383, 62},         {Wizard().Step_3_Pan, 289, 156},
        {Wizard().Step_Arrow_0_Img, 365, 91},   {Wizard().Step_Arrow_1_Img, 318, 138},
        {Wizard().Lang_CBox, 238, 62},          {Wizard().Lic_Check_Img, 420, 62},
        {Wizard().Lic_Check_Lab, 60, 82},       {Wizard().SavePath_Edit, 94, 68},
        {Wizard().Shortcut_Check_Img, 420, 62}, {Wizard().Shortcut_Check_Lab, 16, 82},
    };
    for (const Place& place : places) {
        EXPECT_EQ(place.control->Left(), place.rtlLeft) << place.control->Name();
    }
    EXPECT_EQ(Wizard().Main_Title_Lab->Width(), 414);
    EXPECT_EQ(Wizard().Lic_Check_Lab->Width(), 358);
    EXPECT_EQ(Wizard().Lang_Lab->Left() + Wizard().Lang_Lab->Width(), 438);
    EXPECT_EQ(Wizard().Top_Title_Lab->Caption(), u"ver 2.00.28    Harbex Solo+");
    EXPECT_EQ(Wizard().Lic_Check_Lab->Caption(), u"I have read and accepted the Licensing Agreement.");
    EXPECT_EQ(Wizard().Lang_CBox->Text(), u"English");
    EXPECT_NE(Wizard().License_Memo->ExStyle() & WS_EX_LAYOUTRTL, 0);
    EXPECT_FALSE(Wizard().License_Memo->DoubleBuffered());
    EXPECT_TRUE(ui::testing::RenderToPng(Wizard(), ::testing::TempDir() + "setup_wizard_1025.png"));

    Wizard().Lang_CBox->SetItemIndex(0);
    Wizard().Lang_CBoxChange(nullptr);
    for (const Place& place : places) {
        EXPECT_EQ(place.control->Left(), place.ltrLeft) << place.control->Name();
    }
    EXPECT_EQ(Wizard().Shortcut_Check_Lab->Width(), 400);
    EXPECT_EQ(Wizard().License_Memo->ExStyle() & WS_EX_LAYOUTRTL, 0);
    EXPECT_FALSE(Wizard().Step_4_Pan->Visible());
    EXPECT_FALSE(Wizard().Step_Arrow_2_Img->Visible());
}

TEST_F(WizardTest, OkBoxShowsOnlyItsRightButtonMirroredFor1025)
{
    for (const LANGID langId : {LANGID{1033}, LANGID{1025}}) {
        MakeMachine({.langId = langId});
        OpenWizard();
        ui_.AnswerNextModal([this, langId](ui::TForm& box) {
            auto* right = ui::testing::FindAs<ui::TPanel>(box, "Btn_Right_Pan");
            EXPECT_EQ(right->Left(), langId == 1025 ? 90 : 180);
            EXPECT_FALSE(ui::testing::FindAs<ui::TPanel>(box, "Btn_Left_Pan")->Visible());
            EXPECT_EQ(ui::testing::FindAs<ui::TLabel>(box, "RB_Btn_Lab")->Caption(), u"OK");
            EXPECT_EQ(ui::testing::FindAs<ui::TLabel>(box, "Top_Title_Lab")->Caption(),
                      Wizard().Top_Title_Lab->Caption());
            ui::testing::Click(*ui::testing::FindAs<ui::TLabel>(box, "RB_Btn_Lab"));
        });
        setup::ShowOkBox(Wizard(), setup::kErrorBox, u"Installation failed !");
        EXPECT_EQ(ui_.ModalCount(), langId == 1025 ? 2 : 1);
        CloseWizard();
        std::filesystem::remove_all(folder_);
    }
}

// Keys never confirm: Enter presses OK on a notice and No on a question, Escape answers No.
TEST_F(WizardTest, EnterAnswersOkOnANoticeAndNoOnAQuestion)
{
    MakeMachine();
    OpenWizard();
    const auto press = [](int key) { return [key](ui::TForm& box) { ui::testing::PressKey(box, key); }; };
    ui_.AnswerNextModal(press(VK_RETURN));
    setup::ShowOkBox(Wizard(), setup::kErrorBox, u"Installation failed !");
    EXPECT_FALSE(ui_.Stalled());
    for (int key : {VK_RETURN, VK_ESCAPE}) {
        ui_.AnswerNextModal(press(key));
        EXPECT_FALSE(setup::AskYesNo(Wizard(), u"Do you want to quit?")) << key;
        EXPECT_FALSE(ui_.Stalled()) << key;
    }
}

TEST_F(WizardTest, RendersTheStartAndOptionsPages)
{
    MakeMachine();
    OpenWizard();
    ShowWizard();
    EXPECT_TRUE(ui::testing::RenderToPng(Wizard(), ::testing::TempDir() + "setup_wizard_start.png"));
    Click(*Wizard().BackBtn_Lab);
    EXPECT_TRUE(ui::testing::RenderToPng(Wizard(), ::testing::TempDir() + "setup_wizard_options.png"));
}

}  // namespace
}  // namespace setuptest
