// Fixed-size integer and character types used throughout the engine layer,
// and the symbol export/import markers of its shared libraries.
#pragma once

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

#if defined(_WIN32)
#define HMD_DLLEXPORT __declspec(dllexport)
#define HMD_DLLIMPORT __declspec(dllimport)
#else
#define HMD_DLLEXPORT __attribute__((visibility("default")))
#define HMD_DLLIMPORT __attribute__((visibility("default")))
#endif

#ifndef CORE_API
#define CORE_API HMD_DLLIMPORT
#endif
