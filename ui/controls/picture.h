#pragma once
// TPicture: a still or animated picture shared between controls; remembers the resource id it
// was loaded from so that tests can tell which skin a control shows.

#include "ui/gfx/image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace ui {

class TPicture {
public:
    // The BINRES resource id (PNG, GIF or ICO), decoded once per process and shared.
    [[nodiscard]] bool LoadFromResourceId(int id);
    // PNG, GIF or ICO bytes.
    [[nodiscard]] bool LoadFromBytes(std::span<const std::uint8_t> bytes);
    void Assign(std::shared_ptr<const gfx::Image> image, int resourceId = -1);
    void Assign(const TPicture& other) { Assign(other.image_, other.resourceId_); }
    void Clear() { Assign(nullptr); }

    bool Empty() const { return image_ == nullptr || image_->IsEmpty(); }
    int Width() const { return image_ ? image_->Width() : 0; }
    int Height() const { return image_ ? image_->Height() : 0; }
    int FrameCount() const { return image_ ? static_cast<int>(image_->frames.size()) : 0; }
    // -1 when the picture did not come from a resource.
    int ResourceId() const { return resourceId_; }
    const gfx::Image* Image() const { return image_.get(); }

    std::function<void()> OnChange;

private:
    std::shared_ptr<const gfx::Image> image_;
    int resourceId_ = -1;
};

using TIcon = TPicture;

}  // namespace ui
