// The program's arguments as UTF-8. The Posix and Windows folders hold one
// definition each; the build picks one.
#pragma once

#include "Containers/Array.h"

#include <string>

namespace ProgramArguments
{
	/**
	 * The arguments after the program name, as UTF-8 whatever the system's
	 * own encoding. On POSIX they are the bytes as given, which need not be
	 * UTF-8; on Windows they come from the wide command line, an unpaired
	 * surrogate of a file name in its three-byte form.
	 */
	TArray<std::string> Get(int ArgC, char** ArgV);
}
