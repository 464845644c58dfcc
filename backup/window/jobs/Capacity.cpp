#include "backup/window/jobs/Capacity.h"

#include "backup/base/Language.h"
#include "backup/engine/DiskCapacity.h"
#include "backup/engine/FileServices.h"
#include "backup/window/frame/EasyCategoryRows.h"
#include "backup/window/frame/MainWin.h"
#include "backup/window/jobs/ProgressPanel.h"
#include "backup/window/jobs/WindowJob.h"
#include "backup/window/layout/EasyBackupPage.h"

#include <algorithm>

namespace {

// A figure below zero (the Other share when the categories exceed the used space) shows as zero.
std::int64_t Shown(std::int64_t bytes)
{
    return std::max<std::int64_t>(bytes, 0);
}

int ShownWidth(std::int64_t part, std::uint64_t whole, int width)
{
    return std::max(ProportionalWidth(Shown(part), whole, width), 0);
}

// The capacity scan on the progress panel: after every counted file the page's rows grow to the
// new figures.
class CapacityScan : public WindowJob {
public:
    explicit CapacityScan(TMainForm& form) : form_(form) { }

    void ShowPath(const std::u16string& path) override
    {
        WindowJob::ShowPath(path);
        RelayoutEasyBackupRows(form_);
    }

private:
    TMainForm& form_;
};

}  // namespace

void ShowLocalDiskCapacity(TMainForm& form)
{
    form.BE_TotalCap_IcoDes_Lab->SetCaption(LookupText(*form.LangTable, 20097));
    const std::uint64_t total = form.LocalDiskTotalBytes;
    const std::uint64_t used = total - form.LocalDiskFreeBytes;
    form.BE_TotalCap_Show_Lab->SetCaption(FormatByteSize(static_cast<LONGLONG>(used)) + u" / " +
                                          FormatByteSize(static_cast<LONGLONG>(total)));
    const int width = form.BE_TotalCap_Bar_BK_Light_Lab->Width();
    const auto& rows = EasyCategoryRows();
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        (form.*rows[k].Segment)->SetWidth(ShownWidth(form.CategoryBytes.Bytes[k], total, width));
    }
}

void ShowCategorySizes(TMainForm& form)
{
    const std::uint64_t used = form.LocalDiskTotalBytes - form.LocalDiskFreeBytes;
    const int width = form.BE_Cls_Bar_BK_Light_Doc_Lab->Width();
    const auto& rows = EasyCategoryRows();
    for (int k = 0; k < kEasyCategoryRowCount; ++k) {
        const std::int64_t bytes = form.CategoryBytes.Bytes[k];
        (form.*rows[k].Size)->SetCaption(FormatByteSize(Shown(bytes)));
        (form.*rows[k].Bar)->SetWidth(ShownWidth(bytes, used, width));
    }
}

void RenewEasyBackupCapacity(TMainForm& form)
{
    if (form.Idle != 1) {
        return;
    }
    form.Idle = 0;
    if (!GetLocalDiskCapacity(form.LocalDiskTotalBytes, form.LocalDiskUsedBytes, form.LocalDiskFreeBytes)) {
        form.ShowErrorBox(LookupText(*form.LangTable, 20113));
    } else {
        ResetProgressPanel(form);
        form.Work_Btn_Left_Pan->Show();
        CapacityScan scan(form);
        ScanCategorySizes(scan, form.CategoryBytes, form.LocalDiskTotalBytes, form.LocalDiskFreeBytes);
        ShowLocalDiskCapacity(form);
        RelayoutEasyBackupRows(form);
        form.Work_Btn_Left_Pan->Hide();
    }
    form.Idle = 1;
}
