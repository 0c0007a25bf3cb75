// Converting the text of a JSON number to a double.
#pragma once

#include "CoreTypes.h"

#include <string_view>

namespace JsonNumberText
{
	/**
	 * The double nearest to Text, which must have JSON number grammar. The
	 * result does not depend on the process locale. Beyond the double range
	 * it is an infinity of the number's sign; below the smallest denormal, a
	 * zero of that sign.
	 */
	double ToDouble(std::string_view Text);

	/**
	 * As ToDouble, through the general conversion without first trying the
	 * exact one: for a text already known to have too many digits or too
	 * large a power for FromExactParts.
	 */
	double ToDoubleInGeneral(std::string_view Text);

	/** Numbers with at most this many decimal digits, and powers of ten up to MaxExactPower, are exact doubles. */
	inline constexpr int64 MaxExactDigits = 15;
	inline constexpr int64 MaxExactPower = 22;

	/**
	 * Digits times ten to the Power, negated when bNegative, for at most
	 * MaxExactDigits digits and a power of at most MaxExactPower either way:
	 * both are exact doubles, so the one multiplication or division rounds
	 * once and gives the nearest double, as the general conversion would.
	 */
	double FromExactParts(bool bNegative, uint64 Digits, int64 Power);
}
