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

TValueOrError<void, FString> FPlatformFile::MakeDirectory(const FString& Path)
{
	const TValueOrError<std::wstring, FString> Native = ToNativePath(Path, TEXT("Could not create the folder"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	if (!::CreateDirectoryW(Native.GetValue().c_str(), nullptr))
	{
		const DWORD Error = ::GetLastError();
		if (Error == ERROR_ALREADY_EXISTS && DirectoryExists(Path))
		{
			return MakeValue();
		}
		return MakeError(DescribeSystemError(TEXT("Could not create the folder"), Path, Error));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPlatformFile::Delete(const FString& Path)
{
	const TValueOrError<std::wstring, FString> Native = ToNativePath(Path, TEXT("Could not delete"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	if (!::DeleteFileW(Native.GetValue().c_str()))
	{
		return MakeError(DescribeSystemError(TEXT("Could not delete"), Path, ::GetLastError()));
	}
	return MakeValue();
}

TValueOrError<void, FString> FPlatformFile::Move(const FString& To, const FString& From)
{
	if (TValueOrError<void, FString> Checked = CheckMovePaths(To, From); Checked.HasError())
	{
		return Checked;
	}
	// Write-through: the call returns only once the rename is on the disk.
	if (!::MoveFileExW(StringConv::ToWide(From).c_str(), StringConv::ToWide(To).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
	{
		return MakeError(DescribeSystemError(TEXT("Could not replace"), To, ::GetLastError()));
	}
	return MakeValue();
}

TValueOrError<TArray<uint8>, FString> FPlatformFile::LoadFile(const FString& Path)
{
	const TValueOrError<std::wstring, FString> Native = ToNativePath(Path, TEXT("Could not read"));
	if (Native.HasError())
	{
		return MakeError(Native.GetError());
	}
	const FScopedHandle File(::CreateFileW(Native.GetValue().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
		nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
	if (!File.IsValid())
	{
		return MakeError(DescribeSystemError(TEXT("Could not open"), Path, ::GetLastError()));
	}
	return ReadWholeFile(File.Get(), Path);
}

TValueOrError<void, FString> FPlatformFile::FillRandomBytes(uint8* Bytes, int32 Count)
{
	check(Count >= 0);
	const NTSTATUS Status = ::BCryptGenRandom(nullptr, Bytes, static_cast<ULONG>(Count), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
	if (Status < 0)
	{
		return MakeError(FString::Printf(TEXT("Could not draw random bytes: status 0x%08x"), static_cast<uint32>(Status)));
	}
	return MakeValue();
}
