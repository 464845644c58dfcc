#pragma once
// The three-part Renew button of the Easy Backup and Easy Restore pages: its pictures per state.

#include "backup/skin/ResourceLoaders.h"
#include "backup/skin/UiNames.h"

struct RenewSkins {
    int Left, Center, Right;
};
inline constexpr RenewSkins kRenewNormal{25015, 25018, 25021};
inline constexpr RenewSkins kRenewHover{25016, 25019, 25022};
inline constexpr RenewSkins kRenewPressed{25014, 25017, 25020};

inline void ShowRenewSkins(TImage* left, TImage* center, TImage* right, const RenewSkins& skins)
{
    LoadPngResource(left, skins.Left);
    LoadPngResource(center, skins.Center);
    LoadPngResource(right, skins.Right);
}
