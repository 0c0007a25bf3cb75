// FOptionalSize: a length in layout units that may be left unset.
#pragma once

class FOptionalSize
{
public:
	constexpr FOptionalSize() = default;
	constexpr FOptionalSize(float InSize) : Size(InSize), bIsSet(true) {}

	constexpr bool IsSet() const { return bIsSet; }
	constexpr float Get() const { return Size; }

private:
	float Size = 0.0f;
	bool bIsSet = false;
};
