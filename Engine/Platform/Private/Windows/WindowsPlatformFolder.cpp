// FWindowsFolder: reaching entries, opening folders below, and reading.
#include "Windows/WindowsPlatformFolder.h"

#include "Containers/StringConv.h"
#include "Windows/WindowsFolderEntry.h"

using namespace WindowsFile;

namespace WindowsFile
{
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

	TValueOrError<void, FString> FWindowsFolder::CheckName(const FString& Name, const TCHAR* Action) const
	{
		if (IsEntryName(Name))
		{
			return MakeValue();
		}
		return MakeError(DescribeFileError(Action, PathOf(Name), TEXT("the name is not that of one entry in the folder")));
	}

	HANDLE FWindowsFolder::OpenEntry(const std::wstring& EntryNative, DWORD Access, DWORD Sharing)
	{
		return ::CreateFileW(EntryNative.c_str(), Access, Sharing, nullptr, OPEN_EXISTING, EntryFlags, nullptr);
	}

	TValueOrError<FScopedHandle, FString> FWindowsFolder::OpenFile(const FString& Name, DWORD Access, const TCHAR* Action) const
	{
		const std::wstring EntryNative = NativePathOf(Name);
		FScopedHandle File(OpenEntry(EntryNative, Access, ShareAll));
		if (!File.IsValid())
		{
			return MakeError(DescribeSystemError(Action, PathOf(Name), ::GetLastError()));
		}
		const EFileEntryKind Kind = KindOfOpenEntry(File.Get(), ExpectedFinalPathOf(EntryNative));
		if (Kind != EFileEntryKind::File)
		{
			return MakeError(DescribeFileError(Action, PathOf(Name), DescribeKind(Kind)));
		}
		return MakeValue(std::move(File));
	}

	TValueOrError<std::unique_ptr<IPlatformFolder>, FString> FWindowsFolder::OpenChild(const FString& Name, bool bCreate,
		const IPlatformFolder* /*PermissionModel*/)
	{
		if (TValueOrError<void, FString> Checked = CheckName(Name, TEXT("Could not open the folder")); Checked.HasError())
		{
			return MakeError(Checked.StealError());
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
				return MakeError(DescribeSystemError(TEXT("Could not create the folder"), ChildPath, ::GetLastError()));
			}
			Child = FScopedHandle(OpenEntry(ChildNative, FolderAccess, FolderSharing));
			Error = Child.IsValid() ? ERROR_SUCCESS : ::GetLastError();
		}
		if (!Child.IsValid())
		{
			return MakeError(DescribeSystemError(TEXT("Could not open the folder"), ChildPath, Error));
		}

		const EFileEntryKind Kind = KindOfOpenEntry(Child.Get(), ExpectedFinalPathOf(ChildNative));
		if (Kind != EFileEntryKind::Folder)
		{
			return MakeError(DescribeFileError(TEXT("Could not open the folder"), ChildPath, DescribeKind(Kind)));
		}
		std::wstring ChildFinal;
		const bool bChildIsFinal = bNativeIsFinal && GetFinalPath(Child.Get(), ChildFinal);
		auto ChildHeld = std::make_shared<FHeldFolder>(FHeldFolder{std::move(Child), Held});
		return MakeValue(std::make_unique<FWindowsFolder>(ChildPath, bChildIsFinal ? ChildFinal : ChildNative, bChildIsFinal, std::move(ChildHeld)));
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

	TValueOrError<TArray<FString>, FString> FWindowsFolder::ListNames()
	{
		WIN32_FIND_DATAW Found;
		const HANDLE Search = ::FindFirstFileW(NativePathOf(FString(TEXT("*"))).c_str(), &Found);
		if (Search == INVALID_HANDLE_VALUE)
		{
			const DWORD Error = ::GetLastError();
			if (Error == ERROR_FILE_NOT_FOUND)
			{
				return MakeValue(TArray<FString>());
			}
			return MakeError(DescribeSystemError(TEXT("Could not list the folder"), Path, Error));
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
			return MakeError(DescribeSystemError(TEXT("Could not list the folder"), Path, Error));
		}
		return MakeValue(std::move(Names));
	}

	TValueOrError<TArray<uint8>, FString> FWindowsFolder::LoadFile(const FString& Name)
	{
		if (TValueOrError<void, FString> Checked = CheckName(Name, TEXT("Could not read")); Checked.HasError())
		{
			return MakeError(Checked.StealError());
		}
		// A file another process holds open without read sharing is refused
		// here, with the system's word for it.
		const TValueOrError<FScopedHandle, FString> File = OpenFile(Name, GENERIC_READ, TEXT("Could not read"));
		if (File.HasError())
		{
			return MakeError(File.GetError());
		}
		return ReadWholeFile(File.GetValue().Get(), PathOf(Name));
	}
}

// Exported for the platform tests, which reach the folder primitives through it.
TValueOrError<std::unique_ptr<IPlatformFolder>, FString> FPlatformFile::OpenFolder(const FString& Path)
{
	const TValueOrError<std::wstring, FString> NativePath = ToNativePath(Path, TEXT("Could not open the folder"));
	if (NativePath.HasError())
	{
		return MakeError(NativePath.GetError());
	}
	const std::wstring& Native = NativePath.GetValue();
	// Links on the way to the folder, and the folder itself being one, are
	// followed here: the path is resolved once, now.
	FScopedHandle Opened(::CreateFileW(Native.c_str(), FolderAccess, FolderSharing, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
	if (!Opened.IsValid())
	{
		return MakeError(DescribeSystemError(TEXT("Could not open the folder"), Path, ::GetLastError()));
	}
	BY_HANDLE_FILE_INFORMATION Information;
	if (!::GetFileInformationByHandle(Opened.Get(), &Information) || (Information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
	{
		return MakeError(DescribeFileError(TEXT("Could not open the folder"), Path, TEXT("it is not a folder")));
	}
	std::wstring FinalPath;
	const bool bIsFinal = GetFinalPath(Opened.Get(), FinalPath);
	auto Held = std::make_shared<FHeldFolder>(FHeldFolder{std::move(Opened), nullptr});
	return MakeValue(std::make_unique<FWindowsFolder>(Path, bIsFinal ? FinalPath : Native, bIsFinal, std::move(Held)));
}
