#include "Rendering/SlateSurface.h"

#include "Text/CharacterWidth.h"
#include "Text/CodePointString.h"

#include <algorithm>

FSlateSurface::FSlateSurface(int32 InColumns, int32 InRows)
{
	Reset(InColumns, InRows);
}

void FSlateSurface::Reset(int32 InColumns, int32 InRows)
{
	Columns = std::max(0, InColumns);
	Rows = std::max(0, InRows);
	Cells.Empty(Columns * Rows);
	Cells.SetNum(Columns * Rows);
	ClipStack.Reset();
	bCursorVisible = false;
	CursorColumn = 0;
	CursorRow = 0;
}

const FSlateCell& FSlateSurface::GetCellData(int32 Column, int32 Row) const
{
	static const FSlateCell Blank;
	return GetBounds().Contains(Column, Row) ? Cells[Row * Columns + Column] : Blank;
}

char32_t FSlateSurface::GetCell(int32 Column, int32 Row) const
{
	return GetCellData(Column, Row).Character;
}

std::u32string FSlateSurface::GetRowText(int32 Row) const
{
	std::u32string Result;
	Result.reserve(static_cast<SIZE_T>(Columns));
	for (int32 Column = 0; Column < Columns; ++Column)
	{
		const FSlateCell& Cell = GetCellData(Column, Row);
		if (Cell.Character == WideCharacterTail)
		{
			continue;
		}
		Result.push_back(Cell.Character);
		for (const char32_t Mark : Cell.Marks)
		{
			if (Mark != 0)
			{
				Result.push_back(Mark);
			}
		}
	}
	return Result;
}

FString FSlateSurface::GetRowString(int32 Row) const
{
	return CodePointString::ToText(GetRowText(Row));
}

FSlateCell& FSlateSurface::CellAt(int32 Column, int32 Row)
{
	return Cells[Row * Columns + Column];
}

void FSlateSurface::PutCharacter(int32 Column, int32 Row, char32_t Character)
{
	// Overwriting half of a double-width character leaves its other half blank.
	FSlateCell& Cell = CellAt(Column, Row);
	if (Cell.Character == WideCharacterTail && Column > 0)
	{
		FSlateCell& Head = CellAt(Column - 1, Row);
		Head.Character = U' ';
		std::fill(std::begin(Head.Marks), std::end(Head.Marks), 0);
	}
	else if (Column + 1 < Columns && CellAt(Column + 1, Row).Character == WideCharacterTail)
	{
		CellAt(Column + 1, Row).Character = U' ';
	}
	Cell.Character = Character;
	std::fill(std::begin(Cell.Marks), std::end(Cell.Marks), 0);
}

void FSlateSurface::AddMark(int32 Column, int32 Row, char32_t Mark)
{
	// A mark belongs to the character it follows: the head of a double-width one.
	if (Column > 0 && CellAt(Column, Row).Character == WideCharacterTail)
	{
		--Column;
	}
	if (!GetClipRect().Contains(Column, Row))
	{
		return;
	}
	for (char32_t& Slot : CellAt(Column, Row).Marks)
	{
		if (Slot == 0)
		{
			Slot = Mark;
			return;
		}
	}
}

int32 FSlateSurface::SetCell(int32 Column, int32 Row, char32_t Character)
{
	bool bMarkMayJoin = true;
	return DrawCharacter(Column, Row, Character, bMarkMayJoin);
}

