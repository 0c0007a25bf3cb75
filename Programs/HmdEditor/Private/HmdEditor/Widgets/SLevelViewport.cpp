#include "HmdEditor/Widgets/SLevelViewport.h"

#include "Text/CodePointString.h"

#define LOCTEXT_NAMESPACE "SLevelViewport"

void SLevelViewport::Construct(const FArguments& /*InArgs*/)
{
	Caption = LOCTEXT("Caption", "Level Viewport");
}

FVector2D SLevelViewport::ComputeDesiredSize() const
{
	// Room for the frame with the caption in its top edge.
	const int32 CaptionLength = static_cast<int32>(CodePointString::FromText(Caption.ToString()).size());
	return FCellMetrics::ToUnits(CaptionLength + 6, 3);
}

void SLevelViewport::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	Surface.Fill(Cells, U' ');
	Surface.DrawBorder(Cells);
	Surface.DrawText(Cells.Column + 2, Cells.Row, TEXT(" ") + Caption.ToString() + TEXT(" "));
}

#undef LOCTEXT_NAMESPACE
