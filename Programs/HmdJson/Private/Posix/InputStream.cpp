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
	bool ReadToEnd(int Descriptor, const FString& What, TArray<uint8>& OutBytes, FString& OutError)
	{
		TArray<uint8> Bytes;
		uint8 Buffer[65536];
		for (;;)
		{
			const ssize_t Count = ::read(Descriptor, Buffer, sizeof(Buffer));
			if (Count == 0)
			{
				OutBytes = std::move(Bytes);
				return true;
			}
			if (Count < 0)
			{
				if (errno == EINTR)
				{
					continue;
				}
				OutError = ReadError(What, SystemErrorText(errno));
				return false;
			}
			if (Bytes.Num() > INT32_MAX - Count)
			{
				OutError = ReadError(What, TEXT("the input is too large"));
				return false;
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
	}

	bool IsPipe(const struct stat& Status)
	{
		return S_ISFIFO(Status.st_mode);
	}
}

bool InputStream::ReadStandardInput(TArray<uint8>& OutBytes, FString& OutError)
{
	return ReadToEnd(STDIN_FILENO, FString(TEXT("standard input")), OutBytes, OutError);
}

InputStream::EPipeRead InputStream::ReadIfPipe(const FString& Path, TArray<uint8>& OutBytes, FString& OutError)
{
	const std::string Native = StringConv::ToUtf8(Path);
	struct stat Status;
	if (::stat(Native.c_str(), &Status) != 0 || !IsPipe(Status))
	{
		return EPipeRead::NotAPipe;
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
		OutError = TEXT("Could not open ") + What + TEXT(": ") + SystemErrorText(errno);
		return EPipeRead::Failed;
	}
	// The path may have been replaced by something else since it was looked at.
	if (::fstat(Descriptor, &Status) != 0 || !IsPipe(Status))
	{
		::close(Descriptor);
		return EPipeRead::NotAPipe;
	}
	const bool bRead = ReadToEnd(Descriptor, What, OutBytes, OutError);
	::close(Descriptor);
	return bRead ? EPipeRead::Read : EPipeRead::Failed;
}
