#include "backup/window/jobs/SystemIcons.h"

#include "platform/shell_namespace.h"
#include "ui/controls/image_list.h"

#include <map>

namespace {

using ui::gfx::Bitmap;
using ui::gfx::MakePixel;
using ui::gfx::Pixel;

constexpr int kIconSize = 16;
constexpr int kCheckClear = 23017;
constexpr int kCheckTicked = 23019;

constexpr Pixel Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return MakePixel(255, r, g, b);
}

void FillRect(Bitmap& bitmap, int left, int top, int right, int bottom, Pixel colour)
{
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            bitmap.Set(x, y, colour);
        }
    }
}

// A filled rectangle with a one-pixel outline.
void Box(Bitmap& bitmap, int left, int top, int right, int bottom, Pixel fill, Pixel outline)
{
    FillRect(bitmap, left, top, right, bottom, outline);
    FillRect(bitmap, left + 1, top + 1, right - 1, bottom - 1, fill);
}

Bitmap DrawIcon(int index)
{
    Bitmap icon(kIconSize, kIconSize);
    const Pixel dark = Rgb(0x60, 0x60, 0x60);
    switch (index) {
    case platform::SYSICON_FOLDER:
    case platform::SYSICON_FOLDER_OPEN: {
        const Pixel body = index == platform::SYSICON_FOLDER ? Rgb(0xF0, 0xC8, 0x50) : Rgb(0xF8, 0xDC, 0x80);
        Box(icon, 1, 2, 7, 5, body, Rgb(0xB0, 0x88, 0x20));
        Box(icon, 1, 4, 15, 14, body, Rgb(0xB0, 0x88, 0x20));
        break;
    }
    case platform::SYSICON_DRIVE_FIXED:
    case platform::SYSICON_DRIVE_REMOVABLE:
    case platform::SYSICON_DRIVE_CDROM:
        Box(icon, 1, 5, 15, 12, Rgb(0xC8, 0xC8, 0xC8), dark);
        FillRect(icon, 11, 8, 13, 10,
                 index == platform::SYSICON_DRIVE_FIXED ? Rgb(0x20, 0xB0, 0x20) : Rgb(0x20, 0x60, 0xD0));
        break;
    case platform::SYSICON_COMPUTER:
        Box(icon, 1, 1, 15, 11, Rgb(0x40, 0x80, 0xD0), dark);
        FillRect(icon, 6, 11, 10, 13, dark);
        FillRect(icon, 3, 13, 13, 15, dark);
        break;
    case platform::SYSICON_DESKTOP:
        Box(icon, 1, 2, 15, 14, Rgb(0x30, 0x90, 0xC0), dark);
        FillRect(icon, 3, 4, 6, 7, Rgb(0xF0, 0xC8, 0x50));
        break;
    default:
        Box(icon, 3, 1, 13, 15, Rgb(0xFF, 0xFF, 0xFF), Rgb(0x80, 0x80, 0x80));
        break;
    }
    return icon;
}

}  // namespace

void AttachSystemImageList(ui::TImageList& list)
{
    list.SetWidth(kIconSize);
    list.SetHeight(kIconSize);
    list.SetShareImages(true);
    list.SetProvider([icons = std::map<int, Bitmap>()](int index) mutable -> const Bitmap* {
        if (index < 0) {
            return nullptr;
        }
        auto found = icons.find(index);
        if (found == icons.end()) {
            found = icons.emplace(index, DrawIcon(index)).first;
        }
        return &found->second;
    });
}

void FillCheckImageList(ui::TImageList& list)
{
    list.Clear();
    ui::TPicture clear;
    ui::TPicture ticked;
    if (!clear.LoadFromResourceId(kCheckClear) || !ticked.LoadFromResourceId(kCheckTicked)) {
        return;
    }
    list.SetWidth(clear.Width());
    list.SetHeight(clear.Height());
    // Index i is state i: 0 and 1 unchecked, 2 and 3 checked.
    for (const ui::TPicture* picture : {&clear, &clear, &ticked, &ticked}) {
        list.AddIcon(*picture);
    }
}
