// What the panel does with a settings file it may not simply replace: one
// that did not load, one it cannot read, one behind a planted link, and one
// whose permissions the user chose; and documents folders that cannot be used.
#include "SettingsTestFixture.h"

#include "OrvekHmdSettingsWidget.h"

#include "Containers/StringConv.h"
#include "Shell/PlatformShell.h"

#include <cstdlib>

#if defined(_WIN32)
#include "Windows/FileLock.h"
#endif

namespace
{
	const std::string Hmd1File = "{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}";
	const std::string OlderCopy = "an older copy";

	bool Contains(const std::string& Text, const std::string& Part)
	{
		return Text.find(Part) != std::string::npos;
	}

#if !defined(_WIN32)
	/** The permission bits of a file or folder. */
	std::filesystem::perms PermissionsOf(const std::filesystem::path& Path)
	{
		return std::filesystem::status(Path).permissions() & std::filesystem::perms::mask;
	}
#endif
}

TEST_F(FSettingsTest, ACleanFileIsReplacedWithoutACopy)
{
	WriteConfig(Hmd1File);
	WriteFileBytes(BackupFile(), OlderCopy);
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_TRUE(Panel->GetLoadFindings().LoadedCleanly());
	Type(TEXT("2"));
	ClosePanel(Panel);

	EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"HMD12\",\r\n\t\"EnableLogging\": true\r\n}");
	EXPECT_EQ(ReadFileBytes(BackupFile()), OlderCopy) << "a clean save leaves the copy of an earlier broken file alone";
	EXPECT_EQ(Log.Warnings(), "");
}

TEST_F(FSettingsTest, RepeatedAndDroppedKeysAreFindingsWithoutAWarningOrACopy)
{
	WriteConfig("{\"SubjectName\": \"A\", \"Other\": 1, \"SubjectName\": \"B\", \"EnableLogging\": true}");
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_EQ(Panel->GetConfig().SubjectName, FString(TEXT("B")));
	EXPECT_EQ(Panel->GetLoadFindings().RepeatedKeys, TArray<FString>({FString(TEXT("SubjectName"))}));
	EXPECT_EQ(Panel->GetLoadFindings().DroppedKeys, TArray<FString>({FString(TEXT("Other"))}));
	ClosePanel(Panel);

	EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"B\",\r\n\t\"EnableLogging\": true\r\n}");
	EXPECT_EQ(ConfigFolderEntries(), std::vector<std::string>{"OHeadSetConfig.json"});
	EXPECT_EQ(Log.Warnings(), "");
}

TEST_F(FSettingsTest, AFileThatDidNotLoadIsKeptBesideTheNewOne)
{
	const struct
	{
		const char* Description;
		std::string File;
		const char* Reason;
		const char* ExpectedName;
		bool bExpectedLogging;
	} Cases[] = {
		{"stray comma", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": true, }",
			"it is not valid JSON: String token expected, but not found. (line 1, character 52)", "", false},
		{"a string for the switch", "{\"SubjectName\": \"Handmade\", \"EnableLogging\": \"true\"}",
			"\"EnableLogging\" is ignored because it holds a string, not a boolean", "Handmade", false},
		{"a number for the name", "{\"SubjectName\": 7, \"EnableLogging\": true}", "\"SubjectName\" is ignored because it holds a number", "",
			true},
		{"array root", "[\"Handmade\", true]", "the root is not an object", "", false},
		{"UTF-16 file cut short", Utf16File(u"{\"SubjectName\": \"J\u00FCrgen\""), "it is not valid JSON", "", false},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		const std::string Path = StringConv::ToUtf8(ConfigFilePath());
		WriteConfig(Case.File);
		WriteFileBytes(BackupFile(), OlderCopy);
		Log.Clear();

		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		EXPECT_FALSE(Panel->GetLoadFindings().LoadedCleanly());
		EXPECT_EQ(Panel->GetConfig().SubjectName, Utf8(Case.ExpectedName));
		const TArray<FString> LoadWarnings = Log.LinesOf(ELogVerbosity::Warning);
		ASSERT_EQ(LoadWarnings.Num(), 1) << Log.Warnings();
		EXPECT_TRUE(Contains(StringConv::ToUtf8(LoadWarnings[0]), Path)) << Log.Warnings();
		EXPECT_TRUE(Contains(StringConv::ToUtf8(LoadWarnings[0]), Case.Reason)) << Log.Warnings();
		EXPECT_EQ(ReadConfig(), Case.File) << "nothing is written before the close";

		Press(EKeys::End);
		Type(TEXT("!"));
		ClosePanel(Panel);

		EXPECT_EQ(ReadFileBytes(BackupFile()), Case.File) << "the copy holds the content that did not load, byte for byte, in place of the older copy";
		EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"" + std::string(Case.ExpectedName) + "!\",\r\n\t\"EnableLogging\": "
				+ (Case.bExpectedLogging ? "true" : "false") + "\r\n}");
		const TArray<FString> Warnings = Log.LinesOf(ELogVerbosity::Warning);
		ASSERT_EQ(Warnings.Num(), 2) << Log.Warnings();
		EXPECT_TRUE(Contains(StringConv::ToUtf8(Warnings[1]), Path + ".bak")) << "the save names the copy: " << Log.Warnings();
		EXPECT_EQ(ConfigFolderEntries(), std::vector<std::string>({"OHeadSetConfig.json", "OHeadSetConfig.json.bak"}));
	}
}

