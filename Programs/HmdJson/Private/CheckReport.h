// The report of hmd-json check: what the settings module loads from a file
// and what its next save loses, as lines for the user.
#pragma once

#include "Containers/UnrealString.h"
#include "OrvekHmdSettingsConfig.h"
#include "OrvekHmdSettingsFile.h"

/** Whether a file holds any text at all. */
enum class ECheckedFileText : uint8
{
	Present,
	/** The file has no bytes. */
	NoBytes,
	/** The file holds a byte-order mark and nothing after it. */
	OnlyByteOrderMark,
};

/** One file as the settings module's load sees it. */
struct FCheckedFile
{
	/** The file's name, which starts every finding. */
	FString Name;
	ECheckedFileText Text = ECheckedFileText::Present;
	/** The record as the load leaves it, starting from a new panel's values. */
	OrvekHmdSettingsConfig Config;
	FOrvekHmdSettingsFindings Findings;
};

namespace CheckReport
{
	/** The settings' keys in the file. */
	extern const TCHAR* const SubjectNameKey;
	extern const TCHAR* const EnableLoggingKey;

	/**
	 * The report, each line ending in "\n": the two values as the module
	 * reads them ("SubjectName: "Rig 7"", or why the default is used), then
	 * one line per finding, each starting with the file's name.
	 */
	FString Lines(const FCheckedFile& File);

	/**
	 * True when the module loads both values as written and its next save
	 * loses nothing of the file. A missing key loses nothing: the default
	 * the module uses for it is what the save writes.
	 */
	bool LosesNothing(const FCheckedFile& File);
}
