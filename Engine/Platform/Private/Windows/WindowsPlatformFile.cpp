// File primitives over the Windows wide-character calls; engine paths are
// already UTF-16 and pass unchanged, with either separator.
#include "Common/PlatformFile.h"
#include "Containers/StringConv.h"
#include "Windows/WindowsPlatformIncludes.h"

#include <string>

namespace
{
	/** The system's message for an error code, with the code for searching. */
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

	/** The path as the system takes it; fails for a path it would cut short. */
	bool ToNativePath(const FString& Path, std::wstring& OutNative, const TCHAR* Action, FString& OutError)
	{
		if (HasEmbeddedNul(Path))
		{
			OutError = DescribeFileError(Action, Path, TEXT("the path holds a NUL character"));
			return false;
		}
		OutNative = StringConv::ToWide(Path);
		return true;
	}

	bool GetAttributes(const FString& Path, DWORD& OutAttributes)
	{
		if (HasEmbeddedNul(Path))
		{
			return false;
		}
		OutAttributes = ::GetFileAttributesW(StringConv::ToWide(Path).c_str());
		return OutAttributes != INVALID_FILE_ATTRIBUTES;
	}

	class FWindowsFileWriter final : public IPlatformFileWriter
	{
	public:
		FWindowsFileWriter(HANDLE InHandle, FString InPath) : Handle(InHandle), Path(std::move(InPath)) {}
		~FWindowsFileWriter() override
		{
			if (Handle != INVALID_HANDLE_VALUE)
			{
				::CloseHandle(Handle);
			}
		}
		FWindowsFileWriter(const FWindowsFileWriter&) = delete;
		FWindowsFileWriter& operator=(const FWindowsFileWriter&) = delete;

		bool Write(const uint8* Bytes, int64 Size, FString& OutError) override
		{
			constexpr int64 MaxChunk = 1 << 30;
			while (Size > 0)
			{
				DWORD Written = 0;
				if (!::WriteFile(Handle, Bytes, static_cast<DWORD>(Size < MaxChunk ? Size : MaxChunk), &Written, nullptr))
				{
					OutError = DescribeSystemError(TEXT("Could not write"), Path, ::GetLastError());
					return false;
				}
				Bytes += Written;
				Size -= Written;
			}
			return true;
		}

		bool Flush(FString& OutError) override
		{
			if (!::FlushFileBuffers(Handle))
			{
				OutError = DescribeSystemError(TEXT("Could not flush"), Path, ::GetLastError());
				return false;
			}
			return true;
		}

		bool Close(FString& OutError) override
		{
			const HANDLE Closing = Handle;
			Handle = INVALID_HANDLE_VALUE;
			if (!::CloseHandle(Closing))
			{
				OutError = DescribeSystemError(TEXT("Could not close"), Path, ::GetLastError());
				return false;
			}
			return true;
		}

	private:
		HANDLE Handle;
		FString Path;
	};
}

bool FPlatformFile::IsSeparator(TCHAR Character)
{
	return Character == TEXT('/') || Character == TEXT('\\');
}

