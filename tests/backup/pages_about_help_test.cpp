// The title area's Help and About buttons, the About window and the folder picker.

#include "backup/base/Language.h"
#include "backup/window/frame/About_Win.h"
#include "backup/window/frame/FolderPicker.h"
#include "frame_fixture.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

#include <cstdlib>
#include <fstream>

namespace {

namespace uit = ui::testing;

class PagesAboutHelp : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        std::filesystem::create_directories(Host("c/Data/Photos/2024"));
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile()
                                                           .Folder("appdata", "C:\\Users\\Alice\\AppData\\Roaming")
                                                           .Folder("programfiles", "C:\\Program Files")
                                                           .Folder("programfilesx86", "C:\\Program Files")));
    }

    TMainForm& form() { return *MainForm; }

    void InstallHelpFile(const std::string& code)
    {
        testsupport::WriteText(Host("c/Program Files/Harbex Solo+/Help Files/BackupHelp_" + code + ".chm"), "help");
    }

    std::string ShellLog() const
    {
        std::ifstream log(Host("shell.log"));
        return std::string(std::istreambuf_iterator<char>(log), {});
    }
};

TEST_F(PagesAboutHelp, HelpOpensTheLanguagesFileElseTheEnglishOne)
{
    InstallHelpFile("ENG");
    InstallHelpFile("CHS");
    struct Case {
        int langId;
        const char* code;
    };
    for (const Case& c : {Case{1041, "ENG"}, Case{1025, "ENG"}, Case{2052, "CHS"}}) {
        std::filesystem::remove(Host("shell.log"));
        Open(c.langId);
        uit::Click(*form().Main_Btn_Help_Hint_Lab);
        EXPECT_EQ(ShellLog(), std::string("open\tC:\\Program Files\\Harbex Solo+\\Help Files\\BackupHelp_") + c.code +
                                  ".chm\t\t\t5\n")
            << c.langId;
        Close();
    }
}

// No help file is installed: the request for the English one still reaches the shell (and its log).
TEST_F(PagesAboutHelp, HelpWithoutAnyHelpFileAsksForTheEnglishOne)
{
    Open(1041);
    uit::Click(*form().Main_Btn_Help_Img);
    EXPECT_EQ(ShellLog(), "open\tC:\\Program Files\\Harbex Solo+\\Help Files\\BackupHelp_ENG.chm\t\t\t5\n");
}

TEST_F(PagesAboutHelp, AboutShowsTheVersionAndTextsAndClosesOnAnyClick)
{
    Open(1033);
    for (const char* clicked : {"BG_Img", "Version_Lab", "Address_Lab"}) {
        bool closed = false;
        ui_.AnswerNextModal([&](ui::TForm& window) {
            auto& about = dynamic_cast<TAboutForm&>(window);
            EXPECT_EQ(about.Version_Lab->Caption(), u"Ver 2.00.28");
            EXPECT_EQ(about.CopyRight_Lab->Caption(), LookupText(*form().LangTable, 20200));
            EXPECT_EQ(about.Corporation_Lab->Caption(), LookupText(*form().LangTable, 20202));
            EXPECT_EQ(about.Address_Lab->Top(), 189);
            EXPECT_EQ(about.Corporation_Lab->Top(), 173);
            EXPECT_EQ(about.Width(), 423);
            const char* shots = std::getenv("HARBEX_SHOTS");
            if (shots != nullptr) {
                uit::RenderToPng(about, std::string(shots) + "/about_1033.png");
            }
            uit::Click(*uit::Find(about, clicked));
            closed = true;
        });
        uit::Click(*form().Main_Btn_About_Img);
        EXPECT_TRUE(closed) << clicked;
        EXPECT_FALSE(ui_.Stalled()) << clicked;
    }
}

TEST_F(PagesAboutHelp, AboutReadsRightToLeftUnder1025)
{
    Open(1025);
    ui::TBiDiMode mode = ui::TBiDiMode::bdLeftToRight;
    int textLeft = 0;
    ui_.AnswerNextModal([&](ui::TForm& window) {
        auto& about = dynamic_cast<TAboutForm&>(window);
        mode = about.CopyRight_Lab->BiDiMode();
        textLeft = about.CopyRight_Lab->Left();
        const char* shots = std::getenv("HARBEX_SHOTS");
        if (shots != nullptr) {
            uit::RenderToPng(about, std::string(shots) + "/about_1025.png");
        }
        about.Close();
    });
    uit::Click(*form().Main_Btn_About_Hint_Lab);
    EXPECT_EQ(mode, ui::TBiDiMode::bdRightToLeft);
    EXPECT_EQ(textLeft, 15);
}

TEST_F(PagesAboutHelp, FolderPickerReturnsTheChosenFolderOrNothing)
{
    Open(1033);
    struct Case {
        const char* name;
        std::u16string initial;
        std::function<void(TFolderPickerForm&)> act;
        std::u16string result;
    };
    const Case cases[] = {
        {"confirm the initial folder", u"C:\\data\\Photos", [](TFolderPickerForm& p) { uit::Click(*p.OK_Btn_Lab); },
         u"C:\\Data\\Photos"},
        {"choose a subfolder", u"C:\\Data\\Photos",
         [](TFolderPickerForm& p) {
             TTreeNode* photos = p.Folder_Tree->Selected();
             photos->Expand(false);
             p.Folder_Tree->SetSelected(photos->getFirstChild());
             uit::Click(*p.OK_Btn_Lab);
         },
         u"C:\\Data\\Photos\\2024"},
        {"missing folder, cancel", u"C:\\Nowhere", [](TFolderPickerForm& p) { uit::Click(*p.Cancel_Btn_Lab); }, u""},
        {"escape", u"C:\\Data", [](TFolderPickerForm& p) { uit::PressKey(p, VK_ESCAPE); }, u""},
        {"drive root", u"",
         [](TFolderPickerForm& p) {
             p.Folder_Tree->SetSelected(p.Folder_Tree->Items().GetFirstNode());
             uit::Click(*p.OK_Btn_Lab);
         },
         u"C:\\"},
    };
    for (const Case& c : cases) {
        std::u16string title;
        ui_.AnswerNextModal([&](ui::TForm& window) {
            auto& picker = dynamic_cast<TFolderPickerForm&>(window);
            title = picker.Title_Lab->Caption();
            c.act(picker);
        });
        EXPECT_EQ(BrowseForFolder(u"Browse Folder", c.initial), c.result) << c.name;
        EXPECT_EQ(title, u"Browse Folder") << c.name;
        EXPECT_FALSE(ui_.Stalled()) << c.name;
    }
}

}  // namespace
