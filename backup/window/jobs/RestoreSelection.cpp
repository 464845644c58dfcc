#include "backup/window/jobs/RestoreSelection.h"

#include "backup/base/BackupDriveLayout.h"
#include "backup/base/Language.h"
#include "backup/base/PathUtil.h"
#include "backup/base/SpecialFolders.h"
#include "backup/drive/Driveviewutil.h"
#include "backup/engine/Categories.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/FileServices.h"
#include "backup/engine/RestoreInfo.h"
#include "backup/engine/RunPaths.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ContentTrees.h"
#include "backup/window/jobs/DeleteTrees.h"
#include "backup/window/jobs/JobControl.h"
#include "backup/window/jobs/WindowJob.h"
#include "platform/files.h"
#include "platform/shell_namespace.h"

namespace {

struct InfoRow {
    TLabel* TMainForm::*Size;
    TLabel* TMainForm::*Time;
};

constexpr InfoRow kInfoRows[] = {
    {&TMainForm::RE_Info_Size_Doc_Lab, &TMainForm::RE_Info_Time_Doc_Lab},
    {&TMainForm::RE_Info_Size_Gra_Lab, &TMainForm::RE_Info_Time_Gra_Lab},
    {&TMainForm::RE_Info_Size_Aud_Lab, &TMainForm::RE_Info_Time_Aud_Lab},
    {&TMainForm::RE_Info_Size_Vid_Lab, &TMainForm::RE_Info_Time_Vid_Lab},
    {&TMainForm::RE_Info_Size_Mai_Lab, &TMainForm::RE_Info_Time_Mai_Lab},
};

void EmptyRow(TMainForm& form, TLabel* TMainForm::*size, TLabel* TMainForm::*time)
{
    (form.*size)->SetCaption(u"");
    (form.*time)->SetCaption(u"");
}

std::u16string ManualFolderOf(const ui::TEdit& pcEdit)
{
    const std::u16string pcFolder = PcBackupFolderFromEdit(pcEdit.Text());
    return pcFolder.empty() ? std::u16string() : pcFolder + u"\\" + CategoryFolderName(0);
}

constexpr int kEasyDeleteKind = 1;
constexpr int kFirstCategoryText = 20055;
constexpr int kManualBackupText = 20026;

// Fills the top node with the runs of the category folder when the PC has one.
void AddDeleteTopNode(TMainForm& form, ui::TTreeView& tree, const ui::TEdit& pcEdit, int category, int text, int icon)
{
    ui::TTreeNode* node = AddContentNode(nullptr, &tree, LookupText(*form.LangTable, text), icon);
    node->SetData(reinterpret_cast<void*>(static_cast<std::intptr_t>(category)));
    const std::u16string folder = CategoryBackupFolderFromEdit(pcEdit, category);
    if (!folder.empty()) {
        FillRunFolders(&tree, node, folder, u"");
    }
}

}  // namespace

void ShowEasyRestoreInfo(TMainForm& form)
{
    const std::u16string text = form.Res_PC_Show_Edit->Text();
    if (text.empty()) {
        return;
    }
    const std::u16string productFolder = ProductFolderOn(text.substr(0, 2), false, false);
    if (!DirExists(productFolder)) {
        return;
    }
    const std::u16string pcFolder = productFolder + u"\\" + (text.size() > 4 ? text.substr(4) : std::u16string());
    form.RestoreInfoSizes = CATEGORY_SIZES{};
    const std::u16string stamp = form.RE_Time_Sel_Show_Lab->Hint();
    for (int category = CATEGORY_DOCUMENT; category <= CATEGORY_MAIL; ++category) {
        const InfoRow& row = kInfoRows[category - 1];
        LONGLONG size = 0;
        ShowEasyRestoreCategoryInfo(*(form.*row.Size), *(form.*row.Time), pcFolder, stamp, category, size);
        form.RestoreInfoSizes.Bytes[category - 1] = size;
        if (form.CancelRequested != 0) {
            for (int done = 0; done < category; ++done) {
                EmptyRow(form, kInfoRows[done].Size, kInfoRows[done].Time);
            }
            return;
        }
    }
    EmptyRow(form, &TMainForm::RE_Info_Size_Oth_Lab, &TMainForm::RE_Info_Time_Oth_Lab);
}

