#include "ui/resources.h"

#include "ui/resource_pack.h"

// Defined by the packed-resource object of the program (resources_backup or resources_setup).
// Weak, so that a program or test without resources links and simply finds none.
extern "C" const std::uint8_t harbex_resource_pack[] __attribute__((weak));
extern "C" const std::uint8_t harbex_resource_pack_end[] __attribute__((weak));

namespace ui {

std::optional<std::span<const std::uint8_t>> FindResource(std::u16string_view type, int id)
{
    if (harbex_resource_pack == nullptr || harbex_resource_pack_end == nullptr)
        return std::nullopt;
    return resource_pack::Find({harbex_resource_pack, harbex_resource_pack_end}, type, id);
}

}  // namespace ui
