// For tests only: makes atomic file writes fail at a chosen step, as if the
// system had refused it, so that tests can check what a failed save leaves.
#pragma once

#include "CoreTypes.h"
#include "PlatformApi.h"

enum class EFileWriteFault : uint8
{
	None,
	MakeDirectory,
	CreateTemporary,
	/** Half of the bytes reach the temporary file, then the write fails. */
	Write,
	Flush,
	/** Keeping the copy of the old file that FFileAccess::BackupFilename asks for. */
	Backup,
	Rename,
};

struct PLATFORM_API FFileManagerTesting
{
	/** Every following IFileManager::WriteFileAtomically fails at Fault until it is set back to None. */
	static void SetWriteFault(EFileWriteFault Fault);
};
