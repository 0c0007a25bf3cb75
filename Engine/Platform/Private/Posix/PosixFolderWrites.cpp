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

std::unique_ptr<IPlatformFileWriter> FPosixFolder::CreateNew(const FString& Name, const FString* PermissionModel, FString& OutError)
{
	std::string Native;
	std::string NativeModel;
	struct stat Model;
	if (!ToNativeName(Name, TEXT("Could not create"), Native, OutError)
		|| (PermissionModel != nullptr && !ToNativeName(*PermissionModel, TEXT("Could not look at"), NativeModel, OutError)))
	{
		return nullptr;
	}
	if (PermissionModel != nullptr && (!StatEntry(NativeModel, Model) || !S_ISREG(Model.st_mode)))
	{
		OutError = DescribeFileError(TEXT("Could not look at"), PathOf(*PermissionModel), TEXT("it is no longer a regular file"));
		return nullptr;
	}

	// O_EXCL also refuses a link at the name, dangling or not. Taking another
	// file's permissions starts from owner-only, so the bits only ever open up
	// to what that file had.
	const int File = ::openat(Descriptor, Native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
		PermissionModel != nullptr ? S_IRUSR | S_IWUSR : S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
	if (File < 0)
	{
		const int Error = errno;
		OutError = DescribeSystemError(TEXT("Could not create"), PathOf(Name), Error);
		return nullptr;
	}
	auto Writer = std::make_unique<FPosixFileWriter>(File, PathOf(Name));
	// Held until the writer closes, so that another save's clearing of
	// leftovers passes this file over. Where the file system has no locks,
	// that clearing takes nothing at all.
	while (::flock(File, LOCK_EX) != 0 && errno == EINTR)
	{
	}
	if (PermissionModel != nullptr && !TakePermissions(File, Model, EPermissionCopy::File, PathOf(Name), OutError))
	{
		Writer.reset();
		RemoveTemporary(*this, Name, OutError);
		return nullptr;
	}
	return Writer;
}

bool FPosixFolder::RemoveAbandoned(const FString& Name)
{
	std::string Native;
	FString Ignored;
	if (!ToNativeName(Name, TEXT("Could not delete"), Native, Ignored))
	{
		return false;
	}
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

bool FPosixFolder::LinkOrCopy(const FString& Name, const std::string& Native, const FString& Temporary,
	const std::string& NativeTemporary, FString& OutError)
{
	// Linux refuses to link a file whose last name went a moment ago: another
	// save has just put its file in its place. The name then holds that
	// file, which is the one this save replaces, so the link is tried again.
	int Error = 0;
	for (int Attempt = 0; Attempt < MaxLinkAttempts; ++Attempt)
	{
		if (::linkat(Descriptor, Native.c_str(), Descriptor, NativeTemporary.c_str(), 0) == 0)
		{
			return true;
		}
		Error = errno;
		if (Error != ENOENT)
		{
			break;
		}
	}
	if (!IsHardLinkRefused(Error))
	{
		OutError = DescribeSystemError(CopyAction, PathOf(Temporary), Error);
		return false;
	}

	TArray<uint8> Bytes;
	std::unique_ptr<IPlatformFileWriter> Copy;
	if (!LoadFile(Name, Bytes, OutError) || !(Copy = CreateNew(Temporary, &Name, OutError)))
	{
		return false;
	}
	if (Copy->Write(Bytes.GetData(), Bytes.Num(), OutError) && Copy->Flush(OutError) && Copy->Close(OutError))
	{
		return true;
	}
	Copy.reset();
	RemoveTemporary(*this, Temporary, OutError);
	return false;
}

bool FPosixFolder::KeepCopy(const FString& Name, const FString& BackupName, FString& OutError)
{
	std::string Native;
	std::string NativeBackup;
	FString Temporary;
	std::string NativeTemporary;
	if (!ToNativeName(Name, CopyAction, Native, OutError) || !ToNativeName(BackupName, CopyAction, NativeBackup, OutError)
		|| !MakeTemporaryName(Name, Temporary, OutError) || !ToNativeName(Temporary, CopyAction, NativeTemporary, OutError))
	{
		return false;
	}

	// The copy is made under a temporary name and then renamed over an older
	// copy, so that the copy's name always holds a whole file. A hard link
	// carries the old file's age, so another save could take it for a
	// leftover: a shared lock on the file keeps that save off it meanwhile.
	const int Held = OpenToLock(Descriptor, Native);
	if (Held >= 0)
	{
		::flock(Held, LOCK_SH | LOCK_NB);
	}
	bool bKept = LinkOrCopy(Name, Native, Temporary, NativeTemporary, OutError);
	if (bKept && ::renameat(Descriptor, NativeTemporary.c_str(), Descriptor, NativeBackup.c_str()) != 0)
	{
		const int Error = errno;
		OutError = DescribeSystemError(CopyAction, PathOf(BackupName), Error);
		RemoveTemporary(*this, Temporary, OutError);
		bKept = false;
	}
	else if (bKept)
	{
		// Where the older copy already was this very file (another save kept
		// it a moment ago), the rename does nothing and leaves the second name.
		::unlinkat(Descriptor, NativeTemporary.c_str(), 0);
	}
	if (Held >= 0)
	{
		::close(Held);
	}
	return bKept;
}
