// The settings panel against a real configuration file in a temporary
// public documents folder: what it loads, shows, follows and saves.
#include "SettingsTestFixture.h"

#include "OrvekHmdSettingsWidget.h"

#include "HAL/FileManagerTesting.h"
#include "Shell/PlatformShell.h"

namespace
{
	const std::string StartingFile = "{\r\n\t\"SubjectName\": \"\",\r\n\t\"EnableLogging\": false\r\n}";
	const std::string Hmd1File = "{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}";
}

TEST_F(FSettingsTest, PathLiesBelowThePublicDocumentsFolder)
{
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_EQ(Panel->GetConfigFilePath(), ConfigFilePath());
}

TEST_F(FSettingsTest, NonAsciiDocumentsFolderIsCarriedOverUnchanged)
{
	UseDocumentsFolder(u"\u00D6ffentliche Dokumente \u6587\u6863 \U0001F600");
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_EQ(Panel->GetConfigFilePath(), ConfigFilePath());
	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), StartingFile);
}

TEST_F(FSettingsTest, NoFileOpensEmptyAndTheFirstCloseWritesTheStartingRecord)
{
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_TRUE(Panel->GetConfig().SubjectName.IsEmpty());
	EXPECT_FALSE(Panel->GetConfig().EnableLogging);
	EXPECT_TRUE(ScreenShows(TEXT("[ ]")));
	EXPECT_FALSE(std::filesystem::exists(ConfigFile())) << "nothing is written before the close";

	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), StartingFile);
	EXPECT_EQ(ReadConfig().size(), 50u);
	EXPECT_TRUE(Log.LinesOf(ELogVerbosity::Warning).IsEmpty());
}

TEST_F(FSettingsTest, SavedValuesAreShownAndWrittenBackByteForByte)
{
	WriteConfig(Hmd1File);
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_EQ(Panel->GetConfig().SubjectName, FString(TEXT("HMD1")));
	EXPECT_TRUE(Panel->GetConfig().EnableLogging);
	EXPECT_TRUE(ScreenShows(TEXT("HMD1")));
	EXPECT_TRUE(ScreenShows(TEXT("[x]")));
	EXPECT_TRUE(ScreenShows(TEXT("Hmd Name")));
	EXPECT_TRUE(ScreenShows(TEXT("Enable Log")));

	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), Hmd1File);
	EXPECT_EQ(ReadConfig().size(), 53u);
}

TEST_F(FSettingsTest, TheTwoRowsShowALabelAndItsFieldSideBySide)
{
	WriteConfig(Hmd1File);
	OpenPanel();
	const TArray<FString> Rows = Screen();
	int32 NameRow = INDEX_NONE;
	for (int32 Row = 0; Row < Rows.Num() && NameRow == INDEX_NONE; ++Row)
	{
		NameRow = Rows[Row].View().find(u"Hmd Name") != std::u16string_view::npos ? Row : INDEX_NONE;
	}
	ASSERT_NE(NameRow, INDEX_NONE);
	ASSERT_LT(NameRow + 2, Rows.Num());
	// Each label takes the left half of its row and its field the right half; a free row lies between them.
	EXPECT_NE(Rows[NameRow].View().find(u"\u2502 Hmd Name       [HMD1_________] \u2502"), std::u16string_view::npos) << Utf8(Rows[NameRow]);
	EXPECT_NE(Rows[NameRow + 1].View().find(u"\u2502                                \u2502"), std::u16string_view::npos) << Utf8(Rows[NameRow + 1]);
	EXPECT_NE(Rows[NameRow + 2].View().find(u"\u2502 Enable Log     [x]             \u2502"), std::u16string_view::npos) << Utf8(Rows[NameRow + 2]);
}

