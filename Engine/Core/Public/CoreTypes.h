// Fixed-size integer and character types used throughout the engine layer,
// with the symbol export/import markers of its shared libraries (CoreApi.h).
#pragma once

#include "CoreApi.h"

#include <cstddef>
#include <cstdint>

using uint8 = std::uint8_t;
using uint16 = std::uint16_t;
using uint32 = std::uint32_t;
using uint64 = std::uint64_t;
using int8 = std::int8_t;
using int16 = std::int16_t;
using int32 = std::int32_t;
using int64 = std::int64_t;
using SIZE_T = std::size_t;

// A character of engine text: one UTF-16 code unit on every platform.
using TCHAR = char16_t;
using ANSICHAR = char;
using UTF8CHAR = char;
using WIDECHAR = wchar_t;

/** The index that names no element. */
inline constexpr int32 INDEX_NONE = -1;

#define TEXT_PASTE(x) u##x
#define TEXT(x) TEXT_PASTE(x)
