// Page 12: its fixed places and captions, kept when the window grows.

#include "frame_fixture.h"

namespace {

namespace uit = ui::testing;

using PagesUpdate = frametest::MainWindowMachine;

TEST_F(PagesUpdate, PlacedOnceOnThePageRectangleWithFixedEnglishCaptions)
{
    for (const int langId : {1033, 2052, 1025}) {
        Open(langId);
        TMainForm& form = *MainForm;
        EXPECT_EQ(form.Set_Upd_Pan->Width(), 396) << langId;
        EXPECT_EQ(form.Set_Upd_Pan->Left(), langId == 1025 ? 16 : 198) << langId;
        EXPECT_EQ(form.Upd_Btn_Pan->Left(), 265) << langId;
        EXPECT_EQ(form.Upd_Btn_Pan->Top(), 57) << langId;
        EXPECT_EQ(form.Upd_Auto_Check_Img->Left(), 13) << langId;
        EXPECT_EQ(form.Upd_BK_Lab->Width(), 396) << langId;
        EXPECT_EQ(form.Upd_Title_Lab->Caption(), u"Updating") << langId;
        EXPECT_EQ(form.Upd_Auto_Lab->Caption(), u"Updating Automatic") << langId;
        EXPECT_EQ(form.Upd_Btn_Lab->Caption(), u"Update") << langId;

        uit::Click(*form.Menu_SetIndex_BtnLab);
        uit::Click(*form.Menu_Set_UpdBtn_Lab);
        ASSERT_TRUE(form.Set_Upd_Pan->Visible()) << langId;
        form.SetBounds(form.Left(), form.Top(), 900, 700);
        EXPECT_GT(form.Sum_Pro_Pan->Width(), 396) << langId;
        EXPECT_EQ(form.Set_Upd_Pan->Width(), 396) << langId;
        EXPECT_EQ(form.Upd_Btn_Pan->Left(), 265) << langId;
        uit::Click(*form.Upd_Btn_Lab);
        uit::Click(*form.Upd_Auto_Check_Img);
        EXPECT_EQ(form.Upd_Auto_Check_Img->Picture().ResourceId(), 23019) << langId;
        EXPECT_EQ(ui_.ModalCount(), 0) << langId;
        Close();
    }
}

}  // namespace
