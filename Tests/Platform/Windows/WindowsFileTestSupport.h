// Helpers for the Windows file tests: files held open the way another
// program holds them, attributes, time stamps moved back, access control
// lists as text, and links made wherever the system lets a test make one.
#pragma once

// The folder primitives are the platform layer's own; the tests reach them
// directly. Included before the Windows headers, whose shell part declares a
// global Folder that EFileEntryKind::Folder would otherwise shadow.
#include "Common/PlatformFile.h"
#include "Windows/WindowsPlatformIncludes.h"

#include "PlatformTestSupport.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace WindowsFileTest
{
	/** A handle on a file, opened as another program would hold it: with Access and only Sharing allowed to others. */
	class FHeldFile
	{
	public:
		FHeldFile(const std::filesystem::path& Path, DWORD Access, DWORD Sharing);
		~FHeldFile();
		FHeldFile(const FHeldFile&) = delete;
		FHeldFile& operator=(const FHeldFile&) = delete;

		bool IsValid() const { return Handle != INVALID_HANDLE_VALUE; }
		void Close();

	private:
		HANDLE Handle;
	};

	/** The file's attributes, or INVALID_FILE_ATTRIBUTES. */
	DWORD Attributes(const std::filesystem::path& Path);
	void SetAttributes(const std::filesystem::path& Path, DWORD Attributes);

	/** Marks a file read-only until the end of the scope, so that the temporary folder holding it can be removed. */
	class FScopedReadOnly
	{
	public:
		explicit FScopedReadOnly(std::filesystem::path InPath);
		~FScopedReadOnly();
		FScopedReadOnly(const FScopedReadOnly&) = delete;
		FScopedReadOnly& operator=(const FScopedReadOnly&) = delete;

	private:
		std::filesystem::path Path;
	};

	/** Moves the last write time of a file Seconds back from now. */
	void AgeFile(const std::filesystem::path& Path, int64 Seconds);

	/** The file's access control list in the security descriptor language, e.g. "D:P(A;;FA;;;SY)". */
	std::wstring AccessControlText(const std::filesystem::path& Path);
	void SetAccessControl(const std::filesystem::path& Path, std::wstring_view Text);
	/** A list that leaves out everyone but the system and this process's own account, as text. */
	std::wstring OwnerOnlyAccessControl();

	/**
	 * A link at Link to Target, a folder or a file, removed again at the end
	 * of its scope: before the temporary folder that holds it, whose removal
	 * would otherwise go through it. Windows makes a symbolic link where the
	 * account may (developer mode, administrators). Wine makes none, so there
	 * the Unix programs ln and rm make and remove a Unix symbolic link.
	 */
	class FTestLink
	{
	public:
		FTestLink(const std::filesystem::path& Target, const std::filesystem::path& InLink, bool bInFolder);
		~FTestLink();
		FTestLink(const FTestLink&) = delete;
		FTestLink& operator=(const FTestLink&) = delete;

		/** Empty when the link was made, otherwise why not. */
		const std::string& WhyNotMade() const { return WhyNot; }

	private:
		std::filesystem::path Link;
		bool bFolder;
		bool bUnix = false;
		std::string WhyNot;
	};
}
