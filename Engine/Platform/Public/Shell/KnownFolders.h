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

constexpr bool SUCCEEDED(HRESULT Result)
{
	return Result >= 0;
}
