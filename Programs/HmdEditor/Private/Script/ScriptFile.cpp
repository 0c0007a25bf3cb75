#include "Script/ScriptFile.h"

#include "App/StopSignals.h"
#include "Containers/StringConv.h"
#include "HmdEditorOptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace
{
	bool Fail(const std::string& Name, int Error, std::string& OutError)
	{
		OutError = "the script cannot be read: " + Name + ": " + std::strerror(Error);
		return false;
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

bool ReadScriptFile(const std::string& Path, std::string& OutText, std::string& Error)
{
	const bool bStandardInput = Path == "-";
	const std::string Name = bStandardInput ? "standard input" : EscapePathForMessage(Path);

	std::FILE* File = bStandardInput ? stdin : OpenForReading(Path);
	if (File == nullptr)
	{
		return Fail(Name, errno, Error);
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
		return Fail(Name, StatusError, Error);
	}
	if ((Status.st_mode & S_IFMT) == S_IFDIR)
	{
		if (!bStandardInput)
		{
			std::fclose(File);
		}
		return Fail(Name, EISDIR, Error);
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
		Error = "stopped by a signal while reading the script from " + Name;
		return false;
	}
	if (ReadError != 0)
	{
		return Fail(Name, ReadError, Error);
	}
	OutText = std::move(Text);
	return true;
}
