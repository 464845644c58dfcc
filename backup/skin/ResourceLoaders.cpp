#include "backup/skin/ResourceLoaders.h"

#include "ui/resources.h"

#include <string_view>

namespace {

void LoadPicture(ui::TPicture& picture, int id)
{
    [[maybe_unused]] const bool loaded = picture.LoadFromResourceId(id);
}

}  // namespace

void LoadPngResource(ui::TImage* image, int id)
{
    LoadPicture(image->Picture(), id);
}

void LoadGifResource(ui::TImage* image, int id)
{
    LoadPicture(image->Picture(), id);
}

void LoadIconResource(ui::TIcon& icon, int id)
{
    LoadPicture(icon, id);
}

void LoadFormPicture(ui::TPicture& picture, int number)
{
    const auto bytes = ui::FindResource(u"FORMPIC", number);
    if (bytes) {
        [[maybe_unused]] const bool loaded = picture.LoadFromBytes(*bytes);
    }
}

void LoadTextResource(lists::TStringList& list, int id)
{
    list.Clear();
    const auto bytes = ui::FindResource(ui::kBinResType, id);
    if (bytes) {
        list.Decode(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    }
}
