// FFileAccess: the limits a whole-file load or save keeps to beyond the path
// itself. The settings file sits in a folder that every user of the machine
// can write to, so the names below that folder must not be steered elsewhere
// by a link someone planted, and a save must not create folders above it.
#pragma once

#include "Containers/UnrealString.h"

struct FFileAccess
{
	/**
	 * Empty: the path is used as the system resolves it, and a save creates
	 * every missing folder of it.
	 *
	 * Otherwise the path must lie below this folder. The folder must exist
	 * (it may itself be a link: users move their documents on purpose). The
	 * names below it, folders and file alike, are opened one by one without
	 * following links; a link, junction or other reparse point there fails
	 * the operation with an error that names it. A save creates only the
	 * missing folders below it, each with permissions taken from it.
	 */
	FString BaseFolder;

	/**
	 * Saves only. When set and the save replaces an existing file, that file
	 * is first kept at this path, byte for byte and with its permissions,
	 * replacing an older copy there. Must lie in the same folder as the file.
	 */
	FString BackupFilename;
};
