// hmd-json: a command-line tool for people who hand-edit or deploy the HMD
// settings file. "hmd-json format INPUT" prints the file as the settings
// module would save it, or says why the module would not load it;
// "hmd-json check INPUT" says what the module would load from it and lose.
#include "CheckCommand.h"
#include "CommandInput.h"
#include "CommandLine.h"
#include "ErrorLine.h"
#include "ExitCodes.h"
#include "FormatCommand.h"
#include "HelpText.h"
#include "StandardOutput.h"

#include "HAL/PlatformProcess.h"

#include <cstdio>
#include <cstring>

namespace
{
	/** Writes Text to standard output; the exit status says whether it got there. */
	int PrintToStandardOutput(const char* Text)
	{
		if (!StandardOutput::WriteBytes(reinterpret_cast<const uint8*>(Text), static_cast<int64>(std::strlen(Text))))
		{
			ErrorLine::PrintStandardOutputFailure();
			return HmdJsonExit::UsageOrIo;
		}
		return HmdJsonExit::Success;
	}
}

int main(int ArgC, char** ArgV)
{
	StandardOutput::ReportClosedPipes();
	const FHmdJsonCommandLine CommandLine = ParseCommandLine(FPlatformProcess::GetCommandLineArguments(ArgC, ArgV));
	switch (CommandLine.Command)
	{
	case EHmdJsonCommand::Help:
		return PrintToStandardOutput(HelpText::Help);
	case EHmdJsonCommand::Version:
		return PrintToStandardOutput("hmd-json " HMD_JSON_VERSION "\n");
	case EHmdJsonCommand::Format:
		return FormatCommand::Run(FCommandInput::FromArgument(CommandLine.Input), CommandLine.FormatOptions);
	case EHmdJsonCommand::Check:
		return CheckCommand::Run(FCommandInput::FromArgument(CommandLine.Input));
	case EHmdJsonCommand::NameNotUtf8:
		ErrorLine::Print(TEXT("hmd-json: the name '") + CommandLine.Input + TEXT("' is not valid UTF-8, so it cannot be used as it is"));
		return HmdJsonExit::UsageOrIo;
	case EHmdJsonCommand::BadUsage:
		break;
	}
	std::fputs(HelpText::Usage, stderr);
	return HmdJsonExit::UsageOrIo;
}
