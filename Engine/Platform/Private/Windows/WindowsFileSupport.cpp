#include "Windows/WindowsFileSupport.h"

#include "Containers/StringConv.h"

#include <string_view>

namespace
{
	using WindowsFile::FScopedHandle;

	class FWindowsFileWriter final : public IPlatformFileWriter
	{
	public:
		FWindowsFileWriter(FScopedHandle InHandle, FString InPath) : Handle(std::move(InHandle)), Path(std::move(InPath)) {}

		TValueOrError<void, FString> Write(const uint8* Bytes, int64 Size) override
		{
			return WindowsFile::WriteAll(Handle.Get(), Bytes, Size, Path);
		}

		TValueOrError<void, FString> Flush() override
		{
			return WindowsFile::FlushFile(Handle.Get(), Path);
		}

		TValueOrError<void, FString> Close() override
		{
			if (!::CloseHandle(Handle.Release()))
			{
				return MakeError(WindowsFile::DescribeSystemError(TEXT("Could not close"), Path, ::GetLastError()));
			}
			return MakeValue();
		}

	private:
		FScopedHandle Handle;
		FString Path;
	};
}

namespace WindowsFile
{
	FString SystemErrorText(DWORD Error)
	{
		LPWSTR Buffer = nullptr;
		const DWORD Length = ::FormatMessageW(
			FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, Error, 0,
			reinterpret_cast<LPWSTR>(&Buffer), 0, nullptr);
		std::wstring_view Message(Buffer != nullptr ? Buffer : L"", Length);
		while (!Message.empty() && (Message.back() == L'\r' || Message.back() == L'\n' || Message.back() == L' '))
		{
			Message.remove_suffix(1);
		}
		FString Text = StringConv::FromWide(Message);
		::LocalFree(Buffer);
		if (!Text.IsEmpty())
		{
			Text += TEXT(" ");
		}
		return Text + FString::Printf(TEXT("(error %u)"), static_cast<uint32>(Error));
	}

	FString DescribeSystemError(const TCHAR* Action, const FString& Path, DWORD Error)
	{
		return DescribeFileError(Action, Path, SystemErrorText(Error));
	}

	TValueOrError<std::wstring, FString> ToNativePath(const FString& Path, const TCHAR* Action)
	{
		if (TValueOrError<void, FString> Checked = CheckSystemPath(Path, Action); Checked.HasError())
		{
			return MakeError(Checked.StealError());
		}
		return MakeValue(StringConv::ToWide(Path));
	}

	bool IsMissingError(DWORD Error)
	{
		return Error == ERROR_FILE_NOT_FOUND || Error == ERROR_PATH_NOT_FOUND;
	}

	int64 ToUnixSeconds(const FILETIME& Time)
	{
		// File times count 100-nanosecond steps from 1601-01-01.
		constexpr int64 StepsPerSecond = 10000000;
		constexpr int64 SecondsFrom1601To1970 = 11644473600;
		const uint64 Steps = (static_cast<uint64>(Time.dwHighDateTime) << 32) | Time.dwLowDateTime;
		return static_cast<int64>(Steps / StepsPerSecond) - SecondsFrom1601To1970;
	}

	TValueOrError<void, FString> WriteAll(HANDLE Handle, const uint8* Bytes, int64 Size, const FString& Path)
	{
		constexpr int64 MaxChunk = 1 << 30;
		while (Size > 0)
		{
			DWORD Written = 0;
			if (!::WriteFile(Handle, Bytes, static_cast<DWORD>(Size < MaxChunk ? Size : MaxChunk), &Written, nullptr))
			{
				return MakeError(DescribeSystemError(TEXT("Could not write"), Path, ::GetLastError()));
			}
			Bytes += Written;
			Size -= Written;
		}
		return MakeValue();
	}

	TValueOrError<void, FString> FlushFile(HANDLE Handle, const FString& Path)
	{
		if (!::FlushFileBuffers(Handle))
		{
			return MakeError(DescribeSystemError(TEXT("Could not flush"), Path, ::GetLastError()));
		}
		return MakeValue();
	}

	TValueOrError<TArray<uint8>, FString> ReadWholeFile(HANDLE Handle, const FString& Path)
	{
		LARGE_INTEGER Size;
		if (::GetFileType(Handle) != FILE_TYPE_DISK)
		{
			return MakeError(DescribeFileError(TEXT("Could not read"), Path, TEXT("not a regular file")));
		}
		if (!::GetFileSizeEx(Handle, &Size))
		{
			return MakeError(DescribeSystemError(TEXT("Could not read"), Path, ::GetLastError()));
		}
		if (Size.QuadPart > INT32_MAX)
		{
			return MakeError(DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large")));
		}

		// The size is only a hint: the file may grow or shrink while it is read.
		// Room for what it says is made at once, so the bytes are not moved as they come.
		TArray<uint8> Bytes;
		Bytes.Reserve(static_cast<int32>(Size.QuadPart));
		uint8 Buffer[65536];
		for (;;)
		{
			DWORD Count = 0;
			if (!::ReadFile(Handle, Buffer, sizeof(Buffer), &Count, nullptr))
			{
				return MakeError(DescribeSystemError(TEXT("Could not read"), Path, ::GetLastError()));
			}
			if (Count == 0)
			{
				return MakeValue(std::move(Bytes));
			}
			if (Bytes.Num() > INT32_MAX - static_cast<int32>(Count))
			{
				return MakeError(DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large")));
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
	}

	FScopedHandle::~FScopedHandle()
	{
		if (IsValid())
		{
			::CloseHandle(Handle);
		}
	}

	FScopedHandle& FScopedHandle::operator=(FScopedHandle&& Other) noexcept
	{
		if (this != &Other)
		{
			if (IsValid())
			{
				::CloseHandle(Handle);
			}
			Handle = Other.Release();
		}
		return *this;
	}

	HANDLE FScopedHandle::Release()
	{
		const HANDLE Released = Handle;
		Handle = INVALID_HANDLE_VALUE;
		return Released;
	}

	std::unique_ptr<IPlatformFileWriter> MakeFileWriter(FScopedHandle Handle, FString Path)
	{
		return std::make_unique<FWindowsFileWriter>(std::move(Handle), std::move(Path));
	}
}
