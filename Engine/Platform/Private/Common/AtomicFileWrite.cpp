#include "Common/AtomicFileWrite.h"

#include "Common/FileLocation.h"
#include "Common/FileWriteFault.h"
#include "Common/TemporaryFiles.h"

namespace
{
	const TCHAR* const SaveAction = TEXT("Could not save");
	const TCHAR* const CopyAction = TEXT("Could not keep a copy at");

	/** The name of the backup copy in the file's folder, or empty when Access asks for none. */
	TValueOrError<FString, FString> FindBackupName(const FString& Path, const FFileAccess& Access)
	{
		const FString& Backup = Access.BackupFilename;
		if (Backup.IsEmpty())
		{
			return MakeValue(FString());
		}
		const FString Name = LastNameOf(Path);
		FString BackupName = LastNameOf(Backup);
		if (BackupName.IsEmpty() || BackupName == TEXT(".") || BackupName == TEXT("..") || BackupName == Name
			|| IsTemporaryNameOf(Name, BackupName) || !IsSamePathText(ParentOf(Backup), ParentOf(Path)))
		{
			return MakeError(DescribeFileError(CopyAction, Backup, TEXT("the copy must be a file of its own in the folder of '") + Path + TEXT("'")));
		}
		return MakeValue(std::move(BackupName));
	}

	/**
	 * Whether the entry at the file's place may be replaced; the value tells
	 * that a file is there whose permissions the new one takes over.
	 */
	TValueOrError<bool, FString> MayReplace(const FFileEntryStatus& Status, const FString& Path, const FFileAccess& Access)
	{
		switch (Status.Kind)
		{
		case EFileEntryKind::Missing:
			return MakeValue(false);
		case EFileEntryKind::File:
			if (!Status.bWritable)
			{
				return MakeError(DescribeFileError(SaveAction, Path, TEXT("the file is read-only")));
			}
			return MakeValue(true);
		case EFileEntryKind::Link:
			// Below a base folder a link may have been planted by someone else; elsewhere the link itself is replaced.
			if (Access.BaseFolder.IsEmpty())
			{
				return MakeValue(false);
			}
			return MakeError(
				DescribeFileError(SaveAction, Path, TEXT("it is a link, which is not followed below the folder '") + Access.BaseFolder + TEXT("'")));
		case EFileEntryKind::Folder:
			return MakeError(DescribeFileError(SaveAction, Path, TEXT("it is a folder")));
		case EFileEntryKind::Other:
			break;
		}
		return MakeError(DescribeFileError(SaveAction, Path, TEXT("it is not a regular file")));
	}

	/** Removes what earlier saves of Name left behind, where nothing may still be writing it. */
	void RemoveAbandonedTemporaries(IPlatformFolder& Folder, const FString& Name)
	{
		const TValueOrError<TArray<FString>, FString> Names = Folder.ListNames();
		if (Names.HasError())
		{
			// Leftovers only take room; the save itself can still go ahead.
			return;
		}
		for (const FString& Candidate : Names.GetValue())
		{
			if (IsTemporaryNameOf(Name, Candidate))
			{
				Folder.RemoveAbandoned(Candidate);
			}
		}
	}

	TValueOrError<void, FString> WriteThenFlushThenClose(IPlatformFileWriter& Writer, const FString& TemporaryPath, const uint8* Bytes, int64 Size)
	{
		if (TValueOrError<void, FString> Fault = CheckWriteFault(EFileWriteFault::Write, TEXT("Could not write"), TemporaryPath); Fault.HasError())
		{
			// Leave a torn temporary file behind, as a full disk would.
			static_cast<void>(Writer.Write(Bytes, Size / 2));
			return Fault;
		}
		if (TValueOrError<void, FString> Written = Writer.Write(Bytes, Size); Written.HasError())
		{
			return Written;
		}
		if (TValueOrError<void, FString> Fault = CheckWriteFault(EFileWriteFault::Flush, TEXT("Could not flush"), TemporaryPath); Fault.HasError())
		{
			return Fault;
		}
		return Writer.FlushAndClose();
	}

	/**
	 * Keeps the copy of the old file at BackupName, unless that is empty, then
	 * puts the written and closed Temporary in the place of Name.
	 */
	TValueOrError<void, FString> PutInPlace(IPlatformFolder& Folder, const FString& Temporary, const FString& Name, const FString& Path,
		const FString& BackupName, const FFileAccess& Access)
	{
		if (!BackupName.IsEmpty())
		{
			if (TValueOrError<void, FString> Fault = CheckWriteFault(EFileWriteFault::Backup, CopyAction, Access.BackupFilename); Fault.HasError())
			{
				return Fault;
			}
			if (TValueOrError<void, FString> Kept = Folder.KeepCopy(Name, BackupName); Kept.HasError())
			{
				return Kept;
			}
		}
		if (TValueOrError<void, FString> Fault = CheckWriteFault(EFileWriteFault::Rename, TEXT("Could not replace"), Path); Fault.HasError())
		{
			return Fault;
		}
		return Folder.Replace(Temporary, Name);
	}
}

TValueOrError<void, FString> SaveFileAtomically(const FString& Path, const uint8* Bytes, int64 Size, const FFileAccess& Access)
{
	const TValueOrError<FString, FString> BackupName = FindBackupName(Path, Access);
	if (BackupName.HasError())
	{
		return MakeError(BackupName.GetError());
	}
	if (TValueOrError<void, FString> Fault = CheckWriteFault(EFileWriteFault::MakeDirectory, TEXT("Could not create the folder"), ParentOf(Path));
		Fault.HasError())
	{
		return Fault;
	}
	TValueOrError<FFileLocation, FString> Location = OpenFileLocation(Path, Access, true, SaveAction);
	if (Location.HasError())
	{
		return MakeError(Location.StealError());
	}
	IPlatformFolder& Folder = *Location.GetValue().Folder;
	const FString& Name = Location.GetValue().Name;

	const TValueOrError<bool, FString> ReplacesFile = MayReplace(Folder.Stat(Name), Path, Access);
	if (ReplacesFile.HasError())
	{
		return MakeError(ReplacesFile.GetError());
	}
	const bool bReplacesFile = ReplacesFile.GetValue();
	RemoveAbandonedTemporaries(Folder, Name);

	const TValueOrError<FString, FString> MadeName = MakeTemporaryName(Name);
	if (MadeName.HasError())
	{
		return MakeError(MadeName.GetError());
	}
	const FString& Temporary = MadeName.GetValue();
	// The temporary file's name is the file's own with a suffix, and so is its path.
	const FString TemporaryPath = Path + Temporary.Mid(Name.Len());
	if (TValueOrError<void, FString> Fault = CheckWriteFault(EFileWriteFault::CreateTemporary, TEXT("Could not create"), TemporaryPath);
		Fault.HasError())
	{
		return Fault;
	}
	TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> Writer = Folder.CreateNew(Temporary, bReplacesFile ? &Name : nullptr);
	if (Writer.HasError())
	{
		return MakeError(Writer.StealError());
	}

	TValueOrError<void, FString> Replaced = WriteThenFlushThenClose(*Writer.GetValue(), TemporaryPath, Bytes, Size);
	if (Replaced.HasValue())
	{
		Replaced = PutInPlace(Folder, Temporary, Name, Path, bReplacesFile ? BackupName.GetValue() : FString(), Access);
	}
	if (Replaced.HasError())
	{
		Writer.GetValue().reset();
		return MakeError(RemoveTemporary(Folder, Temporary, Replaced.StealError()));
	}
	return MakeValue();
}
