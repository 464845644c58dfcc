#include "ui/loop/shell_notices.h"

#include "platform/shell_notify.h"
#include "ui/windows.h"

#include <array>

namespace ui::loop {

namespace {

LPCITEMIDLIST ItemListOf(const std::u16string& path)
{
    return path.empty() ? nullptr : reinterpret_cast<LPCITEMIDLIST>(path.c_str());
}

}  // namespace

void DeliverShellNotices()
{
    for (const platform::ShellNotice& notice : platform::TakeShellNotices()) {
        const std::array<LPCITEMIDLIST, 2> lists = {ItemListOf(notice.path1), ItemListOf(notice.path2)};
        SendMessageW(notice.window, notice.msg, reinterpret_cast<WPARAM>(lists.data()), notice.event);
    }
}

}  // namespace ui::loop
