// The engine's side of the shell's known-folder query.
//
// EngineShell holds the query with the shell's own names, types and calling
// contract; Shell/KnownFolders.h brings them into the global namespace for
// code written against the shell. On Windows the query is the real shell's
// unless an override is set; elsewhere FOLDERID_PublicDocuments is answered
// from $XDG_PUBLICSHARE_DIR (when absolute), else $HOME/Public.
//
// None of the names here is a macro in the Windows headers, so this header
// can sit beside them.
#pragma once

#include "Containers/UnrealString.h"
#include "PlatformApi.h"

namespace EngineShell
{
#if defined(_WIN32)
	using HRESULT = long;
	using DWORD = unsigned long;
#else
	using HRESULT = int32;
	using DWORD = uint32;
#endif
	using HANDLE = void*;
	using PWSTR = wchar_t*;

	struct KNOWNFOLDERID
	{
		uint32 Data1;
		uint16 Data2;
		uint16 Data3;
		uint8 Data4[8];

		friend bool operator==(const KNOWNFOLDERID&, const KNOWNFOLDERID&) = default;
	};

	/** {ED4824AF-DCE4-45A8-81E2-FC7965083634} */
	inline constexpr KNOWNFOLDERID FOLDERID_PublicDocuments = {
		0xED4824AF, 0xDCE4, 0x45A8, {0x81, 0xE2, 0xFC, 0x79, 0x65, 0x08, 0x36, 0x34}};

	/**
	 * Sets *OutPath to a NUL-terminated copy of the folder's path, to be
	 * released with CoTaskMemFree, and returns a success code. On failure it
	 * returns an error code and sets *OutPath to null. Flags and Token are
	 * passed to the Windows shell; elsewhere they are ignored.
	 */
	PLATFORM_API HRESULT SHGetKnownFolderPath(const KNOWNFOLDERID& FolderId, DWORD Flags, HANDLE Token, PWSTR* OutPath);

	/** Releases a path returned by SHGetKnownFolderPath; null is allowed. */
	PLATFORM_API void CoTaskMemFree(void* Memory);
}

struct PLATFORM_API FPlatformShell
{
	/**
	 * Makes SHGetKnownFolderPath answer FOLDERID_PublicDocuments with this
	 * folder instead of asking the system (the editor's --documents option).
	 * An empty folder makes the query fail.
	 */
	static void SetKnownFolderOverride(const FString& PublicDocuments);
	/** Lets the system answer again. */
	static void ClearKnownFolderOverride();
};
