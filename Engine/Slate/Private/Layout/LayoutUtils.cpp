#include "Layout/LayoutUtils.h"

#include "Layout/ArrangedChildren.h"
#include "Layout/SlotBase.h"
#include "Widgets/SWidget.h"

#include <algorithm>

namespace
{
	// Both alignment enumerations share one order: fill, start, centre, end.
	FAlignmentArrangeResult Align(uint8 Alignment, float AllottedSize, float PaddingStart, float PaddingEnd, float DesiredSize)
	{
		const float Available = std::max(0.0f, AllottedSize - PaddingStart - PaddingEnd);
		if (Alignment == HAlign_Fill)
		{
			return FAlignmentArrangeResult{PaddingStart, Available};
		}
		const float Size = std::clamp(DesiredSize, 0.0f, Available);
		switch (Alignment)
		{
		case HAlign_Center:
			return FAlignmentArrangeResult{PaddingStart + (Available - Size) * 0.5f, Size};
		case HAlign_Right:
			return FAlignmentArrangeResult{PaddingStart + Available - Size, Size};
		default:
			return FAlignmentArrangeResult{PaddingStart, Size};
		}
	}
}

namespace LayoutUtils
{
	FAlignmentArrangeResult AlignHorizontally(EHorizontalAlignment Alignment, float AllottedSize, const FMargin& Padding, float DesiredSize)
	{
		return Align(Alignment, AllottedSize, Padding.Left, Padding.Right, DesiredSize);
	}

	FAlignmentArrangeResult AlignVertically(EVerticalAlignment Alignment, float AllottedSize, const FMargin& Padding, float DesiredSize)
	{
		return Align(Alignment, AllottedSize, Padding.Top, Padding.Bottom, DesiredSize);
	}
}

namespace LayoutUtils
{
	FVector2D ComputeSlotDesiredSize(const FSimpleSlot& Slot)
	{
		return Slot.GetWidget()->GetDesiredSize() + Slot.GetPadding().GetDesiredSize();
	}

	void ArrangeSingleChild(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren, const FSimpleSlot& Slot)
	{
		const FVector2D Desired = Slot.GetWidget()->GetDesiredSize();
		const FAlignmentArrangeResult X = AlignHorizontally(Slot.GetHAlign(), AllottedGeometry.Size.X, Slot.GetPadding(), Desired.X);
		const FAlignmentArrangeResult Y = AlignVertically(Slot.GetVAlign(), AllottedGeometry.Size.Y, Slot.GetPadding(), Desired.Y);
		ArrangedChildren.Add(FArrangedWidget{Slot.GetWidget(), AllottedGeometry.MakeChild(FVector2D(X.Offset, Y.Offset), FVector2D(X.Size, Y.Size))});
	}
}
