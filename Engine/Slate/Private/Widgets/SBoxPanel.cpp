#include "Widgets/SBoxPanel.h"

#include "Layout/LayoutUtils.h"

#include <algorithm>

namespace
{
	// Lengths along the box's direction ("main") and across it ("cross").
	float Main(EOrientation Orientation, const FVector2D& Vector) { return Orientation == EOrientation::Orient_Horizontal ? Vector.X : Vector.Y; }
	float Cross(EOrientation Orientation, const FVector2D& Vector) { return Orientation == EOrientation::Orient_Horizontal ? Vector.Y : Vector.X; }
	FVector2D MakeVector(EOrientation Orientation, float MainValue, float CrossValue)
	{
		return Orientation == EOrientation::Orient_Horizontal ? FVector2D(MainValue, CrossValue) : FVector2D(CrossValue, MainValue);
	}
}

SBoxPanel::SBoxPanel(EOrientation InOrientation) : Orientation(InOrientation)
{
}

FVector2D SBoxPanel::ComputeDesiredSize() const
{
	float MainTotal = 0.0f;
	float CrossMax = 0.0f;
	for (const FSlot& Slot : Children.Slots)
	{
		const FVector2D SlotSize = Slot.GetWidget()->GetDesiredSize() + Slot.SlotPadding.GetDesiredSize();
		MainTotal += Main(Orientation, SlotSize);
		CrossMax = std::max(CrossMax, Cross(Orientation, SlotSize));
	}
	return MakeVector(Orientation, MainTotal, CrossMax);
}

void SBoxPanel::ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	// First pass: what the automatic slots and every padding take, and the sum of the stretch coefficients.
	float FixedTotal = 0.0f;
	float StretchTotal = 0.0f;
	for (const FSlot& Slot : Children.Slots)
	{
		FixedTotal += Main(Orientation, Slot.SlotPadding.GetDesiredSize());
		if (Slot.SizeRule == ESizeRule::Auto)
		{
			FixedTotal += Main(Orientation, Slot.GetWidget()->GetDesiredSize());
		}
		else
		{
			StretchTotal += std::max(0.0f, Slot.SizeValue);
		}
	}
	const float FreeSpace = std::max(0.0f, Main(Orientation, AllottedGeometry.Size) - FixedTotal);
	const float CrossSize = Cross(Orientation, AllottedGeometry.Size);

	// Second pass: each slot's extent along the box, then the child inside it.
	float SlotStart = 0.0f;
	for (const FSlot& Slot : Children.Slots)
	{
		const FVector2D Desired = Slot.GetWidget()->GetDesiredSize();
		const float ContentExtent = Slot.SizeRule == ESizeRule::Auto
			? Main(Orientation, Desired)
			: (StretchTotal > 0.0f ? FreeSpace * std::max(0.0f, Slot.SizeValue) / StretchTotal : 0.0f);
		const float SlotExtent = ContentExtent + Main(Orientation, Slot.SlotPadding.GetDesiredSize());
		const FVector2D SlotSize = MakeVector(Orientation, SlotExtent, CrossSize);

		const FAlignmentArrangeResult X = LayoutUtils::AlignHorizontally(Slot.HAlignment, SlotSize.X, Slot.SlotPadding, Desired.X);
		const FAlignmentArrangeResult Y = LayoutUtils::AlignVertically(Slot.VAlignment, SlotSize.Y, Slot.SlotPadding, Desired.Y);
		const FVector2D SlotOffset = MakeVector(Orientation, SlotStart, 0.0f);
		ArrangedChildren.Add(FArrangedWidget{Slot.GetWidget(), AllottedGeometry.MakeChild(SlotOffset + FVector2D(X.Offset, Y.Offset), FVector2D(X.Size, Y.Size))});
		SlotStart += SlotExtent;
	}
}

SHorizontalBox::SHorizontalBox() : SBoxPanel(EOrientation::Orient_Horizontal)
{
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	AddSlots(InArgs.Slots);
}

SVerticalBox::SVerticalBox() : SBoxPanel(EOrientation::Orient_Vertical)
{
}

void SVerticalBox::Construct(const FArguments& InArgs)
{
	AddSlots(InArgs.Slots);
}
