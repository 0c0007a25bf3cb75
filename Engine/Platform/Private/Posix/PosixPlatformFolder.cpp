// Opening folders and reading entries below an open folder descriptor.
#include "Posix/PosixPlatformFolder.h"

#include "Containers/StringConv.h"
#include "Posix/PosixFileSupport.h"
#include "Posix/PosixPermissions.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{
	const TCHAR* const OpenFolderAction = TEXT("Could not open the folder");
	const TCHAR* const CreateFolderAction = TEXT("Could not create the folder");

	const FPosixFolder& AsPosixFolder(const IPlatformFolder& Folder)
	{
		// Every folder on this system is opened by this file's code.
		return static_cast<const FPosixFolder&>(Folder);
	}
}

FPosixFolder::~FPosixFolder()
{
	::close(Descriptor);
}

FString FPosixFolder::PathOf(const FString& Name) const
{
	return Path.EndsWith(FString(TEXT("/"))) ? Path + Name : Path + TEXT("/") + Name;
}

TValueOrError<std::string, FString> FPosixFolder::ToNativeName(const FString& Name, const TCHAR* Action) const
{
	if (Name.IsEmpty() || Name.View().find(u'/') != std::u16string_view::npos)
	{
		return MakeError(DescribeFileError(Action, PathOf(Name), TEXT("not a single name in the folder")));
	}
	return ToNativePath(Name, Action);
}

bool FPosixFolder::StatEntry(const std::string& Native, struct stat& OutStatus) const
{
	return ::fstatat(Descriptor, Native.c_str(), &OutStatus, AT_SYMLINK_NOFOLLOW) == 0;
}

FString FPosixFolder::DescribeOpenError(const TCHAR* Action, const FString& Name, const std::string& Native, int Error) const
{
	struct stat Status;
	if (StatEntry(Native, Status) && S_ISLNK(Status.st_mode))
	{
		return DescribeFileError(Action, PathOf(Name), TEXT("it is a link, which is not followed here"));
	}
	return DescribeSystemError(Action, PathOf(Name), Error);
}

TValueOrError<bool, FString> FPosixFolder::MakeChild(const FString& Name, const std::string& Native)
{
	if (::mkdirat(Descriptor, Native.c_str(), S_IRWXU) == 0)
	{
		return MakeValue(true);
	}
	const int Error = errno;
	// Another process may have made it just now; then it is used as it is.
	if (Error != EEXIST)
	{
		return MakeError(DescribeSystemError(CreateFolderAction, PathOf(Name), Error));
	}
	return MakeValue(false);
}

