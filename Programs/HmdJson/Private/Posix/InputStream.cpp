#include "InputStream.h"

#include "Containers/StringConv.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace
{
	FString ReadError(const FString& What, const FString& Reason)
	{
		return TEXT("Could not read ") + What + TEXT(": ") + Reason;
	}

	FString SystemErrorText(int Error)
	{
		return StringConv::FromUtf8(std::system_category().message(Error));
	}

	/** Reads Descriptor until it reports the end; What names it in the error. */
	InputStream::FReadResult ReadToEnd(int Descriptor, const FString& What)
	{
		TArray<uint8> Bytes;
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
				return MakeError(ReadError(What, SystemErrorText(errno)));
			}
			if (Bytes.Num() > INT32_MAX - Count)
			{
				return MakeError(ReadError(What, TEXT("the input is too large")));
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
	}

	bool IsPipe(const struct stat& Status)
	{
		return S_ISFIFO(Status.st_mode);
	}
}

InputStream::FReadResult InputStream::ReadStandardInput()
{
	return ReadToEnd(STDIN_FILENO, FString(TEXT("standard input")));
}

std::optional<InputStream::FReadResult> InputStream::ReadIfPipe(const FString& Path)
{
	const std::string Native = StringConv::ToUtf8(Path);
	struct stat Status;
	if (::stat(Native.c_str(), &Status) != 0 || !IsPipe(Status))
	{
		return std::nullopt;
	}
	// The open waits for a writer, as any reader of a pipe does.
	int Descriptor = -1;
	do
	{
		Descriptor = ::open(Native.c_str(), O_RDONLY | O_CLOEXEC);
	} while (Descriptor < 0 && errno == EINTR);
	const FString What = TEXT("'") + Path + TEXT("'");
	if (Descriptor < 0)
	{
		return FReadResult(MakeError(TEXT("Could not open ") + What + TEXT(": ") + SystemErrorText(errno)));
	}
	// The path may have been replaced by something else since it was looked at.
	if (::fstat(Descriptor, &Status) != 0 || !IsPipe(Status))
	{
		::close(Descriptor);
		return std::nullopt;
	}
	FReadResult Result = ReadToEnd(Descriptor, What);
	::close(Descriptor);
	return Result;
}
