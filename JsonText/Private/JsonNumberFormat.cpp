#include "JsonNumberFormat.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace
{
	/** An unsigned 128-bit number in two words, for the exact products below. */
	struct FWideUnsigned
	{
		uint64 High;
		uint64 Low;
	};

	FWideUnsigned Multiply(uint64 A, uint64 B)
	{
		const uint64 ALow = A & 0xFFFFFFFFu;
		const uint64 AHigh = A >> 32;
		const uint64 BLow = B & 0xFFFFFFFFu;
		const uint64 BHigh = B >> 32;
		const uint64 LowLow = ALow * BLow;
		const uint64 LowHigh = ALow * BHigh;
		const uint64 HighLow = AHigh * BLow;
		const uint64 Middle = (LowLow >> 32) + (LowHigh & 0xFFFFFFFFu) + (HighLow & 0xFFFFFFFFu);
		return FWideUnsigned{AHigh * BHigh + (LowHigh >> 32) + (HighLow >> 32) + (Middle >> 32), (Middle << 32) | (LowLow & 0xFFFFFFFFu)};
	}

	/** A times B, for a product below 2^128. */
	FWideUnsigned Multiply(FWideUnsigned A, uint64 B)
	{
		FWideUnsigned Product = Multiply(A.Low, B);
		Product.High += A.High * B;
		return Product;
	}

	/** N shifted right by Shift, 0 < Shift < 128, for a result below 2^64. */
	uint64 ShiftRight(FWideUnsigned N, int32 Shift)
	{
		if (Shift >= 64)
		{
			return N.High >> (Shift - 64);
		}
		return (N.Low >> Shift) | (N.High << (64 - Shift));
	}

	bool BitAt(FWideUnsigned N, int32 Index)
	{
		return ((Index < 64 ? N.Low >> Index : N.High >> (Index - 64)) & 1) != 0;
	}

	/** True when any of the Count lowest bits of N is set, 0 <= Count < 128. */
	bool AnyLowBit(FWideUnsigned N, int32 Count)
	{
		if (Count < 64)
		{
			return (N.Low & ((uint64{1} << Count) - 1)) != 0;
		}
		return N.Low != 0 || (N.High & ((uint64{1} << (Count - 64)) - 1)) != 0;
	}

	/** 5^27, the largest power of five in a word. */
	constexpr int32 MaxWordPowerOfFive = 27;
	/** The scale 10^Power goes up to 10^32, so that the product with a mantissa stays below 2^128. */
	constexpr int32 MaxScalePower = 32;

	/** 5^0 to 5^27. */
	constexpr auto PowersOfFive = []
	{
		std::array<uint64, MaxWordPowerOfFive + 1> Powers{};
		Powers[0] = 1;
		for (SIZE_T Power = 1; Power < Powers.size(); ++Power)
		{
			Powers[Power] = Powers[Power - 1] * 5;
		}
		return Powers;
	}();

	constexpr uint64 Lowest17Digits = 10000000000000000ull;
	constexpr uint64 Beyond17Digits = 100000000000000000ull;

	/** Seventeen significant digits and the decimal exponent of the first: the value is Digits * 10^(Exponent - 16). */
	struct FSignificand
	{
		uint64 Digits;
		int32 Exponent;
	};

	/**
	 * The seventeen digits of a positive normal double from 1e-16 to below
	 * 1e17, where Mantissa * 10^Scale fits in 128 bits and the exact value
	 * times a power of ten is a shift of it: exact arithmetic, so the
	 * rounding is that of the exact decimal value. False elsewhere.
	 */
	bool TrySignificand(uint64 Bits, FSignificand& Out)
	{
		const int32 BiasedExponent = static_cast<int32>((Bits >> 52) & 0x7FF);
		if (BiasedExponent == 0)
		{
			return false;
		}
		// Value = Mantissa * 2^BinaryExponent, with 2^52 <= Mantissa < 2^53.
		const uint64 Mantissa = (Bits & ((uint64{1} << 52) - 1)) | (uint64{1} << 52);
		const int32 BinaryExponent = BiasedExponent - 1075;
		// floor(log10(Value)) is this or one more; the checks below settle it.
		int32 Exponent = ((BiasedExponent - 1023) * 78913) >> 18;
		for (int32 Attempt = 0; Attempt < 3; ++Attempt)
		{
			// Value * 10^Scale = Mantissa * 5^Scale * 2^(BinaryExponent + Scale).
			const int32 Scale = 16 - Exponent;
			if (Scale < 0 || Scale > MaxScalePower)
			{
				return false;
			}
			const FWideUnsigned Product = Scale <= MaxWordPowerOfFive
				? Multiply(Mantissa, PowersOfFive[Scale])
				: Multiply(Multiply(Mantissa, PowersOfFive[MaxWordPowerOfFive]), PowersOfFive[Scale - MaxWordPowerOfFive]);
			const int32 Shift = -(BinaryExponent + Scale);
			uint64 Truncated = 0;
			bool bRoundUp = false;
			if (Shift > 0)
			{
				Truncated = ShiftRight(Product, Shift);
				// Nearest, ties to even: up when more than half is cut off, or exactly half of an odd number.
				bRoundUp = BitAt(Product, Shift - 1) && (AnyLowBit(Product, Shift - 1) || (Truncated & 1) != 0);
			}
			else
			{
				// A whole number: exact when no bit leaves the word.
				const int32 LeftShift = -Shift;
				if (Product.High != 0 || LeftShift >= 64 || (LeftShift > 0 && (Product.Low >> (64 - LeftShift)) != 0))
				{
					return false;
				}
				Truncated = Product.Low << LeftShift;
			}
			if (Truncated >= Beyond17Digits)
			{
				++Exponent;
				continue;
			}
			if (Truncated < Lowest17Digits)
			{
				--Exponent;
				continue;
			}
			Out.Digits = Truncated + (bRoundUp ? 1 : 0);
			Out.Exponent = Exponent;
			// Rounding up can carry into an eighteenth digit, as it does for
			// the double nearest 1e-14, which lies just below it.
			if (Out.Digits == Beyond17Digits)
			{
				Out.Digits = Lowest17Digits;
				++Out.Exponent;
			}
			return true;
		}
		return false;
	}

	constexpr char DigitPairs[] =
		"00010203040506070809101112131415161718192021222324252627282930313233343536373839"
		"40414243444546474849505152535455565758596061626364656667686970717273747576777879"
		"8081828384858687888990919293949596979899";

	/** Writes the Count lowest decimal digits of Value, with leading zeros, and returns where they end. */
	TCHAR* WriteDigits(uint32 Value, int32 Count, TCHAR* Out)
	{
		TCHAR* const End = Out + Count;
		TCHAR* Cursor = End;
		for (; Count >= 2; Count -= 2)
		{
			const char* const Pair = DigitPairs + 2 * (Value % 100);
			Value /= 100;
			*--Cursor = static_cast<TCHAR>(Pair[1]);
			*--Cursor = static_cast<TCHAR>(Pair[0]);
		}
		if (Count > 0)
		{
			*--Cursor = static_cast<TCHAR>(u'0' + Value % 10);
		}
		return End;
	}

	/** Writes the decimal digits of Value, without leading zeros, and returns where they end. */
	TCHAR* WriteInteger(uint64 Value, TCHAR* Out)
	{
		constexpr uint64 EightDigits = 100000000;
		if (Value >= EightDigits)
		{
			Out = WriteInteger(Value / EightDigits, Out);
			return WriteDigits(static_cast<uint32>(Value % EightDigits), 8, Out);
		}
		int32 Count = 1;
		for (uint32 Limit = 10; Count < 8 && Value >= Limit; Limit *= 10)
		{
			++Count;
		}
		return WriteDigits(static_cast<uint32>(Value), Count, Out);
	}

	TCHAR* WriteUnits(const TCHAR* Units, int32 Count, TCHAR* Out)
	{
		std::memcpy(Out, Units, static_cast<SIZE_T>(Count) * sizeof(TCHAR));
		return Out + Count;
	}

	/** The "%.17g" layout of Significand's digits, trailing zeros left out. */
	TCHAR* WriteSignificand(const FSignificand& Significand, TCHAR* Out)
	{
		// The first nine digits, then the last eight.
		constexpr uint64 EightDigits = 100000000;
		TCHAR Digits[17];
		WriteDigits(static_cast<uint32>(Significand.Digits % EightDigits), 8,
			WriteDigits(static_cast<uint32>(Significand.Digits / EightDigits), 9, Digits));
		int32 Kept = 17;
		while (Kept > 1 && Digits[Kept - 1] == u'0')
		{
			--Kept;
		}
		const int32 Exponent = Significand.Exponent;
		if (Exponent < -4 || Exponent >= 17)
		{
			*Out++ = Digits[0];
			if (Kept > 1)
			{
				*Out++ = u'.';
				Out = WriteUnits(Digits + 1, Kept - 1, Out);
			}
			*Out++ = u'e';
			*Out++ = Exponent < 0 ? u'-' : u'+';
			// At least two exponent digits.
			const uint32 Magnitude = static_cast<uint32>(Exponent < 0 ? -Exponent : Exponent);
			return WriteDigits(Magnitude, Magnitude < 100 ? 2 : 3, Out);
		}
		if (Exponent < 0)
		{
			*Out++ = u'0';
			*Out++ = u'.';
			for (int32 Zero = -1; Zero > Exponent; --Zero)
			{
				*Out++ = u'0';
			}
			return WriteUnits(Digits, Kept, Out);
		}
		Out = WriteUnits(Digits, Exponent + 1, Out);
		if (Kept > Exponent + 1)
		{
			*Out++ = u'.';
			Out = WriteUnits(Digits + Exponent + 1, Kept - Exponent - 1, Out);
		}
		return Out;
	}
}

