// FGeometry: where a widget was placed, as an absolute position and a size
// in layout units, and the character cells that covers.
#pragma once

#include "Layout/CellMetrics.h"
#include "Math/Vector2D.h"

struct FGeometry
{
	/** Top-left corner, in units from the top-left corner of the screen. */
	FVector2D Position;
	FVector2D Size;

	constexpr FGeometry() = default;
	constexpr FGeometry(const FVector2D& InPosition, const FVector2D& InSize) : Position(InPosition), Size(InSize) {}

	const FVector2D& GetAbsolutePosition() const { return Position; }
	const FVector2D& GetLocalSize() const { return Size; }

	/** The geometry of a child placed at an offset from this widget's corner. */
	constexpr FGeometry MakeChild(const FVector2D& LocalOffset, const FVector2D& ChildSize) const
	{
		return FGeometry(Position + LocalOffset, ChildSize);
	}

	FCellRect GetCellRect() const { return FCellMetrics::ToCellRect(Position, Size); }

	constexpr bool operator==(const FGeometry& Other) const = default;
};
