#pragma once
// Which way the page builders place controls: left to right, or mirrored for the right-to-left
// language.

#include "backup/base/Language.h"

enum class LayoutDirection { LeftToRight, RightToLeft };

inline LayoutDirection LayoutDirectionOf(int langId)
{
    return langId == kRtlLangId ? LayoutDirection::RightToLeft : LayoutDirection::LeftToRight;
}
