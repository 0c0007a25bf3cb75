#include "App/HostModes.h"

#include "App/HmdEditorSession.h"
#include "FrontEnd/HostTerminal.h"
#include "FrontEnd/LogFileOutputDevice.h"
#include "FrontEnd/TerminalFatalGuard.h"
#include "FrontEnd/TerminalFrontEnd.h"
#include "HmdEditorOptions.h"

#include "Framework/Application/SlateApplication.h"
#include "Misc/OutputDevice.h"

#include <cstdio>

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

	// While the terminal shows the editor, standard error is kept off the
	// screen (the terminal does that in Start); the log file has the lines.
	FLogFileOutputDevice LogFile;
	const std::string LogPath = GetHostLogFilePath();
	if (!LogFile.Open(LogPath, Error))
	{
		std::fprintf(stderr, "hmd-editor: cannot open the log file (%s); log lines will follow when the editor ends\n", Error.c_str());
	}
	GLog->AddOutputDevice(&LogFile);

	const std::unique_ptr<IHostTerminal> Terminal = MakePlatformTerminal();
	int ExitCode = 0;
	if (Terminal->Start(Error))
	{
		{
			const FTerminalFatalGuard FatalGuard(*Terminal);
			FSlateApplication::Get().SetScreenSize(Terminal->GetColumns(), Terminal->GetRows());
			const TSharedRef<FTerminalFrontEnd> FrontEnd = MakeShared<FTerminalFrontEnd>(*Terminal);
			Session.Run(FrontEnd, FrontEnd);
		}
		Terminal->Stop();
	}
	else
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Error.c_str());
		ExitCode = 1;
	}
	Session.Shutdown();

	GLog->RemoveOutputDevice(&LogFile);
	LogFile.ReleaseHeldLines();
	return ExitCode;
}
