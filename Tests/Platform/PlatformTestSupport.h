// Helpers for the platform tests: saves and loads of text bytes, and the
// fault hook reset at the end of a scope.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "HAL/FileAccess.h"
#include "HAL/FileManagerTesting.h"

#include "EngineTextPrinters.h"
#include "FileBytes.h"
#include "TempFolder.h"

#include <string>
#include <string_view>

bool Contains(const FString& Text, std::u16string_view Part);

/** IFileManager::WriteFileAtomically with text bytes. */
bool SaveBytes(const FString& Path, std::string_view Bytes, FString* OutError, const FFileAccess& Access = FFileAccess());
/** IFileManager::LoadFile into text bytes; on failure OutBytes is left as it was. */
bool LoadBytes(const FString& Path, std::string& OutBytes, FString* OutError, const FFileAccess& Access = FFileAccess());

class FScopedWriteFault
{
public:
	explicit FScopedWriteFault(EFileWriteFault Fault) { FFileManagerTesting::SetWriteFault(Fault); }
	~FScopedWriteFault() { FFileManagerTesting::SetWriteFault(EFileWriteFault::None); }
	FScopedWriteFault(const FScopedWriteFault&) = delete;
	FScopedWriteFault& operator=(const FScopedWriteFault&) = delete;
};
