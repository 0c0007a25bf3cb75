#include "Widgets/SStatusLine.h"

#include "Text/CodePointString.h"

void SStatusLine::Construct(const FArguments& InArgs)
{
	Message = InArgs._Message;
	KeyHints = InArgs._KeyHints;
}

FVector2D SStatusLine::ComputeDesiredSize() const
{
	const int32 MessageLength = static_cast<int32>(CodePointString::FromText(Message.Get().ToString()).size());
	const int32 HintsLength = static_cast<int32>(CodePointString::FromText(KeyHints.Get().ToString()).size());
	return FCellMetrics::MeasureText(1 + MessageLength + 2 + HintsLength + 1, 1);
}

void SStatusLine::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	Surface.Fill(Cells, U' ');
	const std::u32string MessageText = CodePointString::FromText(Message.Get().ToString());
	const std::u32string HintsText = CodePointString::FromText(KeyHints.Get().ToString());
	const int32 MessageEnd = Surface.DrawText(Cells.Column + 1, Cells.Row, MessageText);
	const int32 HintsColumn = Cells.GetRight() - 1 - static_cast<int32>(HintsText.size());
	// Two blank cells keep the hints apart from the message.
	if (HintsColumn >= MessageEnd + 2)
	{
		Surface.DrawText(HintsColumn, Cells.Row, HintsText);
	}
}
