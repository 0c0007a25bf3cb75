// Only the Windows headers here: they do not meet the engine's TEXT and TCHAR.
#include "Windows/FileLock.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

FFileLock::FFileLock(const std::filesystem::path& Path)
	: Handle(::CreateFileW(Path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
}

FFileLock::~FFileLock()
{
	if (IsHeld())
	{
		::CloseHandle(Handle);
	}
}

bool FFileLock::IsHeld() const
{
	return Handle != INVALID_HANDLE_VALUE;
}
