#include "Windows/WindowsFileMetadata.h"

#include "Windows/WindowsFileSupport.h"

namespace WindowsFile
{
	TValueOrError<std::vector<uint8>, FString> ReadSecurityDescriptor(HANDLE Handle, SECURITY_INFORMATION Information, const FString& Path)
	{
		std::vector<uint8> Descriptor(256);
		for (;;)
		{
			DWORD Needed = 0;
			if (::GetKernelObjectSecurity(Handle, Information, Descriptor.data(), static_cast<DWORD>(Descriptor.size()), &Needed))
			{
				return MakeValue(std::move(Descriptor));
			}
			const DWORD Error = ::GetLastError();
			if (Error != ERROR_INSUFFICIENT_BUFFER || Needed <= Descriptor.size())
			{
				return MakeError(DescribeSystemError(TEXT("Could not read the permissions of"), Path, Error));
			}
			Descriptor.resize(Needed);
		}
	}

	TValueOrError<FFileMetadata, FString> ReadFileMetadata(HANDLE Handle, const FString& Path)
	{
		BY_HANDLE_FILE_INFORMATION Information;
		if (!::GetFileInformationByHandle(Handle, &Information))
		{
			return MakeError(DescribeSystemError(TEXT("Could not read the attributes of"), Path, ::GetLastError()));
		}
		TValueOrError<std::vector<uint8>, FString> Descriptor =
			ReadSecurityDescriptor(Handle, OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, Path);
		if (Descriptor.HasError())
		{
			return MakeError(Descriptor.StealError());
		}
		return MakeValue(FFileMetadata{Information.dwFileAttributes, Information.ftCreationTime, Descriptor.StealValue()});
	}

	TValueOrError<void, FString> ApplyFileMetadata(HANDLE Handle, const std::wstring& Native, const FFileMetadata& Metadata,
		DWORD Attributes, const FString& Path)
	{
		// The owner and group first: setting them opens the file anew for
		// WRITE_OWNER (an open that no sharing mode refuses), which the access
		// control list set next might no longer grant.
		const PSECURITY_DESCRIPTOR Descriptor = const_cast<uint8*>(Metadata.SecurityDescriptor.data());
		if (!::SetFileSecurityW(Native.c_str(), OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION, Descriptor))
		{
			::SetFileSecurityW(Native.c_str(), GROUP_SECURITY_INFORMATION, Descriptor);
		}
		if (!::SetKernelObjectSecurity(Handle, DACL_SECURITY_INFORMATION, Descriptor))
		{
			return MakeError(DescribeSystemError(TEXT("Could not give the old file's permissions to"), Path, ::GetLastError()));
		}
		FILE_BASIC_INFO Basic = {};
		Basic.CreationTime.LowPart = Metadata.CreationTime.dwLowDateTime;
		Basic.CreationTime.HighPart = static_cast<LONG>(Metadata.CreationTime.dwHighDateTime);
		// Zero would leave the attributes as they are; NORMAL clears them.
		Basic.FileAttributes = Attributes != 0 ? Attributes : FILE_ATTRIBUTE_NORMAL;
		if (!::SetFileInformationByHandle(Handle, FileBasicInfo, &Basic, sizeof(Basic)))
		{
			return MakeError(DescribeSystemError(TEXT("Could not give the old file's attributes to"), Path, ::GetLastError()));
		}
		return MakeValue();
	}
}
