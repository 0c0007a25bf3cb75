// FWindowsFolder: making, copying, replacing and deleting files.
#include "Windows/WindowsPlatformFolder.h"

#include "Common/TemporaryFiles.h"
#include "Windows/WindowsFolderEntry.h"

namespace WindowsFile
{
	std::unique_ptr<IPlatformFileWriter> FWindowsFolder::CreateNew(const FString& Name, const FString* PermissionModel, FString& OutError)
	{
		if (!CheckName(Name, TEXT("Could not create"), OutError))
		{
			return nullptr;
		}
		// The new file is made with the model's access control list, so that
		// while it is written it is no more open than the file it will
		// replace; Replace then gives it the rest of the model's security
		// descriptor and attributes. Without a model, or with anything but a
		// file there, it inherits this folder's list, as any new file does.
		std::vector<uint8> ModelDescriptor;
		SECURITY_ATTRIBUTES Security = {sizeof(Security), nullptr, FALSE};
		if (PermissionModel != nullptr && IsEntryName(*PermissionModel))
		{
			const std::wstring ModelNative = NativePathOf(*PermissionModel);
			const FScopedHandle Model(OpenEntry(ModelNative, READ_CONTROL | FILE_READ_ATTRIBUTES, ShareAll));
			if (Model.IsValid() && KindOfOpenEntry(Model.Get(), ExpectedFinalPathOf(ModelNative)) == EFileEntryKind::File)
			{
				if (!ReadSecurityDescriptor(Model.Get(), DACL_SECURITY_INFORMATION, ModelDescriptor, PathOf(*PermissionModel), OutError))
				{
					return nullptr;
				}
				Security.lpSecurityDescriptor = ModelDescriptor.data();
			}
		}
		// CREATE_NEW fails when anything, a link included, is already there.
		// No sharing at all: while the writer is open, no other process can
		// open the file, or delete it as a leftover.
		FScopedHandle File(::CreateFileW(NativePathOf(Name).c_str(), GENERIC_WRITE, 0, &Security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
		if (!File.IsValid())
		{
			OutError = DescribeSystemError(TEXT("Could not create"), PathOf(Name), ::GetLastError());
			return nullptr;
		}
		return MakeFileWriter(std::move(File), PathOf(Name));
	}

	FScopedHandle FWindowsFolder::OpenForDeleting(const FString& Name, FString& OutError) const
	{
		return OpenFile(Name, DELETE | FILE_READ_ATTRIBUTES, TEXT("Could not delete"), OutError);
	}

	bool FWindowsFolder::RemoveAbandoned(const FString& Name)
	{
		// A writer holds its file without FILE_SHARE_DELETE, so a file that is
		// still being written cannot be opened for deleting.
		FString Ignored;
		const FScopedHandle File = IsEntryName(Name) ? OpenForDeleting(Name, Ignored) : FScopedHandle(INVALID_HANDLE_VALUE);
		BY_HANDLE_FILE_INFORMATION Information;
		if (!File.IsValid() || !::GetFileInformationByHandle(File.Get(), &Information))
		{
			return false;
		}
		FILETIME Now;
		::GetSystemTimeAsFileTime(&Now);
		if (ToUnixSeconds(Now) - ToUnixSeconds(Information.ftLastWriteTime) < AbandonedAfterSeconds)
		{
			return false;
		}
		FILE_DISPOSITION_INFO Disposition = {TRUE};
		return ::SetFileInformationByHandle(File.Get(), FileDispositionInfo, &Disposition, sizeof(Disposition)) != FALSE;
	}

	bool FWindowsFolder::Delete(const FString& Name, FString& OutError)
	{
		if (!CheckName(Name, TEXT("Could not delete"), OutError))
		{
			return false;
		}
		const FScopedHandle File = OpenForDeleting(Name, OutError);
		if (!File.IsValid())
		{
			return false;
		}
		FILE_DISPOSITION_INFO Disposition = {TRUE};
		if (!::SetFileInformationByHandle(File.Get(), FileDispositionInfo, &Disposition, sizeof(Disposition)))
		{
			OutError = DescribeSystemError(TEXT("Could not delete"), PathOf(Name), ::GetLastError());
			return false;
		}
		return true;
	}

	bool FWindowsFolder::InspectReplaced(const FString& Name, bool& bOutKeepMetadata, FFileMetadata& OutMetadata, FString& OutError) const
	{
		bOutKeepMetadata = false;
		const FString EntryPath = PathOf(Name);
		const std::wstring EntryNative = NativePathOf(Name);
		// Reading the attributes and the security descriptor is not refused for
		// sharing, so this open sees a file that another process holds.
		const FScopedHandle Entry(OpenEntry(EntryNative, READ_CONTROL | FILE_READ_ATTRIBUTES, ShareAll));
		if (!Entry.IsValid())
		{
			const DWORD Error = ::GetLastError();
			if (IsMissingError(Error))
			{
				return true;
			}
			OutError = DescribeSystemError(TEXT("Could not replace"), EntryPath, Error);
			return false;
		}
		const EFileEntryKind Kind = KindOfOpenEntry(Entry.Get(), ExpectedFinalPathOf(EntryNative));
		if (Kind == EFileEntryKind::Link)
		{
			// The link itself is replaced; what it points to is left alone.
			return true;
		}
		if (Kind != EFileEntryKind::File)
		{
			OutError = DescribeFileError(TEXT("Could not replace"), EntryPath, DescribeKind(Kind));
			return false;
		}
		if (!ReadFileMetadata(Entry.Get(), EntryPath, OutMetadata, OutError))
		{
			return false;
		}
		// Windows refuses to rename over a read-only file, but Wine does not;
		// said here, both refuse it in the same words.
		if ((OutMetadata.Attributes & FILE_ATTRIBUTE_READONLY) != 0)
		{
			OutError = DescribeFileError(TEXT("Could not replace"), EntryPath, TEXT("the file is marked read-only"));
			return false;
		}
		// Asking to write and delete it fails when this process may not change
		// it, and while another process holds it open without sharing it,
		// which a rename over it would only say less clearly.
		const FScopedHandle Writable(OpenEntry(EntryNative, FILE_WRITE_DATA | DELETE, ShareAll));
		if (!Writable.IsValid())
		{
			OutError = DescribeSystemError(TEXT("Could not replace"), EntryPath, ::GetLastError());
			return false;
		}
		bOutKeepMetadata = true;
		return true;
	}

	bool FWindowsFolder::GiveMetadata(const FString& Name, const FFileMetadata& Metadata, DWORD Attributes, FString& OutError) const
	{
		const std::wstring EntryNative = NativePathOf(Name);
		const FScopedHandle File(OpenEntry(EntryNative, WRITE_DAC | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ));
		if (!File.IsValid())
		{
			OutError = DescribeSystemError(TEXT("Could not open"), PathOf(Name), ::GetLastError());
			return false;
		}
		return ApplyFileMetadata(File.Get(), EntryNative, Metadata, Attributes, PathOf(Name), OutError);
	}

	bool FWindowsFolder::MoveOver(const FString& From, const FString& To, FString& OutError) const
	{
		if (!::MoveFileExW(NativePathOf(From).c_str(), NativePathOf(To).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
		{
			OutError = DescribeSystemError(TEXT("Could not replace"), PathOf(To), ::GetLastError());
			return false;
		}
		// Windows returns from a write-through rename once it is on the disk;
		// Wine does not write it through, and there flushing the folder is what
		// makes it durable. The rename is done either way, so a failure here is
		// not a failed replace, only one that reaches the disk later.
		const FScopedHandle Flushed(::CreateFileW(Native.c_str(), GENERIC_WRITE, ShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
		if (Flushed.IsValid())
		{
			::FlushFileBuffers(Flushed.Get());
		}
		return true;
	}

	bool FWindowsFolder::KeepCopy(const FString& Name, const FString& BackupName, FString& OutError)
	{
		if (!CheckName(Name, TEXT("Could not copy"), OutError) || !CheckName(BackupName, TEXT("Could not replace"), OutError))
		{
			return false;
		}
		FFileMetadata Metadata;
		std::vector<uint8> SourceDescriptor;
		TArray<uint8> Bytes;
		{
			const FScopedHandle Source = OpenFile(Name, GENERIC_READ, TEXT("Could not copy"), OutError);
			if (!Source.IsValid() || !ReadFileMetadata(Source.Get(), PathOf(Name), Metadata, OutError)
				|| !ReadSecurityDescriptor(Source.Get(), DACL_SECURITY_INFORMATION, SourceDescriptor, PathOf(Name), OutError)
				|| !ReadWholeFile(Source.Get(), PathOf(Name), Bytes, OutError))
			{
				return false;
			}
		}
		// The older copy is only looked at: it is replaced, not kept.
		FFileMetadata OlderCopy;
		bool bOlderCopyIsFile = false;
		FString Temporary;
		if (!InspectReplaced(BackupName, bOlderCopyIsFile, OlderCopy, OutError) || !MakeTemporaryName(Name, Temporary, OutError))
		{
			return false;
		}

		// The copy is written under a name of the save's own pattern, so that
		// one left by a killed process is cleared as a leftover like the rest,
		// and takes the place of the older copy in one rename. It is made with
		// the file's access control list, never more open than the file.
		const std::wstring TemporaryNative = NativePathOf(Temporary);
		SECURITY_ATTRIBUTES Security = {sizeof(Security), SourceDescriptor.data(), FALSE};
		FScopedHandle Copy(::CreateFileW(TemporaryNative.c_str(), GENERIC_WRITE | WRITE_DAC, 0, &Security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
		if (!Copy.IsValid())
		{
			OutError = DescribeSystemError(TEXT("Could not create"), PathOf(Temporary), ::GetLastError());
			return false;
		}
		const bool bCopied = WriteAll(Copy.Get(), Bytes.GetData(), Bytes.Num(), PathOf(Temporary), OutError)
			&& ApplyFileMetadata(Copy.Get(), TemporaryNative, Metadata, Metadata.Attributes & KeptAttributes, PathOf(Temporary), OutError)
			&& FlushFile(Copy.Get(), PathOf(Temporary), OutError);
		::CloseHandle(Copy.Release());
		if (!bCopied || !MoveOver(Temporary, BackupName, OutError))
		{
			RemoveTemporary(*this, Temporary, OutError);
			return false;
		}
		return true;
	}

	bool FWindowsFolder::Replace(const FString& From, const FString& To, FString& OutError)
	{
		if (!CheckName(From, TEXT("Could not move"), OutError) || !CheckName(To, TEXT("Could not replace"), OutError))
		{
			return false;
		}
		// ReplaceFileW would keep the old file's attributes and security
		// descriptor on Windows, but under Wine it keeps neither, and it moves
		// the old file away before the new one takes its place, so that for a
		// moment there is no file. Here the new file is given them itself and
		// then renamed over the old one in one step on both.
		// The archive attribute is set as a rewrite in place would set it: the
		// content changed since the last backup.
		FFileMetadata Old;
		bool bKeepMetadata = false;
		return InspectReplaced(To, bKeepMetadata, Old, OutError)
			&& (!bKeepMetadata || GiveMetadata(From, Old, (Old.Attributes & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE, OutError))
			&& MoveOver(From, To, OutError);
	}
}
