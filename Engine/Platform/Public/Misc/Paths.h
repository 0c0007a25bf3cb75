// FPaths: joining engine paths and asking whether a file is there.
#pragma once

#include "Containers/UnrealString.h"
#include "PlatformApi.h"

class PLATFORM_API FPaths
{
public:
	/**
	 * Joins NumPaths parts into OutPath: the first part unchanged, then each
	 * further part after one "/", which is left out when the text so far is
	 * empty or already ends in "/" or "\". Separators are neither converted
	 * nor collapsed. A null part counts as empty.
	 */
	static void CombineInternal(FString& OutPath, const TCHAR** Pathes, int32 NumPaths);

	/** CombineInternal over any mix of FString and TCHAR text. */
	template <typename... PathTypes>
	static FString Combine(const PathTypes&... InPaths)
	{
		static_assert(sizeof...(PathTypes) > 0, "Combine needs at least one part");
		const TCHAR* Pathes[] = {ToTChars(InPaths)...};
		FString Out;
		CombineInternal(Out, Pathes, static_cast<int32>(sizeof...(PathTypes)));
		return Out;
	}

	/** True only for an existing regular file, not for a folder or a missing path. */
	static bool FileExists(const FString& Filename);

private:
	static const TCHAR* ToTChars(const FString& Path) { return *Path; }
	static const TCHAR* ToTChars(const TCHAR* Path) { return Path; }
};
