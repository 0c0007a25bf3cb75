// Runs a program for the end-to-end tests, through the system's shell so
// that its output can be sent to files. The Posix and Windows folders hold
// one definition each.
#pragma once

#include <string>

/** Runs CommandLine and returns the program's exit code, or -1 when it did not end normally. */
int RunCommandLine(const std::string& CommandLine);
