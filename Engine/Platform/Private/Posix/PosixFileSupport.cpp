#include "Posix/PosixFileSupport.h"

#include "Containers/StringConv.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

FString SystemErrorText(int Error)
{
	return StringConv::FromUtf8(std::system_category().message(Error));
}

FString DescribeSystemError(const TCHAR* Action, const FString& Path, int Error)
{
	return DescribeFileError(Action, Path, SystemErrorText(Error));
}

bool ToNativePath(const FString& Path, std::string& OutNative, const TCHAR* Action, FString& OutError)
{
	if (HasEmbeddedNul(Path))
	{
		OutError = DescribeFileError(Action, Path, TEXT("the path holds a NUL character"));
		return false;
	}
	OutNative = StringConv::ToUtf8(Path);
	return true;
}

bool ReadAndClose(int Descriptor, const FString& Path, TArray<uint8>& OutBytes, FString& OutError)
{
	TArray<uint8> Bytes;
	struct stat Status;
	bool bRead = false;
	if (::fstat(Descriptor, &Status) != 0)
	{
		OutError = DescribeSystemError(TEXT("Could not read"), Path, errno);
	}
	else if (!S_ISREG(Status.st_mode))
	{
		OutError = DescribeFileError(TEXT("Could not read"), Path, TEXT("not a regular file"));
	}
	else if (Status.st_size > INT32_MAX)
	{
		OutError = DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large"));
	}
	else
	{
		// The size is only a hint: the file may grow or shrink while it is read.
		// Room for what it says is made at once, so the bytes are not moved as they come.
		Bytes.Reserve(static_cast<int32>(Status.st_size));
		uint8 Buffer[65536];
		bRead = true;
		for (;;)
		{
			const ssize_t Count = ::read(Descriptor, Buffer, sizeof(Buffer));
			if (Count == 0)
			{
				break;
			}
			if (Count < 0)
			{
				if (errno == EINTR)
				{
					continue;
				}
				OutError = DescribeSystemError(TEXT("Could not read"), Path, errno);
				bRead = false;
				break;
			}
			if (Bytes.Num() > INT32_MAX - Count)
			{
				OutError = DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large"));
				bRead = false;
				break;
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
	}
	::close(Descriptor);
	if (bRead)
	{
		OutBytes = std::move(Bytes);
	}
	return bRead;
}

FPosixFileWriter::~FPosixFileWriter()
{
	if (Descriptor >= 0)
	{
		::close(Descriptor);
	}
}

bool FPosixFileWriter::Write(const uint8* Bytes, int64 Size, FString& OutError)
{
	while (Size > 0)
	{
		const SIZE_T Chunk = static_cast<SIZE_T>(Size < SSIZE_MAX ? Size : SSIZE_MAX);
		const ssize_t Written = ::write(Descriptor, Bytes, Chunk);
		if (Written < 0)
		{
			if (errno == EINTR)
			{
				continue;
			}
			OutError = DescribeSystemError(TEXT("Could not write"), Path, errno);
			return false;
		}
		Bytes += Written;
		Size -= Written;
	}
	return true;
}

bool FPosixFileWriter::Flush(FString& OutError)
{
	if (::fsync(Descriptor) != 0)
	{
		OutError = DescribeSystemError(TEXT("Could not flush"), Path, errno);
		return false;
	}
	return true;
}

bool FPosixFileWriter::Close(FString& OutError)
{
	const int Closing = Descriptor;
	Descriptor = -1;
	// After EINTR the descriptor is already released on this system.
	if (::close(Closing) != 0 && errno != EINTR)
	{
		OutError = DescribeSystemError(TEXT("Could not close"), Path, errno);
		return false;
	}
	return true;
}
