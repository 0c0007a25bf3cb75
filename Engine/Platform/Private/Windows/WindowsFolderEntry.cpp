#include "Windows/WindowsFolderEntry.h"

#include <string_view>

namespace WindowsFile
{
	bool IsEntryName(const FString& Name)
	{
		if (Name.IsEmpty() || Name[Name.Len() - 1] == TEXT('.') || Name[Name.Len() - 1] == TEXT(' '))
		{
			return false;
		}
		constexpr std::u16string_view Refused = u"\\/:*?\"<>|";
		for (const TCHAR Character : Name.View())
		{
			if (Character < 0x20 || Refused.find(Character) != std::u16string_view::npos)
			{
				return false;
			}
		}
		return true;
	}

	EFileEntryKind KindFromAttributes(DWORD Attributes)
	{
		if ((Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
		{
			return EFileEntryKind::Link;
		}
		if ((Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
		{
			return EFileEntryKind::Folder;
		}
		return (Attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? EFileEntryKind::Other : EFileEntryKind::File;
	}

	bool GetFinalPath(HANDLE Handle, std::wstring& OutPath)
	{
		std::wstring Path(MAX_PATH, L'\0');
		for (;;)
		{
			const DWORD Length = ::GetFinalPathNameByHandleW(Handle, Path.data(), static_cast<DWORD>(Path.size()),
				FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
			if (Length == 0)
			{
				return false;
			}
			if (Length < Path.size())
			{
				Path.resize(Length);
				OutPath = std::move(Path);
				return true;
			}
			// Too small: Length is the size needed, the terminating NUL included.
			Path.resize(Length);
		}
	}

	EFileEntryKind KindOfOpenEntry(HANDLE Handle, const std::wstring& ExpectedFinalPath)
	{
		BY_HANDLE_FILE_INFORMATION Information;
		if (::GetFileType(Handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(Handle, &Information))
		{
			return EFileEntryKind::Other;
		}
		std::wstring FinalPath;
		if (!ExpectedFinalPath.empty() && GetFinalPath(Handle, FinalPath)
			&& ::CompareStringOrdinal(FinalPath.c_str(), static_cast<int>(FinalPath.size()), ExpectedFinalPath.c_str(),
				   static_cast<int>(ExpectedFinalPath.size()), TRUE) != CSTR_EQUAL)
		{
			return EFileEntryKind::Link;
		}
		return KindFromAttributes(Information.dwFileAttributes);
	}

	const TCHAR* DescribeKind(EFileEntryKind Kind)
	{
		switch (Kind)
		{
		case EFileEntryKind::Missing:
			return TEXT("nothing is there");
		case EFileEntryKind::File:
			return TEXT("it is a file, not a folder");
		case EFileEntryKind::Folder:
			return TEXT("it is a folder, not a file");
		case EFileEntryKind::Link:
			return TEXT("it is a link (a symbolic link, junction or other reparse point), and links are not followed here");
		case EFileEntryKind::Other:
			break;
		}
		return TEXT("not a regular file");
	}
}
