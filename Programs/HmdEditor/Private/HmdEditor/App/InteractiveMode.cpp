#include "HmdEditor/App/HostModes.h"

#include "HmdEditor/App/HmdEditorSession.h"
#include "HmdEditor/App/RunSession.h"
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
	// Kept until after the shut-down, whose lines go to the file too.
	FLogFileOutputDevice LogFile;
	const int ExitCode = RunSession(Options, [&LogFile](FHmdEditorSession& Session) -> TValueOrError<void, std::string>
	{
		// While the terminal shows the editor, standard error is kept off the
		// screen (the terminal does that in Start); the log file has the lines.
		// Problems until then are still reported on standard error.
		if (const TValueOrError<void, std::string> Opened = LogFile.Open(GetHostLogFilePath()); Opened.HasError())
		{
			std::fprintf(stderr, "hmd-editor: cannot open the log file (%s); log lines will follow when the editor ends\n", Opened.GetError().c_str());
		}
		GLog->AddOutputDevice(&LogFile);

		const std::unique_ptr<IHostTerminal> Terminal = MakePlatformTerminal();
		if (TValueOrError<void, std::string> Started = Terminal->Start(); Started.HasError())
		{
			return MakeError(Started.StealError());
		}
		{
			const FTerminalFatalGuard FatalGuard(*Terminal);
			FSlateApplication::Get().SetScreenSize(Terminal->GetColumns(), Terminal->GetRows());
			const TSharedRef<FTerminalFrontEnd> FrontEnd = MakeShared<FTerminalFrontEnd>(*Terminal);
			Session.Run(FrontEnd, FrontEnd);
		}
		Terminal->Stop();
		return MakeValue();
	});

	GLog->RemoveOutputDevice(&LogFile);
	LogFile.ReleaseHeldLines();
	return ExitCode;
}
