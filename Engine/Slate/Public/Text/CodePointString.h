// Conversions between engine text (UTF-16 code units) and code points, for
// widgets that place or edit text one character at a time.
#pragma once

#include "Containers/UnrealString.h"
#include "Containers/Utf16Surrogates.h"
#include "SlateApi.h"

#include <string>
#include <string_view>

namespace CodePointString
{
	/**
	 * The code points of a text. A surrogate pair becomes one code point; an
	 * unpaired surrogate is kept as its own value, so that FromCodePoints
	 * gives back exactly the same text.
	 */
	SLATE_API std::u32string FromText(std::u16string_view Text);
	inline std::u32string FromText(const FString& Text) { return FromText(Text.View()); }

	/** Engine text from code points; lone surrogate values become single units. */
	SLATE_API FString ToText(std::u32string_view CodePoints);

	/** True for characters a terminal would act on rather than show (C0, DEL, C1). */
	constexpr bool IsControl(char32_t Character)
	{
		return Character < 0x20 || (Character >= 0x7F && Character <= 0x9F);
	}

	/**
	 * True for the bidirectional formatting characters (marks, embeddings,
	 * overrides, isolates), which would make a terminal reorder the cells
	 * around them: painted text shows them as U+FFFD.
	 */
	constexpr bool IsBidiControl(char32_t Character)
	{
		return Character == 0x061C || Character == 0x200E || Character == 0x200F
			|| (Character >= 0x202A && Character <= 0x202E) || (Character >= 0x2066 && Character <= 0x2069);
	}

	/** True for a Unicode scalar value: in range and not a surrogate. */
	constexpr bool IsScalarValue(char32_t Character)
	{
		return Character <= 0x10FFFF && !Utf16Surrogates::IsSurrogate(Character);
	}
}
