// The command line of hmd-json:
//   hmd-json format INPUT [--output FILE] [--utf8]   (options before or after INPUT)
//   hmd-json check INPUT
//   hmd-json --help | -h | --version
// "--" ends the options, so that an INPUT may start with "-"; INPUT "-" is
// standard input, and so is FILE "-" standard output.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "FormatCommand.h"

#include <string>

enum class EHmdJsonCommand : uint8
{
	/** The arguments fit no command. */
	BadUsage,
	/** A name among the arguments is not UTF-8, so it cannot be used without guessing. */
	NameNotUtf8,
	Help,
	Version,
	Format,
	Check,
};

struct FHmdJsonCommandLine
{
	EHmdJsonCommand Command = EHmdJsonCommand::BadUsage;
	/** Format and Check: the INPUT argument. NameNotUtf8: the name, its bad bytes shown as U+FFFD. */
	FString Input;
	/** Format only; an OutputPath of "-" is left empty. */
	FFormatOptions FormatOptions;
};

/** Reads the arguments after the program name, as FPlatformProcess::GetCommandLineArguments gives them. */
FHmdJsonCommandLine ParseCommandLine(const TArray<std::string>& Arguments);
