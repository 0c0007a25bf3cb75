// Known folders on systems without the Windows shell: the public documents
// folder is the desktop's public share folder, when it exists.
#include "Common/ShellPlatform.h"
#include "Containers/StringConv.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace
{
	/** An environment variable's value when it holds an absolute path, else null. */
	const char* AbsolutePathFromEnvironment(const char* Name)
	{
		const char* Value = std::getenv(Name);
		return (Value != nullptr && Value[0] == '/') ? Value : nullptr;
	}
}

EngineShell::HRESULT FShellPlatform::QueryKnownFolder(const EngineShell::KNOWNFOLDERID& FolderId, EngineShell::DWORD /*Flags*/,
	EngineShell::HANDLE /*Token*/, FString& OutPath)
{
	if (FolderId != EngineShell::FOLDERID_PublicDocuments)
	{
		return ShellResult::FileNotFound;
	}

	std::string Bytes;
	if (const char* PublicShare = AbsolutePathFromEnvironment("XDG_PUBLICSHARE_DIR"))
	{
		Bytes = PublicShare;
	}
	else if (const char* Home = AbsolutePathFromEnvironment("HOME"))
	{
		Bytes = Home;
		if (Bytes.back() != '/')
		{
			Bytes += '/';
		}
		Bytes += "Public";
	}
	else
	{
		return ShellResult::PathNotFound;
	}
	// Like the shell's answer, the folder comes without a trailing separator (the root keeps its own).
	while (Bytes.size() > 1 && Bytes.back() == '/')
	{
		Bytes.pop_back();
	}

	// Paths here are bytes. Only bytes that decode to engine text and encode
	// back to themselves name the same folder once the path is used again.
	FString Path;
	if (!StringConv::TryFromUtf8Lossless(Bytes, Path))
	{
		return ShellResult::NoUnicodeTranslation;
	}
	// Files go into folders made below this one, so it must be a folder that
	// is there already: a missing one is never made (a system account's
	// /nonexistent home), and the root is no documents folder.
	if (Bytes == "/")
	{
		return ShellResult::PathNotFound;
	}
	struct stat Status = {};
	if (::stat(Bytes.c_str(), &Status) != 0)
	{
		return ShellResult::FileNotFound;
	}
	if (!S_ISDIR(Status.st_mode))
	{
		return ShellResult::PathNotFound;
	}
	OutPath = std::move(Path);
	return ShellResult::Ok;
}

void* FShellPlatform::Allocate(SIZE_T Bytes)
{
	return std::malloc(Bytes);
}

void EngineShell::CoTaskMemFree(void* Memory)
{
	std::free(Memory);
}
