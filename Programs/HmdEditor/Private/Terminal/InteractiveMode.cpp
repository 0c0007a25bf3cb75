#include "App/HostModes.h"

#include "App/HmdEditorSession.h"
#include "HmdEditorOptions.h"
#include "Terminal/TerminalEventSource.h"
#include "Terminal/TerminalLogFile.h"
#include "Terminal/TerminalScreen.h"

#include "Framework/Application/SlateApplication.h"
#include "Misc/OutputDevice.h"

#include <cstdio>
#include <cstdlib>

int RunInteractive(const FHmdEditorOptions& Options)
{
	// Start-up problems are still reported on standard error, before the
	// terminal is taken over.
	FHmdEditorSession Session;
	std::string Error;
	if (!Session.Startup(Options, Error))
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Error.c_str());
		return 1;
	}

	// Anything written to standard error now would scribble over the screen.
	FLogFileOutputDevice LogFile;
	const std::string LogPath = GetTerminalLogFilePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
	if (!LogFile.Open(LogPath, Error))
	{
		std::fprintf(stderr, "hmd-editor: cannot open the log file (%s); log lines will follow when the editor ends\n", Error.c_str());
	}
	GLog->RemoveAllOutputDevices();
	GLog->AddOutputDevice(&LogFile);

	FTerminalScreen Screen;
	int ExitCode = 0;
	if (Screen.Start(Error))
	{
		FSlateApplication::Get().SetScreenSize(Screen.GetColumns(), Screen.GetRows());
		const TSharedRef<FTerminalEventSource> Terminal = MakeShared<FTerminalEventSource>(Screen);
		Session.Run(Terminal, Terminal);
		Screen.Stop();
	}
	else
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Error.c_str());
		ExitCode = 1;
	}
	Session.Shutdown();

	static FOutputDeviceStdErr StdErr;
	GLog->RemoveOutputDevice(&LogFile);
	GLog->AddOutputDevice(&StdErr);
	LogFile.ReleaseHeldLines();
	return ExitCode;
}
