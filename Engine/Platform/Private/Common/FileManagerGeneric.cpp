#include "Common/FileManagerGeneric.h"

#include "Common/PlatformFile.h"
#include "HAL/FileManagerTesting.h"

namespace
{
	EFileWriteFault GWriteFault = EFileWriteFault::None;

	bool Report(bool bSucceeded, const FString& Error, FString* OutError)
	{
		if (!bSucceeded && OutError != nullptr)
		{
			*OutError = Error;
		}
		return bSucceeded;
	}

	/** True when the test hook wants Step to fail; OutError then says so. */
	bool IsFaultInjected(EFileWriteFault Step, const TCHAR* Action, const FString& Path, FString& OutError)
	{
		if (GWriteFault != Step)
		{
			return false;
		}
		OutError = DescribeFileError(Action, Path, TEXT("simulated failure"));
		return true;
	}

	bool EndsInSeparator(const FString& Path)
	{
		return !Path.IsEmpty() && FPlatformFile::IsSeparator(Path[Path.Len() - 1]);
	}

	/**
	 * The folder part of a path: everything before its last name, without the
	 * separators in between; the root for a name at the root; empty for a
	 * bare name. Always shorter than Path.
	 */
	FString ParentOf(const FString& Path)
	{
		int32 End = Path.Len();
		while (End > 0 && FPlatformFile::IsSeparator(Path[End - 1]))
		{
			--End;
		}
		while (End > 0 && !FPlatformFile::IsSeparator(Path[End - 1]))
		{
			--End;
		}
		const int32 RootEnd = End;
		while (End > 0 && FPlatformFile::IsSeparator(Path[End - 1]))
		{
			--End;
		}
		return Path.Left(End > 0 ? End : RootEnd);
	}

	/** Creates Path and every missing folder above it, top down. */
	bool MakeDirectoryTree(const FString& Path, FString& OutError)
	{
		TArray<FString> Missing;
		FString Current = Path;
		while (!Current.IsEmpty() && !FPlatformFile::DirectoryExists(Current))
		{
			Missing.Add(Current);
			Current = ParentOf(Current);
		}
		for (int32 Index = Missing.Num() - 1; Index >= 0; --Index)
		{
			if (!FPlatformFile::MakeDirectory(Missing[Index], OutError))
			{
				return false;
			}
		}
		return true;
	}

	/** A name beside Path that nobody can guess in advance: Path.<16 random hex digits>.tmp */
	bool MakeTemporaryName(const FString& Path, FString& OutName, FString& OutError)
	{
		uint8 Random[8];
		if (!FPlatformFile::FillRandomBytes(Random, static_cast<int32>(sizeof(Random)), OutError))
		{
			return false;
		}
		OutName = Path + TEXT(".");
		for (const uint8 Byte : Random)
		{
			OutName += FString::Printf(TEXT("%02x"), Byte);
		}
		OutName += TEXT(".tmp");
		return true;
	}

	bool WriteThenFlushThenClose(IPlatformFileWriter& Writer, const FString& Temporary, const uint8* Bytes, int64 Size,
		FString& OutError)
	{
		if (GWriteFault == EFileWriteFault::Write)
		{
			// Leave a torn temporary file behind, as a full disk would.
			Writer.Write(Bytes, Size / 2, OutError);
			IsFaultInjected(EFileWriteFault::Write, TEXT("Could not write"), Temporary, OutError);
			return false;
		}
		return Writer.Write(Bytes, Size, OutError) && !IsFaultInjected(EFileWriteFault::Flush, TEXT("Could not flush"), Temporary, OutError)
			&& Writer.Flush(OutError) && Writer.Close(OutError);
	}

	bool WriteAtomically(const FString& Path, const uint8* Bytes, int64 Size, FString& OutError)
	{
		if (Path.IsEmpty() || EndsInSeparator(Path))
		{
			OutError = DescribeFileError(TEXT("Could not save"), Path, TEXT("the path names no file"));
			return false;
		}

		const FString Folder = ParentOf(Path);
		if (IsFaultInjected(EFileWriteFault::MakeDirectory, TEXT("Could not create the folder"), Folder, OutError)
			|| (!Folder.IsEmpty() && !MakeDirectoryTree(Folder, OutError)))
		{
			return false;
		}

		FString Temporary;
		if (!MakeTemporaryName(Path, Temporary, OutError)
			|| IsFaultInjected(EFileWriteFault::CreateTemporary, TEXT("Could not create"), Temporary, OutError))
		{
			return false;
		}
		std::unique_ptr<IPlatformFileWriter> Writer = FPlatformFile::CreateNew(Temporary, OutError);
		if (!Writer)
		{
			return false;
		}

		const bool bReplaced = WriteThenFlushThenClose(*Writer, Temporary, Bytes, Size, OutError)
			&& !IsFaultInjected(EFileWriteFault::Rename, TEXT("Could not replace"), Path, OutError)
			&& FPlatformFile::Move(Path, Temporary, OutError);
		if (!bReplaced)
		{
			// The reason already in OutError is the one worth reporting.
			Writer.reset();
			FString CleanupError;
			FPlatformFile::Delete(Temporary, CleanupError);
		}
		return bReplaced;
	}
}

IFileManager& IFileManager::Get()
{
	static FFileManagerGeneric FileManager;
	return FileManager;
}

void FFileManagerTesting::SetWriteFault(EFileWriteFault Fault)
{
	GWriteFault = Fault;
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

bool FFileManagerGeneric::LoadFile(const TCHAR* Filename, TArray<uint8>& OutBytes, FString* OutError, const FFileAccess& /*Access*/)
{
	FString Error;
	return Report(FPlatformFile::LoadFile(FString(Filename), OutBytes, Error), Error, OutError);
}

bool FFileManagerGeneric::WriteFileAtomically(const TCHAR* Filename, const uint8* Bytes, int64 Size, FString* OutError, const FFileAccess& /*Access*/)
{
	check(Size >= 0 && (Bytes != nullptr || Size == 0));
	FString Error;
	return Report(WriteAtomically(FString(Filename), Bytes, Size, Error), Error, OutError);
}
