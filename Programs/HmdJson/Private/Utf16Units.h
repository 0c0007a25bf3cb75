// The kinds of UTF-16 code unit that encoders and quoting tell apart.
#pragma once

#include "CoreTypes.h"

namespace Utf16Units
{
	inline bool IsHighSurrogate(TCHAR Unit)
	{
		return Unit >= 0xD800 && Unit <= 0xDBFF;
	}

	inline bool IsLowSurrogate(TCHAR Unit)
	{
		return Unit >= 0xDC00 && Unit <= 0xDFFF;
	}
}
