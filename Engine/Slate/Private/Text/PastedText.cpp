#include "Text/PastedText.h"

#include "Text/CodePointString.h"

namespace
{
	bool IsLineBreakOrTab(char32_t Character)
	{
		return (Character >= U'\t' && Character <= U'\r') || Character == U'\x85' || Character == U'\u2028' || Character == U'\u2029';
	}
}

namespace PastedText
{
	std::u32string ToTypedText(std::u32string_view Text)
	{
		std::u32string Typed;
		Typed.reserve(Text.size());
		bool bAfterCarriageReturn = false;
		for (const char32_t Character : Text)
		{
			// CR LF is one line break: its CR gave the space.
			const bool bSecondHalfOfBreak = bAfterCarriageReturn && Character == U'\n';
			bAfterCarriageReturn = Character == U'\r';
			if (bSecondHalfOfBreak)
			{
				continue;
			}
			if (IsLineBreakOrTab(Character))
			{
				Typed.push_back(U' ');
			}
			else if (CodePointString::IsScalarValue(Character) && !CodePointString::IsControl(Character))
			{
				Typed.push_back(Character);
			}
		}
		return Typed;
	}
}
