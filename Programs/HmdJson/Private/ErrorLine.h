// Messages for the user on standard error.
#pragma once

#include "Containers/UnrealString.h"

namespace ErrorLine
{
	/** Writes Message and a line end to standard error, as UTF-8, and flushes it. */
	void Print(const FString& Message);

	/** Says that standard output refused what was written to it. */
	void PrintStandardOutputFailure();
}
