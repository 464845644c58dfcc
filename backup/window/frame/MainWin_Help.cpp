// The Help and About buttons of the title area. Neither waits for Idle: the help viewer is a
// program of its own, and a running job waits under the modal About window.

#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/window/frame/About_Win.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/frame/PageBindings.h"
#include "platform/shell.h"
#include "ui/windows.h"

namespace {

std::u16string HelpFilePath(const std::u16string& languageCode)
{
    return InstallFolder(false) + u"\\Help Files\\BackupHelp_" + languageCode + u".chm";
}

}  // namespace

void TMainForm::Main_Btn_Help_ImgClick(TObject*)
{
    std::u16string path = HelpFilePath(LanguageCode3(LangId));
    if (!PathExists(path)) {
        path = HelpFilePath(u"ENG");
    }
    ShellExecuteW(nullptr, u"open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

void TMainForm::Main_Btn_About_ImgClick(TObject*)
{
    auto* about = ui::CreateForm<TAboutForm>(ui::Application);
    about->ShowModal();
    about->Free();
}

void BindTitleButtonHandlers(TMainForm& form)
{
    TMainForm* f = &form;
    for (TControl* help : std::initializer_list<TControl*>{form.Main_Btn_Help_Img, form.Main_Btn_Help_Hint_Lab}) {
        help->OnClick = [f](TObject* s) { f->Main_Btn_Help_ImgClick(s); };
    }
    for (TControl* about : std::initializer_list<TControl*>{form.Main_Btn_About_Img, form.Main_Btn_About_Hint_Lab}) {
        about->OnClick = [f](TObject* s) { f->Main_Btn_About_ImgClick(s); };
    }
}
