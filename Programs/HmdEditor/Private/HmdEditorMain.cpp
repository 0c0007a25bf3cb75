// hmd-editor: the editor host. See HmdEditorOptions.cpp for the command line.
#include "App/HostModes.h"
#include "App/StopSignals.h"
#include "CommandLineArguments.h"
#include "HmdEditorOptions.h"

#include <cstdio>

int main(int ArgumentCount, char** Arguments)
{
	FHmdEditorOptions Options;
	std::string Error;
	if (!ParseHmdEditorOptions(GetCommandLineArguments(ArgumentCount, Arguments), Options, Error)
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

	// From here on a stop signal ends the run as a quit does, and decides the exit status.
	StopSignals::Install();
	const int ExitCode = Options.IsScripted() ? RunHeadless(Options) : RunInteractive(Options);
	return StopSignals::GetExitStatus(ExitCode);
}
