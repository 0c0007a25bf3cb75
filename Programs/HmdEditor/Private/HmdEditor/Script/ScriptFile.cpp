#include "HmdEditor/Script/ScriptFile.h"

#include "HmdEditor/App/StopSignals.h"
#include "Containers/StringConv.h"
#include "HmdEditor/HmdEditorOptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace
{
	TValueOrErrorErrorProxy<std::string> Fail(const std::string& Name, int Error)
	{
		return MakeError("the script cannot be read: " + Name + ": " + std::strerror(Error));
	}

	std::FILE* OpenForReading(const std::string& Path)
	{
#if defined(_WIN32)
		return _wfopen(StringConv::ToWide(StringConv::FromUtf8(Path)).c_str(), L"rb");
#else
		return std::fopen(Path.c_str(), "rb");
#endif
	}

	/** Reads File to its end; 0 when it all went well, else the error. */
	int ReadAll(std::FILE* File, std::string& OutText)
	{
		char Buffer[65536];
		for (;;)
		{
			const SIZE_T Read = std::fread(Buffer, 1, sizeof(Buffer), File);
			OutText.append(Buffer, Read);
			if (Read < sizeof(Buffer))
			{
				break;
			}
		}
		return std::ferror(File) ? (errno != 0 ? errno : EIO) : 0;
	}
}

TValueOrError<std::string, std::string> ReadScriptFile(const std::string& Path)
{
	const bool bStandardInput = Path == "-";
	const std::string Name = bStandardInput ? "standard input" : EscapePathForMessage(Path);

	std::FILE* File = bStandardInput ? stdin : OpenForReading(Path);
	if (File == nullptr)
	{
		return Fail(Name, errno);
	}
	// A folder opens on some systems and then reads as nothing; a closed
	// standard input has no descriptor at all. Neither is an empty script.
	struct stat Status;
	if (fstat(fileno(File), &Status) != 0)
	{
		const int StatusError = errno;
		if (!bStandardInput)
		{
			std::fclose(File);
		}
		return Fail(Name, StatusError);
	}
	if ((Status.st_mode & S_IFMT) == S_IFDIR)
	{
		if (!bStandardInput)
		{
			std::fclose(File);
		}
		return Fail(Name, EISDIR);
	}

	errno = 0;
	std::string Text;
	const int ReadError = ReadAll(File, Text);
	if (!bStandardInput)
	{
		std::fclose(File);
	}
	// A stop signal cuts the read short as if the script ended there: none of it runs.
	if (StopSignals::GetReceived() != 0)
	{
		return MakeError("stopped by a signal while reading the script from " + Name);
	}
	if (ReadError != 0)
	{
		return Fail(Name, ReadError);
	}
	return MakeValue(std::move(Text));
}
