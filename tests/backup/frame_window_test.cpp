#include "backup/device/SchMsgWin.h"
#include "backup/frame/LanguageSetting.h"
#include "backup/frame/MainWin.h"
#include "backup/frame/MsgWin.h"
#include "frame_fixture.h"
#include "ui/testing.h"

namespace {

namespace uit = ui::testing;

class FrameWindow : public frametest::FrameMachine {
protected:
    void Open(int langId)
    {
        SaveLanguageSetting(langId);
        MainForm = new TMainForm(ui::Application);
        MainForm->AfterConstruction();
    }

    void TearDown() override
    {
        if (MainForm != nullptr) {
            delete MainForm->OwnedMsgForm;
            delete MainForm;
        }
        frametest::FrameMachine::TearDown();
    }

    ui::testing::UiTest ui_;
};

TEST_F(FrameWindow, ConstructsWithTheChosenLanguageAndShowsPageOne)
{
    struct Case {
        int langId;
        std::u16string okCaption;
        BYTE charset;
        BYTE bidi;
        std::u16string comboText;
    };
    const Case cases[] = {{1033, u"OK", 1, 0, u"English"}, {2052, u"确定", 134, 0, u"简体中文"},
                          {1041, u"OK", 128, 0, u"日本語"},   {1025, u"OK", 1, 1, u"English"},
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
        EXPECT_EQ(MainForm->CurrentPage, 1);
        EXPECT_TRUE(MainForm->Sum_Pro_Pan->Visible());
        EXPECT_FALSE(MainForm->Bac_Pan->Visible());
        EXPECT_EQ(MainForm->DebugInfo_Memo->Lines()[1], u"Ver :2.00.28");
        EXPECT_EQ(MainForm->ScheduleKind, 0);
        EXPECT_EQ(MainForm->ExternalDrives.Count, 0);
        delete MainForm->OwnedMsgForm;
        delete MainForm;
        MainForm = nullptr;
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
        EXPECT_EQ(yes, u"Yes");
        EXPECT_TRUE(centreHidden);
    }
}

TEST_F(FrameWindow, MessageBoxesShowTheirIconAndOneButton)
{
    Open(2052);
    for (const bool error : {false, true}) {
        int icon = 0;
        std::u16string ok;
        bool sidesHidden = false;
        ui_.AnswerNextModal([&](ui::TForm& form) {
            auto& box = dynamic_cast<TMsgForm&>(form);
            icon = box.Msg_Ico_Img->Picture().ResourceId();
            ok = box.CB_Btn_Lab->Caption();
            sidesHidden = !box.Btn_Left_Pan->Visible() && !box.Btn_Right_Pan->Visible();
            uit::Click(*box.CB_Btn_Lab);
        });
        error ? MainForm->ShowErrorBox(u"x") : MainForm->ShowNoticeBox(u"x");
        EXPECT_EQ(icon, error ? 24022 : 24023);
        EXPECT_EQ(ok, u"确定");
        EXPECT_TRUE(sidesHidden);
    }
    EXPECT_EQ(ui_.ModalCount(), 2);
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
        delete MainForm->OwnedMsgForm;
        delete MainForm;
        MainForm = nullptr;
    }
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
    EXPECT_EQ(MainForm->AskScheduledBackup(u"2202412250930" u"1"), 0);
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
