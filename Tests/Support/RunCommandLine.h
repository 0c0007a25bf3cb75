// Runs a program through the system's shell, so that a test can send its
// output to files and pipe programs together. The Posix and Windows folders
// hold one definition each.
#pragma once

#include <string>

/** Runs CommandLine and returns the program's exit code, or -1 when it did not end normally. */
int RunCommandLine(const std::string& CommandLine);
