#include "CommandLine.h"

#include "Containers/StringConv.h"

#include <optional>

namespace
{
	/**
	 * A name as engine text, when it comes back from it byte for byte. A name
	 * that is not UTF-8 would otherwise reach the file system as a look-alike
	 * with U+FFFD, and might even name another file. The three-byte form of an
	 * unpaired surrogate, which Windows file names may hold, comes back whole.
	 */
	std::optional<FString> NameOf(const std::string& Argument)
	{
		FString Name;
		if (!StringConv::TryFromUtf8Lossless(Argument, Name))
		{
			return std::nullopt;
		}
		return Name;
	}

	struct FCommandArguments
	{
		TArray<std::string> Positional;
		std::optional<std::string> Output;
		bool bUtf8 = false;
	};

	/** Splits the arguments after the command word; false for an unknown or repeated option. */
	bool SplitArguments(const TArray<std::string>& Arguments, bool bFormatOptions, FCommandArguments& Out)
	{
		bool bOptionsEnded = false;
		for (int32 Index = 1; Index < Arguments.Num(); ++Index)
		{
			const std::string& Argument = Arguments[Index];
			if (bOptionsEnded || Argument == "-" || !Argument.starts_with("-"))
			{
				Out.Positional.Add(Argument);
			}
			else if (Argument == "--")
			{
				bOptionsEnded = true;
			}
			else if (bFormatOptions && Argument == "--utf8" && !Out.bUtf8)
			{
				Out.bUtf8 = true;
			}
			else if (bFormatOptions && Argument == "--output" && !Out.Output.has_value() && Index + 1 < Arguments.Num())
			{
				Out.Output = Arguments[++Index];
			}
			else
			{
				return false;
			}
		}
		return Out.Positional.Num() == 1;
	}

	FHmdJsonCommandLine NameNotUtf8(const std::string& Argument)
	{
		FHmdJsonCommandLine CommandLine;
		CommandLine.Command = EHmdJsonCommand::NameNotUtf8;
		CommandLine.Input = StringConv::FromUtf8(Argument);
		return CommandLine;
	}

	FHmdJsonCommandLine ParseCommand(const TArray<std::string>& Arguments, EHmdJsonCommand Command)
	{
		FCommandArguments Split;
		if (!SplitArguments(Arguments, Command == EHmdJsonCommand::Format, Split))
		{
			return FHmdJsonCommandLine();
		}
		FHmdJsonCommandLine CommandLine;
		const std::optional<FString> Input = NameOf(Split.Positional[0]);
		if (!Input.has_value())
		{
			return NameNotUtf8(Split.Positional[0]);
		}
		CommandLine.Input = *Input;
		if (Split.Output.has_value() && *Split.Output != "-")
		{
			const std::optional<FString> Output = NameOf(*Split.Output);
			if (!Output.has_value() || Output->IsEmpty())
			{
				return Output.has_value() ? FHmdJsonCommandLine() : NameNotUtf8(*Split.Output);
			}
			CommandLine.FormatOptions.OutputPath = *Output;
		}
		CommandLine.FormatOptions.bUtf8 = Split.bUtf8;
		CommandLine.Command = Command;
		return CommandLine;
	}
}

FHmdJsonCommandLine ParseCommandLine(const TArray<std::string>& Arguments)
{
	FHmdJsonCommandLine CommandLine;
	if (Arguments.IsEmpty())
	{
		return CommandLine;
	}
	const std::string& First = Arguments[0];
	if (Arguments.Num() == 1 && (First == "--help" || First == "-h"))
	{
		CommandLine.Command = EHmdJsonCommand::Help;
	}
	else if (Arguments.Num() == 1 && First == "--version")
	{
		CommandLine.Command = EHmdJsonCommand::Version;
	}
	else if (First == "format")
	{
		return ParseCommand(Arguments, EHmdJsonCommand::Format);
	}
	else if (First == "check")
	{
		return ParseCommand(Arguments, EHmdJsonCommand::Check);
	}
	return CommandLine;
}
