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

	/**
	 * The common short numbers without the general conversion: with at most
	 * 15 significant digits and a decimal exponent of at most 22 either way,
	 * the digits and the power of ten are both exact doubles, so one
	 * multiplication or division rounds once and gives the nearest double.
	 * False for any other number, which the general conversion then takes.
	 */
	bool TryToDoubleExactly(std::string_view Text, double& OutValue)
	{
		static constexpr double ExactPowersOfTen[] = {
			1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
			1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
		};
		constexpr int32 MaxDigits = 15;
		constexpr int64 MaxPower = 22;
		constexpr int64 ExponentLimit = 1000;

		SIZE_T Pos = Text.starts_with('-') ? 1 : 0;
		uint64 Digits = 0;
		int32 NumDigits = 0;
		int64 Exponent = 0;
		const auto TakeDigit = [&](char Character)
		{
			// Leading zeros are not significant.
			if (Digits != 0 || Character != '0')
			{
				Digits = Digits * 10 + static_cast<uint64>(Character - '0');
				++NumDigits;
			}
		};
		for (; Pos < Text.size() && IsDigit(Text[Pos]) && NumDigits <= MaxDigits; ++Pos)
		{
			TakeDigit(Text[Pos]);
		}
		if (Pos < Text.size() && Text[Pos] == '.')
		{
			for (++Pos; Pos < Text.size() && IsDigit(Text[Pos]) && NumDigits <= MaxDigits; ++Pos)
			{
				TakeDigit(Text[Pos]);
				--Exponent;
			}
		}
		if (Pos < Text.size() && (Text[Pos] == 'e' || Text[Pos] == 'E'))
		{
			++Pos;
			const bool bNegative = Pos < Text.size() && Text[Pos] == '-';
			Pos += Pos < Text.size() && (Text[Pos] == '-' || Text[Pos] == '+') ? 1 : 0;
			int64 Written = 0;
			for (; Pos < Text.size() && IsDigit(Text[Pos]) && Written < ExponentLimit; ++Pos)
			{
				Written = Written * 10 + (Text[Pos] - '0');
			}
			Exponent += bNegative ? -Written : Written;
		}
		if (Pos != Text.size() || NumDigits > MaxDigits)
		{
			return false;
		}

		double Magnitude = static_cast<double>(Digits);
		if (Digits != 0)
		{
			if (Exponent < -MaxPower || Exponent > MaxPower)
			{
				return false;
			}
			Magnitude = Exponent < 0 ? Magnitude / ExactPowersOfTen[-Exponent] : Magnitude * ExactPowersOfTen[Exponent];
		}
		OutValue = Text.starts_with('-') ? -Magnitude : Magnitude;
		return true;
	}
}

double JsonNumberText::ToDouble(std::string_view Text)
{
	double Value = 0.0;
	if (TryToDoubleExactly(Text, Value))
	{
		return Value;
	}
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
