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

TValueOrError<std::string, FString> ToNativePath(const FString& Path, const TCHAR* Action)
{
	if (TValueOrError<void, FString> Checked = CheckSystemPath(Path, Action); Checked.HasError())
	{
		return MakeError(Checked.StealError());
	}
	return MakeValue(StringConv::ToUtf8(Path));
}

namespace
{
	TValueOrError<TArray<uint8>, FString> ReadWhole(int Descriptor, const FString& Path)
	{
		struct stat Status;
		if (::fstat(Descriptor, &Status) != 0)
		{
			return MakeError(DescribeSystemError(TEXT("Could not read"), Path, errno));
		}
		if (!S_ISREG(Status.st_mode))
		{
			return MakeError(DescribeFileError(TEXT("Could not read"), Path, TEXT("not a regular file")));
		}
		if (Status.st_size > INT32_MAX)
		{
			return MakeError(DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large")));
		}
		// The size is only a hint: the file may grow or shrink while it is read.
		// Room for what it says is made at once, so the bytes are not moved as they come.
		TArray<uint8> Bytes;
		Bytes.Reserve(static_cast<int32>(Status.st_size));
		uint8 Buffer[65536];
		for (;;)
		{
			const ssize_t Count = ::read(Descriptor, Buffer, sizeof(Buffer));
			if (Count == 0)
			{
				return MakeValue(std::move(Bytes));
			}
			if (Count < 0)
			{
				if (errno == EINTR)
				{
					continue;
				}
				return MakeError(DescribeSystemError(TEXT("Could not read"), Path, errno));
			}
			if (Bytes.Num() > INT32_MAX - Count)
			{
				return MakeError(DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large")));
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
	}
}

TValueOrError<TArray<uint8>, FString> ReadAndClose(int Descriptor, const FString& Path)
{
	TValueOrError<TArray<uint8>, FString> Read = ReadWhole(Descriptor, Path);
	::close(Descriptor);
	return Read;
}

FPosixFileWriter::~FPosixFileWriter()
{
	if (Descriptor >= 0)
	{
		::close(Descriptor);
	}
}

TValueOrError<void, FString> FPosixFileWriter::Write(const uint8* Bytes, int64 Size)
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
			return MakeError(DescribeSystemError(TEXT("Could not write"), Path, errno));
		}
		Bytes += Written;
		Size -= Written;
	}
	return MakeValue();
}

TValueOrError<void, FString> FPosixFileWriter::Flush()
{
	if (::fsync(Descriptor) != 0)
	{
		return MakeError(DescribeSystemError(TEXT("Could not flush"), Path, errno));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPosixFileWriter::Close()
{
	const int Closing = Descriptor;
	Descriptor = -1;
	// After EINTR the descriptor is already released on this system.
	if (::close(Closing) != 0 && errno != EINTR)
	{
		return MakeError(DescribeSystemError(TEXT("Could not close"), Path, errno));
	}
	return MakeValue();
}
