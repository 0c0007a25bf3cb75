// FWindowsFolder: making, copying, replacing and deleting files.
#include "Windows/WindowsPlatformFolder.h"

#include "Common/TemporaryFiles.h"
#include "Windows/WindowsFolderEntry.h"

namespace WindowsFile
{
	TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> FWindowsFolder::CreateNew(const FString& Name, const FString* PermissionModel)
	{
		if (TValueOrError<void, FString> Checked = CheckName(Name, TEXT("Could not create")); Checked.HasError())
		{
			return MakeError(Checked.StealError());
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
				TValueOrError<std::vector<uint8>, FString> Read =
					ReadSecurityDescriptor(Model.Get(), DACL_SECURITY_INFORMATION, PathOf(*PermissionModel));
				if (Read.HasError())
				{
					return MakeError(Read.StealError());
				}
				ModelDescriptor = Read.StealValue();
				Security.lpSecurityDescriptor = ModelDescriptor.data();
			}
		}
		// CREATE_NEW fails when anything, a link included, is already there.
		// No sharing at all: while the writer is open, no other process can
		// open the file, or delete it as a leftover.
		FScopedHandle File(::CreateFileW(NativePathOf(Name).c_str(), GENERIC_WRITE, 0, &Security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
		if (!File.IsValid())
		{
			return MakeError(DescribeSystemError(TEXT("Could not create"), PathOf(Name), ::GetLastError()));
		}
		return MakeValue(MakeFileWriter(std::move(File), PathOf(Name)));
	}

	TValueOrError<FScopedHandle, FString> FWindowsFolder::OpenForDeleting(const FString& Name) const
	{
		return OpenFile(Name, DELETE | FILE_READ_ATTRIBUTES, TEXT("Could not delete"));
	}

	bool FWindowsFolder::RemoveAbandoned(const FString& Name)
	{
		// A writer holds its file without FILE_SHARE_DELETE, so a file that is
		// still being written cannot be opened for deleting.
		if (!IsEntryName(Name))
		{
			return false;
		}
		const TValueOrError<FScopedHandle, FString> Opened = OpenForDeleting(Name);
		BY_HANDLE_FILE_INFORMATION Information;
		if (Opened.HasError() || !::GetFileInformationByHandle(Opened.GetValue().Get(), &Information))
		{
			return false;
		}
		const FScopedHandle& File = Opened.GetValue();
		FILETIME Now;
		::GetSystemTimeAsFileTime(&Now);
		if (ToUnixSeconds(Now) - ToUnixSeconds(Information.ftLastWriteTime) < AbandonedAfterSeconds)
		{
			return false;
		}
		FILE_DISPOSITION_INFO Disposition = {TRUE};
		return ::SetFileInformationByHandle(File.Get(), FileDispositionInfo, &Disposition, sizeof(Disposition)) != FALSE;
	}

	TValueOrError<void, FString> FWindowsFolder::Delete(const FString& Name)
	{
		if (TValueOrError<void, FString> Checked = CheckName(Name, TEXT("Could not delete")); Checked.HasError())
		{
			return Checked;
		}
		const TValueOrError<FScopedHandle, FString> File = OpenForDeleting(Name);
		if (File.HasError())
		{
			return MakeError(File.GetError());
		}
		FILE_DISPOSITION_INFO Disposition = {TRUE};
		if (!::SetFileInformationByHandle(File.GetValue().Get(), FileDispositionInfo, &Disposition, sizeof(Disposition)))
		{
			return MakeError(DescribeSystemError(TEXT("Could not delete"), PathOf(Name), ::GetLastError()));
		}
		return MakeValue();
	}

	TValueOrError<std::optional<FFileMetadata>, FString> FWindowsFolder::InspectReplaced(const FString& Name) const
	{
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
				return MakeValue(std::optional<FFileMetadata>());
			}
			return MakeError(DescribeSystemError(TEXT("Could not replace"), EntryPath, Error));
		}
		const EFileEntryKind Kind = KindOfOpenEntry(Entry.Get(), ExpectedFinalPathOf(EntryNative));
		if (Kind == EFileEntryKind::Link)
		{
			// The link itself is replaced; what it points to is left alone.
			return MakeValue(std::optional<FFileMetadata>());
		}
		if (Kind != EFileEntryKind::File)
		{
			return MakeError(DescribeFileError(TEXT("Could not replace"), EntryPath, DescribeKind(Kind)));
		}
		TValueOrError<FFileMetadata, FString> Metadata = ReadFileMetadata(Entry.Get(), EntryPath);
		if (Metadata.HasError())
		{
			return MakeError(Metadata.StealError());
		}
		// Windows refuses to rename over a read-only file, but Wine does not;
		// said here, both refuse it in the same words.
		if ((Metadata.GetValue().Attributes & FILE_ATTRIBUTE_READONLY) != 0)
		{
			return MakeError(DescribeFileError(TEXT("Could not replace"), EntryPath, TEXT("the file is marked read-only")));
		}
		// Asking to write and delete it fails when this process may not change
		// it, and while another process holds it open without sharing it,
		// which a rename over it would only say less clearly.
		const FScopedHandle Writable(OpenEntry(EntryNative, FILE_WRITE_DATA | DELETE, ShareAll));
		if (!Writable.IsValid())
		{
			return MakeError(DescribeSystemError(TEXT("Could not replace"), EntryPath, ::GetLastError()));
		}
		return MakeValue(std::optional<FFileMetadata>(Metadata.StealValue()));
	}

	TValueOrError<void, FString> FWindowsFolder::GiveMetadata(const FString& Name, const FFileMetadata& Metadata, DWORD Attributes) const
	{
		const std::wstring EntryNative = NativePathOf(Name);
		const FScopedHandle File(OpenEntry(EntryNative, WRITE_DAC | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ));
		if (!File.IsValid())
		{
			return MakeError(DescribeSystemError(TEXT("Could not open"), PathOf(Name), ::GetLastError()));
		}
		return ApplyFileMetadata(File.Get(), EntryNative, Metadata, Attributes, PathOf(Name));
	}

	TValueOrError<void, FString> FWindowsFolder::MoveOver(const FString& From, const FString& To) const
	{
		if (!::MoveFileExW(NativePathOf(From).c_str(), NativePathOf(To).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
		{
			return MakeError(DescribeSystemError(TEXT("Could not replace"), PathOf(To), ::GetLastError()));
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
		return MakeValue();
	}

	TValueOrError<FCopySource, FString> FWindowsFolder::ReadCopySource(const FString& Name) const
	{
		const TValueOrError<FScopedHandle, FString> Source = OpenFile(Name, GENERIC_READ, TEXT("Could not copy"));
		if (Source.HasError())
		{
			return MakeError(Source.GetError());
		}
		const HANDLE Handle = Source.GetValue().Get();
		TValueOrError<FFileMetadata, FString> Metadata = ReadFileMetadata(Handle, PathOf(Name));
		if (Metadata.HasError())
		{
			return MakeError(Metadata.StealError());
		}
		TValueOrError<std::vector<uint8>, FString> Descriptor = ReadSecurityDescriptor(Handle, DACL_SECURITY_INFORMATION, PathOf(Name));
		if (Descriptor.HasError())
		{
			return MakeError(Descriptor.StealError());
		}
		TValueOrError<TArray<uint8>, FString> Bytes = ReadWholeFile(Handle, PathOf(Name));
		if (Bytes.HasError())
		{
			return MakeError(Bytes.StealError());
		}
		return MakeValue(FCopySource{Metadata.StealValue(), Descriptor.StealValue(), Bytes.StealValue()});
	}

	TValueOrError<void, FString> FWindowsFolder::KeepCopy(const FString& Name, const FString& BackupName)
	{
		if (TValueOrError<void, FString> Checked = CheckAll({CheckName(Name, TEXT("Could not copy")), CheckName(BackupName, TEXT("Could not replace"))});
			Checked.HasError())
		{
			return Checked;
		}
		TValueOrError<FCopySource, FString> Read = ReadCopySource(Name);
		if (Read.HasError())
		{
			return MakeError(Read.StealError());
		}
		FCopySource& Source = Read.GetValue();
		// The older copy is only looked at: it is replaced, not kept.
		if (TValueOrError<std::optional<FFileMetadata>, FString> OlderCopy = InspectReplaced(BackupName); OlderCopy.HasError())
		{
			return MakeError(OlderCopy.StealError());
		}
		const TValueOrError<FString, FString> MadeName = MakeTemporaryName(Name);
		if (MadeName.HasError())
		{
			return MakeError(MadeName.GetError());
		}
		const FString& Temporary = MadeName.GetValue();

		// The copy is written under a name of the save's own pattern, so that
		// one left by a killed process is cleared as a leftover like the rest,
		// and takes the place of the older copy in one rename. It is made with
		// the file's access control list, never more open than the file.
		const std::wstring TemporaryNative = NativePathOf(Temporary);
		SECURITY_ATTRIBUTES Security = {sizeof(Security), Source.Descriptor.data(), FALSE};
		FScopedHandle Copy(::CreateFileW(TemporaryNative.c_str(), GENERIC_WRITE | WRITE_DAC, 0, &Security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
		if (!Copy.IsValid())
		{
			return MakeError(DescribeSystemError(TEXT("Could not create"), PathOf(Temporary), ::GetLastError()));
		}
		TValueOrError<void, FString> Copied = WriteAll(Copy.Get(), Source.Bytes.GetData(), Source.Bytes.Num(), PathOf(Temporary));
		if (Copied.HasValue())
		{
			Copied = ApplyFileMetadata(Copy.Get(), TemporaryNative, Source.Metadata, Source.Metadata.Attributes & KeptAttributes, PathOf(Temporary));
		}
		if (Copied.HasValue())
		{
			Copied = FlushFile(Copy.Get(), PathOf(Temporary));
		}
		::CloseHandle(Copy.Release());
		if (Copied.HasValue())
		{
			Copied = MoveOver(Temporary, BackupName);
		}
		if (Copied.HasError())
		{
			return MakeError(RemoveTemporary(*this, Temporary, Copied.StealError()));
		}
		return MakeValue();
	}

	TValueOrError<void, FString> FWindowsFolder::Replace(const FString& From, const FString& To)
	{
		if (TValueOrError<void, FString> Checked = CheckAll({CheckName(From, TEXT("Could not move")), CheckName(To, TEXT("Could not replace"))});
			Checked.HasError())
		{
			return Checked;
		}
		// ReplaceFileW would keep the old file's attributes and security
		// descriptor on Windows, but under Wine it keeps neither, and it moves
		// the old file away before the new one takes its place, so that for a
		// moment there is no file. Here the new file is given them itself and
		// then renamed over the old one in one step on both.
		// The archive attribute is set as a rewrite in place would set it: the
		// content changed since the last backup.
		const TValueOrError<std::optional<FFileMetadata>, FString> Old = InspectReplaced(To);
		if (Old.HasError())
		{
			return MakeError(Old.GetError());
		}
		const std::optional<FFileMetadata>& Kept = Old.GetValue();
		if (Kept.has_value())
		{
			if (TValueOrError<void, FString> Given = GiveMetadata(From, *Kept, (Kept->Attributes & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
				Given.HasError())
			{
				return Given;
			}
		}
		return MoveOver(From, To);
	}
}
