// The system's file primitives under the file manager. Each system defines
// them in its own folder; every failure sets OutError to a sentence naming
// the path and the system's reason.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"

#include <memory>

/** A file opened for writing by FPlatformFile::CreateNew. Closes silently when destroyed unclosed. */
class IPlatformFileWriter
{
public:
	virtual ~IPlatformFileWriter() = default;
	virtual bool Write(const uint8* Bytes, int64 Size, FString& OutError) = 0;
	/** Waits until the written bytes are on the disk. */
	virtual bool Flush(FString& OutError) = 0;
	virtual bool Close(FString& OutError) = 0;
};

struct FPlatformFile
{
	/** True for the characters that separate folders in a path on this system. */
	static bool IsSeparator(TCHAR Character);

	static bool FileExists(const FString& Path);
	/** The size of a regular file, or -1. */
	static int64 FileSize(const FString& Path);
	static bool DirectoryExists(const FString& Path);
	/** Creates one folder; its parent must exist. An existing folder counts as success. */
	static bool MakeDirectory(const FString& Path, FString& OutError);
	static bool Delete(const FString& Path, FString& OutError);
	/** Renames From to To in one step, replacing a file or link at To, and makes the change durable. */
	static bool Move(const FString& To, const FString& From, FString& OutError);
	static bool LoadFile(const FString& Path, TArray<uint8>& OutBytes, FString& OutError);
	/** Creates a new file for writing; fails when anything, even a dangling link, is at the path. */
	static std::unique_ptr<IPlatformFileWriter> CreateNew(const FString& Path, FString& OutError);
	/** Fills Bytes from the system's cryptographic random source. */
	static bool FillRandomBytes(uint8* Bytes, int32 Count, FString& OutError);
};

/**
 * A path holding a NUL character cannot be handed to the system: it would be
 * cut short there and name another file.
 */
inline bool HasEmbeddedNul(const FString& Path)
{
	return Path.View().find(u'\0') != std::u16string_view::npos;
}

/** The sentence every file error starts with: what was tried, on which path. */
inline FString DescribeFileError(const TCHAR* Action, const FString& Path, const FString& Reason)
{
	return FString(Action) + TEXT(" '") + Path + TEXT("': ") + Reason;
}