void ShowLatestManualBackupTime(TMainForm&, ui::TLabel& timeLabel, const ui::TEdit& pcEdit)
{
    const std::u16string manualFolder = ManualFolderOf(pcEdit);
    if (!manualFolder.empty()) {
        ShowLatestRunFolder(timeLabel, manualFolder);
    }
}

void ShowLatestRunFolder(ui::TLabel& timeLabel, const std::u16string& folder)
{
    std::u16string latest;
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((folder + u"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::u16string name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name > latest &&
            IsFinishedRunFolder(folder + u"\\" + name)) {
            latest = name;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    if (!latest.empty()) {
        timeLabel.SetHint(latest);
        timeLabel.SetCaption(FormatRunFolderDate(latest));
    }
}

void BuildManualRestoreTree(TMainForm& form, ui::TTreeView& tree, const ui::TEdit& pcEdit, const ui::TLabel& timeLabel)
{
    form.RestoreTreeFillStop = 1;
    PumpPendingMessages();
    tree.Items().Clear();
    const std::u16string manualFolder = ManualFolderOf(pcEdit);
    const std::u16string stamp = timeLabel.Hint();
    if (manualFolder.empty() || stamp.empty()) {
        return;
    }
    form.RestoreTreeFillStop = 0;
    FillRunFolders(&tree, nullptr, manualFolder, stamp);
}

void BuildDeleteTree(TMainForm& form, ui::TTreeView& tree, const ui::TEdit& pcEdit, int kind)
{
    tree.Items().Clear();
    (kind == kEasyDeleteKind ? form.EasyDeleteTreeFillStop : form.ManualDeleteTreeFillStop) = 0;
    const int icon = platform::SystemIconOfPath(ProgramFilesFolder(), false);
    if (kind == kEasyDeleteKind) {
        for (int category = CATEGORY_DOCUMENT; category <= CATEGORY_MAIL; ++category) {
            AddDeleteTopNode(form, tree, pcEdit, category, kFirstCategoryText + category, icon);
        }
    } else {
        AddDeleteTopNode(form, tree, pcEdit, 0, kManualBackupText, icon);
    }
}

void SetDeleteTreeCaptions(TMainForm& form, ui::TTreeView& tree, int kind)
{
    const int count = kind == kEasyDeleteKind ? 5 : 1;
    for (int i = 0; i < count && i < tree.Items().TopCount(); ++i) {
        const int text = kind == kEasyDeleteKind ? kFirstCategoryText + 1 + i : kManualBackupText;
        tree.Items().Top(i)->SetText(LookupText(*form.LangTable, text));
    }
}

void ShowLatestEasyBackupTime(ui::TLabel& timeLabel, const std::u16string& pcFolder)
{
    if (pcFolder.empty()) {
        return;
    }
    const std::u16string path = WithTrailingBackslash(pcFolder) + EasyFolderName() + u"\\" + BacTimeRecFileName();
    lists::TStringList history;
    if (!PathExists(path) || !history.LoadFromFile(path) || history.Count() == 0) {
        return;
    }
    double value = 0;
    SYSTEMTIME time;
    std::u16string stamp;
    if (ParseDateTimeNumber(history.Strings(history.Count() - 1), &value) && DateTimeToSystemTime(value, &time)) {
        stamp = FormatTimestampName(time);
    }
    timeLabel.SetCaption(FormatRunFolderDate(stamp));
    timeLabel.SetHint(stamp);
}

void ShowEasyRestoreCategoryInfo(ui::TLabel& sizeLabel, ui::TLabel& dateLabel, const std::u16string& pcFolder,
                                 const std::u16string& stamp, int category, LONGLONG& size)
{
    const std::u16string easyFolder = WithTrailingBackslash(pcFolder) + EasyFolderName();
    if (!DirExists(easyFolder)) {
        sizeLabel.SetCaption(u"");
        dateLabel.SetCaption(u"");
        return;
    }
    const std::u16string categoryFolder = easyFolder + u"\\" + CategoryFolderName(category);
    size = 0;
    AddRunFolderSize(WindowJob::OfWindow(), size, categoryFolder, stamp);
    AddRunReferenceSizes(WindowJob::OfWindow(), size, categoryFolder, stamp);
    sizeLabel.SetCaption(FormatByteSize(size));
    dateLabel.SetCaption(FormatRunFolderDate(stamp));
}
