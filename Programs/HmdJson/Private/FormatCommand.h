// hmd-json format: read a JSON file, and write its object as the settings
// module's save would.
#pragma once

#include "CommandInput.h"
#include "Containers/UnrealString.h"

struct FFormatOptions
{
	/** Where the bytes go: empty for standard output, otherwise a file replaced atomically. */
	FString OutputPath;
	/** Writes the text as UTF-8 instead of the saved form. */
	bool bUtf8 = false;
};

namespace FormatCommand
{
	/**
	 * Formats Input as Options say and returns the exit status (see
	 * ExitCodes.h). Every failure is reported on standard error as one line.
	 */
	int Run(const FCommandInput& Input, const FFormatOptions& Options);
}
