// RunCommandLine on Windows: std::system, through cmd.exe.
#include "RunCommandLine.h"

#include <cstdlib>

int RunCommandLine(const std::string& CommandLine)
{
	// cmd.exe drops the first and the last quote of a line that starts with
	// one; a pair around the whole line keeps the quoted paths intact.
	return std::system(("\"" + CommandLine + "\"").c_str());
}
