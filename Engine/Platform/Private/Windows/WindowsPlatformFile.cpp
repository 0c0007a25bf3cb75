// File primitives over the Windows wide-character calls; engine paths are
// already UTF-16 and pass unchanged, with either separator.
#include "Common/PlatformFile.h"
#include "Containers/StringConv.h"
#include "Windows/WindowsFileSupport.h"

#include <string>

using namespace WindowsFile;

namespace
{
	bool GetAttributes(const FString& Path, DWORD& OutAttributes)
	{
		if (HasEmbeddedNul(Path))
		{
			return false;
		}
		OutAttributes = ::GetFileAttributesW(StringConv::ToWide(Path).c_str());
		return OutAttributes != INVALID_FILE_ATTRIBUTES;
	}
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
	const FScopedHandle File(::CreateFileW(Native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
		nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
	if (!File.IsValid())
	{
		OutError = DescribeSystemError(TEXT("Could not open"), Path, ::GetLastError());
		return false;
	}
	return ReadWholeFile(File.Get(), Path, OutBytes, OutError);
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
