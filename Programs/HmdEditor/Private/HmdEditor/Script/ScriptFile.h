// Reading the script of --script: a file, a pipe, a terminal, a process
// substitution (<(...)) or standard input ("-") alike, whatever can be read
// to its end. A folder, a closed standard input or a failed read is an error.
#pragma once

#include "Templates/ValueOrError.h"

#include <string>

/**
 * Reads the whole script. The error ("the script cannot be read: <name>:
 * <reason>") when it cannot be read, or when a stop signal cut the read
 * short (none of it should then run).
 */
TValueOrError<std::string, std::string> ReadScriptFile(const std::string& Path);
