// What the Windows file primitives share: the system's error text, handles
// closed at the end of a scope, and whole-file reads and writes on a handle.
#pragma once

#include "Common/PlatformFile.h"
#include "Windows/WindowsPlatformIncludes.h"

#include <memory>
#include <string>

namespace WindowsFile
{
	/** The system's message for an error code, with the code for searching. */
	FString SystemErrorText(DWORD Error);
	FString DescribeSystemError(const TCHAR* Action, const FString& Path, DWORD Error);

	/** The path as the system takes it; fails for a path it would cut short. */
	TValueOrError<std::wstring, FString> ToNativePath(const FString& Path, const TCHAR* Action);

	/** True for the errors that say nothing is at a path. */
	bool IsMissingError(DWORD Error);

	/** A system time stamp in seconds since 1970-01-01 UTC. */
	int64 ToUnixSeconds(const FILETIME& Time);

	/** Writes all of Bytes at the handle's position. */
	TValueOrError<void, FString> WriteAll(HANDLE Handle, const uint8* Bytes, int64 Size, const FString& Path);

	/** Waits until what was written to the handle is on the disk. */
	TValueOrError<void, FString> FlushFile(HANDLE Handle, const FString& Path);

	/** Reads an open regular file whole. */
	TValueOrError<TArray<uint8>, FString> ReadWholeFile(HANDLE Handle, const FString& Path);

	/** Owns a handle and closes it at the end of its scope. */
	class FScopedHandle
	{
	public:
		explicit FScopedHandle(HANDLE InHandle) : Handle(InHandle) {}
		~FScopedHandle();
		FScopedHandle(FScopedHandle&& Other) noexcept : Handle(Other.Handle) { Other.Handle = INVALID_HANDLE_VALUE; }
		FScopedHandle& operator=(FScopedHandle&& Other) noexcept;
		FScopedHandle(const FScopedHandle&) = delete;
		FScopedHandle& operator=(const FScopedHandle&) = delete;

		bool IsValid() const { return Handle != INVALID_HANDLE_VALUE; }
		HANDLE Get() const { return Handle; }
		/** Hands the handle over; this object then owns none. */
		HANDLE Release();

	private:
		HANDLE Handle;
	};

	/** A writer that owns Handle, a file opened for writing; Path is for messages. */
	std::unique_ptr<IPlatformFileWriter> MakeFileWriter(FScopedHandle Handle, FString Path);
}
