// What a language change must leave as it was: the Easy Backup sizes found by a Renew.

#include "startup_fixture.h"

#include <fstream>

namespace {

namespace uit = ui::testing;

class LookDetails : public startuptest::StartupMachine { };

TEST_F(LookDetails, EasyBackupSizesOutliveALanguageChange)
{
    Open(1033);
    std::filesystem::create_directories(Host("c/Users/Alice/Pictures"));
    std::ofstream(Host("c/Users/Alice/Documents/Notes.doc")) << std::string(3000, 'x');
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

}  // namespace
