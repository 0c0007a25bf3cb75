// hmd-editor: the editor host. See HmdEditorOptions.cpp for the command line.
#include "App/HostModes.h"
#include "App/StopSignals.h"
#include "HmdEditorOptions.h"

#include "HAL/PlatformProcess.h"

#include <cstdio>

namespace
{
	int RunHmdEditor(int ArgumentCount, char** Arguments)
	{
		FHmdEditorOptions Options;
		std::string Error;
		if (!ParseHmdEditorOptions(FPlatformProcess::GetCommandLineArguments(ArgumentCount, Arguments), Options, Error)
			|| (!Options.bShowHelp && !CheckDocumentsFolder(Options, Error)))
		{
			std::fprintf(stderr, "hmd-editor: %s\nTry 'hmd-editor --help'.\n", Error.c_str());
			return 2;
		}
		if (Options.bShowHelp)
		{
			std::fputs(GetHmdEditorUsage(), stdout);
			return 0;
		}
		return Options.IsScripted() ? RunHeadless(Options) : RunInteractive(Options);
	}
}

int main(int ArgumentCount, char** Arguments)
{
	// First of all, so that a stop signal at any moment ends the run as a quit
	// does and the program with 128 + the signal's number.
	StopSignals::Install();
	return StopSignals::GetExitStatus(RunHmdEditor(ArgumentCount, Arguments));
}
