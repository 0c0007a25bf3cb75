// The program's arguments as UTF-8. The Posix and Windows folders hold one
// definition each; the build picks one.
#pragma once

#include "Containers/Array.h"

#include <string>

/** The arguments after the program name, as UTF-8 whatever the system's own encoding. */
TArray<std::string> GetCommandLineArguments(int ArgumentCount, char** Arguments);
