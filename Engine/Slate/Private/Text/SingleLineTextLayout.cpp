#include "Text/SingleLineTextLayout.h"

#include "Text/CodePointGapBuffer.h"
#include "Text/TextBoundaries.h"

#include <algorithm>

namespace
{
	int32 GetMarkColumns(int32 Columns)
	{
		return Columns >= FSingleLineTextLayout::MinimumColumnsForMarks ? 1 : 0;
	}

	/**
	 * The smallest first shown character with which the row shows the
	 * character starting at Target whole, or, for the text's end, the free
	 * cell after the last character. Walks back from Target over the cells
	 * left for the characters before it and the mark that cuts them off.
	 */
	int32 FindFirstShowing(const FCodePointGapBuffer& Text, int32 Target, int32 Columns)
	{
		const int32 MarkColumns = GetMarkColumns(Columns);
		int32 Budget = Columns - 1;
		if (Target < Text.Num())
		{
			const bool bLast = TextBoundaries::NextCharacter(Text, Target) == Text.Num();
			Budget = Columns - TextBoundaries::CharacterCells(Text, Target) - (bLast ? 0 : MarkColumns);
		}
		int32 First = Target;
		int32 Used = 0;
		while (First > 0)
		{
			const int32 Previous = TextBoundaries::PreviousCharacter(Text, First);
			const int32 Cells = TextBoundaries::CharacterCells(Text, Previous);
			if (Used + Cells + (Previous > 0 ? MarkColumns : 0) > Budget)
			{
				break;
			}
			First = Previous;
			Used += Cells;
		}
		return First;
	}
}

FSingleLineTextLayout FSingleLineTextLayout::LayOut(const FCodePointGapBuffer& Text, int32 FirstShown, int32 Cursor, int32 Columns)
{
	FSingleLineTextLayout Layout;
	Layout.Columns = std::max(0, Columns);
	Layout.TextLength = Text.Num();
	Layout.FirstShown = FirstShown;
	Layout.LastHiddenBefore = FirstShown > 0 ? TextBoundaries::PreviousCharacter(Text, FirstShown) : FirstShown;
	const int32 MarkColumns = GetMarkColumns(Layout.Columns);
	Layout.bCutBefore = FirstShown > 0 && MarkColumns > 0;

	const int32 Limit = Layout.Columns - MarkColumns;
	int32 Column = Layout.bCutBefore ? 1 : 0;
	int32 Index = FirstShown;
	Layout.Characters.reserve(static_cast<SIZE_T>(Layout.Columns));
	while (Index < Layout.TextLength)
	{
		const int32 End = TextBoundaries::NextCharacter(Text, Index);
		const int32 Cells = TextBoundaries::CharacterCells(Text, Index);
		const bool bTakesMarkCell = End == Layout.TextLength && Cursor != Layout.TextLength && Column + Cells <= Layout.Columns;
		if (Column + Cells > Limit && !bTakesMarkCell)
		{
			break;
		}
		Layout.Characters.push_back(FShownCharacter{Index, End, Column, Cells, TextBoundaries::IsBaseless(Text, Index)});
		Column += Cells;
		Index = End;
	}
	Layout.EndShown = Index;
	Layout.EndColumn = Column;
	Layout.bCutAfter = Index < Layout.TextLength && MarkColumns > 0;
	return Layout;
}

FSingleLineTextLayout FSingleLineTextLayout::LayOutAroundCursor(const FCodePointGapBuffer& Text, int32 FirstShown, int32 Cursor, int32 Columns)
{
	const int32 Length = Text.Num();
	const int32 CursorCharacter = TextBoundaries::CharacterStart(Text, Cursor);
	const int32 First = std::min(TextBoundaries::CharacterStart(Text, std::min(FirstShown, Length)), CursorCharacter);
	FSingleLineTextLayout Layout = LayOut(Text, First, Cursor, Columns);
	if (!Layout.ShowsCursor(Cursor))
	{
		return LayOut(Text, FindFirstShowing(Text, CursorCharacter, Columns), Cursor, Columns);
	}
	if (Layout.EndShown == Length && First > 0)
	{
		const int32 Filled = FindFirstShowing(Text, Length, Columns);
		if (Filled < First)
		{
			return LayOut(Text, Filled, Cursor, Columns);
		}
	}
	return Layout;
}

bool FSingleLineTextLayout::ShowsCursor(int32 Cursor) const
{
	if (Cursor >= FirstShown && Cursor < EndShown)
	{
		return true;
	}
	return Cursor == EndShown && Cursor == TextLength && EndColumn < Columns;
}

int32 FSingleLineTextLayout::GetCursorColumn(int32 Cursor) const
{
	const auto Found = std::find_if(Characters.begin(), Characters.end(), [Cursor](const FShownCharacter& Shown) { return Cursor < Shown.End; });
	return Found != Characters.end() ? Found->Column : EndColumn;
}

int32 FSingleLineTextLayout::GetCursorAtColumn(int32 Column) const
{
	if (bCutBefore && Column <= 0)
	{
		return LastHiddenBefore;
	}
	const auto Found = std::find_if(Characters.begin(), Characters.end(), [Column](const FShownCharacter& Shown) { return Column < Shown.Column + Shown.Cells; });
	return Found != Characters.end() ? Found->Index : EndShown;
}
