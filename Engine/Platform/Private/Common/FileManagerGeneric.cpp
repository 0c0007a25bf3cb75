#include "Common/FileManagerGeneric.h"

#include "Common/AtomicFileWrite.h"
#include "Common/FileLocation.h"
#include "Common/PlatformFile.h"

namespace
{
	bool Report(bool bSucceeded, const FString& Error, FString* OutError)
	{
		if (!bSucceeded && OutError != nullptr)
		{
			*OutError = Error;
		}
		return bSucceeded;
	}

	bool LoadWithin(const FString& Path, const FFileAccess& Access, TArray<uint8>& OutBytes, FString& OutError)
	{
		if (Access.BaseFolder.IsEmpty())
		{
			return FPlatformFile::LoadFile(Path, OutBytes, OutError);
		}
		FFileLocation Location;
		return OpenFileLocation(Path, Access, false, TEXT("Could not read"), Location, OutError)
			&& Location.Folder->LoadFile(Location.Name, OutBytes, OutError);
	}
}

IFileManager& IFileManager::Get()
{
	static FFileManagerGeneric FileManager;
	return FileManager;
}

bool FFileManagerGeneric::FileExists(const TCHAR* Filename)
{
	return FPlatformFile::FileExists(FString(Filename));
}

int64 FFileManagerGeneric::FileSize(const TCHAR* Filename)
{
	return FPlatformFile::FileSize(FString(Filename));
}

bool FFileManagerGeneric::DirectoryExists(const TCHAR* Directory)
{
	return FPlatformFile::DirectoryExists(FString(Directory));
}

bool FFileManagerGeneric::MakeDirectory(const TCHAR* Path, bool bTree, FString* OutError)
{
	FString Error;
	const FString Folder(Path);
	return Report(bTree ? MakeDirectoryTree(Folder, Error) : FPlatformFile::MakeDirectory(Folder, Error), Error, OutError);
}

bool FFileManagerGeneric::Delete(const TCHAR* Filename, FString* OutError)
{
	FString Error;
	return Report(FPlatformFile::Delete(FString(Filename), Error), Error, OutError);
}

bool FFileManagerGeneric::Move(const TCHAR* Dest, const TCHAR* Src, FString* OutError)
{
	FString Error;
	return Report(FPlatformFile::Move(FString(Dest), FString(Src), Error), Error, OutError);
}

bool FFileManagerGeneric::LoadFile(const TCHAR* Filename, TArray<uint8>& OutBytes, FString* OutError, const FFileAccess& Access)
{
	FString Error;
	return Report(LoadWithin(FString(Filename), Access, OutBytes, Error), Error, OutError);
}

bool FFileManagerGeneric::WriteFileAtomically(const TCHAR* Filename, const uint8* Bytes, int64 Size, FString* OutError, const FFileAccess& Access)
{
	check(Size >= 0 && (Bytes != nullptr || Size == 0));
	FString Error;
	return Report(SaveFileAtomically(FString(Filename), Bytes, Size, Access, Error), Error, OutError);
}
