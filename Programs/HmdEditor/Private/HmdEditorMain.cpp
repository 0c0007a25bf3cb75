// hmd-editor: the editor host. See HmdEditorOptions.cpp for the command line.
#include "HmdEditor/App/HostModes.h"
#include "HmdEditor/App/StopSignals.h"
#include "HmdEditor/Help/HostHelp.h"
#include "HmdEditor/HmdEditorOptions.h"

#include "HAL/PlatformProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
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

	/** Says what is wrong with the command line; gives the exit status for it. */
	int ReportUsageError(const std::string& Error)
	{
		std::fprintf(stderr, "hmd-editor: %s\nTry 'hmd-editor --help'.\n", Error.c_str());
		return 2;
	}

	int RunHmdEditor(int ArgumentCount, char** Arguments)
	{
		const TValueOrError<FHmdEditorOptions, std::string> Parsed =
			ParseHmdEditorOptions(FPlatformProcess::GetCommandLineArguments(ArgumentCount, Arguments));
		if (Parsed.HasError())
		{
			return ReportUsageError(Parsed.GetError());
		}
		const FHmdEditorOptions& Options = Parsed.GetValue();
		if (!Options.bShowHelp && !Options.bShowVersion)
		{
			if (const TValueOrError<void, std::string> Checked = CheckDocumentsFolder(Options); Checked.HasError())
			{
				return ReportUsageError(Checked.GetError());
			}
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

	/**
	 * Runs the editor. Running out of memory ends the run here, as in
	 * hmd-json: the stack unwinds, so the terminal is given back and the
	 * session shut down before the message.
	 */
	int RunHmdEditorReportingMemory(int ArgumentCount, char** Arguments)
	{
		try
		{
			return RunHmdEditor(ArgumentCount, Arguments);
		}
		catch (const std::bad_alloc&)
		{
			std::fprintf(stderr, "hmd-editor: not enough memory\n");
			return 1;
		}
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
	return StopSignals::GetExitStatus(RunHmdEditorReportingMemory(ArgumentCount, Arguments));
}
