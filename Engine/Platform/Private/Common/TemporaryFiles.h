// The temporary files a save makes beside the file it replaces: how they are
// named, so that a later save can tell its own leftovers, and how they are
// cleared away after a failure.
#pragma once

#include "Common/PlatformFile.h"

/**
 * A name beside the file Name that nobody can guess in advance:
 * Name.<16 random lower-case hex digits>.tmp. Every temporary file a save
 * makes in the folder, for the new content or for a copy, is named after the
 * saved file this way, so that the next save finds it if it is left behind.
 */
TValueOrError<FString, FString> MakeTemporaryName(const FString& Name);

/** True when Candidate is a name MakeTemporaryName may give for Name. */
bool IsTemporaryNameOf(const FString& Name, const FString& Candidate);

/**
 * Deletes the temporary file Temporary after a failure whose reason is Error,
 * and gives back the error to report: Error itself, or, when the file cannot
 * be deleted, Error going on to say that it is left behind and naming it.
 */
FString RemoveTemporary(IPlatformFolder& Folder, const FString& Temporary, FString Error);
