// Helpers for the platform tests: a fresh folder per test, raw file bytes,
// and the fault hook reset at the end of a scope.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "HAL/FileAccess.h"
#include "HAL/FileManagerTesting.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

/** A new, empty folder under the system's temporary folder, removed with everything in it. */
class FTempFolder
{
public:
	FTempFolder();
	~FTempFolder();
	FTempFolder(const FTempFolder&) = delete;
	FTempFolder& operator=(const FTempFolder&) = delete;

	const std::filesystem::path& Native() const { return Root; }
	/** The engine path of Relative inside the folder ("" for the folder itself). */
	FString Path(std::u16string_view Relative = u"") const;
	/** The names in a folder below the root, sorted. */
	std::vector<std::u16string> Names(std::u16string_view Relative = u"") const;

private:
	std::filesystem::path Root;
};

std::filesystem::path ToNative(const FString& Path);
/** Engine text as UTF-8, for failure messages. */
std::string Utf8(const FString& Text);
void PrintTo(const FString& Text, std::ostream* Stream);
std::string ReadBytes(const std::filesystem::path& Path);
void WriteBytes(const std::filesystem::path& Path, std::string_view Bytes);
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