bool FPlatformFile::FileExists(const FString& Path)
{
	DWORD Attributes = 0;
	return GetAttributes(Path, Attributes) && (Attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int64 FPlatformFile::FileSize(const FString& Path)
{
	WIN32_FILE_ATTRIBUTE_DATA Data;
	if (HasEmbeddedNul(Path) || !::GetFileAttributesExW(StringConv::ToWide(Path).c_str(), GetFileExInfoStandard, &Data) ||
		(Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
	{
		return -1;
	}
	return static_cast<int64>((static_cast<uint64>(Data.nFileSizeHigh) << 32) | Data.nFileSizeLow);
}

bool FPlatformFile::DirectoryExists(const FString& Path)
{
	DWORD Attributes = 0;
	return GetAttributes(Path, Attributes) && (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FPlatformFile::MakeDirectory(const FString& Path, FString& OutError)
{
	std::wstring Native;
	if (!ToNativePath(Path, Native, TEXT("Could not create the folder"), OutError))
	{
		return false;
	}
	if (!::CreateDirectoryW(Native.c_str(), nullptr))
	{
		const DWORD Error = ::GetLastError();
		if (Error == ERROR_ALREADY_EXISTS && DirectoryExists(Path))
		{
			return true;
		}
		OutError = DescribeSystemError(TEXT("Could not create the folder"), Path, Error);
		return false;
	}
	return true;
}

bool FPlatformFile::Delete(const FString& Path, FString& OutError)
{
	std::wstring Native;
	if (!ToNativePath(Path, Native, TEXT("Could not delete"), OutError))
	{
		return false;
	}
	if (!::DeleteFileW(Native.c_str()))
	{
		OutError = DescribeSystemError(TEXT("Could not delete"), Path, ::GetLastError());
		return false;
	}
	return true;
}

bool FPlatformFile::Move(const FString& To, const FString& From, FString& OutError)
{
	std::wstring NativeTo;
	std::wstring NativeFrom;
	if (!ToNativePath(To, NativeTo, TEXT("Could not replace"), OutError)
		|| !ToNativePath(From, NativeFrom, TEXT("Could not move"), OutError))
	{
		return false;
	}
	// Write-through: the call returns only once the rename is on the disk.
	if (!::MoveFileExW(NativeFrom.c_str(), NativeTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
	{
		OutError = DescribeSystemError(TEXT("Could not replace"), To, ::GetLastError());
		return false;
	}
	return true;
}

bool FPlatformFile::LoadFile(const FString& Path, TArray<uint8>& OutBytes, FString& OutError)
{
	std::wstring Native;
	if (!ToNativePath(Path, Native, TEXT("Could not read"), OutError))
	{
		return false;
	}
	const HANDLE Handle = ::CreateFileW(Native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
		nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (Handle == INVALID_HANDLE_VALUE)
	{
		OutError = DescribeSystemError(TEXT("Could not open"), Path, ::GetLastError());
		return false;
	}

	TArray<uint8> Bytes;
	LARGE_INTEGER Size;
	bool bRead = false;
	if (::GetFileType(Handle) != FILE_TYPE_DISK)
	{
		OutError = DescribeFileError(TEXT("Could not read"), Path, TEXT("not a regular file"));
	}
	else if (!::GetFileSizeEx(Handle, &Size))
	{
		OutError = DescribeSystemError(TEXT("Could not read"), Path, ::GetLastError());
	}
	else if (Size.QuadPart > INT32_MAX)
	{
		OutError = DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large"));
	}
	else
	{
		// The size is only a hint: the file may grow or shrink while it is read.
		// Room for what it says is made at once, so the bytes are not moved as they come.
		Bytes.Reserve(static_cast<int32>(Size.QuadPart));
		uint8 Buffer[65536];
		bRead = true;
		for (;;)
		{
			DWORD Count = 0;
			if (!::ReadFile(Handle, Buffer, sizeof(Buffer), &Count, nullptr))
			{
				OutError = DescribeSystemError(TEXT("Could not read"), Path, ::GetLastError());
				bRead = false;
				break;
			}
			if (Count == 0)
			{
				break;
			}
			if (Bytes.Num() > INT32_MAX - static_cast<int32>(Count))
			{
				OutError = DescribeFileError(TEXT("Could not read"), Path, TEXT("the file is too large"));
				bRead = false;
				break;
			}
			Bytes.Append(Buffer, static_cast<int32>(Count));
		}
	}
	::CloseHandle(Handle);
	if (bRead)
	{
		OutBytes = std::move(Bytes);
	}
	return bRead;
}

std::unique_ptr<IPlatformFileWriter> FPlatformFile::CreateNew(const FString& Path, FString& OutError)
{
	std::wstring Native;
	if (!ToNativePath(Path, Native, TEXT("Could not create"), OutError))
	{
		return nullptr;
	}
	// CREATE_NEW fails when anything, a link included, is already at the path.
	const HANDLE Handle = ::CreateFileW(Native.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (Handle == INVALID_HANDLE_VALUE)
	{
		OutError = DescribeSystemError(TEXT("Could not create"), Path, ::GetLastError());
		return nullptr;
	}
	return std::make_unique<FWindowsFileWriter>(Handle, Path);
}

bool FPlatformFile::FillRandomBytes(uint8* Bytes, int32 Count, FString& OutError)
{
	check(Count >= 0);
	const NTSTATUS Status = ::BCryptGenRandom(nullptr, Bytes, static_cast<ULONG>(Count), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
	if (Status < 0)
	{
		OutError = FString::Printf(TEXT("Could not draw random bytes: status 0x%08x"), static_cast<uint32>(Status));
		return false;
	}
	return true;
}
