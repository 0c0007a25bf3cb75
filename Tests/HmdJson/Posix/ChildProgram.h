// Running the built hmd-json as a child process of the test itself, for
// what the shell cannot set up: standard output on a pseudo-terminal, and a
// run as an ordinary user where the tests run as the superuser (who is not
// stopped by permission bits).
#pragma once

#include "Posix/ChildProcess.h"

#include <string>
#include <vector>

struct FChildRun
{
	int ExitCode = -1;
	std::string Out;
	std::string Err;
};

/** Runs the program with Arguments and an empty standard input, and collects what it writes. */
FChildRun RunChildProgram(const std::vector<std::string>& Arguments, const FChildMode& Mode = FChildMode());
