#include "Text/CodePointString.h"

#include "Containers/Utf16Surrogates.h"

namespace CodePointString
{
	std::u32string FromText(std::u16string_view Text)
	{
		std::u32string Result;
		Result.reserve(Text.size());
		for (SIZE_T Index = 0; Index < Text.size(); ++Index)
		{
			if (Utf16Surrogates::StartsPair(Text, Index))
			{
				Result.push_back(Utf16Surrogates::Join(Text[Index], Text[Index + 1]));
				++Index;
			}
			else
			{
				Result.push_back(Text[Index]);
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
			if (CodePoint >= Utf16Surrogates::FirstSupplementary && CodePoint <= 0x10FFFF)
			{
				Result.push_back(Utf16Surrogates::HighOf(CodePoint));
				Result.push_back(Utf16Surrogates::LowOf(CodePoint));
			}
			else if (CodePoint < Utf16Surrogates::FirstSupplementary)
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
