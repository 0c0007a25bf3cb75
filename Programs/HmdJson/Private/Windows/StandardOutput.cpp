#include "StandardOutput.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#define TCHAR WINTCHAR
#include <windows.h>
#undef TCHAR

// Windows opens standard output in text mode, which would turn each line
// feed byte into CR LF: switch it to binary before writing.
bool StandardOutput::WriteBytes(const uint8* Bytes, int64 Size)
{
	if (_setmode(_fileno(stdout), _O_BINARY) == -1)
	{
		return false;
	}
	const SIZE_T Count = static_cast<SIZE_T>(Size);
	return std::fwrite(Bytes, 1, Count, stdout) == Count && std::fflush(stdout) == 0;
}

// Windows has no SIGPIPE: a write to a pipe with no reader already fails.
void StandardOutput::ReportClosedPipes()
{
}

// Only a console has a console mode; _isatty would also count the NUL
// device, which nobody reads.
bool StandardOutput::IsTerminal()
{
	DWORD Mode = 0;
	return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &Mode) != 0;
}
