// Reading the script of --script: a file, a pipe, a terminal, a process
// substitution (<(...)) or standard input ("-") alike, whatever can be read
// to its end. A folder, a closed standard input or a failed read is an error.
#pragma once

#include <string>

/**
 * Reads the whole script. Returns false with Error set ("the script cannot
 * be read: <name>: <reason>") when it cannot be read, or when a stop signal
 * cut the read short (none of it should then run).
 */
bool ReadScriptFile(const std::string& Path, std::string& OutText, std::string& Error);
