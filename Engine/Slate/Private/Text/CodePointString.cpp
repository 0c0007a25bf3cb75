#include "Text/CodePointString.h"

namespace CodePointString
{
	std::u32string FromText(std::u16string_view Text)
	{
		std::u32string Result;
		Result.reserve(Text.size());
		for (SIZE_T Index = 0; Index < Text.size(); ++Index)
		{
			const char32_t Unit = Text[Index];
			const bool bHighSurrogate = Unit >= 0xD800 && Unit <= 0xDBFF;
			if (bHighSurrogate && Index + 1 < Text.size() && Text[Index + 1] >= 0xDC00 && Text[Index + 1] <= 0xDFFF)
			{
				const char32_t Low = Text[++Index];
				Result.push_back(0x10000 + ((Unit - 0xD800) << 10) + (Low - 0xDC00));
			}
			else
			{
				Result.push_back(Unit);
			}
		}
		return Result;
	}

	FString ToText(std::u32string_view CodePoints)
	{
		std::u16string Result;
		Result.reserve(CodePoints.size());
		for (const char32_t CodePoint : CodePoints)
		{
			if (CodePoint >= 0x10000 && CodePoint <= 0x10FFFF)
			{
				const char32_t Offset = CodePoint - 0x10000;
				Result.push_back(static_cast<char16_t>(0xD800 + (Offset >> 10)));
				Result.push_back(static_cast<char16_t>(0xDC00 + (Offset & 0x3FF)));
			}
			else if (CodePoint < 0x10000)
			{
				Result.push_back(static_cast<char16_t>(CodePoint));
			}
			else
			{
				Result.push_back(u'\uFFFD');
			}
		}
		return FString(std::move(Result));
	}
}