TEST_F(FSettingsTest, LoadKeepsStartingValuesForWhatTheFileDoesNotGive)
{
	struct FCase
	{
		const char* Name;
		std::string File;
		const char* ExpectedName;
		bool bExpectedLogging;
	};
	const FCase Cases[] = {
		{"only the name", "{\"SubjectName\": \"A\"}", "A", false},
		{"only the switch", "{\"EnableLogging\": true}", "", true},
		{"empty object", "{}", "", false},
		{"extra keys", "{\"Other\": 1, \"SubjectName\": \"B\", \"EnableLogging\": TRUE, \"More\": [1]}", "B", true},
		{"wrong types", "{\"SubjectName\": 5, \"EnableLogging\": \"true\"}", "", false},
		{"array root", "[\"SubjectName\", true]", "", false},
		{"empty file", "", "", false},
		{"truncated", "{\"SubjectName\": \"C\", \"EnableLogging\": tr", "", false},
		{"ASCII without byte-order mark", Hmd1File, "HMD1", true},
		{"UTF-8 with byte-order mark", "\xEF\xBB\xBF{\"SubjectName\": \"\xC3\xA9\"}", "\xC3\xA9", false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		WriteConfig(Case.File);
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		EXPECT_EQ(Panel->GetConfig().SubjectName, Utf8(Case.ExpectedName));
		EXPECT_EQ(Panel->GetConfig().EnableLogging, Case.bExpectedLogging);
		ClosePanel(Panel);
	}
}

TEST_F(FSettingsTest, ExtraKeysAndMalformedFilesAreReplacedByAValidObjectAtClose)
{
	struct FCase
	{
		std::string File;
		std::string Expected;
	};
	const FCase Cases[] = {
		{"{\"Other\": 1, \"SubjectName\": \"HMD1\", \"EnableLogging\": true}", Hmd1File},
		{"[1, 2", StartingFile},
		{"not json", StartingFile},
	};
	for (const FCase& Case : Cases)
	{
		WriteConfig(Case.File);
		ClosePanel(OpenPanel());
		EXPECT_EQ(ReadConfig(), Case.Expected);
	}
}

TEST_F(FSettingsTest, CommitsUpdateTheRecordButOnlyTheCloseWritesTheFile)
{
	WriteConfig(StartingFile);
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();

	Type(TEXT("HMD2"));
	EXPECT_TRUE(Panel->GetConfig().SubjectName.IsEmpty()) << "typing alone commits nothing";
	Press(EKeys::Enter);
	EXPECT_EQ(Panel->GetConfig().SubjectName, FString(TEXT("HMD2")));
	EXPECT_EQ(ReadConfig(), StartingFile);

	Press(EKeys::Tab);
	Press(EKeys::Space);
	EXPECT_TRUE(Panel->GetConfig().EnableLogging);
	EXPECT_EQ(ReadConfig(), StartingFile);

	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"HMD2\",\r\n\t\"EnableLogging\": true\r\n}");
}

TEST_F(FSettingsTest, MovingTheFocusAwayCommitsLikeEnter)
{
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	Type(TEXT("  spaced  "));
	Press(EKeys::Tab);
	EXPECT_EQ(Panel->GetConfig().SubjectName, FString(TEXT("  spaced  ")));
}

TEST_F(FSettingsTest, TogglingTwiceRestoresTheSwitch)
{
	WriteConfig(Hmd1File);
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	Press(EKeys::Tab);
	Press(EKeys::Space);
	EXPECT_FALSE(Panel->GetConfig().EnableLogging);
	EXPECT_TRUE(ScreenShows(TEXT("[ ]")));
	Press(EKeys::Space);
	EXPECT_TRUE(Panel->GetConfig().EnableLogging);
	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), Hmd1File);
}

TEST_F(FSettingsTest, TypedButUncommittedTextIsSaved)
{
	WriteConfig(Hmd1File);
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	Press(EKeys::BackSpace);
	Type(TEXT("X"));
	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"HMDX\",\r\n\t\"EnableLogging\": true\r\n}");
}

