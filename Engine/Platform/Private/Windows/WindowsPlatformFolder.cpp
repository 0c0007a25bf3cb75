// Folders opened once and then reached by name. Win32 has no calls relative
// to a folder handle, so an entry is reached by a path: the folder's final
// path, as the system resolved it when the folder was opened, joined with the
// entry's name. What keeps that path naming the same folder is the handle
// held on it and on every folder it was opened through: each is opened
// without FILE_SHARE_DELETE, so none of them can be renamed, removed or
// replaced by a junction while it is held.
#include "Common/PlatformFile.h"
#include "Common/TemporaryFiles.h"
#include "Containers/StringConv.h"
#include "Windows/WindowsFileMetadata.h"
#include "Windows/WindowsFileSupport.h"
#include "Windows/WindowsFolderEntry.h"

using namespace WindowsFile;

namespace
{
	/** A held folder's access: its entries may be listed and reached. */
	constexpr DWORD FolderAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
	/** A held folder's sharing: everything but deleting or renaming it. */
	constexpr DWORD FolderSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
	constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
	/** Entries are opened whatever they are, folders too, and a reparse point as itself. */
	constexpr DWORD EntryFlags = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

	/** The handle held on a folder and, through Parent, on each folder it was opened through. */
	struct FHeldFolder
	{
		FScopedHandle Handle;
		std::shared_ptr<const FHeldFolder> Parent;
	};

	class FWindowsFolder final : public IPlatformFolder
	{
	public:
		/** NativeFinal: Native is the folder's final path, which entries opened below it must keep to. */
		FWindowsFolder(FString InPath, std::wstring InNative, bool bInNativeIsFinal, std::shared_ptr<const FHeldFolder> InHeld)
			: Path(std::move(InPath)), Native(std::move(InNative)), bNativeIsFinal(bInNativeIsFinal), Held(std::move(InHeld))
		{
		}

		const FString& GetPath() const override
		{
			return Path;
		}

		std::unique_ptr<IPlatformFolder> OpenChild(const FString& Name, bool bCreate, const IPlatformFolder* PermissionModel,
			FString& OutError) override;
		FFileEntryStatus Stat(const FString& Name) override;
		bool ListNames(TArray<FString>& OutNames, FString& OutError) override;
		bool LoadFile(const FString& Name, TArray<uint8>& OutBytes, FString& OutError) override;
		std::unique_ptr<IPlatformFileWriter> CreateNew(const FString& Name, const FString* PermissionModel, FString& OutError) override;
		bool RemoveAbandoned(const FString& Name) override;
		bool Delete(const FString& Name, FString& OutError) override;
		bool KeepCopy(const FString& Name, const FString& BackupName, FString& OutError) override;
		bool Replace(const FString& From, const FString& To, FString& OutError) override;

	private:
		/** The path of an entry for messages, written with the separator Path uses. */
		FString PathOf(const FString& Name) const;
		std::wstring NativePathOf(const FString& Name) const;
		/** What an entry's final path must be, or empty when this folder's own is unknown. */
		std::wstring ExpectedFinalPathOf(const std::wstring& EntryNative) const;
		/** False, with OutError naming it, when Name is not one entry of this folder. */
		bool CheckName(const FString& Name, const TCHAR* Action, FString& OutError) const;
		/** Opens an existing entry; INVALID_HANDLE_VALUE with the last error set otherwise. */
		static HANDLE OpenEntry(const std::wstring& EntryNative, DWORD Access, DWORD Sharing);
		/**
		 * Opens the regular file Name for deleting it through the handle, with
		 * FILE_READ_ATTRIBUTES as well. Deleting by path would not do: Wine
		 * deletes what a Unix link points to when asked to delete the link.
		 */
		FScopedHandle OpenForDeleting(const FString& Name, FString& OutError) const;
		/** Opens an existing regular file (no link), reporting anything else with Action. */
		FScopedHandle OpenFile(const FString& Name, DWORD Access, const TCHAR* Action, FString& OutError) const;
		/**
		 * Looks at the file a replace or a copy would put something in place of:
		 * what is there must not be marked read-only, and when it is a file, this
		 * process must be able to write and delete it. OutMetadata receives that
		 * file's, and bOutKeepMetadata says there is one; a link there is
		 * replaced itself, so nothing is taken from it.
		 */
		bool InspectReplaced(const FString& Name, bool& bOutKeepMetadata, FFileMetadata& OutMetadata, FString& OutError) const;
		/** Gives the closed file Name the attributes and permissions of Metadata. */
		bool GiveMetadata(const FString& Name, const FFileMetadata& Metadata, DWORD Attributes, FString& OutError) const;
		/** Renames From over To and makes the rename durable. */
		bool MoveOver(const FString& From, const FString& To, FString& OutError) const;

		FString Path;
		std::wstring Native;
		bool bNativeIsFinal;
		std::shared_ptr<const FHeldFolder> Held;
	};

