// The system's file primitives under the file manager. Each system defines
// them in its own folder; every failure gives back a sentence naming the path
// and the system's reason.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "PlatformApi.h"
#include "Templates/ValueOrError.h"

#include <initializer_list>
#include <memory>

/** A file opened for writing by CreateNew. Closes silently when destroyed unclosed. */
class IPlatformFileWriter
{
public:
	virtual ~IPlatformFileWriter() = default;
	virtual TValueOrError<void, FString> Write(const uint8* Bytes, int64 Size) = 0;
	/** Waits until the written bytes are on the disk. */
	virtual TValueOrError<void, FString> Flush() = 0;
	virtual TValueOrError<void, FString> Close() = 0;

	/** Flush, then Close: what finishes a file once all of its bytes are written. */
	TValueOrError<void, FString> FlushAndClose()
	{
		if (TValueOrError<void, FString> Flushed = Flush(); Flushed.HasError())
		{
			return Flushed;
		}
		return Close();
	}
};

/** What a name in a folder refers to, looked at without following a link. */
enum class EFileEntryKind : uint8
{
	Missing,
	File,
	Folder,
	/** A symbolic link; on Windows also a junction or any other reparse point. */
	Link,
	/** A pipe, device or socket. */
	Other,
};

struct FFileEntryStatus
{
	EFileEntryKind Kind = EFileEntryKind::Missing;
	/** For a file: this process may write it, and it is not marked read-only (no write permission for anyone, or the read-only attribute). */
	bool bWritable = false;
	/** Last modification, in seconds since 1970-01-01 UTC. */
	int64 ModifiedSeconds = 0;
};

/**
 * A folder opened once; its entries are then reached by name, so that the
 * folder's own path is not looked up again and a link put in its place
 * afterwards changes nothing. Names are single path components. Every
 * failure gives back a sentence naming the full path and the reason.
 */
class IPlatformFolder
{
public:
	virtual ~IPlatformFolder() = default;

	/** The folder's path as it was opened, for messages. */
	virtual const FString& GetPath() const = 0;

	/**
	 * Opens the sub-folder Name; a link there fails. With bCreate a missing
	 * sub-folder is made, with the permission bits (and on POSIX the group)
	 * of PermissionModel, which is this folder when null.
	 */
	virtual TValueOrError<std::unique_ptr<IPlatformFolder>, FString> OpenChild(const FString& Name, bool bCreate,
		const IPlatformFolder* PermissionModel) = 0;

	virtual FFileEntryStatus Stat(const FString& Name) = 0;

	/** The names of the folder's entries, without "." and "..". */
	virtual TValueOrError<TArray<FString>, FString> ListNames() = 0;

	/** Reads the regular file Name whole; a link there fails. */
	virtual TValueOrError<TArray<uint8>, FString> LoadFile(const FString& Name) = 0;

	/**
	 * Creates the new file Name for writing; fails when anything, even a
	 * dangling link, is there. While the writer is open, no other process's
	 * RemoveAbandoned takes the file. With a PermissionModel name, the new
	 * file takes that file's permission bits, group and owner as far as this
	 * process may set them, never ending up more open than the model; without
	 * one it gets the default mode.
	 */
	virtual TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> CreateNew(const FString& Name, const FString* PermissionModel) = 0;

	/**
	 * Removes the file Name when it is a leftover no running process may
	 * still be writing: not held by an open writer, and unchanged for at
	 * least AbandonedAfterSeconds. True when it was removed.
	 */
	virtual bool RemoveAbandoned(const FString& Name) = 0;
	static constexpr int64 AbandonedAfterSeconds = 60;

	virtual TValueOrError<void, FString> Delete(const FString& Name) = 0;

	/** Keeps the file Name also under BackupName, byte for byte with its permissions, replacing an older copy there. */
	virtual TValueOrError<void, FString> KeepCopy(const FString& Name, const FString& BackupName) = 0;

	/**
	 * Puts the closed file From in the place of To in one step and makes the
	 * change durable. Where the system keeps attributes and a security
	 * descriptor apart from the permission bits (Windows), those of the
	 * replaced file are kept.
	 */
	virtual TValueOrError<void, FString> Replace(const FString& From, const FString& To) = 0;
};

struct PLATFORM_API FPlatformFile
{
	/** Opens an existing folder; links in Path are followed. */
	static TValueOrError<std::unique_ptr<IPlatformFolder>, FString> OpenFolder(const FString& Path);

	/** True for the characters that separate folders in a path on this system. */
	static bool IsSeparator(TCHAR Character);

	static bool FileExists(const FString& Path);
	/** The size of a regular file, or -1. */
	static int64 FileSize(const FString& Path);
	static bool DirectoryExists(const FString& Path);
	/** Creates one folder; its parent must exist. An existing folder counts as success. */
	static TValueOrError<void, FString> MakeDirectory(const FString& Path);
	static TValueOrError<void, FString> Delete(const FString& Path);
	/** Renames From to To in one step, replacing a file or link at To, and makes the change durable. */
	static TValueOrError<void, FString> Move(const FString& To, const FString& From);
	static TValueOrError<TArray<uint8>, FString> LoadFile(const FString& Path);
	/** Fills Bytes from the system's cryptographic random source. */
	static TValueOrError<void, FString> FillRandomBytes(uint8* Bytes, int32 Count);
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

/** Fails for a path that cannot be handed to the system (HasEmbeddedNul); Action begins the error. */
inline TValueOrError<void, FString> CheckSystemPath(const FString& Path, const TCHAR* Action)
{
	if (HasEmbeddedNul(Path))
	{
		return MakeError(DescribeFileError(Action, Path, TEXT("the path holds a NUL character")));
	}
	return MakeValue();
}

/**
 * Success when every one of Checks succeeded, otherwise the error of the
 * first that failed: for checks that are all made before anything is done.
 */
inline TValueOrError<void, FString> CheckAll(std::initializer_list<TValueOrError<void, FString>> Checks)
{
	for (const TValueOrError<void, FString>& Check : Checks)
	{
		if (Check.HasError())
		{
			return MakeError(Check.GetError());
		}
	}
	return MakeValue();
}

/** What FPlatformFile::Move checks on every system before it renames From to To. */
inline TValueOrError<void, FString> CheckMovePaths(const FString& To, const FString& From)
{
	return CheckAll({CheckSystemPath(To, TEXT("Could not replace")), CheckSystemPath(From, TEXT("Could not move"))});
}
