#pragma once
// The pictures of the folder trees: the system small icons (by the shell's index) and the check
// boxes (state images 1 unchecked, 3 checked).

namespace ui {
class TImageList;
}

// The list shows the system small icons by index, as the shell's shared list does.
void AttachSystemImageList(ui::TImageList& list);
void FillCheckImageList(ui::TImageList& list);
