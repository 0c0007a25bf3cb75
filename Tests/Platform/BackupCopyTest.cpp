// The copy a save keeps of the file it replaces, when asked to.
#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

namespace
{
	const std::string OldContent = "{ \"SubjectName\": \"Handmade\", }";

	FFileAccess WithBackup(const FString& Base, const FString& Backup)
	{
		FFileAccess Access;
		Access.BaseFolder = Base;
		Access.BackupFilename = Backup;
		return Access;
	}
}

TEST(BackupCopy, HoldsTheOldBytesAndReplacesAnOlderCopy)
{
	for (const bool bWithinBase : {false, true})
	{
		for (const bool bOlderCopy : {false, true})
		{
			FTempFolder Folder;
			const FString Path = Folder.Path(u"OHeadSetConfig.json");
			const FString Backup = Folder.Path(u"OHeadSetConfig.json.bak");
			WriteFileBytes(ToNative(Path), OldContent);
			if (bOlderCopy)
			{
				WriteFileBytes(ToNative(Backup), "an older copy");
			}

			FString Error;
			ASSERT_TRUE(SaveBytes(Path, "{}", &Error, WithBackup(bWithinBase ? Folder.Path() : FString(), Backup))) << Utf8(Error);
			EXPECT_EQ(ReadFileBytes(ToNative(Path)), "{}");
			EXPECT_EQ(ReadFileBytes(ToNative(Backup)), OldContent);
			EXPECT_EQ(Folder.Names(), (std::vector<std::u16string>{u"OHeadSetConfig.json", u"OHeadSetConfig.json.bak"}));
		}
	}
}

TEST(BackupCopy, NoneIsMadeForAFileThatWasNotThere)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	const FString Backup = Folder.Path(u"OHeadSetConfig.json.bak");
	WriteFileBytes(ToNative(Backup), "an older copy");
	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error, WithBackup(Folder.Path(), Backup))) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Backup)), "an older copy");
}

TEST(BackupCopy, MustBeAFileOfItsOwnBesideTheFile)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Backup;
	};
	const FCase Cases[] = {
		{"in another folder", u"Other/OHeadSetConfig.json.bak"},
		{"the file itself", u"Config/OHeadSetConfig.json"},
		{"the folder", u"Config/."},
		{"a name ending in a separator", u"Config/OHeadSetConfig.json.bak/"},
		{"a name a save takes for its leftover", u"Config/OHeadSetConfig.json.0123456789abcdef.tmp"},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		std::filesystem::create_directory(Folder.Native() / "Config");
		std::filesystem::create_directory(Folder.Native() / "Other");
		const FString Path = Folder.Path(u"Config/OHeadSetConfig.json");
		WriteFileBytes(ToNative(Path), OldContent);
		const FString Backup = Folder.Path(Case.Backup);

		FString Error;
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error, WithBackup(Folder.Path(), Backup))) << Case.Description;
		EXPECT_TRUE(Contains(Error, Backup.View())) << Case.Description << ": " << Utf8(Error);
		EXPECT_EQ(ReadFileBytes(ToNative(Path)), OldContent) << Case.Description;
		EXPECT_EQ(Folder.Names(u"Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"}) << Case.Description;
		EXPECT_TRUE(Folder.Names(u"Other").empty()) << Case.Description;
	}
}

TEST(BackupCopy, AFolderWhereTheCopyGoesFailsTheSave)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	const FString Backup = Folder.Path(u"OHeadSetConfig.json.bak");
	WriteFileBytes(ToNative(Path), OldContent);
	std::filesystem::create_directory(ToNative(Backup));

	FString Error;
	EXPECT_FALSE(SaveBytes(Path, "{}", &Error, WithBackup(Folder.Path(), Backup)));
	EXPECT_TRUE(Contains(Error, Backup.View())) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), OldContent);
	EXPECT_EQ(Folder.Names(), (std::vector<std::u16string>{u"OHeadSetConfig.json", u"OHeadSetConfig.json.bak"}));
	EXPECT_TRUE(Folder.Names(u"OHeadSetConfig.json.bak").empty());
}
