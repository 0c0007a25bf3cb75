// hmd-json format: read a JSON file, and write its object as the settings
// module's save would.
#pragma once

#include "Containers/UnrealString.h"

namespace FormatCommand
{
	/**
	 * Formats the file at InputPath to standard output and returns the exit
	 * status (see ExitCodes.h). Every failure is reported on standard error
	 * as one line.
	 */
	int Run(const FString& InputPath);
}
