#include "Common/AtomicFileWrite.h"

#include "Common/FileLocation.h"
#include "Common/FileWriteFault.h"
#include "Common/TemporaryFiles.h"

namespace
{
	const TCHAR* const SaveAction = TEXT("Could not save");
	const TCHAR* const CopyAction = TEXT("Could not keep a copy at");

	/** The name of the backup copy in the file's folder, or empty when Access asks for none. */
	bool FindBackupName(const FString& Path, const FFileAccess& Access, FString& OutName, FString& OutError)
	{
		OutName.Empty();
		const FString& Backup = Access.BackupFilename;
		if (Backup.IsEmpty())
		{
			return true;
		}
		const FString Name = LastNameOf(Path);
		const FString BackupName = LastNameOf(Backup);
		if (BackupName.IsEmpty() || BackupName == TEXT(".") || BackupName == TEXT("..") || BackupName == Name
			|| IsTemporaryNameOf(Name, BackupName) || !IsSamePathText(ParentOf(Backup), ParentOf(Path)))
		{
			OutError = DescribeFileError(CopyAction, Backup, TEXT("the copy must be a file of its own in the folder of '") + Path + TEXT("'"));
			return false;
		}
		OutName = BackupName;
		return true;
	}

	/**
	 * Whether the entry at the file's place may be replaced; bOutReplacesFile
	 * tells that a file is there whose permissions the new one takes over.
	 */
	bool MayReplace(const FFileEntryStatus& Status, const FString& Path, const FFileAccess& Access, bool& bOutReplacesFile, FString& OutError)
	{
		bOutReplacesFile = false;
		switch (Status.Kind)
		{
		case EFileEntryKind::Missing:
			return true;
		case EFileEntryKind::File:
			if (!Status.bWritable)
			{
				OutError = DescribeFileError(SaveAction, Path, TEXT("the file is read-only"));
				return false;
			}
			bOutReplacesFile = true;
			return true;
		case EFileEntryKind::Link:
			// Below a base folder a link may have been planted by someone else; elsewhere the link itself is replaced.
			if (Access.BaseFolder.IsEmpty())
			{
				return true;
			}
			OutError = DescribeFileError(SaveAction, Path, TEXT("it is a link, which is not followed below the folder '") + Access.BaseFolder + TEXT("'"));
			return false;
		case EFileEntryKind::Folder:
			OutError = DescribeFileError(SaveAction, Path, TEXT("it is a folder"));
			return false;
		case EFileEntryKind::Other:
			break;
		}
		OutError = DescribeFileError(SaveAction, Path, TEXT("it is not a regular file"));
		return false;
	}

	/** Removes what earlier saves of Name left behind, where nothing may still be writing it. */
	void RemoveAbandonedTemporaries(IPlatformFolder& Folder, const FString& Name)
	{
		TArray<FString> Names;
		FString Ignored;
		if (!Folder.ListNames(Names, Ignored))
		{
			// Leftovers only take room; the save itself can still go ahead.
			return;
		}
		for (const FString& Candidate : Names)
		{
			if (IsTemporaryNameOf(Name, Candidate))
			{
				Folder.RemoveAbandoned(Candidate);
			}
		}
	}

	bool WriteThenFlushThenClose(IPlatformFileWriter& Writer, const FString& TemporaryPath, const uint8* Bytes, int64 Size, FString& OutError)
	{
		if (IsWriteFaultInjected(EFileWriteFault::Write, TEXT("Could not write"), TemporaryPath, OutError))
		{
			// Leave a torn temporary file behind, as a full disk would.
			FString Ignored;
			Writer.Write(Bytes, Size / 2, Ignored);
			return false;
		}
		return Writer.Write(Bytes, Size, OutError) && !IsWriteFaultInjected(EFileWriteFault::Flush, TEXT("Could not flush"), TemporaryPath, OutError)
			&& Writer.Flush(OutError) && Writer.Close(OutError);
	}

	bool KeepBackup(IPlatformFolder& Folder, const FString& Name, const FString& BackupName, const FFileAccess& Access, FString& OutError)
	{
		return !IsWriteFaultInjected(EFileWriteFault::Backup, CopyAction, Access.BackupFilename, OutError)
			&& Folder.KeepCopy(Name, BackupName, OutError);
	}
}

bool SaveFileAtomically(const FString& Path, const uint8* Bytes, int64 Size, const FFileAccess& Access, FString& OutError)
{
	FString BackupName;
	FFileLocation Location;
	if (!FindBackupName(Path, Access, BackupName, OutError)
		|| IsWriteFaultInjected(EFileWriteFault::MakeDirectory, TEXT("Could not create the folder"), ParentOf(Path), OutError)
		|| !OpenFileLocation(Path, Access, true, SaveAction, Location, OutError))
	{
		return false;
	}
	IPlatformFolder& Folder = *Location.Folder;
	const FString& Name = Location.Name;

	bool bReplacesFile = false;
	if (!MayReplace(Folder.Stat(Name), Path, Access, bReplacesFile, OutError))
	{
		return false;
	}
	RemoveAbandonedTemporaries(Folder, Name);

	FString Temporary;
	if (!MakeTemporaryName(Name, Temporary, OutError))
	{
		return false;
	}
	// The temporary file's name is the file's own with a suffix, and so is its path.
	const FString TemporaryPath = Path + Temporary.Mid(Name.Len());
	if (IsWriteFaultInjected(EFileWriteFault::CreateTemporary, TEXT("Could not create"), TemporaryPath, OutError))
	{
		return false;
	}
	std::unique_ptr<IPlatformFileWriter> Writer = Folder.CreateNew(Temporary, bReplacesFile ? &Name : nullptr, OutError);
	if (!Writer)
	{
		return false;
	}

	const bool bReplaced = WriteThenFlushThenClose(*Writer, TemporaryPath, Bytes, Size, OutError)
		&& (!bReplacesFile || BackupName.IsEmpty() || KeepBackup(Folder, Name, BackupName, Access, OutError))
		&& !IsWriteFaultInjected(EFileWriteFault::Rename, TEXT("Could not replace"), Path, OutError)
		&& Folder.Replace(Temporary, Name, OutError);
	if (!bReplaced)
	{
		Writer.reset();
		RemoveTemporary(Folder, Temporary, OutError);
	}
	return bReplaced;
}
