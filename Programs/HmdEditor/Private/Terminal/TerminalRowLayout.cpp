#include "Terminal/TerminalRowLayout.h"

FTerminalRow LayoutTerminalRow(std::u32string_view Cells, int32 Width, FCharacterWidthFunction CharacterWidth)
{
	FTerminalRow Row;
	int32 Column = 0;
	for (char32_t Character : Cells)
	{
		int32 CharacterColumns = CharacterWidth(Character);
		if (CharacterColumns < 0)
		{
			Character = U'\uFFFD';
			CharacterColumns = 1;
		}
		if (Column + CharacterColumns > Width)
		{
			break;
		}
		Row.Text.push_back(Character);
		Row.CellStarts.Add(Column);
		Column += CharacterColumns;
	}
	Row.UsedColumns = Column;
	return Row;
}

int32 GetTerminalColumnOfCell(const FTerminalRow& Row, int32 Cell)
{
	if (Row.CellStarts.IsValidIndex(Cell))
	{
		return Row.CellStarts[Cell];
	}
	return Row.UsedColumns + (Cell - Row.CellStarts.Num());
}

int32 GetCellAtTerminalColumn(const FTerminalRow& Row, int32 Column)
{
	if (Column >= Row.UsedColumns)
	{
		return Row.CellStarts.Num() + (Column - Row.UsedColumns);
	}
	int32 Cell = 0;
	for (int32 Index = 0; Index < Row.CellStarts.Num() && Row.CellStarts[Index] <= Column; ++Index)
	{
		Cell = Index;
	}
	return Cell;
}
