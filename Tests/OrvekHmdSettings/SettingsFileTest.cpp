// The settings file's rules on their own, without widgets: the path below a
// documents folder, what a text loads and what the load finds, and the text a
// save writes.
#include "SettingsTestFixture.h"

#include "OrvekHmdSettingsFile.h"

#include "Containers/StringConv.h"
#include "Misc/FileHelper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace
{
	struct FExpectedReaderError
	{
		const char* Message;
		uint32 Line;
		uint32 Character;
	};

	struct FExpectedWrongType
	{
		const char* Key;
		EJson Found;
	};

	struct FParseCase
	{
		const char* Description;
		std::string Text;
		const char* ExpectedName;
		bool bExpectedLogging;
		std::optional<FExpectedReaderError> ReaderError;
		bool bRootIsNotObject;
		std::vector<FExpectedWrongType> WrongTypes;
		std::vector<const char*> RepeatedKeys;
		std::vector<const char*> DroppedKeys;
	};

	std::vector<std::string> Utf8Strings(const TArray<FString>& Texts)
	{
		std::vector<std::string> Result;
		for (const FString& Text : Texts)
		{
			Result.push_back(StringConv::ToUtf8(Text));
		}
		return Result;
	}

	std::vector<std::string> Strings(const std::vector<const char*>& Texts)
	{
		return std::vector<std::string>(Texts.begin(), Texts.end());
	}

	/** The record a load starts from: a name that shows whether the load kept it, and logging on to show whether it was turned off. */
	OrvekHmdSettingsConfig StartingRecord()
	{
		OrvekHmdSettingsConfig Config;
		Config.SubjectName = TEXT("Before");
		Config.EnableLogging = true;
		return Config;
	}
}

