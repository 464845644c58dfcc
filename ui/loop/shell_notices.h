#pragma once
// The loop's delivery of shell change notices to the windows that registered for them.

namespace ui::loop {

// Sends each pending notice to its window as the shell does: wParam points at the two item lists
// (old and new path; null when absent), lParam is the event. Sent, not posted: the lists live on
// this stack frame.
void DeliverShellNotices();

}  // namespace ui::loop
