// The running process: its command line, and its shared libraries (opening
// and closing them, finding their exports, and the file names and folder
// they are found by).
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "PlatformApi.h"
#include "Templates/ValueOrError.h"

#include <string>

struct PLATFORM_API FPlatformProcess
{
	/**
	 * Opens the shared library at Filename, with its dependencies, and gives
	 * its handle, or why it cannot be loaded: what failed, then the system's
	 * reason. Its exports stay private to it: two libraries may export the
	 * same name.
	 */
	static TValueOrError<void*, FString> GetDllHandle(const TCHAR* Filename);

	/** Closes a handle from GetDllHandle; the library goes once its last handle is closed. */
	static void FreeDllHandle(void* DllHandle);

	/** The address of the export ProcName of the library, or why it has none, worded as by GetDllHandle. */
	static TValueOrError<void*, FString> GetDllExport(void* DllHandle, const TCHAR* ProcName);

	/** What precedes a module's name in its library's file name: "lib" or nothing. */
	static const TCHAR* GetModulePrefix();

	/** The extension of a shared library's file name, without the dot: "so" or "dll". */
	static const TCHAR* GetModuleExtension();

	/** The folder of the running executable, without a trailing separator. */
	static FString BaseDir();

	/**
	 * The arguments after the program name, as UTF-8 whatever the system's
	 * own encoding. On POSIX they are the bytes as given, which need not be
	 * UTF-8; on Windows they come from the wide command line (the narrow one
	 * is in the ANSI code page, which cannot hold every path), an unpaired
	 * surrogate of a file name in its three-byte form.
	 */
	static TArray<std::string> GetCommandLineArguments(int ArgC, char** ArgV);
};
