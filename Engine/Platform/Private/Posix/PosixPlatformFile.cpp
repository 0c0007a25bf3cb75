// File primitives over POSIX calls, on whole paths; engine paths become
// UTF-8 bytes.
#include "Common/PlatformFile.h"
#include "Containers/StringConv.h"
#include "Posix/PosixFileSupport.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
	bool Stat(const FString& Path, struct stat& OutStatus)
	{
		return !HasEmbeddedNul(Path) && ::stat(StringConv::ToUtf8(Path).c_str(), &OutStatus) == 0;
	}

	bool StatMode(const FString& Path, mode_t& OutMode)
	{
		struct stat Status;
		if (!Stat(Path, Status))
		{
			return false;
		}
		OutMode = Status.st_mode;
		return true;
	}

	/** The folder that holds the entry at a native path. */
	std::string NativeParentOf(const std::string& Native)
	{
		const std::string::size_type Slash = Native.find_last_of('/');
		if (Slash == std::string::npos)
		{
			return ".";
		}
		return Slash == 0 ? std::string("/") : Native.substr(0, Slash);
	}
}

bool FPlatformFile::IsSeparator(TCHAR Character)
{
	return Character == TEXT('/');
}

bool FPlatformFile::FileExists(const FString& Path)
{
	mode_t Mode = 0;
	return StatMode(Path, Mode) && S_ISREG(Mode);
}

int64 FPlatformFile::FileSize(const FString& Path)
{
	struct stat Status;
	return Stat(Path, Status) && S_ISREG(Status.st_mode) ? static_cast<int64>(Status.st_size) : -1;
}

bool FPlatformFile::DirectoryExists(const FString& Path)
{
	mode_t Mode = 0;
	return StatMode(Path, Mode) && S_ISDIR(Mode);
}

TValueOrError<void, FString> FPlatformFile::MakeDirectory(const FString& Path)
{
	const TValueOrError<std::string, FString> Native = ToNativePath(Path, TEXT("Could not create the folder"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	if (::mkdir(Native.GetValue().c_str(), 0777) != 0)
	{
		const int Error = errno;
		if (Error == EEXIST && DirectoryExists(Path))
		{
			return MakeValue();
		}
		return MakeError(DescribeSystemError(TEXT("Could not create the folder"), Path, Error));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPlatformFile::Delete(const FString& Path)
{
	if (TValueOrError<void, FString> Checked = CheckSystemPath(Path, TEXT("Could not delete")); Checked.HasError())
	{
		return Checked;
	}
	if (::unlink(StringConv::ToUtf8(Path).c_str()) != 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not delete"), Path, errno));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPlatformFile::Move(const FString& To, const FString& From)
{
	if (TValueOrError<void, FString> Checked = CheckMovePaths(To, From); Checked.HasError())
	{
		return Checked;
	}
	const std::string NativeTo = StringConv::ToUtf8(To);
	if (::rename(StringConv::ToUtf8(From).c_str(), NativeTo.c_str()) != 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not replace"), To, errno));
	}
	// The rename is done; syncing its folder only makes it survive a power
	// cut sooner, so a failure here is not a failed move.
	const int Folder = ::open(NativeParentOf(NativeTo).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	if (Folder >= 0)
	{
		::fsync(Folder);
		::close(Folder);
	}
	return MakeValue();
}

TValueOrError<TArray<uint8>, FString> FPlatformFile::LoadFile(const FString& Path)
{
	const TValueOrError<std::string, FString> Native = ToNativePath(Path, TEXT("Could not read"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	// Non-blocking, so that a pipe planted at the path cannot stall the open.
	const int Descriptor = ::open(Native.GetValue().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
	if (Descriptor < 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not open"), Path, errno));
	}
	return ReadAndClose(Descriptor, Path);
}

TValueOrError<void, FString> FPlatformFile::FillRandomBytes(uint8* Bytes, int32 Count)
{
	check(Count >= 0 && Count <= 256);
	if (::getentropy(Bytes, static_cast<SIZE_T>(Count)) != 0)
	{
		return MakeError(FString(TEXT("Could not draw random bytes: ")) + SystemErrorText(errno));
	}
	return MakeValue();
}
