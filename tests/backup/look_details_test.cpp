// What a language change must leave as it was: the Easy Backup sizes found by a Renew, and after
// leaving the mirrored language, every place of a window that started left to right.

#include "startup_fixture.h"
#include "tests/support/file_tree.h"

#include <map>
#include <sstream>

namespace {

namespace uit = ui::testing;

class LookDetails : public startuptest::StartupMachine { };

TEST_F(LookDetails, EasyBackupSizesOutliveALanguageChange)
{
    Open(1033);
    std::filesystem::create_directories(Host("c/Users/Alice/Pictures"));
    testsupport::WriteText(Host("c/Users/Alice/Documents/Notes.doc"), std::string(3000, 'x'));
    TMainForm& f = form();
    uit::Click(*f.Menu_BacIndex_BtnLab);
    uit::Click(*f.Menu_Bac_EasyBtn_Lab);
    uit::Click(*f.BE_Renew_Btn_Lab);
    const std::u16string documents = f.BE_Cap_Show_Doc_Lab->Caption();
    const std::u16string disk = f.BE_TotalCap_Show_Lab->Caption();
    ASSERT_NE(documents, u"0.0 Bytes");
    uit::Click(*f.Menu_SetIndex_BtnLab);
    uit::Click(*f.Menu_Set_GenBtn_Lab);
    for (int item : {1, 0}) {
        f.Lang_Sel_CBox->PickItem(item);
        EXPECT_EQ(f.BE_Cap_Show_Doc_Lab->Caption(), documents) << item;
        EXPECT_EQ(f.BE_TotalCap_Show_Lab->Caption(), disk) << item;
    }
}

// Where each control of the main window sits and what it shows, by name.
using Look = std::map<std::string, std::string>;

Look LookOf(TMainForm& f)
{
    Look look;
    for (int i = 0; i < f.ComponentCount(); ++i) {
        const auto* control = dynamic_cast<const ui::TControl*>(f.Components(i));
        if (control == nullptr || control->Name().empty()) {
            continue;
        }
        std::ostringstream place;
        place << control->Left() << "," << control->Top() << " " << control->Width() << "x" << control->Height()
              << (control->Visible() ? "" : " hidden") << " cursor " << static_cast<int>(control->Cursor());
        place << " reading " << static_cast<int>(control->BiDiMode());
        if (const auto* image = dynamic_cast<const ui::TImage*>(control)) {
            place << " skin " << image->Picture().ResourceId();
        }
        if (const auto* label = dynamic_cast<const ui::TLabel*>(control)) {
            place << " align " << static_cast<int>(label->Alignment());
        }
        look[control->Name()] = place.str();
    }
    return look;
}

// The window's look on every page and settings tab, opened through the menu.
std::vector<Look> LooksOfAllPages(TMainForm& f)
{
    const std::pair<TControl*, TControl*> pages[] = {
        {f.Menu_SumIndex_BtnLab, f.Menu_Sum_ProBtn_Lab},  {f.Menu_SumIndex_BtnLab, f.Menu_Sum_DevBtn_Lab},
        {f.Menu_BacIndex_BtnLab, f.Menu_Bac_EasyBtn_Lab}, {f.Menu_BacIndex_BtnLab, f.Menu_Bac_ManualBtn_Lab},
        {f.Menu_ResIndex_BtnLab, f.Menu_Res_EasyBtn_Lab}, {f.Menu_ResIndex_BtnLab, f.Menu_Res_ManualBtn_Lab},
        {f.Menu_DelIndex_BtnLab, f.Menu_Del_EasyBtn_Lab}, {f.Menu_DelIndex_BtnLab, f.Menu_Del_ManualBtn_Lab},
        {f.Menu_AppIndex_BtnLab, f.Menu_App_FavBtn_Lab},  {f.Menu_SetIndex_BtnLab, f.Menu_Set_GenBtn_Lab},
        {f.Menu_SetIndex_BtnLab, f.Menu_Set_BacBtn_Lab},  {f.SBT_Hotkey_Lab, f.SBT_Time_Lab},
        {f.Menu_SetIndex_BtnLab, f.Menu_Set_UpdBtn_Lab},
    };
    std::vector<Look> looks{LookOf(f)};
    for (const auto& [group, page] : pages) {
        uit::Click(*group);
        uit::Click(*page);
        looks.push_back(LookOf(f));
    }
    return looks;
}

void ExpectSameLooks(const std::vector<Look>& got, const std::vector<Look>& want, std::string_view how)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t page = 0; page < got.size(); ++page) {
        for (const auto& [name, place] : want[page]) {
            const auto found = got[page].find(name);
            ASSERT_NE(found, got[page].end()) << name;
            EXPECT_EQ(found->second, place) << how << ", step " << page << ": " << name;
        }
    }
}

// A window started in the mirrored language (or another) and switched to English looks, page by
// page, as one started in English; and one switched from English as one started in that language.
TEST_F(LookDetails, LeavingTheMirroredLanguageRestoresEveryPlace)
{
    const auto switched = [this](int from, int toItem) {
        Open(from);
        TMainForm& f = form();
        uit::Click(*f.Menu_SetIndex_BtnLab);
        uit::Click(*f.Menu_Set_GenBtn_Lab);
        f.Lang_Sel_CBox->PickItem(toItem);
        std::vector<Look> looks = LooksOfAllPages(f);
        Close();
        return looks;
    };
    const auto started = [this](int langId) {
        Open(langId);
        TMainForm& f = form();
        uit::Click(*f.Menu_SetIndex_BtnLab);
        uit::Click(*f.Menu_Set_GenBtn_Lab);
        std::vector<Look> looks = LooksOfAllPages(f);
        Close();
        return looks;
    };
    const std::vector<Look> english = started(1033);
    ExpectSameLooks(switched(1025, 0), english, "1025 to 1033");
    ExpectSameLooks(switched(1041, 0), english, "1041 to 1033");
    ExpectSameLooks(switched(1033, 3), started(1041), "1033 to 1041");
}

}  // namespace
