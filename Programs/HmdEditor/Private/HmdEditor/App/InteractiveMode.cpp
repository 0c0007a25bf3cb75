#include "HmdEditor/App/HostModes.h"

#include "HmdEditor/App/HmdEditorSession.h"
#include "HmdEditor/FrontEnd/HostTerminal.h"
#include "HmdEditor/FrontEnd/LogFileOutputDevice.h"
#include "HmdEditor/FrontEnd/TerminalFatalGuard.h"
#include "HmdEditor/FrontEnd/TerminalFrontEnd.h"
#include "HmdEditor/HmdEditorOptions.h"

#include "Framework/Application/SlateApplication.h"
#include "Misc/OutputDevice.h"

#include <cstdio>

int RunInteractive(const FHmdEditorOptions& Options)
{
	// Start-up problems are still reported on standard error, before the
	// terminal is taken over.
	FHmdEditorSession Session;
	if (const TValueOrError<void, std::string> Started = Session.Startup(Options); Started.HasError())
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Started.GetError().c_str());
		return 1;
	}

	// While the terminal shows the editor, standard error is kept off the
	// screen (the terminal does that in Start); the log file has the lines.
	FLogFileOutputDevice LogFile;
	const std::string LogPath = GetHostLogFilePath();
	if (const TValueOrError<void, std::string> Opened = LogFile.Open(LogPath); Opened.HasError())
	{
		std::fprintf(stderr, "hmd-editor: cannot open the log file (%s); log lines will follow when the editor ends\n", Opened.GetError().c_str());
	}
	GLog->AddOutputDevice(&LogFile);

	const std::unique_ptr<IHostTerminal> Terminal = MakePlatformTerminal();
	int ExitCode = 0;
	const TValueOrError<void, std::string> Started = Terminal->Start();
	if (Started.HasValue())
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
		std::fprintf(stderr, "hmd-editor: %s\n", Started.GetError().c_str());
		ExitCode = 1;
	}
	Session.Shutdown();

	GLog->RemoveOutputDevice(&LogFile);
	LogFile.ReleaseHeldLines();
	return ExitCode;
}
