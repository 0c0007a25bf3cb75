// FVector2D: a pair of floats, used for positions and sizes in layout units.
#pragma once

struct FVector2D
{
	float X = 0.0f;
	float Y = 0.0f;

	constexpr FVector2D() = default;
	constexpr FVector2D(float InX, float InY) : X(InX), Y(InY) {}

	constexpr FVector2D operator+(const FVector2D& Other) const { return FVector2D(X + Other.X, Y + Other.Y); }
	constexpr FVector2D operator*(float Scale) const { return FVector2D(X * Scale, Y * Scale); }
	constexpr bool operator==(const FVector2D& Other) const = default;
};
