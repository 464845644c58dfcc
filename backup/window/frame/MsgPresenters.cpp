#include "backup/base/Language.h"
#include "backup/skin/ResourceLoaders.h"
#include "backup/window/device/SchMsgWin.h"
#include "backup/window/device/ScheduleText.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/MsgWin.h"

namespace {

constexpr int kIconNotice = 24023;
constexpr int kIconError = 24022;
constexpr int kTextYes = 20002;
constexpr int kTextNo = 20003;
constexpr int kTextOk = 20004;
constexpr int kTextCancel = 20005;

void ShowMessageBox(const TMainForm& form, const std::u16string& text, int icon)
{
    auto* box = new TMsgForm(ui::Application);
    box->AfterConstruction();
    LoadPngResource(box->Msg_Ico_Img, icon);
    box->Msg_Lab->SetCaption(text);
    box->CB_Btn_Lab->SetCaption(LookupText(*form.LangTable, kTextOk));
    box->Msg_Ico_Img->Show();
    box->Btn_Center_Pan->Show();
    box->Btn_Left_Pan->Hide();
    box->Btn_Right_Pan->Hide();
    box->SetFormStyle(ui::TFormStyle::fsStayOnTop);
    box->ShowModal();
    box->Close();
    box->Free();
}

void PrepareQuestion(const TMainForm& form, TMsgForm* box, const std::u16string& text)
{
    LoadPngResource(box->Msg_Ico_Img, kIconNotice);
    box->Msg_Lab->SetCaption(text);
    box->LB_Btn_Lab->SetCaption(LookupText(*form.LangTable, kTextYes));
    box->RB_Btn_Lab->SetCaption(LookupText(*form.LangTable, kTextNo));
    box->Msg_Ico_Img->Show();
    box->Btn_Center_Pan->Hide();
    box->Btn_Left_Pan->Show();
    box->Btn_Right_Pan->Show();
    box->SetFormStyle(ui::TFormStyle::fsStayOnTop);
}

}  // namespace

void TMainForm::ShowNoticeBox(const std::u16string& text)
{
    ShowMessageBox(*this, text, kIconNotice);
}

void TMainForm::ShowErrorBox(const std::u16string& text)
{
    ShowMessageBox(*this, text, kIconError);
}

BYTE TMainForm::AskQuestion(const std::u16string& text)
{
    auto* box = new TMsgForm(ui::Application);
    box->AfterConstruction();
    PrepareQuestion(*this, box, text);
    box->ShowModal();
    const BYTE answer = box->MsgResult;
    box->Close();
    box->Free();
    return answer;
}

BYTE TMainForm::AskQuestionOnOwnedBox(const std::u16string& text)
{
    MsgBoxShowing = 1;
    OwnedMsgForm->MsgResult = 0;
    PrepareQuestion(*this, OwnedMsgForm, text);
    OwnedMsgForm->ResetButtonLooks();
    OwnedMsgForm->ShowModal();
    const BYTE answer = OwnedMsgForm->MsgResult;
    MsgBoxShowing = 0;
    return answer;
}

BYTE TMainForm::AskScheduledBackup(const std::u16string& entry)
{
    Idle = 0;
    auto* notice = new TSchMsgForm(ui::Application);
    notice->AfterConstruction();
    notice->LB_Btn_Lab->SetCaption(LookupText(*LangTable, kTextOk));
    notice->RB_Btn_Lab->SetCaption(LookupText(*LangTable, kTextCancel));
    notice->Sch_Title_Lab->SetCaption(LookupText(*LangTable, 20078));
    notice->Sch_Time_Lab->SetCaption(FormatScheduleDay(*this, entry) + u"     " + FormatScheduleTime(*this, entry));
    notice->Sch_BacType_Lab->SetCaption(
        FormatEntryFunction(*this, entry.empty() ? entry : entry.substr(entry.size() - 1)));
    notice->ShowModal();
    const BYTE accepted = notice->Accepted;
    Idle = 1;
    notice->Free();
    return accepted;
}
