// The text of a number as the writer puts it down: exactly what "%.17g"
// gives in the C locale, whatever the process locale, made without the C
// library's formatting. Seventeen significant digits, rounded to nearest
// with ties to even from the exact value of the double, trailing zeros
// left out, and the exponent form below 1e-4 and from 1e17 on.
#pragma once

#include "CoreTypes.h"

namespace JsonNumberFormat
{
	/** The longest text of a finite double: "-1.2345678901234567e-308". */
	inline constexpr SIZE_T MaxUnits = 24;

	/** Writes the text of Value, which must be finite, at Out (room for MaxUnits) and returns where it ends. */
	TCHAR* Write(double Value, TCHAR* Out);
}
