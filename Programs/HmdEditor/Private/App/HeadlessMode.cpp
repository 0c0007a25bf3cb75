#include "App/HostModes.h"

#include "App/HmdEditorSession.h"
#include "App/StopSignals.h"
#include "HmdEditorOptions.h"
#include "Script/EditorScript.h"
#include "Script/ScriptEventSource.h"

#include "Containers/StringConv.h"
#include "Framework/Application/SlateApplication.h"
#include "HAL/FileManager.h"

#include <cstdio>
#include <iostream>
#include <iterator>

namespace
{
	bool ReadScript(const std::string& Path, std::string& OutText, std::string& Error)
	{
		if (Path == "-")
		{
			OutText.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
			// A stop signal cuts the read short as if the script ended there: none of it runs.
			if (StopSignals::GetReceived() != 0)
			{
				Error = "stopped by a signal while reading the script from standard input";
				return false;
			}
			if (std::cin.bad())
			{
				Error = "cannot read the script from standard input";
				return false;
			}
			return true;
		}
		TArray<uint8> Bytes;
		FString Reason;
		if (!IFileManager::Get().LoadFile(*StringConv::FromUtf8(Path), Bytes, &Reason))
		{
			Error = "cannot read the script " + Path + ": " + StringConv::ToUtf8(Reason);
			return false;
		}
		OutText.assign(Bytes.begin(), Bytes.end());
		return true;
	}
}

int RunHeadless(const FHmdEditorOptions& Options)
{
	std::string Text;
	std::string Error;
	if (!ReadScript(Options.ScriptPath, Text, Error))
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Error.c_str());
		return 1;
	}
	TArray<FScriptCommand> Commands;
	FScriptError ScriptError;
	if (!ParseEditorScript(Text, Commands, ScriptError))
	{
		const std::string Name = Options.ScriptPath == "-" ? "standard input" : Options.ScriptPath;
		std::fprintf(stderr, "hmd-editor: %s, line %d: %s\n", Name.c_str(), static_cast<int>(ScriptError.Line), ScriptError.Message.c_str());
		return 2;
	}

	FHmdEditorSession Session;
	if (!Session.Startup(Options, Error))
	{
		std::fprintf(stderr, "hmd-editor: %s\n", Error.c_str());
		return 1;
	}
	FSlateApplication::Get().SetScreenSize(Options.Columns, Options.Rows);
	const TSharedRef<FScriptEventSource> Script = MakeShared<FScriptEventSource>(std::move(Commands), [&Session]() { Session.RequestExit(); }, stdout);
	Session.Run(Script, Script);
	Session.Shutdown();
	return 0;
}
