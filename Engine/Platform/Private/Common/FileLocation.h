// Where a whole-file load or save works: the folder that holds the file,
// opened once, and the file's name in it; and the path text rules used to
// get there.
#pragma once

#include "Common/PlatformFile.h"
#include "HAL/FileAccess.h"

struct FFileLocation
{
	std::unique_ptr<IPlatformFolder> Folder;
	FString Name;
};

/**
 * The folder part of a path: everything before its last name, without the
 * separators in between; the root for a name at the root; empty for a
 * bare name. Always shorter than Path.
 */
FString ParentOf(const FString& Path);

/** The text after the path's last separator (all of a bare name). */
FString LastNameOf(const FString& Path);

/** True when two paths are the same text, either separator counting as the other. */
bool IsSamePathText(const FString& A, const FString& B);

/** Creates Path and every missing folder above it, top down. */
TValueOrError<void, FString> MakeDirectoryTree(const FString& Path);

/**
 * Opens the folder that holds the file Path, within Access. Action begins the
 * error sentences about Path itself ("Could not save").
 *
 * Without a base folder the path's folder is opened as the system resolves
 * it, links and all; with bCreateFolders its missing folders are made first.
 *
 * With one, Path must be the base folder's text (either separator counting
 * as the other, trailing ones left out) followed by a separator and one or
 * more names, none of them empty, "." or "..". The base is opened as the
 * system resolves it and is never created; the folders below it are opened
 * one by one without following links, and with bCreateFolders the missing
 * ones are made with permissions taken from the base.
 */
TValueOrError<FFileLocation, FString> OpenFileLocation(const FString& Path, const FFileAccess& Access, bool bCreateFolders,
	const TCHAR* Action);
