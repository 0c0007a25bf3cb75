// New files, copies and the clearing of leftovers below an open folder descriptor.
#include "Posix/PosixPlatformFolder.h"

#include "Common/TemporaryFiles.h"
#include "Posix/PosixFileSupport.h"
#include "Posix/PosixPermissions.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace
{
	const TCHAR* const CopyAction = TEXT("Could not keep a copy at");
	/** How often a copy is linked again when saves running at the same moment keep replacing the file. */
	constexpr int MaxLinkAttempts = 16;

	/** Where a hard link is refused but a copy of the bytes may still be made. */
	bool IsHardLinkRefused(int Error)
	{
		return Error == EPERM || Error == EMLINK || Error == ENOTSUP || Error == EOPNOTSUPP || Error == EXDEV;
	}

	int OpenToLock(int Folder, const std::string& Native)
	{
		return ::openat(Folder, Native.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
	}

	bool IsSameFile(const struct stat& A, const struct stat& B)
	{
		return A.st_dev == B.st_dev && A.st_ino == B.st_ino;
	}
}

TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> FPosixFolder::CreateNew(const FString& Name, const FString* PermissionModel)
{
	const TValueOrError<std::string, FString> Native = ToNativeName(Name, TEXT("Could not create"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	struct stat Model;
	if (PermissionModel != nullptr)
	{
		const TValueOrError<std::string, FString> NativeModel = ToNativeName(*PermissionModel, TEXT("Could not look at"));
		if (NativeModel.HasError())
		{
			return MakeError(NativeModel.GetError());
		}
		if (!StatEntry(NativeModel.GetValue(), Model) || !S_ISREG(Model.st_mode))
		{
			return MakeError(DescribeFileError(TEXT("Could not look at"), PathOf(*PermissionModel), TEXT("it is no longer a regular file")));
		}
	}

	// O_EXCL also refuses a link at the name, dangling or not. Taking another
	// file's permissions starts from owner-only, so the bits only ever open up
	// to what that file had.
	const int File = ::openat(Descriptor, Native.GetValue().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
		PermissionModel != nullptr ? S_IRUSR | S_IWUSR : S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
	if (File < 0)
	{
		const int Error = errno;
		return MakeError(DescribeSystemError(TEXT("Could not create"), PathOf(Name), Error));
	}
	auto Writer = std::make_unique<FPosixFileWriter>(File, PathOf(Name));
	// Held until the writer closes, so that another save's clearing of
	// leftovers passes this file over. Where the file system has no locks,
	// that clearing takes nothing at all.
	while (::flock(File, LOCK_EX) != 0 && errno == EINTR)
	{
	}
	if (PermissionModel != nullptr)
	{
		if (TValueOrError<void, FString> Taken = TakePermissions(File, Model, EPermissionCopy::File, PathOf(Name)); Taken.HasError())
		{
			Writer.reset();
			return MakeError(RemoveTemporary(*this, Name, Taken.StealError()));
		}
	}
	return MakeValue(std::move(Writer));
}

bool FPosixFolder::RemoveAbandoned(const FString& Name)
{
	const TValueOrError<std::string, FString> NativeName = ToNativeName(Name, TEXT("Could not delete"));
	if (NativeName.HasError())
	{
		return false;
	}
	const std::string& Native = NativeName.GetValue();
	const int File = OpenToLock(Descriptor, Native);
	if (File < 0)
	{
		return false;
	}
	struct stat Held;
	struct stat Named;
	// The lock fails while a writer holds the file; the age covers the moment
	// between its creation and its lock, and between its close and its rename.
	const bool bAbandoned = ::flock(File, LOCK_EX | LOCK_NB) == 0 && ::fstat(File, &Held) == 0 && S_ISREG(Held.st_mode)
		&& Held.st_uid == ::geteuid() && static_cast<int64>(::time(nullptr)) - static_cast<int64>(Held.st_mtime) >= AbandonedAfterSeconds
		&& StatEntry(Native, Named) && IsSameFile(Held, Named);
	const bool bRemoved = bAbandoned && ::unlinkat(Descriptor, Native.c_str(), 0) == 0;
	::close(File);
	return bRemoved;
}

TValueOrError<void, FString> FPosixFolder::LinkOrCopy(const FString& Name, const std::string& Native, const FString& Temporary,
	const std::string& NativeTemporary)
{
	// Linux refuses to link a file whose last name went a moment ago: another
	// save has just put its file in its place. The name then holds that
	// file, which is the one this save replaces, so the link is tried again.
	int Error = 0;
	for (int Attempt = 0; Attempt < MaxLinkAttempts; ++Attempt)
	{
		if (::linkat(Descriptor, Native.c_str(), Descriptor, NativeTemporary.c_str(), 0) == 0)
		{
			return MakeValue();
		}
		Error = errno;
		if (Error != ENOENT)
		{
			break;
		}
	}
	if (!IsHardLinkRefused(Error))
	{
		return MakeError(DescribeSystemError(CopyAction, PathOf(Temporary), Error));
	}

	const TValueOrError<TArray<uint8>, FString> Bytes = LoadFile(Name);
	if (Bytes.HasError())
	{
		return MakeError(Bytes.GetError());
	}
	TValueOrError<std::unique_ptr<IPlatformFileWriter>, FString> Copy = CreateNew(Temporary, &Name);
	if (Copy.HasError())
	{
		return MakeError(Copy.StealError());
	}
	TValueOrError<void, FString> Copied = Copy.GetValue()->Write(Bytes.GetValue().GetData(), Bytes.GetValue().Num());
	if (Copied.HasValue())
	{
		Copied = Copy.GetValue()->FlushAndClose();
	}
	if (Copied.HasError())
	{
		Copy.GetValue().reset();
		return MakeError(RemoveTemporary(*this, Temporary, Copied.StealError()));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPosixFolder::KeepCopy(const FString& Name, const FString& BackupName)
{
	const TValueOrError<std::string, FString> Native = ToNativeName(Name, CopyAction);
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	const TValueOrError<std::string, FString> NativeBackup = ToNativeName(BackupName, CopyAction);
	if (NativeBackup.HasError())
	{
		return MakeError(NativeBackup.GetError());
	}
	const TValueOrError<FString, FString> Temporary = MakeTemporaryName(Name);
	if (Temporary.HasError())
	{
		return MakeError(Temporary.GetError());
	}
	const TValueOrError<std::string, FString> NativeTemporary = ToNativeName(Temporary.GetValue(), CopyAction);
	if (NativeTemporary.HasError())
	{
		return MakeError(NativeTemporary.GetError());
	}

	// The copy is made under a temporary name and then renamed over an older
	// copy, so that the copy's name always holds a whole file. A hard link
	// carries the old file's age, so another save could take it for a
	// leftover: a shared lock on the file keeps that save off it meanwhile.
	const int Held = OpenToLock(Descriptor, Native.GetValue());
	if (Held >= 0)
	{
		::flock(Held, LOCK_SH | LOCK_NB);
	}
	TValueOrError<void, FString> Kept = LinkOrCopy(Name, Native.GetValue(), Temporary.GetValue(), NativeTemporary.GetValue());
	if (Kept.HasValue() && ::renameat(Descriptor, NativeTemporary.GetValue().c_str(), Descriptor, NativeBackup.GetValue().c_str()) != 0)
	{
		const int Error = errno;
		Kept = MakeError(RemoveTemporary(*this, Temporary.GetValue(), DescribeSystemError(CopyAction, PathOf(BackupName), Error)));
	}
	else if (Kept.HasValue())
	{
		// Where the older copy already was this very file (another save kept
		// it a moment ago), the rename does nothing and leaves the second name.
		::unlinkat(Descriptor, NativeTemporary.GetValue().c_str(), 0);
	}
	if (Held >= 0)
	{
		::close(Held);
	}
	return Kept;
}
