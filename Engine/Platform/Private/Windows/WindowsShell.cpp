// Known folders from the Windows shell.
#include "Common/ShellPlatform.h"
#include "Containers/StringConv.h"
#include "Windows/WindowsPlatformIncludes.h"

#include <cstring>

namespace
{
	GUID ToGuid(const EngineShell::KNOWNFOLDERID& FolderId)
	{
		GUID Guid;
		Guid.Data1 = FolderId.Data1;
		Guid.Data2 = FolderId.Data2;
		Guid.Data3 = FolderId.Data3;
		std::memcpy(Guid.Data4, FolderId.Data4, sizeof(Guid.Data4));
		return Guid;
	}
}

EngineShell::HRESULT FShellPlatform::QueryKnownFolder(const EngineShell::KNOWNFOLDERID& FolderId, EngineShell::DWORD Flags,
	EngineShell::HANDLE Token, FString& OutPath)
{
	PWSTR Path = nullptr;
	const ::HRESULT Result = ::SHGetKnownFolderPath(ToGuid(FolderId), Flags, Token, &Path);
	if (SUCCEEDED(Result) && Path != nullptr)
	{
		OutPath = StringConv::FromWide(Path);
	}
	::CoTaskMemFree(Path);
	return Result;
}

void* FShellPlatform::Allocate(SIZE_T Bytes)
{
	return ::CoTaskMemAlloc(Bytes);
}

void EngineShell::CoTaskMemFree(void* Memory)
{
	::CoTaskMemFree(Memory);
}
