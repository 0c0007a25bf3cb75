#include "SWindowCloseButton.h"

#include "Framework/Application/SlateApplication.h"
#include "Widgets/SWindow.h"

FReply SWindowCloseButton::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent)
{
	if (InKeyEvent.GetKey() == EKeys::Enter || InKeyEvent.GetKey() == EKeys::Space)
	{
		CloseOwner();
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

FReply SWindowCloseButton::OnMouseButtonDown(const FGeometry& /*MyGeometry*/, const FPointerEvent& /*MouseEvent*/)
{
	CloseOwner();
	return FReply::Handled();
}

FVector2D SWindowCloseButton::ComputeDesiredSize() const
{
	return FCellMetrics::ToUnits(Columns, 1);
}

void SWindowCloseButton::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	Surface.DrawText(Cells.Column, Cells.Row, std::u32string_view(U"[X]"));
	if (HasKeyboardFocus())
	{
		Surface.SetStyle(Cells, ESlateCellStyle::Focused);
		Surface.SetCursor(Cells.Column + 1, Cells.Row);
	}
}

void SWindowCloseButton::CloseOwner() const
{
	if (const TSharedPtr<SWidget> Window = Owner.Pin())
	{
		FSlateApplication::Get().RequestDestroyWindow(StaticCastSharedRef<SWindow>(Window.ToSharedRef()));
	}
}
