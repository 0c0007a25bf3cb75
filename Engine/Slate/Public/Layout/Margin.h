// FMargin: space around a widget, in layout units.
#pragma once

#include "Math/Vector2D.h"

struct FMargin
{
	float Left = 0.0f;
	float Top = 0.0f;
	float Right = 0.0f;
	float Bottom = 0.0f;

	constexpr FMargin() = default;
	/** The same space on every side. */
	constexpr FMargin(float Uniform) : Left(Uniform), Top(Uniform), Right(Uniform), Bottom(Uniform) {}
	constexpr FMargin(float Horizontal, float Vertical) : Left(Horizontal), Top(Vertical), Right(Horizontal), Bottom(Vertical) {}
	constexpr FMargin(float InLeft, float InTop, float InRight, float InBottom) : Left(InLeft), Top(InTop), Right(InRight), Bottom(InBottom) {}

	/** The space taken along each axis: left plus right, top plus bottom. */
	constexpr FVector2D GetDesiredSize() const { return FVector2D(Left + Right, Top + Bottom); }

	constexpr bool operator==(const FMargin& Other) const = default;
};
