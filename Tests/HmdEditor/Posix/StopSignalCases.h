// The stop signals, each with the exit status a run it ends must have.
#pragma once

#include <csignal>

struct FStopSignalCase
{
	const char* Name;
	int Signal;
	int ExpectedStatus;
};

inline constexpr FStopSignalCase StopSignalCases[] = {
	{"SIGTERM", SIGTERM, 143},
	{"SIGHUP", SIGHUP, 129},
	{"SIGINT", SIGINT, 130},
};
