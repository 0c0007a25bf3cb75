// The per-system parts of the known-folder query; the override and the
// shell's memory contract are handled once, in common code.
#pragma once

#include "Shell/PlatformShell.h"

namespace ShellResult
{
	using EngineShell::HRESULT;

	// The shell's codes, under names that no Windows header uses as a macro.
	inline constexpr HRESULT Ok = 0;
	inline constexpr HRESULT InvalidPointer = static_cast<HRESULT>(0x80004003u);
	inline constexpr HRESULT OutOfMemory = static_cast<HRESULT>(0x8007000Eu);
	inline constexpr HRESULT FileNotFound = static_cast<HRESULT>(0x80070002u);
	inline constexpr HRESULT PathNotFound = static_cast<HRESULT>(0x80070003u);
	inline constexpr HRESULT NoUnicodeTranslation = static_cast<HRESULT>(0x80070459u);
}

struct FShellPlatform
{
	/** Asks the system for a known folder's path. */
	static EngineShell::HRESULT QueryKnownFolder(const EngineShell::KNOWNFOLDERID& FolderId, EngineShell::DWORD Flags,
		EngineShell::HANDLE Token, FString& OutPath);
	/** Memory that EngineShell::CoTaskMemFree releases; null when none can be had. */
	static void* Allocate(SIZE_T Bytes);
};