TEST_F(FSettingsTest, WithoutADocumentsFolderOfThatNameNothingIsCreated)
{
	const std::filesystem::path Missing = Root / "Missing" / "Public";
	FPlatformShell::SetKnownFolderOverride(FString(Missing.u16string()));
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	EXPECT_TRUE(Panel->GetConfigFilePath().IsEmpty());
	Type(TEXT("Nowhere"));
	ClosePanel(Panel);
	EXPECT_FALSE(std::filesystem::exists(Root / "Missing"));
	const TArray<FString> Warnings = Log.LinesOf(ELogVerbosity::Warning);
	ASSERT_EQ(Warnings.Num(), 1);
	EXPECT_TRUE(Contains(StringConv::ToUtf8(Warnings[0]), Missing.string() + " is not an existing folder")) << Log.Warnings();
}

#if defined(_WIN32)

TEST_F(FSettingsTest, AFileLockedByAnotherProgramIsLeftAlone)
{
	WriteConfig(Hmd1File);
	{
		const FFileLock Lock(ConfigFile());
		ASSERT_TRUE(Lock.IsHeld());
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		EXPECT_TRUE(Panel->GetConfig().SubjectName.IsEmpty());
		Type(TEXT("Lost"));
		ClosePanel(Panel);
	}

	const std::string Path = StringConv::ToUtf8(ConfigFilePath());
	EXPECT_TRUE(Contains(Log.Warnings(), "Could not read the HMD settings file " + Path)) << Log.Warnings();
	EXPECT_TRUE(Contains(Log.Warnings(), "Nothing was saved to " + Path + ": the file could not be read when the window opened"))
		<< Log.Warnings();
	EXPECT_EQ(ReadConfig(), Hmd1File);
	EXPECT_EQ(ConfigFolderEntries(), std::vector<std::string>{"OHeadSetConfig.json"});
}

#else

TEST_F(FSettingsTest, AnUnreadableFileIsLeftAlone)
{
	WriteConfig(Hmd1File);
	std::filesystem::permissions(ConfigFile(), std::filesystem::perms::none);
	const std::optional<std::string> Report = RunAsOrdinaryUser([this] {
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		const std::string Shown = StringConv::ToUtf8(Panel->GetConfig().SubjectName);
		Type(TEXT("Lost"));
		ClosePanel(Panel);
		return "shown: [" + Shown + "]\n" + Log.Warnings();
	});
	if (!Report)
	{
		GTEST_SKIP() << "needs an ordinary user, and this root process could not drop its privileges";
	}

	EXPECT_TRUE(Contains(*Report, "shown: []\n")) << *Report;
	const std::string Path = StringConv::ToUtf8(ConfigFilePath());
	EXPECT_TRUE(Contains(*Report, "Could not read the HMD settings file " + Path)) << *Report;
	EXPECT_TRUE(Contains(*Report, "Permission denied")) << *Report;
	EXPECT_TRUE(Contains(*Report, "Nothing was saved to " + Path + ": the file could not be read when the window opened")) << *Report;
	std::filesystem::permissions(ConfigFile(), std::filesystem::perms::owner_read);
	EXPECT_EQ(ReadConfig(), Hmd1File);
	EXPECT_EQ(ConfigFolderEntries(), std::vector<std::string>{"OHeadSetConfig.json"});
}

