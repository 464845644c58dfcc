// The setup wizard's pages and its message box in each language, measured with the fonts the program
// draws with: no caption may be cut, covered, drawn over another caption or run into an input
// control. With HARBEX_SHOTS set, every step is saved there as a PNG file.

#include "setup_fixture.h"
#include "ui/testing_captions.h"

namespace {

namespace uit = ui::testing;

class WizardLook : public setuptest::SetupMachine, public ::testing::WithParamInterface<LANGID> {
protected:
    void Look(ui::TForm& window, const std::string& shot)
    {
        for (const std::string& fault : uit::CaptionFaults(window)) {
            faults_ += "\n  " + shot + " " + fault;
        }
        if (const char* dir = std::getenv("HARBEX_SHOTS"); dir != nullptr && *dir != '\0') {
            std::filesystem::create_directories(dir);
            const std::string path = std::string(dir) + "/setup_" + std::to_string(GetParam()) + "_" + shot + ".png";
            EXPECT_TRUE(uit::RenderToPng(window, path)) << path;
        }
    }

    std::string faults_;
};

TEST_P(WizardLook, EveryPageAndTheQuitQuestionShowTheirCaptionsWhole)
{
    MakeMachine({.langId = GetParam()});
    ui::gfx::UseFixedMetrics(false);
    OpenWizard();
    ShowWizard();
    Look(Wizard(), "start");
    uit::Click(*Wizard().Lic_Link_Lab);
    Look(Wizard(), "licence");
    uit::Click(*Wizard().BackBtn_Lab);
    uit::Click(*Wizard().BackBtn_Lab);
    ASSERT_EQ(Wizard().WizardPage, setup::kOptionsPage);
    Look(Wizard(), "options");
    uit::Click(*Wizard().BackBtn_Lab);
    ui_.AnswerNextModal([this](ui::TForm& box) {
        Look(box, "quit_question");
        uit::Click(*uit::FindAs<ui::TLabel>(box, "RB_Btn_Lab"));
    });
    uit::Click(*Wizard().QuitBtn_Lab);
    EXPECT_EQ(ui_.ModalCount(), 1);
    EXPECT_TRUE(faults_.empty()) << faults_;
}

INSTANTIATE_TEST_SUITE_P(Languages, WizardLook, ::testing::Values(1033, 2052, 1028, 1041, 1025));

}  // namespace
