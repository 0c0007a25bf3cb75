#include "StandardOutput.h"

#include <cstdio>
#include <unistd.h>

// POSIX streams never translate line ends, so no binary mode is needed.
bool StandardOutput::WriteBytes(const uint8* Bytes, int64 Size)
{
	const SIZE_T Count = static_cast<SIZE_T>(Size);
	return std::fwrite(Bytes, 1, Count, stdout) == Count && std::fflush(stdout) == 0;
}

bool StandardOutput::IsTerminal()
{
	return ::isatty(STDOUT_FILENO) == 1;
}
