#include "Widgets/Input/SCheckBox.h"

#include <algorithm>

namespace
{
	// The box takes three cells; content starts after one more cell of space.
	constexpr int32 BoxColumns = 3;
	constexpr int32 ContentOffsetColumns = BoxColumns + 1;

	char32_t MarkFor(ECheckBoxState State)
	{
		switch (State)
		{
		case ECheckBoxState::Checked:
			return U'x';
		case ECheckBoxState::Undetermined:
			return U'-';
		default:
			return U' ';
		}
	}
}

SCheckBox::SCheckBox() = default;

void SCheckBox::Construct(const FArguments& InArgs)
{
	IsCheckedState = InArgs._IsChecked;
	OnCheckStateChanged = InArgs._OnCheckStateChanged;
	const bool bHasContent = InArgs._Content.Widget != SNullWidget::NullWidget;
	ChildSlot.Padding(FMargin(bHasContent ? FCellMetrics::ToUnits(ContentOffsetColumns, 0).X : 0.0f, 0.0f, 0.0f, 0.0f))[InArgs._Content.Widget];
}

void SCheckBox::ToggleCheckedState()
{
	const ECheckBoxState NewState = GetCheckedState() == ECheckBoxState::Checked ? ECheckBoxState::Unchecked : ECheckBoxState::Checked;
	if (!IsCheckedState.IsBound())
	{
		IsCheckedState.Set(NewState);
	}
	OnCheckStateChanged.ExecuteIfBound(NewState);
}

FReply SCheckBox::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent)
{
	if (InKeyEvent.GetKey() == EKeys::Space)
	{
		ToggleCheckedState();
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

FReply SCheckBox::OnMouseButtonDown(const FGeometry& /*MyGeometry*/, const FPointerEvent& /*MouseEvent*/)
{
	ToggleCheckedState();
	return FReply::Handled();
}

FVector2D SCheckBox::ComputeDesiredSize() const
{
	const FVector2D Content = SCompoundWidget::ComputeDesiredSize();
	const FVector2D Box = FCellMetrics::ToUnits(BoxColumns, 1);
	return FVector2D(std::max(Box.X, Content.X), std::max(Box.Y, Content.Y));
}

void SCheckBox::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	if (HasKeyboardFocus())
	{
		// The box and its content, not the free space the layout may give the widget beyond them.
		const FCellRect Desired = FCellMetrics::ToCellRect(FVector2D(), GetDesiredSize());
		Surface.SetStyle(FCellRect(Cells.Column, Cells.Row, std::min(Cells.Columns, Desired.Columns), std::min(Cells.Rows, Desired.Rows)), ESlateCellStyle::Focused);
		Surface.SetCursor(Cells.Column + 1, Cells.Row);
	}
	const char32_t Box[] = {U'[', MarkFor(GetCheckedState()), U']'};
	Surface.DrawText(Cells.Column, Cells.Row, std::u32string_view(Box, BoxColumns));
	PaintChildren(AllottedGeometry, Surface);
}
