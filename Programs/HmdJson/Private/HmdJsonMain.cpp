// hmd-json: a command-line tool for people who hand-edit or check the HMD
// settings file. "hmd-json format INPUT" prints the file as the settings
// module would save it, or says why the module would not load it.
#include "Containers/StringConv.h"
#include "ExitCodes.h"
#include "FormatCommand.h"

#include <cstdio>
#include <string_view>

namespace
{
	constexpr const char* Usage =
		"usage: hmd-json format INPUT\n"
		"       hmd-json --help\n";

	constexpr const char* Help =
		"usage: hmd-json format INPUT\n"
		"       hmd-json --help\n"
		"\n"
		"Reads the JSON file INPUT and writes its object to standard output exactly as\n"
		"the Orvek HMD settings module saves its configuration file: pretty-printed with\n"
		"tabs and CR LF line ends, fields in the file's order, numbers as \"%.17g\" gives\n"
		"them. The bytes are one per character when the text is all ASCII, otherwise\n"
		"the byte-order mark FF FE followed by the text in UTF-16 little-endian.\n"
		"\n"
		"INPUT is read as the module reads the file: a leading FF FE means UTF-16\n"
		"little-endian, FE FF UTF-16 big-endian, EF BB BF UTF-8 (the mark is dropped);\n"
		"without a mark it is UTF-8 when it is valid UTF-8, otherwise one character per\n"
		"byte. The root of the document must be an object.\n"
		"\n"
		"Exit status:\n"
		"  0  the formatted text was written to standard output.\n"
		"  1  the module would not load the file: either the reader's error, with its\n"
		"     line and character (for example \"Colon token expected, but not found.\n"
		"     Line: 1 Ch: 6\"), or \"The JSON root is not an object.\" is printed as one\n"
		"     line on standard error.\n"
		"  2  bad usage (the usage is printed on standard error), or INPUT cannot be\n"
		"     read, or standard output cannot be written, or there is not enough\n"
		"     memory for the document (a message naming the file or the output is\n"
		"     printed on standard error).\n";
}

int main(int ArgC, char** ArgV)
{
	if (ArgC == 2 && (std::string_view(ArgV[1]) == "--help" || std::string_view(ArgV[1]) == "-h"))
	{
		std::fputs(Help, stdout);
		return std::fflush(stdout) == 0 ? HmdJsonExit::Success : HmdJsonExit::UsageOrIo;
	}
	if (ArgC == 3 && std::string_view(ArgV[1]) == "format")
	{
		return FormatCommand::Run(StringConv::FromUtf8(ArgV[2]));
	}
	std::fputs(Usage, stderr);
	return HmdJsonExit::UsageOrIo;
}