TEST_F(FSettingsTest, AReadOnlyFileIsNotReplaced)
{
	WriteConfig(Hmd1File);
	std::filesystem::permissions(ConfigFile(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read | std::filesystem::perms::others_read);
	const std::optional<std::string> Report = RunAsOrdinaryUser([this] {
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		Type(TEXT("Lost"));
		ClosePanel(Panel);
		return Log.Warnings();
	});
	if (!Report)
	{
		GTEST_SKIP() << "needs an ordinary user, and this root process could not drop its privileges";
	}
	EXPECT_TRUE(Contains(*Report, "Could not save the HMD settings to " + StringConv::ToUtf8(ConfigFilePath()))) << *Report;
	EXPECT_EQ(ReadConfig(), Hmd1File);
	EXPECT_EQ(PermissionsOf(ConfigFile()), std::filesystem::perms(0444));
	EXPECT_EQ(ConfigFolderEntries(), std::vector<std::string>{"OHeadSetConfig.json"});
}

TEST_F(FSettingsTest, TheSaveKeepsTheFilesPermissions)
{
	for (const std::filesystem::perms Mode : {std::filesystem::perms(0600), std::filesystem::perms(0666), std::filesystem::perms(0640)})
	{
		SCOPED_TRACE(static_cast<int>(Mode));
		WriteConfig(Hmd1File);
		std::filesystem::permissions(ConfigFile(), Mode);
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		Type(TEXT("2"));
		ClosePanel(Panel);
		EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"HMD12\",\r\n\t\"EnableLogging\": true\r\n}");
		EXPECT_EQ(PermissionsOf(ConfigFile()), Mode);
	}
	EXPECT_EQ(Log.Warnings(), "");
}

TEST_F(FSettingsTest, ADocumentsFolderWhoseNameIsNotUtf8IsRefused)
{
	// "Caf\xE9" in Latin-1, beside the look-alike that a lossy decoding would name.
	const std::filesystem::path Refused = Root / std::string("Caf\xE9");
	const std::filesystem::path LookAlike = Root / std::string("Caf\xEF\xBF\xBD");
	std::filesystem::create_directories(Refused);
	std::filesystem::create_directories(LookAlike);
	const char* const Saved = std::getenv("XDG_PUBLICSHARE_DIR");
	const std::optional<std::string> Previous = Saved != nullptr ? std::optional<std::string>(Saved) : std::nullopt;
	setenv("XDG_PUBLICSHARE_DIR", Refused.c_str(), 1);
	FPlatformShell::ClearKnownFolderOverride();

	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	Type(TEXT("Nowhere"));
	ClosePanel(Panel);
	if (Previous)
	{
		setenv("XDG_PUBLICSHARE_DIR", Previous->c_str(), 1);
	}
	else
	{
		unsetenv("XDG_PUBLICSHARE_DIR");
	}

	EXPECT_TRUE(Panel->GetConfigFilePath().IsEmpty());
	const TArray<FString> Warnings = Log.LinesOf(ELogVerbosity::Warning);
	ASSERT_EQ(Warnings.Num(), 1);
	EXPECT_TRUE(Contains(StringConv::ToUtf8(Warnings[0]), "name is not UTF-8")) << Log.Warnings();
	EXPECT_TRUE(std::filesystem::is_empty(Refused));
	EXPECT_TRUE(std::filesystem::is_empty(LookAlike));
}

#endif

TEST_F(FSettingsTest, APlantedLinkBelowTheDocumentsFolderIsNotFollowed)
{
	const struct
	{
		const char* Description;
		bool bTargetHoldsAFile;
		const char* Warning;
	} Cases[] = {
		{"the link leads to a settings file", true, "Could not read the HMD settings file"},
		{"the link leads to an empty folder", false, "Could not save the HMD settings to"},
	};
	for (const auto& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		const std::filesystem::path Target = Root / "Elsewhere";
		std::error_code Ignored;
		std::filesystem::remove_all(Target, Ignored);
		std::filesystem::remove_all(Documents / "Orvek", Ignored);
		std::filesystem::create_directories(Target / "Skellan_4.20" / "Config");
		if (Case.bTargetHoldsAFile)
		{
			WriteFileBytes(Target / "Skellan_4.20" / "Config" / "OHeadSetConfig.json", Hmd1File);
		}
		std::error_code LinkError;
		std::filesystem::create_directory_symlink(Target, Documents / "Orvek", LinkError);
		if (LinkError)
		{
			GTEST_SKIP() << "this system would not make a symbolic link: " << LinkError.message();
		}
		Log.Clear();

		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		EXPECT_TRUE(Panel->GetConfig().SubjectName.IsEmpty()) << "nothing is read through the link";
		Type(TEXT("Redirected"));
		ClosePanel(Panel);

		EXPECT_TRUE(Contains(Log.Warnings(), Case.Warning)) << Log.Warnings();
		EXPECT_TRUE(Contains(Log.Warnings(), "Orvek")) << "the warning names the link: " << Log.Warnings();
		std::vector<std::string> TargetEntries;
		for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Target / "Skellan_4.20" / "Config"))
		{
			TargetEntries.push_back(Entry.path().filename().string());
		}
		EXPECT_EQ(TargetEntries.size(), Case.bTargetHoldsAFile ? 1u : 0u) << "nothing is written into the link's target";
		if (Case.bTargetHoldsAFile)
		{
			EXPECT_EQ(ReadFileBytes(Target / "Skellan_4.20" / "Config" / "OHeadSetConfig.json"), Hmd1File);
		}
	}
}
