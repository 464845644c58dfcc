#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/device/SchMsgWin.h"
#include "backup/window/frame/Entry.h"
#include "backup/window/frame/WorkPage.h"
#include "frame_fixture.h"
#include "ui/testing.h"

namespace {

namespace uit = ui::testing;

using FrameWindow = frametest::MainWindowMachine;

TEST_F(FrameWindow, ConstructsWithTheChosenLanguageAndShowsPageOne)
{
    struct Case {
        int langId;
        std::u16string okCaption;
        BYTE charset;
        BYTE bidi;
        std::u16string comboText;
    };
    const Case cases[] = {{1033, u"OK", 1, 0, u"English"},
                          {2052, u"确定", 134, 0, u"简体中文"},
                          {1041, u"OK", 128, 0, u"日本語"},
                          {1025, u"OK", 1, 1, u"English"},
                          {1049, u"OK", 1, 0, u"English"}};
    for (const Case& c : cases) {
        Open(c.langId);
        EXPECT_EQ(MainForm->LangId, c.langId);
        EXPECT_EQ(MainForm->FontCharset, c.charset) << c.langId;
        EXPECT_EQ(MainForm->LabelBiDiMode, c.bidi) << c.langId;
        if (c.langId != 1041) {
            EXPECT_EQ(MainForm->RB_Btn_Lab->Caption(), c.okCaption) << c.langId;
        }
        EXPECT_EQ(MainForm->Lang_Sel_CBox->Items()[MainForm->Lang_Sel_CBox->ItemIndex()], c.comboText);
        EXPECT_EQ(MainForm->CurrentPage, WorkPage::ProductInfo);
        EXPECT_TRUE(MainForm->Sum_Pro_Pan->Visible());
        EXPECT_FALSE(MainForm->Bac_Pan->Visible());
        EXPECT_EQ(MainForm->DebugInfo_Memo->Lines()[1], u"Ver :2.00.28");
        EXPECT_EQ(MainForm->ScheduleKind, 1);
        EXPECT_EQ(MainForm->ExternalDrives.Count, 0);
        Close();
    }
}

TEST_F(FrameWindow, QuestionsAnswerByButtonEscapeAndClose)
{
    Open(1033);
    struct Case {
        const char* how;
        std::function<void(TMsgForm&)> answer;
        BYTE expected;
    };
    const Case cases[] = {
        {"yes", [](TMsgForm& box) { uit::Click(*box.LB_Btn_Lab); }, 1},
        {"no", [](TMsgForm& box) { uit::Click(*box.RB_Btn_Lab); }, 0},
        {"escape", [](TMsgForm& box) { uit::PressKey(box, VK_ESCAPE); }, 0},
        {"enter answers No", [](TMsgForm& box) { uit::PressKey(box, VK_RETURN); }, 0},
        {"close", [](TMsgForm& box) { box.Close(); }, 0},
    };
    for (const Case& c : cases) {
        std::u16string yes;
        bool centreHidden = false;
        ui_.AnswerNextModal([&](ui::TForm& form) {
            auto& box = dynamic_cast<TMsgForm&>(form);
            yes = box.LB_Btn_Lab->Caption();
            centreHidden = !box.Btn_Center_Pan->Visible();
            c.answer(box);
        });
        EXPECT_EQ(MainForm->AskQuestion(u"Do you want to cancel back up?"), c.expected) << c.how;
        EXPECT_FALSE(ui_.Stalled()) << c.how << ": the box was closed by the answer";
        EXPECT_EQ(yes, u"Yes");
        EXPECT_TRUE(centreHidden);
    }
}

TEST_F(FrameWindow, EnterClosesANoticeThroughItsOkButton)
{
    Open(1033);
    ui_.AnswerNextModal([](ui::TForm& box) { uit::PressKey(box, VK_RETURN); });
    MainForm->ShowNoticeBox(u"File not selected.");
    EXPECT_FALSE(ui_.Stalled());
}

TEST_F(FrameWindow, BoxLayoutInBothReadingDirections)
{
    struct Case {
        int langId;
        int icon, label, yes, no;
        ui::TBiDiMode textMode;
    };
    const Case cases[] = {{1033, 10, 75, 93, 177, ui::TBiDiMode::bdLeftToRight},
                          {1025, 285, 10, 177, 93, ui::TBiDiMode::bdRightToLeft}};
    for (const Case& c : cases) {
        Open(c.langId);
        TMsgForm box(ui::Application);
        box.AfterConstruction();
        EXPECT_EQ(box.Msg_Ico_Img->Left(), c.icon);
        EXPECT_EQ(box.Msg_Lab->Left(), c.label);
        EXPECT_EQ(box.Msg_Lab->Width(), 265);
        EXPECT_EQ(box.Btn_Left_Pan->Left(), c.yes);
        EXPECT_EQ(box.Btn_Right_Pan->Left(), c.no);
        EXPECT_EQ(box.Btn_Center_Pan->Left(), 135);
        EXPECT_EQ(box.Msg_Lab->BiDiMode(), c.textMode);
        Close();
    }
}

// What a user sees of one box: icon, the three buttons and the reading direction.
struct ShownBox {
    int icon = 0;
    std::u16string left, right, center;
    bool leftShown = false, rightShown = false, centerShown = false;
    int iconLeft = 0;
    int yesLeft = 0;
    ui::TBiDiMode textMode = ui::TBiDiMode::bdLeftToRight;
    int charset = 0;
};

ShownBox Capture(TMsgForm& box)
{
    return {box.Msg_Ico_Img->Picture().ResourceId(),
            box.LB_Btn_Lab->Caption(),
            box.RB_Btn_Lab->Caption(),
            box.CB_Btn_Lab->Caption(),
            box.Btn_Left_Pan->Visible(),
            box.Btn_Right_Pan->Visible(),
            box.Btn_Center_Pan->Visible(),
            box.Msg_Ico_Img->Left(),
            box.Btn_Left_Pan->Left(),
            box.Msg_Lab->BiDiMode(),
            box.Msg_Lab->Font().Charset()};
}

TEST_F(FrameWindow, EveryBoxInEveryLanguage)
{
    struct Presenter {
        const char* name;
        std::function<void()> show;
        int icon;
        int left, right, center;  // text ids; 0: the button is hidden
        bool owned;  // the kept box, built before the language was known
    };
    const Presenter presenters[] = {
        {"notice", [] { MainForm->ShowNoticeBox(u"n"); }, 24023, 0, 0, 20004, false},
        {"error", [] { MainForm->ShowErrorBox(u"e"); }, 24022, 0, 0, 20004, false},
        {"question", [] { MainForm->AskQuestion(u"q"); }, 24023, 20002, 20003, 0, false},
        {"owned question", [] { MainForm->AskQuestionOnOwnedBox(u"q"); }, 24023, 20002, 20003, 0, true},
    };
    for (const int langId : {1033, 2052, 1028, 1041, 1025}) {
        Open(langId);
        const auto text = [](int id) { return id == 0 ? std::u16string() : LookupText(*MainForm->LangTable, id); };
        for (const Presenter& p : presenters) {
            SCOPED_TRACE(std::string(p.name) + " in " + std::to_string(langId));
            ShownBox shown;
            ui_.AnswerNextModal([&](ui::TForm& form) {
                auto& box = dynamic_cast<TMsgForm&>(form);
                shown = Capture(box);
                box.Close();
            });
            p.show();
            const bool mirrored = langId == kRtlLangId && !p.owned;
            EXPECT_EQ(shown.icon, p.icon);
            for (const int id : {p.left, p.right, p.center}) {
                EXPECT_TRUE(id == 0 || !text(id).empty()) << id;
            }
            EXPECT_EQ(shown.leftShown, p.left != 0);
            EXPECT_EQ(shown.rightShown, p.right != 0);
            EXPECT_EQ(shown.centerShown, p.center != 0);
            if (p.left != 0) {
                EXPECT_EQ(shown.left, text(p.left));
                EXPECT_EQ(shown.right, text(p.right));
            } else {
                EXPECT_EQ(shown.center, text(p.center));
            }
            EXPECT_EQ(shown.iconLeft, mirrored ? 285 : 10);
            EXPECT_EQ(shown.yesLeft, mirrored ? 177 : 93);
            EXPECT_EQ(shown.textMode, mirrored ? ui::TBiDiMode::bdRightToLeft : ui::TBiDiMode::bdLeftToRight);
            EXPECT_EQ(shown.charset, p.owned ? ui::DEFAULT_CHARSET : MainForm->FontCharset);
        }

        std::u16string accept, refuse, title;
        ui::TBiDiMode titleMode = ui::TBiDiMode::bdLeftToRight;
        ui_.AnswerNextModal([&](ui::TForm& form) {
            auto& notice = dynamic_cast<TSchMsgForm&>(form);
            accept = notice.LB_Btn_Lab->Caption();
            refuse = notice.RB_Btn_Lab->Caption();
            title = notice.Sch_Title_Lab->Caption();
            titleMode = notice.Sch_Title_Lab->BiDiMode();
            EXPECT_FALSE(notice.Btn_Center_Pan->Visible());
            uit::Click(*notice.RB_Btn_Lab);
        });
        EXPECT_EQ(MainForm->AskScheduledBackup(u"1712300"), 0);
        EXPECT_EQ(accept, text(20004)) << langId;
        EXPECT_EQ(refuse, text(20005)) << langId;
        EXPECT_EQ(title, text(20078)) << langId;
        EXPECT_FALSE(title.empty()) << langId;
        EXPECT_EQ(titleMode,
                  langId == kRtlLangId ? ui::TBiDiMode::bdRightToLeftReadingOnly : ui::TBiDiMode::bdLeftToRight);
        Close();
    }
}

TEST_F(FrameWindow, StartsWithTheDriveInTheTitleAndTheTrayIconsFirstFrame)
{
    SaveLanguageSetting(1033);
    CreateMainWindow(u"E:\\");
    ASSERT_NE(MainForm, nullptr);
    EXPECT_EQ(ui::App().Title(), u"Harbex Solo +_E");
    EXPECT_TRUE(MainForm->TrayIcon->Visible());
    EXPECT_EQ(MainForm->TrayIcon->Hint(), u"Harbex Solo +");
    ASSERT_EQ(MainForm->TrayIcon->Icons(), MainForm->TrayIcon_Imglist);
    ASSERT_EQ(MainForm->TrayIcon_Imglist->Count(), 6);
    EXPECT_EQ(MainForm->TrayIcon->IconIndex(), 0);
    const auto frameOf = [](int id) {
        ui::TIcon icon;
        LoadIconResource(icon, id);
        ui::TImageList list(nullptr);
        list.AddIcon(icon);
        return *list.Bitmap(0);
    };
    EXPECT_EQ(*MainForm->TrayIcon_Imglist->Bitmap(0), frameOf(21035));
    EXPECT_NE(*MainForm->TrayIcon_Imglist->Bitmap(0), frameOf(21036));
    EXPECT_EQ(*MainForm->TrayIcon_Imglist->Bitmap(5), frameOf(21040));
}

TEST_F(FrameWindow, OwnedBoxTakesThePushButtonAndStartsFresh)
{
    Open(1033);
    ui_.AnswerNextModal([](ui::TForm& form) {
        EXPECT_EQ(MainForm->MsgBoxShowing, 1);
        auto& box = dynamic_cast<TMsgForm&>(form);
        uit::MouseMove(*box.RB_Btn_Lab);
        box.LB_Btn_LabClick(nullptr);
    });
    EXPECT_EQ(MainForm->AskQuestionOnOwnedBox(u"Start backup?"), 1);
    EXPECT_EQ(MainForm->MsgBoxShowing, 0);

    ui_.AnswerNextModal([](ui::TForm& form) {
        auto& box = dynamic_cast<TMsgForm&>(form);
        EXPECT_EQ(box.MsgResult, 0);
        EXPECT_EQ(box.RB_BK_Center_Img->Picture().ResourceId(), 24007);
        box.Close();
    });
    EXPECT_EQ(MainForm->AskQuestionOnOwnedBox(u"Start backup?"), 0);
}

TEST_F(FrameWindow, ScheduleNoticeAcceptsAfterTenSeconds)
{
    Open(1033);
    std::u16string time;
    TSchMsgForm* shown = nullptr;
    ui_.AnswerNextModal([&](ui::TForm& form) {
        shown = &dynamic_cast<TSchMsgForm&>(form);
        time = shown->Sch_Time_Lab->Caption();
        EXPECT_EQ(MainForm->Idle, 0);
    });
    const std::uint64_t start = ui_.Clock().MonotonicMs();
    EXPECT_EQ(MainForm->AskScheduledBackup(u"1712300"), 1);
    EXPECT_EQ(ui_.Clock().MonotonicMs() - start, 10000u);
    EXPECT_EQ(time, u"Every day     12:30");
    EXPECT_EQ(MainForm->Idle, 1);

    ui_.AnswerNextModal([&](ui::TForm& form) {
        ui_.Advance(9000);
        uit::Click(*dynamic_cast<TSchMsgForm&>(form).RB_Btn_Lab);
    });
    EXPECT_EQ(MainForm->AskScheduledBackup(u"2202412250930"
                                           u"1"),
              0);
    EXPECT_EQ(MainForm->Idle, 1);
}

TEST_F(FrameWindow, CloseIsRefusedWhileAJobRuns)
{
    Open(1033);
    for (const BYTE mayClose : {BYTE{0}, BYTE{1}}) {
        MainForm->MayClose = mayClose;
        bool canClose = true;
        MainForm->FormCloseQuery(MainForm, canClose);
        EXPECT_EQ(canClose, mayClose == 1);
    }
}

}  // namespace