TValueOrError<std::unique_ptr<IPlatformFolder>, FString> FPosixFolder::OpenChild(const FString& Name, bool bCreate,
	const IPlatformFolder* PermissionModel)
{
	const TValueOrError<std::string, FString> NativeName = ToNativeName(Name, OpenFolderAction);
	if (NativeName.HasError())
	{
		return MakeError(NativeName.GetError());
	}
	const std::string& Native = NativeName.GetValue();
	struct stat Status;
	bool bMade = false;
	if (!StatEntry(Native, Status))
	{
		const int Error = errno;
		if (Error != ENOENT || !bCreate)
		{
			return MakeError(DescribeSystemError(OpenFolderAction, PathOf(Name), Error));
		}
		const TValueOrError<bool, FString> Made = MakeChild(Name, Native);
		if (Made.HasError())
		{
			return MakeError(Made.GetError());
		}
		bMade = Made.GetValue();
	}

	const int Child = ::openat(Descriptor, Native.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
	if (Child < 0)
	{
		return MakeError(DescribeOpenError(OpenFolderAction, Name, Native, errno));
	}
	auto Folder = std::make_unique<FPosixFolder>(Child, PathOf(Name));
	if (!bMade)
	{
		return MakeValue(std::move(Folder));
	}

	struct stat Model;
	struct stat Made;
	const int ModelDescriptor = AsPosixFolder(PermissionModel != nullptr ? *PermissionModel : *this).Descriptor;
	if (::fstat(ModelDescriptor, &Model) != 0 || ::fstat(Child, &Made) != 0)
	{
		const int Error = errno;
		return MakeError(DescribeSystemError(CreateFolderAction, Folder->GetPath(), Error));
	}
	// What was opened must be the folder made above, not one put in its place since.
	if (Made.st_uid != ::geteuid())
	{
		return MakeError(DescribeFileError(CreateFolderAction, Folder->GetPath(), TEXT("another user's folder took its place")));
	}
	if (TValueOrError<void, FString> Taken = TakePermissions(Child, Model, EPermissionCopy::Folder, Folder->GetPath()); Taken.HasError())
	{
		return MakeError(Taken.StealError());
	}
	return MakeValue(std::move(Folder));
}

FFileEntryStatus FPosixFolder::Stat(const FString& Name)
{
	FFileEntryStatus Result;
	const TValueOrError<std::string, FString> NativeName = ToNativeName(Name, TEXT("Could not look at"));
	struct stat Status;
	if (NativeName.HasError() || !StatEntry(NativeName.GetValue(), Status))
	{
		return Result;
	}
	const std::string& Native = NativeName.GetValue();
	Result.ModifiedSeconds = static_cast<int64>(Status.st_mtime);
	if (S_ISLNK(Status.st_mode))
	{
		Result.Kind = EFileEntryKind::Link;
	}
	else if (S_ISDIR(Status.st_mode))
	{
		Result.Kind = EFileEntryKind::Folder;
	}
	else if (S_ISREG(Status.st_mode))
	{
		Result.Kind = EFileEntryKind::File;
		Result.bWritable = (Status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
			&& ::faccessat(Descriptor, Native.c_str(), W_OK, AT_EACCESS) == 0;
	}
	else
	{
		Result.Kind = EFileEntryKind::Other;
	}
	return Result;
}

TValueOrError<TArray<FString>, FString> FPosixFolder::ListNames()
{
	// A descriptor of its own, so that the listing's position is not shared.
	const int Listing = ::openat(Descriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	DIR* const Entries = Listing >= 0 ? ::fdopendir(Listing) : nullptr;
	if (Entries == nullptr)
	{
		FString Error = DescribeSystemError(TEXT("Could not list"), Path, errno);
		if (Listing >= 0)
		{
			::close(Listing);
		}
		return MakeError(std::move(Error));
	}
	TArray<FString> Names;
	errno = 0;
	while (const dirent* Entry = ::readdir(Entries))
	{
		const std::string_view Native(Entry->d_name);
		FString Name;
		// A name that is not UTF-8 was not made by this program; it is passed
		// over rather than turned into a look-alike that names another entry.
		if (Native != "." && Native != ".." && StringConv::TryFromUtf8(Native, Name))
		{
			Names.Add(Name);
		}
		errno = 0;
	}
	const int Error = errno;
	::closedir(Entries);
	if (Error != 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not list"), Path, Error));
	}
	return MakeValue(std::move(Names));
}

TValueOrError<TArray<uint8>, FString> FPosixFolder::LoadFile(const FString& Name)
{
	const TValueOrError<std::string, FString> Native = ToNativeName(Name, TEXT("Could not read"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	// Non-blocking, so that a pipe planted at the name cannot stall the open.
	const int File = ::openat(Descriptor, Native.GetValue().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
	if (File < 0)
	{
		return MakeError(DescribeOpenError(TEXT("Could not open"), Name, Native.GetValue(), errno));
	}
	return ReadAndClose(File, PathOf(Name));
}

TValueOrError<void, FString> FPosixFolder::Delete(const FString& Name)
{
	const TValueOrError<std::string, FString> Native = ToNativeName(Name, TEXT("Could not delete"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	if (::unlinkat(Descriptor, Native.GetValue().c_str(), 0) != 0)
	{
		const int Error = errno;
		return MakeError(DescribeSystemError(TEXT("Could not delete"), PathOf(Name), Error));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPosixFolder::Replace(const FString& From, const FString& To)
{
	const TValueOrError<std::string, FString> NativeFrom = ToNativeName(From, TEXT("Could not move"));
	if (NativeFrom.HasError())
	{
		return MakeError(NativeFrom.GetError());
	}
	const TValueOrError<std::string, FString> NativeTo = ToNativeName(To, TEXT("Could not replace"));
	if (NativeTo.HasError())
	{
		return MakeError(NativeTo.GetError());
	}
	if (::renameat(Descriptor, NativeFrom.GetValue().c_str(), Descriptor, NativeTo.GetValue().c_str()) != 0)
	{
		const int Error = errno;
		return MakeError(DescribeSystemError(TEXT("Could not replace"), PathOf(To), Error));
	}
	// The rename is done; flushing the folder only makes it survive a power
	// cut sooner, so a failure here is not a failed replace.
	::fsync(Descriptor);
	return MakeValue();
}

TValueOrError<std::unique_ptr<IPlatformFolder>, FString> FPlatformFile::OpenFolder(const FString& Path)
{
	const TValueOrError<std::string, FString> Native = ToNativePath(Path, OpenFolderAction);
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	const int Folder = ::open(Native.GetValue().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	if (Folder < 0)
	{
		return MakeError(DescribeSystemError(OpenFolderAction, Path, errno));
	}
	return MakeValue(std::make_unique<FPosixFolder>(Folder, Path));
}
