#include "Common/FileManagerGeneric.h"

#include "Common/AtomicFileWrite.h"
#include "Common/FileLocation.h"
#include "Common/PlatformFile.h"

namespace
{
	/** The engine-shaped answer to Result: true on success, otherwise false with the error in OutError when given. */
	bool Report(TValueOrError<void, FString>&& Result, FString* OutError)
	{
		if (Result.HasError() && OutError != nullptr)
		{
			*OutError = Result.StealError();
		}
		return Result.HasValue();
	}

	TValueOrError<TArray<uint8>, FString> LoadWithin(const FString& Path, const FFileAccess& Access)
	{
		if (Access.BaseFolder.IsEmpty())
		{
			return FPlatformFile::LoadFile(Path);
		}
		TValueOrError<FFileLocation, FString> Location = OpenFileLocation(Path, Access, false, TEXT("Could not read"));
		if (Location.HasError())
		{
			return MakeError(Location.StealError());
		}
		return Location.GetValue().Folder->LoadFile(Location.GetValue().Name);
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
	const FString Folder(Path);
	return Report(bTree ? MakeDirectoryTree(Folder) : FPlatformFile::MakeDirectory(Folder), OutError);
}

bool FFileManagerGeneric::Delete(const TCHAR* Filename, FString* OutError)
{
	return Report(FPlatformFile::Delete(FString(Filename)), OutError);
}

bool FFileManagerGeneric::Move(const TCHAR* Dest, const TCHAR* Src, FString* OutError)
{
	return Report(FPlatformFile::Move(FString(Dest), FString(Src)), OutError);
}

bool FFileManagerGeneric::LoadFile(const TCHAR* Filename, TArray<uint8>& OutBytes, FString* OutError, const FFileAccess& Access)
{
	TValueOrError<TArray<uint8>, FString> Loaded = LoadWithin(FString(Filename), Access);
	if (Loaded.HasError())
	{
		return Report(MakeError(Loaded.StealError()), OutError);
	}
	OutBytes = Loaded.StealValue();
	return true;
}

bool FFileManagerGeneric::WriteFileAtomically(const TCHAR* Filename, const uint8* Bytes, int64 Size, FString* OutError, const FFileAccess& Access)
{
	check(Size >= 0 && (Bytes != nullptr || Size == 0));
	return Report(SaveFileAtomically(FString(Filename), Bytes, Size, Access), OutError);
}
