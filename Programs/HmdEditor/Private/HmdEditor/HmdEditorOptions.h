// The command line of hmd-editor.
#pragma once

#include "Containers/Array.h"
#include "CoreTypes.h"
#include "Templates/ValueOrError.h"

#include <string>
#include <string_view>

struct FHmdEditorOptions
{
	/** Used as the public documents folder instead of the shell's; empty asks the shell. UTF-8. */
	std::string DocumentsFolder;
	/** The script of the headless mode ("-" is standard input); empty runs in the terminal. UTF-8. */
	std::string ScriptPath;
	/** The headless screen size in character cells. */
	int32 Columns = 100;
	int32 Rows = 30;
	bool bShowHelp = false;
	bool bShowVersion = false;

	static constexpr int32 MinColumns = 20;
	static constexpr int32 MinRows = 5;
	static constexpr int32 MaxColumns = 1000;
	static constexpr int32 MaxRows = 1000;

	bool IsScripted() const { return !ScriptPath.empty(); }
};

/**
 * Reads the arguments after the program name: --documents DIR, --script FILE,
 * --size COLSxROWS (each also as --name=value), --help and --version. An error
 * (without the program name) for anything else, and for a DIR or FILE whose
 * name is not UTF-8.
 */
TValueOrError<FHmdEditorOptions, std::string> ParseHmdEditorOptions(const TArray<std::string>& Arguments);

/**
 * Succeeds when no --documents was given or it names an existing folder (a
 * link to one will do); an error otherwise.
 */
TValueOrError<void, std::string> CheckDocumentsFolder(const FHmdEditorOptions& Options);

/** A path as messages show it: UTF-8 as it is, any other byte (and control characters) as \xHH. */
std::string EscapePathForMessage(std::string_view Bytes);

/** The --help text; it names where the settings file and the log file go by default. */
std::string GetHmdEditorUsage();
