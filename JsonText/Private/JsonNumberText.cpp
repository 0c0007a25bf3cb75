#include "JsonNumberText.h"

#include "CoreTypes.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace
{
	bool IsDigit(char Character)
	{
		return Character >= '0' && Character <= '9';
	}

	/** What the conversion needs to know of a number text, read in one pass. */
	struct FDecimal
	{
		bool bNegative = false;
		/** The significant digits as an integer, while there are at most MaxExactDigits of them. */
		uint64 Digits = 0;
		/** How many significant digits there are, from the first non-zero one on. */
		int64 NumDigits = 0;
		/**
		 * The decimal order of magnitude: 1 for 1 to 9.99..., 0 for 0.1 to
		 * 0.99..., and so on.
		 */
		int64 Order = 0;
	};

	using JsonNumberText::MaxExactDigits;
	using JsonNumberText::MaxExactPower;
	/** Counts stop here, far beyond the double range, instead of overflowing. */
	constexpr int64 Saturation = int64(1) << 40;

	/** Reads a text of JSON number grammar. */
	FDecimal ReadDecimal(std::string_view Text)
	{
		FDecimal Decimal;
		Decimal.bNegative = Text.starts_with('-');
		SIZE_T Pos = Decimal.bNegative ? 1 : 0;
		const auto TakeDigit = [&Decimal](char Character)
		{
			if (Decimal.NumDigits == 0 && Character == '0')
			{
				return;
			}
			if (Decimal.NumDigits < MaxExactDigits)
			{
				Decimal.Digits = Decimal.Digits * 10 + static_cast<uint64>(Character - '0');
			}
			Decimal.NumDigits = std::min(Decimal.NumDigits + 1, Saturation);
		};
		for (; Pos < Text.size() && IsDigit(Text[Pos]); ++Pos)
		{
			TakeDigit(Text[Pos]);
		}
		Decimal.Order = Decimal.NumDigits;
		if (Pos < Text.size() && Text[Pos] == '.')
		{
			for (++Pos; Pos < Text.size() && IsDigit(Text[Pos]); ++Pos)
			{
				// Zeros before the first significant digit lower the order.
				Decimal.Order -= Decimal.NumDigits == 0 && Text[Pos] == '0' ? 1 : 0;
				TakeDigit(Text[Pos]);
			}
		}
		if (Pos < Text.size())
		{
			++Pos; // the exponent mark
			const bool bNegativeExponent = Text[Pos] == '-';
			Pos += (Text[Pos] == '-' || Text[Pos] == '+') ? 1 : 0;
			int64 Exponent = 0;
			for (; Pos < Text.size(); ++Pos)
			{
				Exponent = std::min(Exponent * 10 + (Text[Pos] - '0'), Saturation);
			}
			Decimal.Order += bNegativeExponent ? -Exponent : Exponent;
		}
		return Decimal;
	}

	/**
	 * The common short numbers without the general conversion; false for
	 * any other number, which the general conversion then takes.
	 */
	bool TryToDoubleExactly(const FDecimal& Decimal, double& OutValue)
	{
		const int64 Power = Decimal.Order - Decimal.NumDigits;
		if (Decimal.NumDigits > MaxExactDigits || (Decimal.NumDigits > 0 && (Power < -MaxExactPower || Power > MaxExactPower)))
		{
			return false;
		}
		OutValue = JsonNumberText::FromExactParts(Decimal.bNegative, Decimal.Digits, Decimal.NumDigits > 0 ? Power : 0);
		return true;
	}
}

double JsonNumberText::FromExactParts(bool bNegative, uint64 Digits, int64 Power)
{
	static constexpr double ExactPowersOfTen[MaxExactPower + 1] = {
		1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
		1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
	};
	const double Exact = static_cast<double>(Digits);
	const double Magnitude = Power < 0 ? Exact / ExactPowersOfTen[-Power] : Exact * ExactPowersOfTen[Power];
	return bNegative ? -Magnitude : Magnitude;
}

double JsonNumberText::ToDouble(std::string_view Text)
{
	double Value = 0.0;
	return TryToDoubleExactly(ReadDecimal(Text), Value) ? Value : ToDoubleInGeneral(Text);
}

double JsonNumberText::ToDoubleInGeneral(std::string_view Text)
{
	double Value = 0.0;
	const std::from_chars_result Result = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
	if (Result.ec == std::errc::result_out_of_range)
	{
		// from_chars leaves Value alone when the nearest double is an
		// infinity or a zero; decide which from the magnitude.
		const FDecimal Decimal = ReadDecimal(Text);
		const double Magnitude = Decimal.Order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
		Value = Decimal.bNegative ? -Magnitude : Magnitude;
	}
	return Value;
}
