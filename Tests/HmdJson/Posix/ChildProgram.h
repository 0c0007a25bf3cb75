// Running the built hmd-json in a child process of the test itself, for
// what the shell cannot set up: standard output on a pseudo-terminal, and a
// run as an ordinary user where the tests run as the superuser (who is not
// stopped by permission bits).
#pragma once

#include "Posix/PosixTestSupport.h"

#include <string>
#include <vector>

struct FChildOptions
{
	/** Standard output is a pseudo-terminal in raw mode, so its bytes arrive unchanged. */
	bool bOutputToTerminal = false;
	/** As the superuser, the child takes OrdinaryUserId's ids before it starts the program. */
	bool bAsOrdinaryUser = false;
};

struct FChildRun
{
	int ExitCode = -1;
	std::string Out;
	std::string Err;
};

/** Runs the program with Arguments and an empty standard input, and collects what it writes. */
FChildRun RunChildProgram(const std::vector<std::string>& Arguments, const FChildOptions& Options = FChildOptions());
