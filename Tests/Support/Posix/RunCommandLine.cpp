// RunCommandLine on POSIX: std::system, through /bin/sh, its wait status made an exit code.
#include "RunCommandLine.h"

#include <cstdlib>
#include <sys/wait.h>

int RunCommandLine(const std::string& CommandLine)
{
	const int Status = std::system(CommandLine.c_str());
	return Status != -1 && WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}
