#pragma once
// Run-folder names: the local start time as YYYYMMDD_HHMMSS.

#include "platform/win_types.h"

#include <string>

std::u16string FormatTimestampName(const SYSTEMTIME& time);
