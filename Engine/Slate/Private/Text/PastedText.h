// Pasted text as a one-line box takes it: as if typed, on one line.
#pragma once

#include <string>
#include <string_view>

namespace PastedText
{
	/**
	 * The characters to insert for a paste: each line break (LF, CR, CR LF,
	 * VT, FF, NEL, U+2028, U+2029) and each tab becomes one space; other
	 * control characters, surrogates and values outside Unicode are dropped.
	 */
	std::u32string ToTypedText(std::u32string_view Text);
}