int32 FSlateSurface::DrawCharacter(int32 Column, int32 Row, char32_t Character, bool& bMarkMayJoin)
{
	const char32_t Showable = ToShowable(Character);
	const int32 Width = CharacterWidth::Get(Showable);
	const FCellRect Clip = GetClipRect();
	if (Width == 0)
	{
		if (bMarkMayJoin && Clip.Contains(Column - 1, Row))
		{
			AddMark(Column - 1, Row, Showable);
		}
		return Column;
	}
	const bool bHeadShown = Clip.Contains(Column, Row);
	const bool bTailShown = Width == 2 && Clip.Contains(Column + 1, Row);
	// Marks that follow join only a character that is shown whole.
	bMarkMayJoin = bHeadShown && (Width == 1 || bTailShown);
	if (bMarkMayJoin)
	{
		PutCharacter(Column, Row, Showable);
		if (Width == 2)
		{
			PutCharacter(Column + 1, Row, WideCharacterTail);
		}
		return Column + Width;
	}
	// A double-width character cut by the clip edge leaves a space in the half inside it.
	if (bHeadShown)
	{
		PutCharacter(Column, Row, U' ');
	}
	if (bTailShown)
	{
		PutCharacter(Column + 1, Row, U' ');
	}
	return Column + Width;
}

int32 FSlateSurface::DrawText(int32 Column, int32 Row, std::u32string_view Text)
{
	// A mark at the start of Text has no character of Text to join, and is dropped.
	bool bMarkMayJoin = false;
	for (const char32_t Character : Text)
	{
		Column = DrawCharacter(Column, Row, Character, bMarkMayJoin);
	}
	return Column;
}

int32 FSlateSurface::DrawText(int32 Column, int32 Row, const FString& Text)
{
	return DrawText(Column, Row, CodePointString::FromText(Text));
}

void FSlateSurface::Fill(const FCellRect& Rect, char32_t Character)
{
	const FCellRect Visible = Rect.Intersect(GetClipRect());
	for (int32 Row = Visible.Row; Row < Visible.GetBottom(); ++Row)
	{
		for (int32 Column = Visible.Column; Column < Visible.GetRight(); ++Column)
		{
			SetCell(Column, Row, Character);
		}
	}
}

void FSlateSurface::SetStyle(const FCellRect& Rect, ESlateCellStyle Style)
{
	const FCellRect Visible = Rect.Intersect(GetClipRect());
	for (int32 Row = Visible.Row; Row < Visible.GetBottom(); ++Row)
	{
		for (int32 Column = Visible.Column; Column < Visible.GetRight(); ++Column)
		{
			CellAt(Column, Row).Style = Style;
		}
	}
}

void FSlateSurface::DrawBorder(const FCellRect& Rect)
{
	if (Rect.IsEmpty())
	{
		return;
	}
	const int32 Right = Rect.GetRight() - 1;
	const int32 Bottom = Rect.GetBottom() - 1;
	for (int32 Column = Rect.Column + 1; Column < Right; ++Column)
	{
		SetCell(Column, Rect.Row, U'─');
		SetCell(Column, Bottom, U'─');
	}
	for (int32 Row = Rect.Row + 1; Row < Bottom; ++Row)
	{
		SetCell(Rect.Column, Row, U'│');
		SetCell(Right, Row, U'│');
	}
	SetCell(Rect.Column, Rect.Row, U'┌');
	SetCell(Right, Rect.Row, U'┐');
	SetCell(Rect.Column, Bottom, U'└');
	SetCell(Right, Bottom, U'┘');
}

void FSlateSurface::PushClip(const FCellRect& Rect)
{
	ClipStack.Add(Rect.Intersect(GetClipRect()));
}

void FSlateSurface::PopClip()
{
	check(!ClipStack.IsEmpty());
	ClipStack.Pop();
}

FCellRect FSlateSurface::GetClipRect() const
{
	return ClipStack.IsEmpty() ? GetBounds() : ClipStack.Last();
}

void FSlateSurface::SetCursor(int32 Column, int32 Row)
{
	bCursorVisible = GetClipRect().Contains(Column, Row);
	if (bCursorVisible)
	{
		CursorColumn = Column;
		CursorRow = Row;
	}
}

char32_t FSlateSurface::ToShowable(char32_t Character)
{
	return CodePointString::IsScalarValue(Character) && !CodePointString::IsControl(Character) && !CodePointString::IsBidiControl(Character)
		? Character
		: ReplacementCharacter;
}
