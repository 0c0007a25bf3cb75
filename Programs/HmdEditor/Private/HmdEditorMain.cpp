// hmd-editor: the editor host. See HmdEditorOptions.cpp for the command line.
#include "App/HostModes.h"
#include "App/StopSignals.h"
#include "Help/HostHelp.h"
#include "HmdEditorOptions.h"

#include "HAL/PlatformProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
	/** Prints Text to standard output; a write that fails (a full device, a closed pipe) is reported and gives 1. */
	int PrintToStandardOutput(const std::string& Text)
	{
		errno = 0;
		if (std::fwrite(Text.data(), 1, Text.size(), stdout) != Text.size() || std::fflush(stdout) != 0)
		{
			const int Error = errno != 0 ? errno : EIO;
			std::fprintf(stderr, "hmd-editor: cannot write to standard output: %s\n", std::strerror(Error));
			return 1;
		}
		return 0;
	}

	int RunHmdEditor(int ArgumentCount, char** Arguments)
	{
		FHmdEditorOptions Options;
		std::string Error;
		if (!ParseHmdEditorOptions(FPlatformProcess::GetCommandLineArguments(ArgumentCount, Arguments), Options, Error)
			|| (!Options.bShowHelp && !Options.bShowVersion && !CheckDocumentsFolder(Options, Error)))
		{
			std::fprintf(stderr, "hmd-editor: %s\nTry 'hmd-editor --help'.\n", Error.c_str());
			return 2;
		}
		if (Options.bShowHelp)
		{
			return PrintToStandardOutput(GetHmdEditorUsage());
		}
		if (Options.bShowVersion)
		{
			return PrintToStandardOutput(GetHmdEditorVersionLine() + "\n");
		}
		return Options.IsScripted() ? RunHeadless(Options) : RunInteractive(Options);
	}
}

int main(int ArgumentCount, char** Arguments)
{
	// First of all, so that a stop signal at any moment ends the run as a quit
	// does and the program with 128 + the signal's number.
	StopSignals::Install();
#if !defined(_WIN32)
	// A closed pipe on standard output is a write error to report, not a reason to die silently.
	std::signal(SIGPIPE, SIG_IGN);
#endif
	return StopSignals::GetExitStatus(RunHmdEditor(ArgumentCount, Arguments));
}
