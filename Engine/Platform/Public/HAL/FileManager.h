// IFileManager: the file operations of the engine layer, on engine paths
// (UTF-16 text; either separator on Windows, "/" elsewhere).
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "HAL/FileAccess.h"
#include "PlatformApi.h"

class PLATFORM_API IFileManager
{
public:
	virtual ~IFileManager() = default;

	/** The file manager of the running system. */
	static IFileManager& Get();

	/** True only for an existing regular file. */
	virtual bool FileExists(const TCHAR* Filename) = 0;
	/** The size in bytes of an existing regular file; -1 for anything else. */
	virtual int64 FileSize(const TCHAR* Filename) = 0;
	/** True only for an existing folder. */
	virtual bool DirectoryExists(const TCHAR* Directory) = 0;

	/**
	 * Creates a folder. With bTree the missing folders above it are created
	 * too. A folder that already exists counts as success.
	 */
	virtual bool MakeDirectory(const TCHAR* Path, bool bTree = false, FString* OutError = nullptr) = 0;
	/** Deletes a file (a link itself, never its target). */
	virtual bool Delete(const TCHAR* Filename, FString* OutError = nullptr) = 0;
	/** Renames Src to Dest in one step, replacing whatever file or link is at Dest. */
	virtual bool Move(const TCHAR* Dest, const TCHAR* Src, FString* OutError = nullptr) = 0;

	/**
	 * Reads a whole regular file, within Access (its BackupFilename is not
	 * used). On failure OutBytes is left as it was.
	 */
	virtual bool LoadFile(const TCHAR* Filename, TArray<uint8>& OutBytes, FString* OutError = nullptr,
		const FFileAccess& Access = FFileAccess()) = 0;

	/**
	 * Replaces the file with Bytes so that readers see either the old content
	 * or the new, never a mix: the bytes go to a new, unpredictably named
	 * file in the same folder (<file name>.<16 hex digits>.tmp), are flushed
	 * to disk and then renamed over the target, and the folder is flushed.
	 * Missing folders are created first, within Access. Without a base
	 * folder, a link at the target is replaced, not followed.
	 *
	 * The replacement keeps what stored files rely on when they are rewritten
	 * in place: the old file's permission bits, its group where the process
	 * may set it (where it may not, the group gets no more than everyone
	 * else had) and its owner where it has the privilege to (on Windows its
	 * attributes and security descriptor). A file that did not exist gets the
	 * default mode. A file this process may not write, or one marked
	 * read-only, is not replaced, and the error says "read-only"; a file that
	 * nobody has write permission for counts as read-only even for the
	 * superuser. Neither is a folder, a pipe or a device at the path.
	 *
	 * Temporary files of the pattern above that an earlier save left behind
	 * are removed, unless a running save may still be writing one: one held
	 * by its writer, or changed within the last minute.
	 *
	 * On failure the old file is left whole, and no temporary file remains
	 * unless it could not be removed, which OutError then says, naming it.
	 */
	virtual bool WriteFileAtomically(const TCHAR* Filename, const uint8* Bytes, int64 Size, FString* OutError = nullptr,
		const FFileAccess& Access = FFileAccess()) = 0;
};
