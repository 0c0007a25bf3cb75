// Placing a child inside the space its parent gives it: padding first, then
// alignment along each axis.
#pragma once

#include "Layout/ArrangedChildren.h"
#include "Layout/Geometry.h"
#include "Layout/Margin.h"
#include "SlateApi.h"
#include "Types/SlateEnums.h"

struct FAlignmentArrangeResult
{
	float Offset = 0.0f;
	float Size = 0.0f;
};

namespace LayoutUtils
{
	/**
	 * One axis of a placement. Fill takes all the space inside the padding;
	 * the other alignments give the child its desired size, cut down to the
	 * space inside the padding, at the start, centre or end of that space.
	 */
	SLATE_API FAlignmentArrangeResult AlignHorizontally(EHorizontalAlignment Alignment, float AllottedSize, const FMargin& Padding, float DesiredSize);
	SLATE_API FAlignmentArrangeResult AlignVertically(EVerticalAlignment Alignment, float AllottedSize, const FMargin& Padding, float DesiredSize);
}

class FSimpleSlot;

namespace LayoutUtils
{
	/** The desired size of a single slot: its child's desired size plus the slot's padding. */
	SLATE_API FVector2D ComputeSlotDesiredSize(const FSimpleSlot& Slot);
	/** Places a single slot's child inside the whole allotted geometry. */
	SLATE_API void ArrangeSingleChild(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren, const FSimpleSlot& Slot);
}
