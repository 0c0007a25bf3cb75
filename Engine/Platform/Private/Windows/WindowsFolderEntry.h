// Entries of an opened folder: which names stand for exactly one entry, and
// what an entry really is, links included.
//
// Windows shows a junction, a symbolic link or any other reparse point as an
// entry with FILE_ATTRIBUTE_REPARSE_POINT, and FILE_FLAG_OPEN_REPARSE_POINT
// opens the reparse point itself. Wine shows a Unix symbolic link to a folder
// with that attribute on path queries only, and a link to a file not at all:
// it follows both even with FILE_FLAG_OPEN_REPARSE_POINT. What gives every
// link away on both is the final path of the opened handle, which the system
// resolves: when it is not the path the entry was opened by, a link was
// followed on the way.
#pragma once

#include "Common/PlatformFile.h"
#include "Windows/WindowsPlatformIncludes.h"

#include <string>

namespace WindowsFile
{
	/**
	 * True for a name that stands for one entry of a folder and nothing else:
	 * not empty, no separator, no colon (a drive or a data stream), no
	 * wildcard or other character Windows refuses in names, and no trailing
	 * dot or space (which Windows strips, so "." and ".." fall under it too).
	 */
	bool IsEntryName(const FString& Name);

	/** What attributes alone say an entry is. */
	EFileEntryKind KindFromAttributes(DWORD Attributes);

	/** The path the system resolved for an open handle, in the \\?\ form. */
	bool GetFinalPath(HANDLE Handle, std::wstring& OutPath);

	/**
	 * What an entry opened with FILE_FLAG_OPEN_REPARSE_POINT is: a Link when
	 * it is a reparse point or when its final path is not ExpectedFinalPath
	 * (compared as Windows compares names, ignoring case). An empty
	 * ExpectedFinalPath skips the comparison.
	 */
	EFileEntryKind KindOfOpenEntry(HANDLE Handle, const std::wstring& ExpectedFinalPath);

	/** Why an entry of this kind is not the one wanted, for a message. */
	const TCHAR* DescribeKind(EFileEntryKind Kind);
}
