// What a file keeps apart from its bytes on Windows, read from one file and
// given to another: its attributes, its creation time and its security
// descriptor (owner, group and access control list). A replacement written beside a file takes them,
// so that it is to everyone what the old file was.
#pragma once

// Before the Windows headers: their shell part declares a global Folder,
// which EFileEntryKind::Folder would otherwise shadow.
#include "Common/PlatformFile.h"
#include "Windows/WindowsPlatformIncludes.h"

#include <string>
#include <vector>

namespace WindowsFile
{
	struct FFileMetadata
	{
		DWORD Attributes = 0;
		FILETIME CreationTime = {};
		/** Self-relative, with the owner, the group and the access control list. */
		std::vector<uint8> SecurityDescriptor;
	};

	/**
	 * The attributes a file can be given back: hidden, system, archive and
	 * not-indexed. Read-only is left out: a copy that carried it could not be
	 * replaced by the next one, and a read-only file is never replaced.
	 */
	inline constexpr DWORD KeptAttributes =
		FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

	/** Reads the security descriptor parts in Information from a handle opened with READ_CONTROL. */
	TValueOrError<std::vector<uint8>, FString> ReadSecurityDescriptor(HANDLE Handle, SECURITY_INFORMATION Information, const FString& Path);

	/** Reads both from a handle opened with READ_CONTROL and FILE_READ_ATTRIBUTES. */
	TValueOrError<FFileMetadata, FString> ReadFileMetadata(HANDLE Handle, const FString& Path);

	/**
	 * Gives the file open at Handle (with WRITE_DAC and FILE_WRITE_ATTRIBUTES),
	 * whose system path is Native, the access control list and the creation
	 * time of Metadata, and Attributes. Its owner and group are given too where this process may
	 * set them (another account as owner needs the restore privilege);
	 * otherwise they stay this process's own.
	 */
	TValueOrError<void, FString> ApplyFileMetadata(HANDLE Handle, const std::wstring& Native, const FFileMetadata& Metadata,
		DWORD Attributes, const FString& Path);
}
