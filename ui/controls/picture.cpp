#include "ui/controls/picture.h"

#include "ui/resources.h"

#include <map>

namespace ui {
namespace {

std::map<int, std::shared_ptr<const gfx::Image>>& Cache()
{
    static std::map<int, std::shared_ptr<const gfx::Image>> cache;
    return cache;
}

}  // namespace

bool TPicture::LoadFromResourceId(int id)
{
    auto cached = Cache().find(id);
    if (cached == Cache().end()) {
        auto bytes = FindResource(kBinResType, id);
        if (!bytes) {
            return false;
        }
        auto image = std::make_shared<gfx::Image>();
        if (!gfx::DecodeImage(*bytes, *image)) {
            return false;
        }
        cached = Cache().emplace(id, std::move(image)).first;
    }
    Assign(cached->second, id);
    return true;
}

bool TPicture::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    auto image = std::make_shared<gfx::Image>();
    if (!gfx::DecodeImage(bytes, *image)) {
        return false;
    }
    Assign(std::move(image));
    return true;
}

void TPicture::Assign(std::shared_ptr<const gfx::Image> image, int resourceId)
{
    if (image == image_ && resourceId == resourceId_) {
        return;
    }
    image_ = std::move(image);
    resourceId_ = resourceId;
    if (OnChange) {
        OnChange();
    }
}

}  // namespace ui
