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
bool MakeTemporaryName(const FString& Name, FString& OutTemporary, FString& OutError);

/** True when Candidate is a name MakeTemporaryName may give for Name. */
bool IsTemporaryNameOf(const FString& Name, const FString& Candidate);

/**
 * Deletes the temporary file Temporary after a failure whose reason is in
 * InOutError. When it cannot be deleted, InOutError goes on to say that the
 * temporary file is left behind and names it.
 */
void RemoveTemporary(IPlatformFolder& Folder, const FString& Temporary, FString& InOutError);
