#include "Rendering/SlateSurface.h"

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
	std::fill(Cells.begin(), Cells.end(), U' ');
	ClipStack.Reset();
	bCursorVisible = false;
	CursorColumn = 0;
	CursorRow = 0;
}

char32_t FSlateSurface::GetCell(int32 Column, int32 Row) const
{
	return GetBounds().Contains(Column, Row) ? Cells[Row * Columns + Column] : U' ';
}

std::u32string FSlateSurface::GetRowText(int32 Row) const
{
	std::u32string Result;
	Result.reserve(static_cast<SIZE_T>(Columns));
	for (int32 Column = 0; Column < Columns; ++Column)
	{
		Result.push_back(GetCell(Column, Row));
	}
	return Result;
}

FString FSlateSurface::GetRowString(int32 Row) const
{
	return CodePointString::ToText(GetRowText(Row));
}

void FSlateSurface::SetCell(int32 Column, int32 Row, char32_t Character)
{
	if (GetClipRect().Contains(Column, Row))
	{
		Cells[Row * Columns + Column] = ToShowable(Character);
	}
}

int32 FSlateSurface::DrawText(int32 Column, int32 Row, std::u32string_view Text)
{
	for (const char32_t Character : Text)
	{
		SetCell(Column++, Row, Character);
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
	return CodePointString::IsScalarValue(Character) && !CodePointString::IsControl(Character) ? Character : ReplacementCharacter;
}
