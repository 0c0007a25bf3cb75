#include "Text/TextBoundaries.h"

#include "Rendering/SlateSurface.h"
#include "Text/CharacterWidth.h"
#include "Text/CodePointGapBuffer.h"

#include <algorithm>
#include <iterator>

namespace
{
	struct FCodePointRange
	{
		char32_t First;
		char32_t Last;
	};

	// Code points outside ASCII that separate words: spaces, punctuation and
	// symbols, in order. Letters and digits of every script are the rest.
	constexpr FCodePointRange Separators[] = {
		{0x0080, 0x00A9}, // C1 controls, no-break space, Latin-1 punctuation and signs
		{0x00AB, 0x00B1},
		{0x00B4, 0x00B4},
		{0x00B6, 0x00B8},
		{0x00BB, 0x00BB},
		{0x00BF, 0x00BF},
		{0x00D7, 0x00D7}, // multiplication sign
		{0x00F7, 0x00F7}, // division sign
		{0x2000, 0x206F}, // general punctuation, the typographic spaces among them
		{0x20A0, 0x20CF}, // currency signs
		{0x2190, 0x245F}, // arrows, mathematical operators, technical symbols
		{0x2500, 0x2BFF}, // box drawing, shapes, dingbats and other symbols
		{0x2E00, 0x2E7F}, // supplemental punctuation
		{0x3000, 0x3004}, // ideographic space and CJK punctuation
		{0x3008, 0x3020},
		{0x3030, 0x3030},
		{0x303D, 0x303F},
		{0x30FB, 0x30FB}, // katakana middle dot
		{0xD800, 0xDFFF}, // unpaired surrogates kept from loaded text
		{0xFE10, 0xFE1F}, // vertical forms
		{0xFE30, 0xFE6F}, // CJK compatibility and small form punctuation
		{0xFF01, 0xFF0F}, // full-width punctuation
		{0xFF1A, 0xFF20},
		{0xFF3B, 0xFF40},
		{0xFF5B, 0xFF65},
		{0xFFF0, 0xFFFF}, // specials, the replacement character among them
		{0x1F000, 0x1FAFF}, // emoji and pictographic symbols
	};

	/** The columns a code point takes on a surface, which shows unprintable ones as U+FFFD. */
	int32 GetShownWidth(char32_t Character)
	{
		return CharacterWidth::Get(FSlateSurface::ToShowable(Character));
	}

	bool IsZeroWidth(char32_t Character)
	{
		return GetShownWidth(Character) == 0;
	}

	bool IsAsciiWordCharacter(char32_t Character)
	{
		return (Character >= U'0' && Character <= U'9') || (Character >= U'A' && Character <= U'Z') || (Character >= U'a' && Character <= U'z');
	}

	/** Moves back over the characters before Index while they are word characters (or, with false, separators). */
	int32 SkipBackward(const FCodePointGapBuffer& Text, int32 Index, bool bWordCharacters)
	{
		while (Index > 0)
		{
			const int32 Previous = TextBoundaries::PreviousCharacter(Text, Index);
			if (TextBoundaries::IsWordCharacter(Text[Previous]) != bWordCharacters)
			{
				break;
			}
			Index = Previous;
		}
		return Index;
	}

	/** Moves forward over the characters from Index on while they are word characters (or, with false, separators). */
	int32 SkipForward(const FCodePointGapBuffer& Text, int32 Index, bool bWordCharacters)
	{
		while (Index < Text.Num() && TextBoundaries::IsWordCharacter(Text[Index]) == bWordCharacters)
		{
			Index = TextBoundaries::NextCharacter(Text, Index);
		}
		return Index;
	}
}

namespace TextBoundaries
{
	int32 CharacterStart(const FCodePointGapBuffer& Text, int32 Index)
	{
		while (Index > 0 && Index < Text.Num() && IsZeroWidth(Text[Index]))
		{
			--Index;
		}
		return Index;
	}

	int32 NextCharacter(const FCodePointGapBuffer& Text, int32 Index)
	{
		++Index;
		while (Index < Text.Num() && IsZeroWidth(Text[Index]))
		{
			++Index;
		}
		return Index;
	}

	int32 PreviousCharacter(const FCodePointGapBuffer& Text, int32 Index)
	{
		return CharacterStart(Text, Index - 1);
	}

	int32 CharacterCells(const FCodePointGapBuffer& Text, int32 Index)
	{
		return std::max(1, GetShownWidth(Text[Index]));
	}

	bool IsBaseless(const FCodePointGapBuffer& Text, int32 Index)
	{
		return IsZeroWidth(Text[Index]);
	}

	bool IsWordCharacter(char32_t Character)
	{
		if (Character < 0x80)
		{
			return IsAsciiWordCharacter(Character);
		}
		return std::none_of(std::begin(Separators), std::end(Separators), [Character](const FCodePointRange& Range)
		{
			return Character >= Range.First && Character <= Range.Last;
		});
	}

	int32 PreviousWordStart(const FCodePointGapBuffer& Text, int32 Index)
	{
		return SkipBackward(Text, SkipBackward(Text, Index, false), true);
	}

	int32 NextWordEnd(const FCodePointGapBuffer& Text, int32 Index)
	{
		return SkipForward(Text, SkipForward(Text, Index, false), true);
	}
}
