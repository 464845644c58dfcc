#include "ui/controls/image_list.h"

#include "ui/gfx/painter.h"

namespace ui {

TImageList::TImageList(TComponent* owner) : TComponent(owner)
{
}

int TImageList::Count() const
{
    return static_cast<int>(images_.size());
}

int TImageList::Add(const gfx::Bitmap& bitmap)
{
    images_.push_back(bitmap);
    return Count() - 1;
}

int TImageList::AddIcon(const TIcon& icon)
{
    const gfx::Image* image = icon.Image();
    if (image == nullptr || image->frames.empty()) {
        return -1;
    }
    return Add(image->frames.front());
}

void TImageList::Delete(int index)
{
    if (index >= 0 && index < Count()) {
        images_.erase(images_.begin() + index);
    }
}

void TImageList::Clear()
{
    images_.clear();
}

const gfx::Bitmap* TImageList::Bitmap(int index) const
{
    if (provider_) {
        return provider_(index);
    }
    return index >= 0 && index < Count() ? &images_[index] : nullptr;
}

void TImageList::Draw(gfx::Painter& painter, int x, int y, int index, bool enabled) const
{
    const gfx::Bitmap* bitmap = Bitmap(index);
    if (bitmap == nullptr) {
        return;
    }
    painter.DrawImage(*bitmap, Rect::FromSize(x, y, width_, height_), bitmap->Bounds(), enabled ? 255 : 128);
}

}  // namespace ui
