// The surrogate pairs of UTF-16: telling their halves apart, joining a pair
// into its code point, and splitting a code point above U+FFFF into a pair.
// Every place that walks engine text by code points uses these.
#pragma once

#include <cstddef>
#include <string_view>

namespace Utf16Surrogates
{
	constexpr char32_t FirstSupplementary = 0x10000;

	constexpr bool IsHigh(char32_t Unit)
	{
		return Unit >= 0xD800 && Unit <= 0xDBFF;
	}

	constexpr bool IsLow(char32_t Unit)
	{
		return Unit >= 0xDC00 && Unit <= 0xDFFF;
	}

	/** Either half: a value that is no character on its own. */
	constexpr bool IsSurrogate(char32_t Unit)
	{
		return IsHigh(Unit) || IsLow(Unit);
	}

	/** True when Units[Index] is a high surrogate with a low one right after it. */
	constexpr bool StartsPair(std::u16string_view Units, std::size_t Index)
	{
		return Index + 1 < Units.size() && IsHigh(Units[Index]) && IsLow(Units[Index + 1]);
	}

	/** The code point of a high surrogate followed by a low one. */
	constexpr char32_t Join(char32_t High, char32_t Low)
	{
		return FirstSupplementary + ((High - 0xD800) << 10) + (Low - 0xDC00);
	}

	/** The first half of a code point from U+10000 to U+10FFFF. */
	constexpr char16_t HighOf(char32_t CodePoint)
	{
		return static_cast<char16_t>(0xD800 + ((CodePoint - FirstSupplementary) >> 10));
	}

	/** The second half of a code point from U+10000 to U+10FFFF. */
	constexpr char16_t LowOf(char32_t CodePoint)
	{
		return static_cast<char16_t>(0xDC00 + ((CodePoint - FirstSupplementary) & 0x3FF));
	}
}
