// FFileHelper: whole-file text load and save.
//
// Saved text is one byte per character when every code unit is below 128,
// otherwise UTF-16 little-endian after the mark FF FE. Loaded text may start
// with the mark FF FE, FE FF or EF BB BF (dropped); without one it is UTF-8
// when the bytes are valid UTF-8, otherwise one character per byte.
#pragma once

#include "Containers/UnrealString.h"
#include "HAL/FileManager.h"
#include "PlatformApi.h"

class PLATFORM_API FFileHelper
{
public:
	enum class EHashOptions : uint8
	{
		None = 0,
	};

	enum class EEncodingOptions : uint8
	{
		/** ASCII text as single bytes, anything else as UTF-16 little-endian with its mark. */
		AutoDetect = 0,
	};

	/**
	 * Replaces Result with the text of the file, read within Access; on
	 * failure Result is left as it was and OutError, when given, tells why.
	 */
	static bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None,
		const FFileAccess& Access = FFileAccess(), FString* OutError = nullptr);

	/**
	 * Replaces the file with String, atomically (IFileManager::WriteFileAtomically),
	 * creating missing folders within Access. WriteFlags must be 0. On failure
	 * the old file is left whole and OutError, when given, tells why.
	 */
	static bool SaveStringToFile(const FString& String, const TCHAR* Filename,
		EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = &IFileManager::Get(),
		uint32 WriteFlags = 0, const FFileAccess& Access = FFileAccess(), FString* OutError = nullptr);
};
