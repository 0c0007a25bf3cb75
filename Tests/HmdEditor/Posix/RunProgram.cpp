#include "RunProgram.h"

#include <cstdlib>
#include <sys/wait.h>

int RunCommandLine(const std::string& CommandLine)
{
	const int Status = std::system(CommandLine.c_str());
	return Status != -1 && WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}
