#include "JsonNumberText.h"

#include "CoreTypes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace
{
	bool IsDigit(char Character)
	{
		return Character >= '0' && Character <= '9';
	}

	/**
	 * The decimal order of magnitude of a number text with at least one
	 * non-zero digit: 1 for 1 to 9.99..., 0 for 0.1 to 0.99..., and so on.
	 * Saturates far beyond the double range instead of overflowing.
	 */
	int64 OrderOfMagnitude(std::string_view Text)
	{
		constexpr int64 Saturation = int64(1) << 40;
		SIZE_T Pos = Text.starts_with('-') ? 1 : 0;
		int64 Order = 0;
		bool bSignificant = false;
		for (; Pos < Text.size() && IsDigit(Text[Pos]); ++Pos)
		{
			bSignificant = bSignificant || Text[Pos] != '0';
			Order += bSignificant ? 1 : 0;
		}
		if (Pos < Text.size() && Text[Pos] == '.')
		{
			for (++Pos; Pos < Text.size() && IsDigit(Text[Pos]); ++Pos)
			{
				bSignificant = bSignificant || Text[Pos] != '0';
				Order -= bSignificant ? 0 : 1;
			}
		}
		if (Pos < Text.size())
		{
			++Pos; // the exponent mark
			const bool bNegative = Text[Pos] == '-';
			Pos += (Text[Pos] == '-' || Text[Pos] == '+') ? 1 : 0;
			int64 Exponent = 0;
			for (; Pos < Text.size(); ++Pos)
			{
				Exponent = std::min(Exponent * 10 + (Text[Pos] - '0'), Saturation);
			}
			Order += bNegative ? -Exponent : Exponent;
		}
		return Order;
	}
}

double JsonNumberText::ToDouble(std::string_view Text)
{
	double Value = 0.0;
	const std::from_chars_result Result = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
	if (Result.ec == std::errc::result_out_of_range)
	{
		// from_chars leaves Value alone when the nearest double is an
		// infinity or a zero; decide which from the magnitude.
		const double Magnitude = OrderOfMagnitude(Text) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
		Value = Text.starts_with('-') ? -Magnitude : Magnitude;
	}
	return Value;
}
