#include "InputStream.h"

#include "Containers/StringConv.h"

#include <climits>
#include <string>
#include <system_error>
#include <utility>

// The Windows headers have a TCHAR and a TEXT of their own; keep them out of the engine's way.
#define TCHAR WINTCHAR
#include <windows.h>
#undef TCHAR
#undef TEXT
#define TEXT(x) TEXT_PASTE(x)

namespace
{
	FString ReadError(const FString& What, const FString& Reason)
	{
		return TEXT("Could not read ") + What + TEXT(": ") + Reason;
	}

	/** The system's text for Error (its FormatMessage text), with the number. */
	FString SystemErrorText(DWORD Error)
	{
		return StringConv::FromUtf8(std::system_category().message(static_cast<int>(Error)))
			+ FString::Printf(TEXT(" (error %u)"), static_cast<uint32>(Error));
	}

	/** Reads Handle until it reports the end, or its writer closed a pipe; What names it in the error. */
	InputStream::FReadResult ReadToEnd(HANDLE Handle, const FString& What)
	{
		TArray<uint8> Bytes;
		uint8 Buffer[65536];
		for (;;)
		{
			DWORD Count = 0;
			if (!::ReadFile(Handle, Buffer, sizeof(Buffer), &Count, nullptr))
			{
				const DWORD Error = ::GetLastError();
				if (Error == ERROR_BROKEN_PIPE || Error == ERROR_HANDLE_EOF)
				{
					break;
				}
				return MakeError(ReadError(What, SystemErrorText(Error)));
			}
			if (Count == 0)
			{
				break;
			}
			if (Bytes.Num() > INT32_MAX - static_cast<int32>(Count))
			{
				return MakeError(ReadError(What, TEXT("the input is too large")));
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
		return MakeValue(std::move(Bytes));
	}
}

InputStream::FReadResult InputStream::ReadStandardInput()
{
	const FString What(TEXT("standard input"));
	const HANDLE Input = ::GetStdHandle(STD_INPUT_HANDLE);
	if (Input == nullptr || Input == INVALID_HANDLE_VALUE)
	{
		return MakeError(ReadError(What, TEXT("the program has none")));
	}
	return ReadToEnd(Input, What);
}

std::optional<InputStream::FReadResult> InputStream::ReadIfPipe(const FString& Path)
{
	// A pipe shows what it is only once opened. Whatever else opens is
	// closed again untouched; the file reader opens it anew.
	const std::wstring Native = StringConv::ToWide(Path);
	const HANDLE Handle = ::CreateFileW(Native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
		OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (Handle == INVALID_HANDLE_VALUE)
	{
		return std::nullopt;
	}
	if (::GetFileType(Handle) != FILE_TYPE_PIPE)
	{
		::CloseHandle(Handle);
		return std::nullopt;
	}
	FReadResult Result = ReadToEnd(Handle, TEXT("'") + Path + TEXT("'"));
	::CloseHandle(Handle);
	return Result;
}
