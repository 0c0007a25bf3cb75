#include "HmdEditor/Widgets/SStatusLine.h"

#include "Text/CharacterWidth.h"
#include "Text/CodePointString.h"

#include <algorithm>

namespace
{
	/** Blank cells between the message and the hints, and between two hints. */
	constexpr int32 Gap = 2;
	constexpr char32_t CutMark = U'…';

	int32 Width(const std::u32string& Text)
	{
		return CharacterWidth::Measure(Text);
	}

	/** The text cut to Cells cells, its last cell a cut mark when anything was cut. */
	std::u32string CutToWidth(const std::u32string& Text, int32 Cells)
	{
		if (Width(Text) <= Cells)
		{
			return Text;
		}
		std::u32string Cut;
		int32 Used = 0;
		for (const char32_t Character : Text)
		{
			const int32 CharacterCells = CharacterWidth::Get(Character);
			if (Used + CharacterCells > Cells - 1)
			{
				break;
			}
			Cut += Character;
			Used += CharacterCells;
		}
		return Cells > 0 ? Cut + CutMark : std::u32string();
	}
}

FStatusLineLayout ComposeStatusLine(const std::u32string& Message, const TArray<std::u32string>& Hints, int32 LineWidth)
{
	const int32 Room = std::max(LineWidth - 2, 0);
	FStatusLineLayout Layout;
	int32 HintsWidth = 0;
	if (!Hints.IsEmpty() && Width(Hints[0]) <= Room)
	{
		Layout.Hints = Hints[0];
		HintsWidth = Width(Hints[0]);
	}
	const int32 MessageRoom = HintsWidth > 0 ? Room - HintsWidth - Gap : Room;
	Layout.Message = Message.empty() || MessageRoom <= 0 ? std::u32string() : CutToWidth(Message, MessageRoom);

	const int32 MessageWidth = Layout.Message.empty() ? 0 : Width(Layout.Message) + Gap;
	for (int32 Index = 1; Index < Hints.Num() && HintsWidth > 0; ++Index)
	{
		const int32 Extra = Gap + Width(Hints[Index]);
		if (MessageWidth + HintsWidth + Extra > Room)
		{
			break;
		}
		Layout.Hints += std::u32string(Gap, U' ') + Hints[Index];
		HintsWidth += Extra;
	}
	return Layout;
}

void SStatusLine::Construct(const FArguments& InArgs)
{
	Message = InArgs._Message;
	MessageStyle = InArgs._MessageStyle;
	KeyHints = InArgs._KeyHints;
}

FVector2D SStatusLine::ComputeDesiredSize() const
{
	int32 Cells = 1 + Width(CodePointString::FromText(Message.Get().ToString())) + 1;
	for (const FText& Hint : KeyHints.Get())
	{
		Cells += Gap + Width(CodePointString::FromText(Hint.ToString()));
	}
	return FCellMetrics::MeasureText(Cells, 1);
}

void SStatusLine::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	TArray<std::u32string> Hints;
	for (const FText& Hint : KeyHints.Get())
	{
		Hints.Add(CodePointString::FromText(Hint.ToString()));
	}
	const FStatusLineLayout Layout = ComposeStatusLine(CodePointString::FromText(Message.Get().ToString()), Hints, Cells.Columns);

	Surface.Fill(Cells, U' ');
	Surface.SetStyle(Cells, ESlateCellStyle::Bar);
	const int32 MessageEnd = Surface.DrawText(Cells.Column + 1, Cells.Row, Layout.Message);
	if (!Layout.Message.empty())
	{
		Surface.SetStyle(FCellRect(Cells.Column + 1, Cells.Row, MessageEnd - Cells.Column - 1, 1), MessageStyle.Get());
	}
	Surface.DrawText(Cells.GetRight() - 1 - Width(Layout.Hints), Cells.Row, Layout.Hints);
}
