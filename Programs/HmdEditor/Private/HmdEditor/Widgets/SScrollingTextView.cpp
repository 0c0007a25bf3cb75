#include "HmdEditor/Widgets/SScrollingTextView.h"

#include "Framework/Application/SlateApplication.h"
#include "Text/CharacterWidth.h"
#include "Text/CodePointString.h"

#include <algorithm>
#include <limits>

namespace
{
	/** Cells left free around the view's window on each side: its frame and one more. */
	constexpr int32 ScreenMargin = 2;
}

TArray<FWrappedTextRow> WrapTextLines(const TArray<FScrollingTextLine>& Lines, int32 Width)
{
	const int32 RowWidth = std::max(Width, 2);
	TArray<FWrappedTextRow> Rows;
	for (const FScrollingTextLine& Line : Lines)
	{
		// An indent that leaves no room for text is not kept.
		const std::u32string Indent(static_cast<SIZE_T>(Line.WrapIndent < RowWidth / 2 ? std::max(Line.WrapIndent, 0) : 0), U' ');
		std::u32string Row;
		int32 Used = 0;
		for (const char32_t Character : CodePointString::FromText(Line.Text))
		{
			const int32 Cells = CharacterWidth::Get(Character);
			if (Used + Cells > RowWidth && Character == U' ')
			{
				// The row ends with its last word: the blank goes with the break.
				Rows.Add(FWrappedTextRow{std::move(Row), Line.Style});
				Row = Indent;
				Used = static_cast<int32>(Indent.size());
				continue;
			}
			if (Used + Cells > RowWidth)
			{
				// Break after the row's last blank past its indent, when the word after it fits the next row.
				const SIZE_T Blank = Row.find_last_of(U' ');
				const bool bHasBlank = Blank != std::u32string::npos && Blank > Indent.size() && Row.find_first_not_of(U' ') < Blank;
				std::u32string Rest = bHasBlank ? Row.substr(Blank + 1) : std::u32string();
				const int32 RestCells = CharacterWidth::Measure(Rest);
				const bool bBetweenWords = bHasBlank && static_cast<int32>(Indent.size()) + RestCells + Cells <= RowWidth;
				Row.erase(bBetweenWords ? Blank : Row.size());
				Rows.Add(FWrappedTextRow{std::move(Row), Line.Style});
				Row = Indent + (bBetweenWords ? Rest : std::u32string());
				Used = static_cast<int32>(Indent.size()) + (bBetweenWords ? RestCells : 0);
			}
			Row += Character;
			Used += Cells;
		}
		Rows.Add(FWrappedTextRow{std::move(Row), Line.Style});
	}
	return Rows;
}

void SScrollingTextView::Construct(const FArguments& InArgs)
{
	Lines = InArgs._Lines;
	for (const FScrollingTextLine& Line : Lines)
	{
		LongestLine = std::max(LongestLine, static_cast<int32>(CharacterWidth::Measure(CodePointString::FromText(Line.Text))));
	}
	// The paint brings it back to the last screen once it knows the view's height.
	TopRow = InArgs._ScrollToEnd ? std::numeric_limits<int32>::max() : 0;
}

const TArray<FWrappedTextRow>& SScrollingTextView::GetRows(int32 Width) const
{
	if (Width != WrappedWidth)
	{
		WrappedRows = WrapTextLines(Lines, Width);
		WrappedWidth = Width;
	}
	return WrappedRows;
}

int32 SScrollingTextView::ClampTopRow(int32 Row) const
{
	return std::clamp(Row, 0, std::max(WrappedRows.Num() - std::max(VisibleRows, 1), 0));
}

FReply SScrollingTextView::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent)
{
	const FKey& Key = InKeyEvent.GetKey();
	const int32 Page = std::max(VisibleRows, 1);
	int32 Row = ClampTopRow(TopRow);
	if (Key == EKeys::Up)
	{
		--Row;
	}
	else if (Key == EKeys::Down)
	{
		++Row;
	}
	else if (Key == EKeys::PageUp)
	{
		Row -= Page;
	}
	else if (Key == EKeys::PageDown)
	{
		Row += Page;
	}
	else if (Key == EKeys::Home)
	{
		Row = 0;
	}
	else if (Key == EKeys::End)
	{
		Row = std::numeric_limits<int32>::max();
	}
	else
	{
		return FReply::Unhandled();
	}
	TopRow = ClampTopRow(Row);
	return FReply::Handled();
}

FVector2D SScrollingTextView::ComputeDesiredSize() const
{
	const FSlateApplication& Application = FSlateApplication::Get();
	const int32 MaxColumns = std::max(Application.GetScreenColumns() - 2 * ScreenMargin, 1);
	const int32 MaxRows = std::max(Application.GetScreenRows() - 2 * ScreenMargin, 1);
	const int32 Columns = std::clamp(LongestLine, 1, MaxColumns);
	return FCellMetrics::ToUnits(Columns, std::clamp(GetRows(Columns).Num(), 1, MaxRows));
}

void SScrollingTextView::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	const TArray<FWrappedTextRow>& Rows = GetRows(Cells.Columns);
	VisibleRows = std::max(Cells.Rows, 1);
	TopRow = ClampTopRow(TopRow);
	Surface.Fill(Cells, U' ');
	for (int32 Row = 0; Row < Cells.Rows && Rows.IsValidIndex(TopRow + Row); ++Row)
	{
		const FWrappedTextRow& Shown = Rows[TopRow + Row];
		Surface.DrawText(Cells.Column, Cells.Row + Row, Shown.Text);
		if (Shown.Style != ESlateCellStyle::Normal)
		{
			Surface.SetStyle(FCellRect(Cells.Column, Cells.Row + Row, Cells.Columns, 1), Shown.Style);
		}
	}
}
