#include "CheckCommand.h"

#include "CheckReport.h"
#include "Containers/StringConv.h"
#include "ErrorLine.h"
#include "ExitCodes.h"
#include "Misc/TextFileEncoding.h"
#include "StandardOutput.h"

#include <new>
#include <string>

namespace
{
	/** The file as the settings module's load sees it, by the module's own rules. */
	FCheckedFile Examine(const FString& Name, const TArray<uint8>& Bytes)
	{
		FCheckedFile File;
		File.Name = Name;
		const FString Text = FTextFileEncoding::Decode(Bytes.GetData(), Bytes.Num());
		if (Text.IsEmpty())
		{
			File.Text = Bytes.IsEmpty() ? ECheckedFileText::NoBytes : ECheckedFileText::OnlyByteOrderMark;
		}
		File.Findings = FOrvekHmdSettingsFile::Parse(Text, File.Config);
		return File;
	}

	int Check(const FCommandInput& Input)
	{
		TValueOrError<TArray<uint8>, FString> Read = Input.Read();
		if (Read.HasError())
		{
			ErrorLine::Print(TEXT("hmd-json: ") + Read.GetError());
			return HmdJsonExit::UsageOrIo;
		}
		const FCheckedFile File = Examine(Input.Name(), Read.GetValue());
		const std::string Report = StringConv::ToUtf8(CheckReport::Lines(File));
		if (!StandardOutput::WriteBytes(reinterpret_cast<const uint8*>(Report.data()), static_cast<int64>(Report.size())))
		{
			ErrorLine::PrintStandardOutputFailure();
			return HmdJsonExit::UsageOrIo;
		}
		return CheckReport::LosesNothing(File) ? HmdJsonExit::Success : HmdJsonExit::WouldLoseSomething;
	}
}

int CheckCommand::Run(const FCommandInput& Input)
{
	try
	{
		return Check(Input);
	}
	catch (const std::bad_alloc&)
	{
		ErrorLine::Print(TEXT("hmd-json: not enough memory to check '") + Input.Name() + TEXT("'"));
		return HmdJsonExit::UsageOrIo;
	}
}
