// The rules of the settings file, without widgets or file access: where the
// file lies below a documents folder, how its text loads into the settings
// record and what the load found on the way, and the text a save writes.
// The settings panel keeps to these rules; a checker of settings files can
// link them instead of repeating them.
#pragma once

#include "OrvekHmdSettingsConfig.h"

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "JsonGlobals.h"

#include <optional>

/** The JSON reader refused the text. Nothing of it loads. */
struct FOrvekHmdSettingsReaderError
{
	/** The reader's message without the position, for example "Invalid Json Token.". */
	FString Message;
	/** The line the reader had reached when it stopped, counted from 1. */
	uint32 Line = 0;
	/** The characters the reader had taken on that line when it stopped. */
	uint32 Character = 0;
	/** The reader's whole error text: "<Message> Line: <Line> Ch: <Character>". */
	FString Text;
};

/** What a field of the wrong type leaves in the record. */
enum class EOrvekHmdSettingsFallback : uint8
{
	/** The field keeps the value the record had before the load (a new panel's empty name). */
	KeepsValue,
	/** The field is set to false. */
	False,
};

/** A known key holds a value of another JSON type than the load accepts; the value is ignored. */
struct FOrvekHmdSettingsWrongType
{
	/** "SubjectName" or "EnableLogging". */
	FString Key;
	/** The type the text holds under the key (its last value when the key is repeated). */
	EJson FoundType = EJson::None;
	/** The type the load accepts there: EJson::String for the name, EJson::Boolean for the switch. */
	EJson ExpectedType = EJson::None;
	/** What the record holds for the key instead. */
	EOrvekHmdSettingsFallback LoadsInstead = EOrvekHmdSettingsFallback::KeepsValue;
};

/**
 * What loading a text found besides the values. Only the first three make a
 * content that did not load cleanly, and only when the text did read as an
 * object are the field findings looked for.
 */
struct FOrvekHmdSettingsFindings
{
	/** The text is not JSON the reader accepts (an empty text included): nothing loads. */
	std::optional<FOrvekHmdSettingsReaderError> ReaderError;
	/** The text is valid JSON whose top-level value is an array: nothing loads. */
	bool bRootIsNotObject = false;
	/** Known keys whose values were ignored: "SubjectName" first, then "EnableLogging". */
	TArray<FOrvekHmdSettingsWrongType> WrongTypes;
	/**
	 * Top-level keys that the text holds more than once, each named once, in
	 * the order of their first appearance. The last value of each is the one
	 * that loads; the earlier ones are dropped by the next save.
	 */
	TArray<FString> RepeatedKeys;
	/**
	 * Top-level keys other than "SubjectName" and "EnableLogging", each named
	 * once, in the order of their first appearance. The load ignores them and
	 * the next save does not write them.
	 */
	TArray<FString> DroppedKeys;
	/** Whether the root object holds "SubjectName", and "EnableLogging", at all, whatever the value. */
	bool bHasSubjectName = false;
	bool bHasEnableLogging = false;

	/**
	 * True when the whole content could be taken as it is: no reader error,
	 * an object at the top and no field of the wrong type. Repeated and
	 * dropped keys do not count against it.
	 */
	bool LoadedCleanly() const;
};

struct FOrvekHmdSettingsFile
{
	/**
	 * The settings file below a documents folder:
	 * <DocumentsFolder>/Orvek/Skellan_<major>.<minor>/Config/OHeadSetConfig.json,
	 * the engine's release naming the plugin's folder. The folder is taken
	 * as it is; no "/" is added after one that ends in "/" or "\".
	 */
	static FString ConfigFilePath(const FString& DocumentsFolder);

	/**
	 * Where a save keeps the content of a file that did not load cleanly
	 * before it replaces it: beside the file, its name followed by ".bak".
	 * Each save that keeps a copy replaces the copy there, so it always
	 * holds the latest content that did not load; a save of a file that
	 * loaded cleanly leaves an existing copy alone.
	 */
	static FString BackupFilePath(const FString& ConfigFilePath);

	/**
	 * Loads Text into Config and tells what the load found. When the text
	 * does not read or its top-level value is not an object, Config keeps all
	 * its values. Otherwise "SubjectName" replaces the name when it holds a
	 * string, and "EnableLogging" sets the switch when it holds true or false
	 * and turns it off in every other case, missing included.
	 */
	static FOrvekHmdSettingsFindings Parse(const FString& Text, OrvekHmdSettingsConfig& Config);

	/**
	 * Why a content did not load cleanly, as one line for the user: the
	 * reader's message with its line and character, that the root is not an
	 * object, or which fields were ignored and why. Empty when it did.
	 */
	static FString DescribeLoadProblem(const FOrvekHmdSettingsFindings& Findings);

	/** A JSON type as a message names it: "a string", "a number", "null" and so on. */
	static const TCHAR* DescribeJsonType(EJson Type);

	/**
	 * The file's text for Config: one object holding "SubjectName" and then
	 * "EnableLogging", pretty-printed with tabs and "\r\n" line ends.
	 */
	static FString Format(const OrvekHmdSettingsConfig& Config);
};
