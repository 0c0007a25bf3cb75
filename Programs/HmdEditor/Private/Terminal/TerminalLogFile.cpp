#include "Terminal/TerminalLogFile.h"

#include "Containers/StringConv.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace
{
	bool IsUsable(const char* Variable, bool bMustBeAbsolute)
	{
		return Variable != nullptr && Variable[0] != '\0' && (!bMustBeAbsolute || Variable[0] == '/');
	}
}

std::string GetTerminalLogFilePath(const char* XdgStateHome, const char* Home)
{
	// Relative values of the XDG variables are to be ignored.
	if (IsUsable(XdgStateHome, true))
	{
		return std::string(XdgStateHome) + "/hmd-editor/hmd-editor.log";
	}
	if (IsUsable(Home, false))
	{
		return std::string(Home) + "/.local/state/hmd-editor/hmd-editor.log";
	}
	return std::string();
}

bool FLogFileOutputDevice::Open(const std::string& Path, std::string& Error)
{
	if (Path.empty())
	{
		Error = "neither XDG_STATE_HOME nor HOME is set";
		return false;
	}
	std::error_code CreateError;
	std::filesystem::create_directories(std::filesystem::path(Path).parent_path(), CreateError);
	File = std::fopen(Path.c_str(), "a");
	if (File == nullptr)
	{
		Error = std::string(std::strerror(errno)) + ": " + Path;
		return false;
	}

	// Sessions append to one file; a dated line marks where each one starts.
	const std::time_t Now = std::time(nullptr);
	char Stamp[32] = {};
	std::strftime(Stamp, sizeof(Stamp), "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&Now));
	std::fprintf(File, "--- hmd-editor started %s\n", Stamp);
	std::fflush(File);
	return true;
}

FLogFileOutputDevice::~FLogFileOutputDevice()
{
	if (File != nullptr)
	{
		std::fclose(File);
	}
}

void FLogFileOutputDevice::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	std::string Line = StringConv::ToUtf8(FormatLogLine(Message, Verbosity, Category));
	if (File == nullptr)
	{
		HeldLines.Add(std::move(Line));
		return;
	}
	Line += '\n';
	std::fwrite(Line.data(), 1, Line.size(), File);
	// Every line reaches the disk at once: a fatal error ends the process right after it.
	std::fflush(File);
}

void FLogFileOutputDevice::Flush()
{
	if (File != nullptr)
	{
		std::fflush(File);
	}
}

void FLogFileOutputDevice::ReleaseHeldLines()
{
	for (const std::string& Line : HeldLines)
	{
		std::fprintf(stderr, "%s\n", Line.c_str());
	}
	HeldLines.Empty();
}
