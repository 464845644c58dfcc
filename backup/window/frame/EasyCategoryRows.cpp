#include "backup/window/frame/EasyCategoryRows.h"

namespace {

using F = TMainForm;

const std::array<EasyCategoryRow, kEasyCategoryRowCount> kRows = {{
    {"Doc", &F::BE_Cls_BK_Doc_Lab, &F::BE_Cls_Check_Doc_Img, &F::BE_Cls_Ico_Doc_Img, &F::BE_Cls_IcoDes_Doc_Lab,
     &F::BE_Cap_Show_Doc_Lab, &F::BE_Cls_Bar_BK_Deep_Doc_Lab, &F::BE_Cls_Bar_BK_Light_Doc_Lab, &F::BE_Cap_Bar_Doc_Img,
     &F::BE_TotalCap_Doc_Img, u"Documents", 20056, 25002, 25009},
    {"Gra", &F::BE_Cls_BK_Gra_Lab, &F::BE_Cls_Check_Gra_Img, &F::BE_Cls_Ico_Gra_Img, &F::BE_Cls_IcoDes_Gra_Lab,
     &F::BE_Cap_Show_Gra_Lab, &F::BE_Cls_Bar_BK_Deep_Gra_Lab, &F::BE_Cls_Bar_BK_Light_Gra_Lab, &F::BE_Cap_Bar_Gra_Img,
     &F::BE_TotalCap_Gra_Img, u"Graphics", 20057, 25003, 25010},
    {"Aud", &F::BE_Cls_BK_Aud_Lab, &F::BE_Cls_Check_Aud_Img, &F::BE_Cls_Ico_Aud_Img, &F::BE_Cls_IcoDes_Aud_Lab,
     &F::BE_Cap_Show_Aud_Lab, &F::BE_Cls_Bar_BK_Deep_Aud_Lab, &F::BE_Cls_Bar_BK_Light_Aud_Lab, &F::BE_Cap_Bar_Aud_Img,
     &F::BE_TotalCap_Aud_Img, u"Audio", 20058, 25001, 25008},
    {"Vid", &F::BE_Cls_BK_Vid_Lab, &F::BE_Cls_Check_Vid_Img, &F::BE_Cls_Ico_Vid_Img, &F::BE_Cls_IcoDes_Vid_Lab,
     &F::BE_Cap_Show_Vid_Lab, &F::BE_Cls_Bar_BK_Deep_Vid_Lab, &F::BE_Cls_Bar_BK_Light_Vid_Lab, &F::BE_Cap_Bar_Vid_Img,
     &F::BE_TotalCap_Vid_Img, u"Videos", 20059, 25005, 25012},
    {"Mai", &F::BE_Cls_BK_Mai_Lab, &F::BE_Cls_Check_Mai_Img, &F::BE_Cls_Ico_Mai_Img, &F::BE_Cls_IcoDes_Mai_Lab,
     &F::BE_Cap_Show_Mai_Lab, &F::BE_Cls_Bar_BK_Deep_Mai_Lab, &F::BE_Cls_Bar_BK_Light_Mai_Lab, &F::BE_Cap_Bar_Mai_Img,
     &F::BE_TotalCap_Mai_Img, u"Mails", 20060, 25004, 25011},
    {"Oth", &F::BE_Cls_BK_Oth_Lab, &F::BE_Cls_Check_Oth_Img, &F::BE_Cls_Ico_Oth_Img, &F::BE_Cls_IcoDes_Oth_Lab,
     &F::BE_Cap_Show_Oth_Lab, &F::BE_Cls_Bar_BK_Deep_Oth_Lab, &F::BE_Cls_Bar_BK_Light_Oth_Lab, &F::BE_Cap_Bar_Oth_Img,
     &F::BE_TotalCap_Oth_Img, u"Others", 20061, 25006, 25013},
}};

}  // namespace

const std::array<EasyCategoryRow, kEasyCategoryRowCount>& EasyCategoryRows()
{
    return kRows;
}
