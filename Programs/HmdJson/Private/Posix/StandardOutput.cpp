#include "StandardOutput.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

// POSIX streams never translate line ends, so no binary mode is needed.
bool StandardOutput::WriteBytes(const uint8* Bytes, int64 Size)
{
	const SIZE_T Count = static_cast<SIZE_T>(Size);
	return std::fwrite(Bytes, 1, Count, stdout) == Count && std::fflush(stdout) == 0;
}

// Without SIGPIPE, a write to a pipe with no reader fails with EPIPE.
void StandardOutput::ReportClosedPipes()
{
	std::signal(SIGPIPE, SIG_IGN);
}

bool StandardOutput::IsTerminal()
{
	return ::isatty(STDOUT_FILENO) == 1;
}