TEST(SettingsFileParse, FindsWhatTheLoadMakesOfEachText)
{
	const FParseCase Cases[] = {
		{"a clean file", "{\"SubjectName\": \"HMD1\", \"EnableLogging\": true}", "HMD1", true, {}, false, {}, {}, {}},
		{"an empty object turns logging off and keeps the name", "{}", "Before", false, {}, false, {}, {}, {}},
		{"a stray comma before the closing brace", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": true, }", "Before", true,
			FExpectedReaderError{"String token expected, but not found.", 1, 52}, false, {}, {}, {}},
		{"a stray comma on a later line", "{\r\n\t\"SubjectName\": \"Handmade\",\r\n\t\"EnableLogging\": true,\r\n}", "Before", true,
			FExpectedReaderError{"String token expected, but not found.", 4, 1}, false, {}, {}, {}},
		{"truncated text", "{\"SubjectName\": \"C\", \"EnableLogging\": tr", "Before", true,
			FExpectedReaderError{"Invalid Json Token. Check that your member names have quotes around them!", 1, 40}, false, {}, {}, {}},
		{"an empty text", "", "Before", true, FExpectedReaderError{"Null Stream", 1, 0}, false, {}, {}, {}},
		{"an array root", "[\"SubjectName\", true]", "Before", true, {}, true, {}, {}, {}},
		{"a string where the switch belongs", "{\"SubjectName\": \"A\", \"EnableLogging\": \"true\"}", "A", false, {}, false,
			{{"EnableLogging", EJson::String}}, {}, {}},
		{"a number where the name belongs", "{\"SubjectName\": 5, \"EnableLogging\": true}", "Before", true, {}, false,
			{{"SubjectName", EJson::Number}}, {}, {}},
		{"both of the wrong type, in the text's order", "{\"EnableLogging\": null, \"SubjectName\": [\"A\"]}", "Before", false, {}, false,
			{{"SubjectName", EJson::Array}, {"EnableLogging", EJson::Null}}, {}, {}},
		{"a repeated key loads its last value", "{\"SubjectName\": \"First\", \"EnableLogging\": false, \"SubjectName\": \"Last\"}", "Last", false,
			{}, false, {}, {"SubjectName"}, {}},
		{"a repeated key whose last value is of the wrong type", "{\"EnableLogging\": true, \"EnableLogging\": {\"On\": true}}", "Before", false,
			{}, false, {{"EnableLogging", EJson::Object}}, {"EnableLogging"}, {}},
		{"extra keys are dropped, nested ones are not counted", "{\"Other\": {\"SubjectName\": 1, \"Deep\": [{\"X\": 2}]}, \"SubjectName\": \"B\", \"More\": 1, \"Other\": 2}",
			"B", false, {}, false, {}, {"Other"}, {"Other", "More"}},
		{"keys differ by case", "{\"subjectname\": \"lower\"}", "Before", false, {}, false, {}, {}, {"subjectname"}},
	};
	for (const FParseCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		OrvekHmdSettingsConfig Config = StartingRecord();
		const FOrvekHmdSettingsFindings Findings = FOrvekHmdSettingsFile::Parse(Utf8(Case.Text.c_str()), Config);

		EXPECT_EQ(Config.SubjectName, Utf8(Case.ExpectedName));
		EXPECT_EQ(Config.EnableLogging, Case.bExpectedLogging);

		ASSERT_EQ(Findings.ReaderError.has_value(), Case.ReaderError.has_value());
		if (Case.ReaderError)
		{
			EXPECT_EQ(Findings.ReaderError->Message, Utf8(Case.ReaderError->Message));
			EXPECT_EQ(Findings.ReaderError->Line, Case.ReaderError->Line);
			EXPECT_EQ(Findings.ReaderError->Character, Case.ReaderError->Character);
			EXPECT_EQ(Findings.ReaderError->Text, Utf8(Case.ReaderError->Message) + FString::Printf(TEXT(" Line: %u Ch: %u"),
				Case.ReaderError->Line, Case.ReaderError->Character));
		}
		EXPECT_EQ(Findings.bRootIsNotObject, Case.bRootIsNotObject);

		ASSERT_EQ(Findings.WrongTypes.Num(), static_cast<int32>(Case.WrongTypes.size()));
		for (int32 Index = 0; Index < Findings.WrongTypes.Num(); ++Index)
		{
			const FOrvekHmdSettingsWrongType& WrongType = Findings.WrongTypes[Index];
			const bool bName = WrongType.Key == TEXT("SubjectName");
			EXPECT_EQ(WrongType.Key, Utf8(Case.WrongTypes[Index].Key));
			EXPECT_EQ(WrongType.FoundType, Case.WrongTypes[Index].Found);
			EXPECT_EQ(WrongType.ExpectedType, bName ? EJson::String : EJson::Boolean);
			EXPECT_EQ(WrongType.LoadsInstead, bName ? EOrvekHmdSettingsFallback::KeepsValue : EOrvekHmdSettingsFallback::False);
		}
		EXPECT_EQ(Utf8Strings(Findings.RepeatedKeys), Strings(Case.RepeatedKeys));
		EXPECT_EQ(Utf8Strings(Findings.DroppedKeys), Strings(Case.DroppedKeys));

		const bool bClean = !Case.ReaderError && !Case.bRootIsNotObject && Case.WrongTypes.empty();
		EXPECT_EQ(Findings.LoadedCleanly(), bClean);
		EXPECT_EQ(FOrvekHmdSettingsFile::DescribeLoadProblem(Findings).IsEmpty(), bClean);
	}
}

TEST(SettingsFileParse, DescribesWhyAContentDidNotLoad)
{
	const struct
	{
		const char* Description;
		const char* Text;
		const char* Expected;
	} Cases[] = {
		{"reader error", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": true, }",
			"it is not valid JSON: String token expected, but not found. (line 1, character 52)"},
		{"array root", "[]", "the root is not an object"},
		{"wrong switch", "{\"EnableLogging\": \"true\"}",
			"\"EnableLogging\" is ignored because it holds a string, not a boolean, so it loads as false"},
		{"both fields", "{\"SubjectName\": 5, \"EnableLogging\": 1}",
			"\"SubjectName\" is ignored because it holds a number, not a string; "
			"\"EnableLogging\" is ignored because it holds a number, not a boolean, so it loads as false"},
	};
	for (const auto& Case : Cases)
	{
		OrvekHmdSettingsConfig Config;
		EXPECT_EQ(FOrvekHmdSettingsFile::DescribeLoadProblem(FOrvekHmdSettingsFile::Parse(Utf8(Case.Text), Config)), Utf8(Case.Expected))
			<< Case.Description;
	}
}

