#pragma once
// TImageList: small pictures by index. A list may instead show pictures from a provider, as the
// list attached to the shell's system icons does.

#include "ui/component.h"
#include "ui/controls/picture.h"
#include "ui/gfx/bitmap.h"

#include <functional>
#include <vector>

namespace ui::gfx {
class Painter;
}

namespace ui {

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);

    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }
    int Height() const { return height_; }
    void SetHeight(int h) { height_ = h; }
    int Count() const;
    // Returns the new index.
    int Add(const gfx::Bitmap& bitmap);
    // The frame of the icon nearest the list's size.
    int AddIcon(const TIcon& icon);
    void Delete(int index);
    void Clear();
    // nullptr for an index the list does not hold.
    const gfx::Bitmap* Bitmap(int index) const;
    void Draw(gfx::Painter& painter, int x, int y, int index, bool enabled = true) const;

    // Pictures come from the provider (by index) instead of the list's own.
    void SetProvider(std::function<const gfx::Bitmap*(int index)> provider) { provider_ = std::move(provider); }
    bool ShareImages() const { return shareImages_; }
    void SetShareImages(bool on) { shareImages_ = on; }

private:
    int width_ = 16;
    int height_ = 16;
    bool shareImages_ = false;
    std::vector<gfx::Bitmap> images_;
    std::function<const gfx::Bitmap*(int index)> provider_;
};

}  // namespace ui