TCHAR* JsonNumberFormat::Write(double Value, TCHAR* Out)
{
	// A whole number below 2^53 has fewer than 17 digits, so "%.17g" writes
	// it as an integer. Negative zero keeps its sign.
	constexpr double ExactIntegerLimit = 9007199254740992.0;
	const uint64 Bits = std::bit_cast<uint64>(Value);
	const bool bNegative = (Bits >> 63) != 0;
	const double Magnitude = std::fabs(Value);
	if (bNegative)
	{
		*Out++ = u'-';
	}
	if (Magnitude < ExactIntegerLimit)
	{
		const uint64 Whole = static_cast<uint64>(Magnitude);
		if (static_cast<double>(Whole) == Magnitude)
		{
			return WriteInteger(Whole, Out);
		}
	}
	FSignificand Significand;
	if (TrySignificand(Bits, Significand))
	{
		return WriteSignificand(Significand, Out);
	}
	// Very large and very small magnitudes take the library's exact conversion.
	char Text[MaxUnits];
	const std::to_chars_result Result = std::to_chars(Text, Text + sizeof(Text), Magnitude, std::chars_format::general, 17);
	for (const char* Character = Text; Character != Result.ptr; ++Character)
	{
		*Out++ = static_cast<TCHAR>(*Character);
	}
	return Out;
}
