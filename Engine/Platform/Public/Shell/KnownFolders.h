// The shell's known-folder query under the names the Windows shell gives it,
// for code that is written against the shell and built on every system.
// Include this header instead of <shlobj.h>.
#pragma once

#include "Shell/PlatformShell.h"

using EngineShell::CoTaskMemFree;
using EngineShell::DWORD;
using EngineShell::FOLDERID_PublicDocuments;
using EngineShell::HANDLE;
using EngineShell::HRESULT;
using EngineShell::KNOWNFOLDERID;
using EngineShell::PWSTR;
using EngineShell::SHGetKnownFolderPath;

using REFKNOWNFOLDERID = const KNOWNFOLDERID&;

inline constexpr HRESULT S_OK = 0;

/** The system error code for text that has no Unicode form (a folder name that is not UTF-8, on POSIX). */
inline constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

/** A system error code as the shell returns it. */
constexpr HRESULT HRESULT_FROM_WIN32(DWORD Error)
{
	return Error == 0 ? 0 : static_cast<HRESULT>((Error & 0x0000FFFFu) | 0x80070000u);
}

constexpr bool SUCCEEDED(HRESULT Result)
{
	return Result >= 0;
}
