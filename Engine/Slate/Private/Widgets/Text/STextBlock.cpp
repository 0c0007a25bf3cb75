#include "Widgets/Text/STextBlock.h"

#include "Text/CharacterWidth.h"
#include "Text/CodePointString.h"

#include <algorithm>

namespace
{
	TArray<std::u32string> SplitLines(const FText& Text)
	{
		TArray<std::u32string> Lines;
		Lines.Add(std::u32string());
		for (const char32_t Character : CodePointString::FromText(Text.ToString()))
		{
			if (Character == U'\n')
			{
				Lines.Add(std::u32string());
			}
			else if (Character != U'\r')
			{
				Lines.Last().push_back(Character);
			}
		}
		return Lines;
	}
}

STextBlock::STextBlock() = default;

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
}

FVector2D STextBlock::ComputeDesiredSize() const
{
	// An empty text still takes one line's height, so that its row keeps its place.
	const TArray<std::u32string> Lines = SplitLines(BoundText.Get());
	int32 Longest = 0;
	for (const std::u32string& Line : Lines)
	{
		Longest = std::max(Longest, CharacterWidth::Measure(Line));
	}
	return FCellMetrics::MeasureText(Longest, Lines.Num());
}

void STextBlock::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	int32 Row = Cells.Row;
	for (const std::u32string& Line : SplitLines(BoundText.Get()))
	{
		Surface.DrawText(Cells.Column, Row++, Line);
	}
}