TEST(SettingsFileParse, ReadsBothFileEncodingsAlike)
{
	const FTempFolder Folder;
	const struct
	{
		const char* Description;
		std::string Bytes;
	} Cases[] = {
		{"one byte per character", "{\"SubjectName\": \"HMD1\", \"EnableLogging\": true, \"Extra\": 1}"},
		{"UTF-16 little-endian after FF FE", Utf16File(u"{\"SubjectName\": \"HMD1\", \"EnableLogging\": true, \"Extra\": 1}")},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		const std::filesystem::path File = Folder.Native() / "OHeadSetConfig.json";
		WriteFileBytes(File, Case.Bytes);
		FString Text;
		ASSERT_TRUE(FFileHelper::LoadFileToString(Text, *FString(File.u16string())));
		OrvekHmdSettingsConfig Config;
		const FOrvekHmdSettingsFindings Findings = FOrvekHmdSettingsFile::Parse(Text, Config);
		EXPECT_EQ(Config.SubjectName, FString(TEXT("HMD1")));
		EXPECT_TRUE(Config.EnableLogging);
		EXPECT_TRUE(Findings.LoadedCleanly());
		EXPECT_EQ(Utf8Strings(Findings.DroppedKeys), std::vector<std::string>{"Extra"});
	}
}

TEST(SettingsFilePath, LiesBelowTheDocumentsFolder)
{
	const struct
	{
		const char* Description;
		const char* Documents;
		const char* Expected;
	} Cases[] = {
		{"Windows folder", "C:\\Users\\Public\\Documents", "C:\\Users\\Public\\Documents/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"},
		{"drive root ending in a backslash", "D:\\", "D:\\Orvek/Skellan_4.20/Config/OHeadSetConfig.json"},
		{"POSIX root", "/", "/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"},
		{"letters outside ASCII", "/home/j\xC3\xBCrgen/\xE6\x96\x87\xE6\xA1\xA3 \xF0\x9F\x98\x80",
			"/home/j\xC3\xBCrgen/\xE6\x96\x87\xE6\xA1\xA3 \xF0\x9F\x98\x80/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(FOrvekHmdSettingsFile::ConfigFilePath(Utf8(Case.Documents)), Utf8(Case.Expected)) << Case.Description;
	}
}

TEST(SettingsFilePath, TheCopyLiesBesideTheFile)
{
	EXPECT_EQ(FOrvekHmdSettingsFile::BackupFilePath(TEXT("/d/Orvek/Skellan_4.20/Config/OHeadSetConfig.json")),
		FString(TEXT("/d/Orvek/Skellan_4.20/Config/OHeadSetConfig.json.bak")));
}

TEST(SettingsFileFormat, WritesBothKeysInOrderAndLoadsBack)
{
	const struct
	{
		const char* Description;
		const char* Name;
		bool bEnableLogging;
		const char* Expected;
	} Cases[] = {
		{"starting record", "", false, "{\r\n\t\"SubjectName\": \"\",\r\n\t\"EnableLogging\": false\r\n}"},
		{"name and switch", "HMD1", true, "{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}"},
		{"quotes, backslashes and tabs are escaped", "a\"b\\c\td/e\x01", false,
			"{\r\n\t\"SubjectName\": \"a\\\"b\\\\c\\td/e\x01\",\r\n\t\"EnableLogging\": false\r\n}"},
		{"letters outside ASCII stay as they are", "J\xC3\xBCrgen \xF0\x9F\x98\x80", false,
			"{\r\n\t\"SubjectName\": \"J\xC3\xBCrgen \xF0\x9F\x98\x80\",\r\n\t\"EnableLogging\": false\r\n}"},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		OrvekHmdSettingsConfig Config;
		Config.SubjectName = Utf8(Case.Name);
		Config.EnableLogging = Case.bEnableLogging;
		const FString Text = FOrvekHmdSettingsFile::Format(Config);
		EXPECT_EQ(Text, Utf8(Case.Expected));

		OrvekHmdSettingsConfig Loaded;
		const FOrvekHmdSettingsFindings Findings = FOrvekHmdSettingsFile::Parse(Text, Loaded);
		EXPECT_TRUE(Findings.LoadedCleanly());
		EXPECT_TRUE(Findings.DroppedKeys.IsEmpty());
		EXPECT_EQ(Loaded.SubjectName, Config.SubjectName);
		EXPECT_EQ(Loaded.EnableLogging, Config.EnableLogging);
	}
}
