// hmd-json check: what the settings module would load from a file, and
// what its next save would lose, without changing anything.
#pragma once

#include "CommandInput.h"

namespace CheckCommand
{
	/**
	 * Writes the report on Input to standard output and returns the exit
	 * status (see ExitCodes.h). A failure to read the input or to write the
	 * report is reported on standard error as one line.
	 */
	int Run(const FCommandInput& Input);
}