	FString FWindowsFolder::PathOf(const FString& Name) const
	{
		if (Path.IsEmpty() || FPlatformFile::IsSeparator(Path[Path.Len() - 1]))
		{
			return Path + Name;
		}
		const bool bForwardSlashes = Path.View().find(u'/') != std::u16string_view::npos && Path.View().find(u'\\') == std::u16string_view::npos;
		return Path + (bForwardSlashes ? TEXT("/") : TEXT("\\")) + Name;
	}

	std::wstring FWindowsFolder::NativePathOf(const FString& Name) const
	{
		std::wstring Entry = Native;
		if (!Entry.empty() && Entry.back() != L'\\')
		{
			Entry += L'\\';
		}
		return Entry + StringConv::ToWide(Name);
	}

	std::wstring FWindowsFolder::ExpectedFinalPathOf(const std::wstring& EntryNative) const
	{
		return bNativeIsFinal ? EntryNative : std::wstring();
	}

	bool FWindowsFolder::CheckName(const FString& Name, const TCHAR* Action, FString& OutError) const
	{
		if (IsEntryName(Name))
		{
			return true;
		}
		OutError = DescribeFileError(Action, PathOf(Name), TEXT("the name is not that of one entry in the folder"));
		return false;
	}

	HANDLE FWindowsFolder::OpenEntry(const std::wstring& EntryNative, DWORD Access, DWORD Sharing)
	{
		return ::CreateFileW(EntryNative.c_str(), Access, Sharing, nullptr, OPEN_EXISTING, EntryFlags, nullptr);
	}

	FScopedHandle FWindowsFolder::OpenFile(const FString& Name, DWORD Access, const TCHAR* Action, FString& OutError) const
	{
		const std::wstring EntryNative = NativePathOf(Name);
		FScopedHandle File(OpenEntry(EntryNative, Access, ShareAll));
		if (!File.IsValid())
		{
			OutError = DescribeSystemError(Action, PathOf(Name), ::GetLastError());
			return File;
		}
		const EFileEntryKind Kind = KindOfOpenEntry(File.Get(), ExpectedFinalPathOf(EntryNative));
		if (Kind != EFileEntryKind::File)
		{
			OutError = DescribeFileError(Action, PathOf(Name), DescribeKind(Kind));
			return FScopedHandle(INVALID_HANDLE_VALUE);
		}
		return File;
	}

