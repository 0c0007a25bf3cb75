// A fresh folder for one test under the system's temporary folder, reached
// by native and by engine paths.
#pragma once

#include "Containers/UnrealString.h"

#include <filesystem>
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

/** The native path of an engine path. */
std::filesystem::path ToNative(const FString& Path);
