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

bool FPosixFolder::ToNativeName(const FString& Name, const TCHAR* Action, std::string& OutNative, FString& OutError) const
{
	if (Name.IsEmpty() || Name.View().find(u'/') != std::u16string_view::npos)
	{
		OutError = DescribeFileError(Action, PathOf(Name), TEXT("not a single name in the folder"));
		return false;
	}
	return ToNativePath(Name, OutNative, Action, OutError);
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

bool FPosixFolder::MakeChild(const FString& Name, const std::string& Native, bool& bOutMade, FString& OutError)
{
	bOutMade = ::mkdirat(Descriptor, Native.c_str(), S_IRWXU) == 0;
	const int Error = bOutMade ? 0 : errno;
	// Another process may have made it just now; then it is used as it is.
	if (!bOutMade && Error != EEXIST)
	{
		OutError = DescribeSystemError(CreateFolderAction, PathOf(Name), Error);
		return false;
	}
	return true;
}

std::unique_ptr<IPlatformFolder> FPosixFolder::OpenChild(const FString& Name, bool bCreate, const IPlatformFolder* PermissionModel,
	FString& OutError)
{
	std::string Native;
	if (!ToNativeName(Name, OpenFolderAction, Native, OutError))
	{
		return nullptr;
	}
	struct stat Status;
	bool bMade = false;
	if (!StatEntry(Native, Status))
	{
		const int Error = errno;
		if (Error != ENOENT || !bCreate)
		{
			OutError = DescribeSystemError(OpenFolderAction, PathOf(Name), Error);
			return nullptr;
		}
		if (!MakeChild(Name, Native, bMade, OutError))
		{
			return nullptr;
		}
	}

	const int Child = ::openat(Descriptor, Native.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
	if (Child < 0)
	{
		OutError = DescribeOpenError(OpenFolderAction, Name, Native, errno);
		return nullptr;
	}
	auto Folder = std::make_unique<FPosixFolder>(Child, PathOf(Name));
	if (!bMade)
	{
		return Folder;
	}

	struct stat Model;
	struct stat Made;
	const int ModelDescriptor = AsPosixFolder(PermissionModel != nullptr ? *PermissionModel : *this).Descriptor;
	if (::fstat(ModelDescriptor, &Model) != 0 || ::fstat(Child, &Made) != 0)
	{
		const int Error = errno;
		OutError = DescribeSystemError(CreateFolderAction, Folder->GetPath(), Error);
		return nullptr;
	}
	// What was opened must be the folder made above, not one put in its place since.
	if (Made.st_uid != ::geteuid())
	{
		OutError = DescribeFileError(CreateFolderAction, Folder->GetPath(), TEXT("another user's folder took its place"));
		return nullptr;
	}
	if (!TakePermissions(Child, Model, EPermissionCopy::Folder, Folder->GetPath(), OutError))
	{
		return nullptr;
	}
	return Folder;
}

FFileEntryStatus FPosixFolder::Stat(const FString& Name)
{
	FFileEntryStatus Result;
	std::string Native;
	FString Ignored;
	struct stat Status;
	if (!ToNativeName(Name, TEXT("Could not look at"), Native, Ignored) || !StatEntry(Native, Status))
	{
		return Result;
	}
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

bool FPosixFolder::ListNames(TArray<FString>& OutNames, FString& OutError)
{
	// A descriptor of its own, so that the listing's position is not shared.
	const int Listing = ::openat(Descriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	DIR* const Entries = Listing >= 0 ? ::fdopendir(Listing) : nullptr;
	if (Entries == nullptr)
	{
		OutError = DescribeSystemError(TEXT("Could not list"), Path, errno);
		if (Listing >= 0)
		{
			::close(Listing);
		}
		return false;
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
		OutError = DescribeSystemError(TEXT("Could not list"), Path, Error);
		return false;
	}
	OutNames = std::move(Names);
	return true;
}

bool FPosixFolder::LoadFile(const FString& Name, TArray<uint8>& OutBytes, FString& OutError)
{
	std::string Native;
	if (!ToNativeName(Name, TEXT("Could not read"), Native, OutError))
	{
		return false;
	}
	// Non-blocking, so that a pipe planted at the name cannot stall the open.
	const int File = ::openat(Descriptor, Native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
	if (File < 0)
	{
		OutError = DescribeOpenError(TEXT("Could not open"), Name, Native, errno);
		return false;
	}
	return ReadAndClose(File, PathOf(Name), OutBytes, OutError);
}

bool FPosixFolder::Delete(const FString& Name, FString& OutError)
{
	std::string Native;
	if (!ToNativeName(Name, TEXT("Could not delete"), Native, OutError))
	{
		return false;
	}
	if (::unlinkat(Descriptor, Native.c_str(), 0) != 0)
	{
		const int Error = errno;
		OutError = DescribeSystemError(TEXT("Could not delete"), PathOf(Name), Error);
		return false;
	}
	return true;
}

bool FPosixFolder::Replace(const FString& From, const FString& To, FString& OutError)
{
	std::string NativeFrom;
	std::string NativeTo;
	if (!ToNativeName(From, TEXT("Could not move"), NativeFrom, OutError) || !ToNativeName(To, TEXT("Could not replace"), NativeTo, OutError))
	{
		return false;
	}
	if (::renameat(Descriptor, NativeFrom.c_str(), Descriptor, NativeTo.c_str()) != 0)
	{
		const int Error = errno;
		OutError = DescribeSystemError(TEXT("Could not replace"), PathOf(To), Error);
		return false;
	}
	// The rename is done; flushing the folder only makes it survive a power
	// cut sooner, so a failure here is not a failed replace.
	::fsync(Descriptor);
	return true;
}

std::unique_ptr<IPlatformFolder> FPlatformFile::OpenFolder(const FString& Path, FString& OutError)
{
	std::string Native;
	if (!ToNativePath(Path, Native, OpenFolderAction, OutError))
	{
		return nullptr;
	}
	const int Folder = ::open(Native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	if (Folder < 0)
	{
		OutError = DescribeSystemError(OpenFolderAction, Path, errno);
		return nullptr;
	}
	return std::make_unique<FPosixFolder>(Folder, Path);
}