	std::unique_ptr<IPlatformFolder> FWindowsFolder::OpenChild(const FString& Name, bool bCreate, const IPlatformFolder* /*PermissionModel*/,
		FString& OutError)
	{
		if (!CheckName(Name, TEXT("Could not open the folder"), OutError))
		{
			return nullptr;
		}
		const FString ChildPath = PathOf(Name);
		const std::wstring ChildNative = NativePathOf(Name);
		FScopedHandle Child(OpenEntry(ChildNative, FolderAccess, FolderSharing));
		DWORD Error = Child.IsValid() ? ERROR_SUCCESS : ::GetLastError();
		if (bCreate && IsMissingError(Error))
		{
			// A new folder inherits the access control list of the folder it is
			// made in: that is Windows' way of giving it its parent's
			// permissions, so a permission model has nothing to add here.
			// Another process making it at the same moment is as good.
			if (!::CreateDirectoryW(ChildNative.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
			{
				OutError = DescribeSystemError(TEXT("Could not create the folder"), ChildPath, ::GetLastError());
				return nullptr;
			}
			Child = FScopedHandle(OpenEntry(ChildNative, FolderAccess, FolderSharing));
			Error = Child.IsValid() ? ERROR_SUCCESS : ::GetLastError();
		}
		if (!Child.IsValid())
		{
			OutError = DescribeSystemError(TEXT("Could not open the folder"), ChildPath, Error);
			return nullptr;
		}

		const EFileEntryKind Kind = KindOfOpenEntry(Child.Get(), ExpectedFinalPathOf(ChildNative));
		if (Kind != EFileEntryKind::Folder)
		{
			OutError = DescribeFileError(TEXT("Could not open the folder"), ChildPath, DescribeKind(Kind));
			return nullptr;
		}
		std::wstring ChildFinal;
		const bool bChildIsFinal = bNativeIsFinal && GetFinalPath(Child.Get(), ChildFinal);
		auto ChildHeld = std::make_shared<FHeldFolder>(FHeldFolder{std::move(Child), Held});
		return std::make_unique<FWindowsFolder>(ChildPath, bChildIsFinal ? ChildFinal : ChildNative, bChildIsFinal, std::move(ChildHeld));
	}

	FFileEntryStatus FWindowsFolder::Stat(const FString& Name)
	{
		FFileEntryStatus Status;
		if (!IsEntryName(Name))
		{
			Status.Kind = EFileEntryKind::Other;
			return Status;
		}
		const std::wstring EntryNative = NativePathOf(Name);
		WIN32_FILE_ATTRIBUTE_DATA Data;
		if (!::GetFileAttributesExW(EntryNative.c_str(), GetFileExInfoStandard, &Data))
		{
			// Something the system will not describe is not taken for a free name.
			Status.Kind = IsMissingError(::GetLastError()) ? EFileEntryKind::Missing : EFileEntryKind::Other;
			return Status;
		}
		Status.Kind = KindFromAttributes(Data.dwFileAttributes);
		Status.ModifiedSeconds = ToUnixSeconds(Data.ftLastWriteTime);
		if (Status.Kind == EFileEntryKind::File)
		{
			// Under Wine a link to a file looks like the file; its final path tells.
			// Reading attributes only, the open is not refused for sharing.
			const FScopedHandle Entry(OpenEntry(EntryNative, FILE_READ_ATTRIBUTES, ShareAll));
			if (Entry.IsValid())
			{
				Status.Kind = KindOfOpenEntry(Entry.Get(), ExpectedFinalPathOf(EntryNative));
			}
		}
		Status.bWritable = Status.Kind == EFileEntryKind::File && (Data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
		return Status;
	}

	bool FWindowsFolder::ListNames(TArray<FString>& OutNames, FString& OutError)
	{
		WIN32_FIND_DATAW Found;
		const HANDLE Search = ::FindFirstFileW(NativePathOf(FString(TEXT("*"))).c_str(), &Found);
		if (Search == INVALID_HANDLE_VALUE)
		{
			const DWORD Error = ::GetLastError();
			if (Error == ERROR_FILE_NOT_FOUND)
			{
				OutNames.Empty();
				return true;
			}
			OutError = DescribeSystemError(TEXT("Could not list the folder"), Path, Error);
			return false;
		}
		TArray<FString> Names;
		DWORD Error = ERROR_SUCCESS;
		for (;;)
		{
			const std::wstring_view Name(Found.cFileName);
			if (Name != L"." && Name != L"..")
			{
				Names.Add(StringConv::FromWide(Name));
			}
			if (!::FindNextFileW(Search, &Found))
			{
				Error = ::GetLastError();
				break;
			}
		}
		::FindClose(Search);
		if (Error != ERROR_NO_MORE_FILES)
		{
			OutError = DescribeSystemError(TEXT("Could not list the folder"), Path, Error);
			return false;
		}
		OutNames = std::move(Names);
		return true;
	}

	bool FWindowsFolder::LoadFile(const FString& Name, TArray<uint8>& OutBytes, FString& OutError)
	{
		if (!CheckName(Name, TEXT("Could not read"), OutError))
		{
			return false;
		}
		// A file another process holds open without read sharing is refused
		// here, with the system's word for it.
		const FScopedHandle File = OpenFile(Name, GENERIC_READ, TEXT("Could not read"), OutError);
		return File.IsValid() && ReadWholeFile(File.Get(), PathOf(Name), OutBytes, OutError);
	}

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
		if (false)
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
		FFileMetadata OlderCopy;
		bool bHasOlderCopy = false;
		FString Temporary;
		if (!InspectReplaced(BackupName, bHasOlderCopy, OlderCopy, OutError) || !MakeTemporaryName(Name, Temporary, OutError))
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
		FFileMetadata Old;
		bool bKeepMetadata = false;
		// A rewrite in place would mark the file changed for backups: archive.
		return InspectReplaced(To, bKeepMetadata, Old, OutError)
			&& (!bKeepMetadata || GiveMetadata(From, Old, (Old.Attributes & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE, OutError))
			&& MoveOver(From, To, OutError);
	}
}

PLATFORM_API std::unique_ptr<IPlatformFolder> FPlatformFile::OpenFolder(const FString& Path, FString& OutError)
{
	std::wstring Native;
	if (!ToNativePath(Path, Native, TEXT("Could not open the folder"), OutError))
	{
		return nullptr;
	}
	// Links on the way to the folder, and the folder itself being one, are
	// followed here: the path is resolved once, now.
	FScopedHandle Opened(::CreateFileW(Native.c_str(), FolderAccess, FolderSharing, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
	if (!Opened.IsValid())
	{
		OutError = DescribeSystemError(TEXT("Could not open the folder"), Path, ::GetLastError());
		return nullptr;
	}
	BY_HANDLE_FILE_INFORMATION Information;
	if (!::GetFileInformationByHandle(Opened.Get(), &Information) || (Information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
	{
		OutError = DescribeFileError(TEXT("Could not open the folder"), Path, TEXT("it is not a folder"));
		return nullptr;
	}
	std::wstring FinalPath;
	const bool bIsFinal = GetFinalPath(Opened.Get(), FinalPath);
	auto Held = std::make_shared<FHeldFolder>(FHeldFolder{std::move(Opened), nullptr});
	return std::make_unique<FWindowsFolder>(Path, bIsFinal ? FinalPath : Native, bIsFinal, std::move(Held));
}
