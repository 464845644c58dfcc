// What the user does on the Easy Backup page: ticking categories, choosing the destination, the
// Renew button's capacity figures, the saved choices coming back, and the work buttons.

#include "backup/base/ErrorText.h"
#include "backup/base/SettingsPaths.h"
#include "backup/engine/FileServices.h"
#include "backup/window/device/Combodriveutil.h"
#include "backup/window/frame/MainWin.h"
#include "frame_fixture.h"
#include "tests/support/click_path.h"
#include "tests/support/file_tree.h"
#include "ui/testing.h"

namespace {

namespace uit = ui::testing;

using EasyPageHandlers = frametest::MainWindowMachine;

int SkinOf(const TImage* image)
{
    return image->Picture().ResourceId();
}

std::vector<std::u16string> Lines(const std::u16string& path)
{
    TStringList list;
    EXPECT_TRUE(list.LoadFromFile(path));
    std::vector<std::u16string> lines;
    for (int i = 0; i < list.Count(); ++i) {
        lines.push_back(list.Strings(i));
    }
    return lines;
}

void WriteLines(const std::u16string& path, std::initializer_list<std::u16string> lines)
{
    TStringList list;
    for (const auto& line : lines) {
        list.Add(line);
    }
    ASSERT_TRUE(list.SaveToFile(path));
}

void OpenEasyBackupPage()
{
    testsupport::ClickPath(*MainForm, "Menu_BacIndex_BtnImg/Menu_Bac_EasyBtn_Lab");
    ASSERT_EQ(MainForm->CurrentPage, 3);
}

TEST_F(EasyPageHandlers, TicksFlipTheirCategoryAndAreSaved)
{
    Open(1033);
    OpenEasyBackupPage();
    uit::Click(*MainForm->BE_Cls_Check_Aud_Img);
    EXPECT_EQ(MainForm->EasyBackupCategories[2], 0);
    EXPECT_EQ(SkinOf(MainForm->BE_Cls_Check_Aud_Img), 23017);
    EXPECT_EQ(Lines(BacTypeSetPath(false)), (std::vector<std::u16string>{u"1", u"1", u"0", u"1", u"1"}));
    uit::Click(*MainForm->BE_Cls_Check_Aud_Img);
    EXPECT_EQ(MainForm->EasyBackupCategories[2], 1);
    EXPECT_EQ(SkinOf(MainForm->BE_Cls_Check_Aud_Img), 23019);
}

TEST_F(EasyPageHandlers, OkWithoutCategoriesAsksForAFileType)
{
    Open(1033);
    OpenEasyBackupPage();
    for (TImage* check :
         {MainForm->BE_Cls_Check_Doc_Img, MainForm->BE_Cls_Check_Gra_Img, MainForm->BE_Cls_Check_Aud_Img,
          MainForm->BE_Cls_Check_Vid_Img, MainForm->BE_Cls_Check_Mai_Img}) {
        uit::Click(*check);
    }
    EXPECT_EQ(Lines(BacTypeSetPath(false)), (std::vector<std::u16string>(5, u"0")));
    std::u16string shown;
    ui_.AnswerNextModal([&](ui::TForm& form) {
        shown = dynamic_cast<TMsgForm&>(form).Msg_Lab->Caption();
        form.Close();
    });
    uit::Click(*MainForm->RB_Btn_Lab);
    EXPECT_EQ(shown, u"File type not selected.");
    EXPECT_EQ(MainForm->Idle, 1);
}

TEST_F(EasyPageHandlers, SavedCategoriesComeBackLineByLine)
{
    Open(1033);
    struct Case {
        const char* name;
        std::initializer_list<std::u16string> lines;
        PerEasyCategory<BYTE> expected;
    };
    const Case cases[] = {
        {"four lines change nothing", {u"0", u"0", u"0", u"0"}, {1, 1, 1, 1, 1}},
        {"a line that is no number keeps its category", {u"0", u"0", u"x", u"2", u"0"}, {0, 0, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        MainForm->EasyBackupCategories = {1, 1, 1, 1, 1};
        WriteLines(BacTypeSetPath(true), c.lines);
        LoadBacTypeSetting(*MainForm);
        EXPECT_EQ(MainForm->EasyBackupCategories, c.expected) << c.name;
    }
    EXPECT_EQ(SkinOf(MainForm->BE_Cls_Check_Doc_Img), 23017);
    EXPECT_EQ(SkinOf(MainForm->BE_Cls_Check_Vid_Img), 23019);
}

TEST_F(EasyPageHandlers, DestinationIsPickedFromTheDropDown)
{
    Open(1033);
    OpenEasyBackupPage();
    RECORD_DEVICECODE drives;
    drives.Count = 2;
    drives.Roots[0] = u"E:\\";
    drives.Roots[1] = u"F:\\";
    MainForm->Bac_Dest_Edit->SetText(u"");
    FillDestinationCombo(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit, drives);
    EXPECT_EQ(MainForm->Bac_Dest_Edit->Text(), u"E:\\");

    uit::Click(*MainForm->Bac_Dest_SelBtn_Img);
    ASSERT_TRUE(MainForm->Bac_Dest_CBox->DroppedDown());
    MainForm->Bac_Dest_CBox->PickItem(1);
    EXPECT_EQ(MainForm->Bac_Dest_Edit->Text(), u"F:\\");
    EXPECT_FALSE(MainForm->Bac_Dest_CBox->DroppedDown());

    // A refill keeps a choice that is still there; the removed drive's choice falls back to item 0.
    FillDestinationCombo(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit, drives);
    EXPECT_EQ(MainForm->Bac_Dest_Edit->Text(), u"F:\\");
    drives.Count = 1;
    FillDestinationCombo(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit, drives);
    EXPECT_EQ(MainForm->Bac_Dest_Edit->Text(), u"E:\\");
    drives.Count = 0;
    FillDestinationCombo(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit, drives);
    EXPECT_EQ(MainForm->Bac_Dest_Edit->Text(), u"");

    drives.Count = 2;
    WriteLines(BacDestPath(true), {u"F:\\"});
    FillDestinationCombo(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit, drives);
    LoadBacDestSetting(MainForm->Bac_Dest_CBox, MainForm->Bac_Dest_Edit);
    EXPECT_EQ(MainForm->Bac_Dest_Edit->Text(), u"F:\\");
}

TEST_F(EasyPageHandlers, OpenerAndRenewLightUpUnderThePointer)
{
    Open(1033);
    OpenEasyBackupPage();
    TMainForm& form = *MainForm;
    uit::MouseMove(*form.Bac_Dest_SelBtn_Img);
    EXPECT_EQ(SkinOf(form.Bac_Dest_SelBtn_Img), 23011);
    uit::MouseMove(*form.BE_Renew_Btn_Lab);
    EXPECT_EQ(SkinOf(form.BE_Renew_BK_Center_Img), 25019);
    uit::MouseMove(*form.BE_Cls_BK_Vid_Lab);
    EXPECT_EQ(SkinOf(form.Bac_Dest_SelBtn_Img), 23010);
    EXPECT_EQ(SkinOf(form.BE_Renew_BK_Center_Img), 25018);
    form.Bac_Dest_SelBtn_ImgMouseDown(nullptr, ui::TMouseButton::mbLeft, {}, 0, 0);
    EXPECT_EQ(SkinOf(form.Bac_Dest_SelBtn_Img), 23009);
    form.Idle = 0;
    form.BE_Renew_Btn_LabMouseDown(nullptr, ui::TMouseButton::mbLeft, {}, 0, 0);
    EXPECT_EQ(SkinOf(form.BE_Renew_BK_Center_Img), 25018);
    form.BE_Renew_Btn_LabClick(nullptr);
    EXPECT_EQ(form.LocalDiskTotalBytes, 0u);
    form.Idle = 1;
}

TEST_F(EasyPageHandlers, PcFoldersOfADriveBecomeSourceItems)
{
    Open(1033);
    std::filesystem::create_directories(Host("c/Harbex_Solo+/ALPHA"));
    std::filesystem::create_directories(Host("c/Harbex_Solo+/BETA"));
    testsupport::WriteText(Host("c/Harbex_Solo+/notes.txt"), "xxx");
    RECORD_DEVICECODE drives;
    drives.Count = 1;
    drives.Roots[0] = u"C:\\";
    TComboBox* combo = MainForm->Bac_Dest_CBox;
    TEdit* edit = MainForm->Bac_Dest_Edit;
    edit->SetText(u"");
    EXPECT_TRUE(FillPcFolderCombo(combo, edit, drives));
    ASSERT_EQ(combo->Items().Count(), 2);
    EXPECT_EQ(combo->Items().Strings(0), u"C:  ALPHA");
    EXPECT_EQ(combo->Items().Strings(1), u"C:  BETA");
    EXPECT_EQ(edit->Text(), u"C:  ALPHA");
}

TEST_F(EasyPageHandlers, CountdownAndRestoreChoiceComeBack)
{
    Open(1033);
    WriteLines(CountDownPath(true), {u"45"});
    LoadCountDownSetting(*MainForm);
    EXPECT_EQ(MainForm->AutoStartSeconds, 45);
    WriteLines(CountDownPath(true), {u"soon"});
    LoadCountDownSetting(*MainForm);
    EXPECT_EQ(MainForm->AutoStartSeconds, 45);

    SaveRestoreDestSetting(0, u"D:\\Restored");
    TEdit* destination = MainForm->Bac_Dest_Edit;
    destination->SetText(u"unchanged");
    LoadRestoreDestSetting(*MainForm, destination);
    EXPECT_EQ(MainForm->RestoreToOriginal, 0);
    EXPECT_EQ(destination->Text(), u"D:\\Restored");
    SaveRestoreDestSetting(1, u"");
    LoadRestoreDestSetting(*MainForm, destination);
    EXPECT_EQ(MainForm->RestoreToOriginal, 1);
    EXPECT_EQ(destination->Text(), u"D:\\Restored");
}

TEST_F(EasyPageHandlers, RenewShowsCapacityAndCategorySizes)
{
    testsupport::WriteTree(Host("c/Users/Alice"), {{"Documents/a.doc", std::string(1000, 'x')},
                                                   {"Documents/b.txt", std::string(500, 'x')},
                                                   {"Pictures/p.jpg", std::string(2048, 'x')}});
    Open(1033);
    OpenEasyBackupPage();
    EXPECT_EQ(MainForm->BE_TotalCap_Show_Lab->Caption(), u"0.0 Bytes / 0.0 Bytes");

    uit::Click(*MainForm->BE_Renew_Btn_Lab);
    EXPECT_EQ(MainForm->Idle, 1);
    EXPECT_EQ(MainForm->Renewing, 0);
    EXPECT_EQ(SkinOf(MainForm->Bac_HourGlass_Easy_Img), 23076);
    EXPECT_FALSE(MainForm->Work_Btn_Left_Pan->Visible());
    ASSERT_GT(MainForm->LocalDiskTotalBytes, 0u);
    EXPECT_EQ(MainForm->CategoryBytes.Bytes[0], 1500);
    EXPECT_EQ(MainForm->CategoryBytes.Bytes[1], 2048);
    EXPECT_EQ(MainForm->BE_Cap_Show_Doc_Lab->Caption(), FormatByteSize(1500));
    EXPECT_EQ(MainForm->BE_Cap_Show_Gra_Lab->Caption(), FormatByteSize(2048));
    const std::uint64_t used = MainForm->LocalDiskTotalBytes - MainForm->LocalDiskFreeBytes;
    EXPECT_EQ(MainForm->BE_TotalCap_Show_Lab->Caption(),
              FormatByteSize(static_cast<LONGLONG>(used)) + u" / " +
                  FormatByteSize(static_cast<LONGLONG>(MainForm->LocalDiskTotalBytes)));
    // Segments abut from the track's left end and never pass its right end.
    const TLabel* track = MainForm->BE_TotalCap_Bar_BK_Light_Lab;
    EXPECT_EQ(MainForm->BE_TotalCap_Doc_Img->Left(), track->Left());
    EXPECT_EQ(MainForm->BE_TotalCap_Gra_Img->Left(),
              MainForm->BE_TotalCap_Doc_Img->Left() + MainForm->BE_TotalCap_Doc_Img->Width());
    const TImage* last = MainForm->BE_TotalCap_Oth_Img;
    EXPECT_LE(last->Left() + last->Width(), track->Left() + track->Width());
}

TEST_F(EasyPageHandlers, NegativeOtherShowsAsZero)
{
    Open(1033);
    OpenEasyBackupPage();
    MainForm->LocalDiskTotalBytes = 1000;
    MainForm->LocalDiskFreeBytes = 900;
    MainForm->CategoryBytes.Bytes[0] = 100;
    MainForm->CategoryBytes.Bytes[5] = -50;
    MainForm->FormResize(nullptr);
    EXPECT_EQ(MainForm->BE_Cap_Show_Oth_Lab->Caption(), FormatByteSize(0));
    EXPECT_EQ(MainForm->BE_Cap_Bar_Oth_Img->Width(), 0);
    EXPECT_EQ(MainForm->BE_TotalCap_Oth_Img->Width(), 0);
    EXPECT_EQ(MainForm->BE_Cap_Bar_Doc_Img->Width(), MainForm->BE_Cls_Bar_BK_Light_Doc_Lab->Width());
}

TEST_F(EasyPageHandlers, CancelQuestionFollowsPageAndRenew)
{
    Open(1033);
    struct Case {
        int page;
        BYTE renewing;
        bool answerYes;
        const char16_t* question;  // nullptr: no question
    };
    const Case cases[] = {
        {3, 0, true, u"Do you want to cancel back up?"},
        {9, 0, false, u"Do you want to cancel back up?"},
        {5, 0, true, u"Do you want to cancel restoration?"},
        {3, 1, true, u"Do you want to cancel update?"},
        {7, 0, true, nullptr},
    };
    for (const Case& c : cases) {
        MainForm->CurrentPage = c.page;
        MainForm->Renewing = c.renewing;
        MainForm->CancelRequested = 0;
        std::u16string asked;
        const int before = ui_.ModalCount();
        if (c.question != nullptr) {
            ui_.AnswerNextModal([&](ui::TForm& form) {
                auto& box = dynamic_cast<TMsgForm&>(form);
                asked = box.Msg_Lab->Caption();
                EXPECT_EQ(MainForm->CancelAsking, 1);
                if (c.answerYes) {
                    box.LB_Btn_LabClick(nullptr);
                } else {
                    box.RB_Btn_LabClick(nullptr);
                }
            });
        }
        MainForm->LB_Btn_LabClick(nullptr);
        EXPECT_EQ(MainForm->CancelAsking, 0) << c.page;
        if (c.question == nullptr) {
            EXPECT_EQ(ui_.ModalCount(), before) << c.page;
            continue;
        }
        EXPECT_EQ(asked, c.question) << c.page;
        EXPECT_EQ(MainForm->CancelRequested, c.answerYes ? 1 : 0) << c.page;
    }
    MainForm->Renewing = 0;
}

TEST_F(EasyPageHandlers, FailedRowExplainsItsError)
{
    Open(1033);
    struct Case {
        const char16_t* code;
        std::u16string notice;  // empty: no notice
    };
    const Case cases[] = {
        {u"3", u"Invalid file path as it either contains invalid characters or it exceeded the maximum character "
               u"limit."},
        {u"5", WindowsErrorText(5)},
        {u"223", u"The file size exceeds the limit allowed and cannot be saved.\r\n"},
        {u"1921", u"The name of the file cannot be resolved by the system.\r\n"},
        {u"1142", u"An attempt was made to create more links on a file than the file system supports.\r\n"},
        {u"none", u""},
    };
    for (const Case& c : cases) {
        MainForm->Progress_List->Items().Clear();
        ui::TListItem* row = MainForm->Progress_List->Items().Add();
        row->SetCaption(u"C:\\a.doc");
        row->SubItems().Add(u"1.0 KB");
        row->SubItems().Add(c.code);
        MainForm->Progress_List->SetSelected(row);
        std::u16string shown;
        const int before = ui_.ModalCount();
        if (!c.notice.empty()) {
            ui_.AnswerNextModal([&](ui::TForm& form) {
                auto& box = dynamic_cast<TMsgForm&>(form);
                shown = box.Msg_Lab->Caption();
                box.Close();
            });
        }
        MainForm->Progress_ListDblClick(nullptr);
        EXPECT_EQ(shown, c.notice) << std::string(c.code, c.code + std::char_traits<char16_t>::length(c.code));
        EXPECT_EQ(ui_.ModalCount(), before + (c.notice.empty() ? 0 : 1));
    }
}

TEST_F(EasyPageHandlers, RightWorkButtonSkinsOnlyWhileIdle)
{
    Open(1033);
    OpenEasyBackupPage();
    TMainForm& form = *MainForm;
    form.Idle = 0;
    form.RB_Btn_LabMouseDown(nullptr, ui::TMouseButton::mbLeft, {}, 0, 0);
    EXPECT_EQ(SkinOf(form.RB_BK_Center_Img), 24007);
    form.LB_Btn_LabMouseDown(nullptr, ui::TMouseButton::mbLeft, {}, 0, 0);
    EXPECT_EQ(SkinOf(form.LB_BK_Center_Img), 24006);
    form.Idle = 1;
    form.RB_Btn_LabMouseDown(nullptr, ui::TMouseButton::mbLeft, {}, 0, 0);
    EXPECT_EQ(SkinOf(form.RB_BK_Center_Img), 24006);
    form.RB_Btn_LabMouseLeave(nullptr);
    EXPECT_EQ(SkinOf(form.RB_BK_Center_Img), 24007);
}

}  // namespace
