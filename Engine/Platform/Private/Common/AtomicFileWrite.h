// The whole-file save shared by every system: the new content goes to a
// temporary file beside the old one and is then put in its place in one step.
#pragma once

#include "Containers/UnrealString.h"
#include "HAL/FileAccess.h"
#include "Templates/ValueOrError.h"

/** IFileManager::WriteFileAtomically; the error says why it failed. */
TValueOrError<void, FString> SaveFileAtomically(const FString& Path, const uint8* Bytes, int64 Size, const FFileAccess& Access);
