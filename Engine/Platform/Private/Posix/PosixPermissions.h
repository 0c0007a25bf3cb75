// How a file or folder this process has just made takes its permissions from
// an existing one, so that a save never leaves anything more open than what
// it replaces, or than the folder it works below.
//
// The permission bits are copied: for a file its read, write and execute bits
// (set-id and sticky bits are not carried to new content), for a folder also
// its set-group-id and sticky bits. The group is copied where this process
// may set it; where it may not, the group bits are narrowed to what the
// model grants everyone else, since the new group is not the model's. A file
// also takes the model's owner when this process is the superuser; otherwise
// the process owns it, with the model's owner bits.
#pragma once

#include "Containers/UnrealString.h"
#include "Templates/ValueOrError.h"

#include <sys/stat.h>

enum class EPermissionCopy : uint8
{
	/** A file's read, write and execute bits, its group and (for the superuser) its owner. */
	File,
	/** A folder's permission bits with its set-group-id and sticky bits, and its group. */
	Folder,
};

/** Gives the open Descriptor, made by this process, the permissions of Model; Path names it in errors. */
TValueOrError<void, FString> TakePermissions(int Descriptor, const struct stat& Model, EPermissionCopy Copy, const FString& Path);
