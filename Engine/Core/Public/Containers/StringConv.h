// Conversions between engine text (UTF-16 code units) and the encodings met
// at the program's edges: UTF-8 and the platform's wchar_t.
//
// Every conversion is lossless and never throws. An unpaired surrogate is
// carried through UTF-8 as the three-byte form of its code point (the
// "generalised UTF-8" of WTF-8), so that any engine string, and any path a
// platform may return, survives a round trip unchanged.
#pragma once

#include "Containers/UnrealString.h"
#include "CoreApi.h"

#include <string>
#include <string_view>

namespace StringConv
{
	/** Encodes engine text as UTF-8 (unpaired surrogates as their three-byte form). */
	CORE_API std::string ToUtf8(std::u16string_view Text);
	inline std::string ToUtf8(const FString& Text) { return ToUtf8(Text.View()); }

	/**
	 * Decodes UTF-8 into engine text. Encoded surrogates decode to the same
	 * units; any byte that starts no well-formed sequence becomes U+FFFD.
	 */
	CORE_API FString FromUtf8(std::string_view Bytes);

	/**
	 * Decodes well-formed UTF-8 (no encoded surrogates, no overlong forms,
	 * nothing beyond U+10FFFF) into OutText; false, with OutText untouched,
	 * at the first ill-formed sequence.
	 */
	CORE_API bool TryFromUtf8(std::string_view Bytes, FString& OutText);

	/**
	 * Decodes Bytes as FromUtf8 does when the text encodes back to exactly
	 * these bytes (well-formed UTF-8, and the three-byte forms of unpaired
	 * surrogates that file names may hold); false, with OutText untouched,
	 * when any byte would become a U+FFFD look-alike. For names the system
	 * must find again.
	 */
	CORE_API bool TryFromUtf8Lossless(std::string_view Bytes, FString& OutText);

	/** True when Bytes is well-formed UTF-8 (no encoded surrogates, no overlong forms). */
	CORE_API bool IsValidUtf8(std::string_view Bytes);

	/** Platform wide text: UTF-16 where wchar_t has 16 bits, UTF-32 where it has 32. */
	CORE_API std::wstring ToWide(std::u16string_view Text);
	inline std::wstring ToWide(const FString& Text) { return ToWide(Text.View()); }
	CORE_API FString FromWide(std::wstring_view Text);
}

#define TCHAR_TO_UTF8(Text) (::StringConv::ToUtf8(FString(Text)).c_str())