TEST_F(FSettingsTest, ClearedNameIsAcceptedAndSaved)
{
	WriteConfig(Hmd1File);
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Press(EKeys::BackSpace);
	}
	Press(EKeys::Enter);
	EXPECT_TRUE(Panel->GetConfig().SubjectName.IsEmpty());
	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"\",\r\n\t\"EnableLogging\": true\r\n}");
}

TEST_F(FSettingsTest, NonAsciiNameIsSavedAsUtf16AndLoadsBack)
{
	const FString Name = Utf8("Skellan \xC3\xA9\xE6\x96\x87 \xF0\x9F\x98\x80");
	{
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		Type(Name);
		ClosePanel(Panel);
	}
	const std::u16string Expected = u"{\r\n\t\"SubjectName\": \"" + Name.GetStdString() + u"\",\r\n\t\"EnableLogging\": false\r\n}";
	EXPECT_EQ(ReadConfig(), Utf16File(Expected));

	const TSharedRef<SOrvekHmdSettingsWidget> Reopened = OpenPanel();
	EXPECT_EQ(Reopened->GetConfig().SubjectName, Name);
}

TEST_F(FSettingsTest, NameWithQuotesBackslashesAndControlsRoundTrips)
{
	// Control characters cannot be typed, but a hand-edited file may hold them.
	const std::string File = "{\r\n\t\"SubjectName\": \"a\\\"b\\\\c\\td/e\x01\",\r\n\t\"EnableLogging\": false\r\n}";
	WriteConfig("{\"SubjectName\": \"a\\\"b\\\\c\\u0009d\\/e\x01\"}");
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_EQ(Panel->GetConfig().SubjectName, FString(TEXT("a\"b\\c\td/e\x01")));
	ClosePanel(Panel);
	EXPECT_EQ(ReadConfig(), File);
	EXPECT_EQ(OpenPanel()->GetConfig().SubjectName, FString(TEXT("a\"b\\c\td/e\x01")));
}

TEST_F(FSettingsTest, BlockedTargetKeepsTheOldContentAndLogsAWarning)
{
	std::filesystem::create_directories(ConfigFile());
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	Type(TEXT("Lost"));
	ClosePanel(Panel);
	EXPECT_TRUE(std::filesystem::is_directory(ConfigFile()));
	const TArray<FString> Warnings = Log.LinesOf(ELogVerbosity::Warning);
	ASSERT_EQ(Warnings.Num(), 1);
	EXPECT_NE(Warnings[0].View().find(ConfigFilePath().View()), std::u16string_view::npos) << "the warning names the file";
}

TEST_F(FSettingsTest, FailureInTheMiddleOfASaveLeavesTheOldFileWhole)
{
	for (const EFileWriteFault Fault : {EFileWriteFault::CreateTemporary, EFileWriteFault::Write, EFileWriteFault::Flush, EFileWriteFault::Rename})
	{
		WriteConfig(Hmd1File);
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		Type(TEXT(" and much more text than before"));
		FFileManagerTesting::SetWriteFault(Fault);
		ClosePanel(Panel);
		FFileManagerTesting::SetWriteFault(EFileWriteFault::None);
		EXPECT_EQ(ReadConfig(), Hmd1File);
		EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ConfigFile().parent_path()), std::filesystem::directory_iterator()), 1)
			<< "no temporary file is left";
	}
	EXPECT_EQ(Log.LinesOf(ELogVerbosity::Warning).Num(), 4);
}

TEST_F(FSettingsTest, WithoutADocumentsFolderNothingIsReadOrWritten)
{
	FPlatformShell::SetKnownFolderOverride(FString());
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_TRUE(Panel->GetConfigFilePath().IsEmpty());
	Type(TEXT("Nowhere"));
	ClosePanel(Panel);
	EXPECT_EQ(Panel->GetConfig().SubjectName, FString(TEXT("Nowhere")));
	EXPECT_EQ(Log.LinesOf(ELogVerbosity::Warning).Num(), 1);
	EXPECT_TRUE(std::filesystem::is_empty(Root / "Public Documents"));
}
