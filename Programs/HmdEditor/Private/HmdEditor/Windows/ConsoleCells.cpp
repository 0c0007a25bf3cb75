#include "HmdEditor/Windows/ConsoleCells.h"

#include "Text/CharacterWidth.h"

#include <algorithm>

namespace
{
	constexpr WORD ForegroundWhite = FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE;
	constexpr WORD BackgroundGrey = BACKGROUND_RED | BACKGROUND_GREEN | BACKGROUND_BLUE;
	constexpr WORD BackgroundMask = BackgroundGrey | BACKGROUND_INTENSITY;

	WORD GetColourAttributes(ESlateCellStyle Style, WORD Normal)
	{
		switch (Style)
		{
		case ESlateCellStyle::Bar: return BACKGROUND_GREEN | BACKGROUND_BLUE;
		case ESlateCellStyle::Menu: return BACKGROUND_BLUE | ForegroundWhite | FOREGROUND_INTENSITY;
		case ESlateCellStyle::Selected: return BackgroundGrey;
		case ESlateCellStyle::Frame: return (Normal & BackgroundMask) | ForegroundWhite | FOREGROUND_INTENSITY;
		case ESlateCellStyle::Focused: return BACKGROUND_RED | BACKGROUND_GREEN | BACKGROUND_INTENSITY;
		case ESlateCellStyle::Warning: return BACKGROUND_RED | ForegroundWhite | FOREGROUND_INTENSITY;
		case ESlateCellStyle::Normal: break;
		}
		return Normal;
	}

	/** The console's own colours swapped: reverse video that every console draws (not all honour COMMON_LVB_REVERSE_VIDEO). */
	WORD Reverse(WORD Normal)
	{
		return static_cast<WORD>(((Normal & 0x0F) << 4) | ((Normal & 0xF0) >> 4));
	}

	// The bar and an open pull-down are reversed, and what is highlighted in
	// them is not, so that it stands out in either.
	WORD GetMonochromeAttributes(ESlateCellStyle Style, WORD Normal)
	{
		switch (Style)
		{
		case ESlateCellStyle::Bar:
		case ESlateCellStyle::Menu:
		case ESlateCellStyle::Focused: return Reverse(Normal);
		case ESlateCellStyle::Selected: return Normal | FOREGROUND_INTENSITY;
		case ESlateCellStyle::Warning: return Reverse(Normal) | FOREGROUND_INTENSITY;
		case ESlateCellStyle::Frame:
		case ESlateCellStyle::Normal: break;
		}
		return Normal;
	}

	WCHAR ToConsoleCharacter(char32_t Character)
	{
		return Character <= 0xFFFF ? static_cast<WCHAR>(Character) : static_cast<WCHAR>(FSlateSurface::ReplacementCharacter);
	}
}

WORD GetConsoleCellAttributes(ESlateCellStyle Style, WORD NormalAttributes, bool bColour)
{
	// Only the colours of the console's own attributes; its other bits are for grid lines and DBCS halves.
	const WORD Normal = NormalAttributes & 0xFF;
	return bColour ? GetColourAttributes(Style, Normal) : GetMonochromeAttributes(Style, Normal);
}

void MakeConsoleCells(const FSlateSurface& Surface, int32 Columns, int32 Rows, WORD NormalAttributes, bool bColour,
	TArray<CHAR_INFO>& Out)
{
	Out.SetNum(std::max(Columns, 0) * std::max(Rows, 0));
	for (int32 Row = 0; Row < Rows; ++Row)
	{
		CHAR_INFO* const Line = Out.GetData() + Row * Columns;
		for (int32 Column = 0; Column < Columns; ++Column)
		{
			const FSlateCell& Cell = Surface.GetCellData(Column, Row);
			CHAR_INFO& Info = Line[Column];
			Info.Attributes = GetConsoleCellAttributes(Cell.Style, NormalAttributes, bColour);
			Info.Char.UnicodeChar = ToConsoleCharacter(Cell.Character);
			if (Cell.Character == FSlateSurface::WideCharacterTail)
			{
				const bool bAfterLeadingHalf = Column > 0 && (Line[Column - 1].Attributes & COMMON_LVB_LEADING_BYTE) != 0;
				Info.Char.UnicodeChar = bAfterLeadingHalf ? Line[Column - 1].Char.UnicodeChar : L' ';
				Info.Attributes |= bAfterLeadingHalf ? COMMON_LVB_TRAILING_BYTE : 0;
			}
			else if (CharacterWidth::Get(Cell.Character) == 2)
			{
				const bool bHasTail = Column + 1 < Columns && Surface.GetCell(Column + 1, Row) == FSlateSurface::WideCharacterTail;
				Info.Char.UnicodeChar = bHasTail ? Info.Char.UnicodeChar : L' ';
				Info.Attributes |= bHasTail ? COMMON_LVB_LEADING_BYTE : 0;
			}
		}
	}
}
