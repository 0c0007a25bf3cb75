// The file manager of every system, built on the system's file primitives.
#pragma once

#include "HAL/FileManager.h"

class FFileManagerGeneric final : public IFileManager
{
public:
	bool FileExists(const TCHAR* Filename) override;
	int64 FileSize(const TCHAR* Filename) override;
	bool DirectoryExists(const TCHAR* Directory) override;
	bool MakeDirectory(const TCHAR* Path, bool bTree, FString* OutError) override;
	bool Delete(const TCHAR* Filename, FString* OutError) override;
	bool Move(const TCHAR* Dest, const TCHAR* Src, FString* OutError) override;
	bool LoadFile(const TCHAR* Filename, TArray<uint8>& OutBytes, FString* OutError, const FFileAccess& Access) override;
	bool WriteFileAtomically(const TCHAR* Filename, const uint8* Bytes, int64 Size, FString* OutError, const FFileAccess& Access) override;
};
