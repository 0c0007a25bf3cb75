#include "Common/PlatformFile.h"
#include "Common/ShellPlatform.h"
#include "Containers/StringConv.h"

#include <cstring>
#include <optional>

namespace
{
	std::optional<FString> GPublicDocumentsOverride;

	EngineShell::HRESULT CopyToShellMemory(const FString& Path, EngineShell::PWSTR* OutPath)
	{
		const std::wstring Wide = StringConv::ToWide(Path);
		const SIZE_T Bytes = (Wide.size() + 1) * sizeof(wchar_t);
		void* Memory = FShellPlatform::Allocate(Bytes);
		if (Memory == nullptr)
		{
			return ShellResult::OutOfMemory;
		}
		std::memcpy(Memory, Wide.c_str(), Bytes);
		*OutPath = static_cast<EngineShell::PWSTR>(Memory);
		return ShellResult::Ok;
	}
}

EngineShell::HRESULT EngineShell::SHGetKnownFolderPath(const KNOWNFOLDERID& FolderId, DWORD Flags, HANDLE Token, PWSTR* OutPath)
{
	if (OutPath == nullptr)
	{
		return ShellResult::InvalidPointer;
	}
	*OutPath = nullptr;

	FString Path;
	if (GPublicDocumentsOverride && FolderId == FOLDERID_PublicDocuments)
	{
		Path = *GPublicDocumentsOverride;
	}
	else
	{
		const HRESULT Result = FShellPlatform::QueryKnownFolder(FolderId, Flags, Token, Path);
		if (Result < 0)
		{
			return Result;
		}
	}
	// The caller gets NUL-terminated text: a NUL inside would silently name another folder.
	if (Path.IsEmpty() || HasEmbeddedNul(Path))
	{
		return ShellResult::PathNotFound;
	}
	return CopyToShellMemory(Path, OutPath);
}

void FPlatformShell::SetKnownFolderOverride(const FString& PublicDocuments)
{
	GPublicDocumentsOverride = PublicDocuments;
}

void FPlatformShell::ClearKnownFolderOverride()
{
	GPublicDocumentsOverride.reset();
}
