#include "HmdEditor/App/HostModes.h"

#include "HmdEditor/App/HmdEditorSession.h"
#include "HmdEditor/App/RunSession.h"
#include "HmdEditor/HmdEditorOptions.h"
#include "HmdEditor/Script/EditorScript.h"
#include "HmdEditor/Script/ScriptFrontEnd.h"
#include "HmdEditor/Script/ScriptFile.h"

#include "Framework/Application/SlateApplication.h"
#include "Misc/OutputDevice.h"

#include <cstdio>

namespace
{
	/**
	 * Standard error in the headless mode: the lines the user must see
	 * (errors, warnings and displayed messages). Ordinary log lines, such as
	 * where the settings were saved, stay in the session's log, which the
	 * Output Log window and the status line show.
	 */
	class FHeadlessErrorOutput : public FOutputDevice
	{
	public:
		void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			if (Verbosity <= ELogVerbosity::Display)
			{
				StdErr.Serialize(Message, Verbosity, Category);
			}
		}
		void Flush() override { StdErr.Flush(); }

	private:
		FOutputDeviceStdErr StdErr;
	};
}

int RunHeadless(const FHmdEditorOptions& Options)
{
	const TValueOrError<std::string, std::string> Text = ReadScriptFile(Options.ScriptPath);
	if (Text.HasError())
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Text.GetError().c_str());
		return 1;
	}
	TValueOrError<TArray<FScriptCommand>, FScriptError> Commands = ParseEditorScript(Text.GetValue());
	if (Commands.HasError())
	{
		const FScriptError& ScriptError = Commands.GetError();
		const std::string Name = Options.ScriptPath == "-" ? "standard input" : Options.ScriptPath;
		std::fprintf(stderr, "hmd-editor: %s, line %d: %s\n", Name.c_str(), static_cast<int>(ScriptError.Line), ScriptError.Message.c_str());
		return 2;
	}

	static FHeadlessErrorOutput ErrorOutput;
	GLog->RemoveAllOutputDevices();
	GLog->AddOutputDevice(&ErrorOutput);

	return RunSession(Options, [&Options, &Commands](FHmdEditorSession& Session) -> TValueOrError<void, std::string>
	{
		FSlateApplication::Get().SetScreenSize(Options.Columns, Options.Rows);
		const TSharedRef<FScriptFrontEnd> Script = MakeShared<FScriptFrontEnd>(Commands.StealValue(), [&Session]() { Session.RequestExit(); }, stdout);
		Session.Run(Script, Script);
		return Script->GetResult();
	});
}
