#include "HmdEditor/FrontEnd/LogFileOutputDevice.h"

#include "Containers/StringConv.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace
{
	/** Opens a file for appending by its UTF-8 path, on either system. */
	std::FILE* OpenForAppending(const std::filesystem::path& Path)
	{
#if defined(_WIN32)
		return _wfopen(Path.c_str(), L"ab");
#else
		return std::fopen(Path.c_str(), "a");
#endif
	}
}

TValueOrError<void, std::string> FLogFileOutputDevice::Open(const std::string& Path)
{
	if (Path.empty())
	{
		return MakeError("no folder for it is known (see --help)");
	}
	const std::filesystem::path FilePath(std::u8string(Path.begin(), Path.end()));
	std::error_code CreateError;
	std::filesystem::create_directories(FilePath.parent_path(), CreateError);
	File = OpenForAppending(FilePath);
	if (File == nullptr)
	{
		return MakeError(std::string(std::strerror(errno)) + ": " + Path);
	}

	// Sessions append to one file; a dated line marks where each one starts.
	const std::time_t Now = std::time(nullptr);
	char Stamp[32] = {};
	std::strftime(Stamp, sizeof(Stamp), "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&Now));
	std::fprintf(File, "--- hmd-editor started %s\n", Stamp);
	std::fflush(File);
	return MakeValue();
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
