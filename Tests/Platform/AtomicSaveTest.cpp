#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

namespace
{
	const std::string OldContent = "{\n\t\"SubjectName\": \"Old name that is longer than the new one\"\n}";
}

TEST(AtomicSave, CreatesTheMissingFoldersOnTheWay)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"Jürgen Σ/Orvek/Skellan_4.20/Config/OHeadSetConfig.json");
	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), "{}");
	EXPECT_EQ(Folder.Names(u"Jürgen Σ/Orvek/Skellan_4.20/Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(AtomicSave, ReplacesTheWholeFileAndLeavesNothingElse)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	WriteFileBytes(ToNative(Path), OldContent);
	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), "{}");
	EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(AtomicSave, ReplacesALinkAtThePathInsteadOfFollowingIt)
{
	FTempFolder Folder;
	WriteFileBytes(Folder.Native() / "victim.txt", "precious");
	std::error_code LinkError;
	std::filesystem::create_symlink(Folder.Native() / "victim.txt", Folder.Native() / "OHeadSetConfig.json", LinkError);
	if (LinkError)
	{
		GTEST_SKIP() << "links cannot be made here: " << LinkError.message();
	}

	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_FALSE(std::filesystem::is_symlink(ToNative(Path)));
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), "{}");
	EXPECT_EQ(ReadFileBytes(Folder.Native() / "victim.txt"), "precious");
}

TEST(AtomicSave, BlockedTargetFailsWithAReasonAndLeavesNoTemporaryFile)
{
	struct FCase { const char16_t* Target; const char16_t* Blocker; };
	const FCase Cases[] = {
		{u"OHeadSetConfig.json", u"OHeadSetConfig.json"},   // a folder where the file should be
		{u"Config/OHeadSetConfig.json", u"Config"},         // a file where a folder should be
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		const FString Blocker = Folder.Path(Case.Blocker);
		const FString Target = Folder.Path(Case.Target);
		const bool bFolderBlocks = Blocker == Target;
		if (bFolderBlocks)
		{
			std::filesystem::create_directory(ToNative(Blocker));
			WriteFileBytes(ToNative(Blocker) / "inside.txt", "kept");
		}
		else
		{
			WriteFileBytes(ToNative(Blocker), "kept");
		}

		FString Error;
		EXPECT_FALSE(SaveBytes(Target, "{}", &Error));
		EXPECT_TRUE(Contains(Error, Blocker.View())) << Utf8(Error);
		EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{Case.Blocker});
		EXPECT_EQ(ReadFileBytes(bFolderBlocks ? ToNative(Blocker) / "inside.txt" : ToNative(Blocker)), "kept");
	}
}

TEST(AtomicSave, FailureAtAnyStepLeavesTheOldFileWhole)
{
	const EFileWriteFault Faults[] = {EFileWriteFault::MakeDirectory, EFileWriteFault::CreateTemporary, EFileWriteFault::Write,
		EFileWriteFault::Flush, EFileWriteFault::Backup, EFileWriteFault::Rename};
	for (const EFileWriteFault Fault : Faults)
	{
		for (const bool bOldFile : {true, false})
		{
			// Within a base folder and asking for a copy of the old file, or neither.
			for (const bool bWithinBase : {false, true})
			{
				const std::string Row = "fault " + std::to_string(static_cast<int>(Fault)) + (bOldFile ? ", old file" : ", new file")
					+ (bWithinBase ? ", within a base folder with a copy" : "");
				FTempFolder Folder;
				const FString Path = Folder.Path(u"OHeadSetConfig.json");
				FFileAccess Access;
				if (bWithinBase)
				{
					Access.BaseFolder = Folder.Path();
					Access.BackupFilename = Folder.Path(u"OHeadSetConfig.json.bak");
				}
				if (bOldFile)
				{
					WriteFileBytes(ToNative(Path), OldContent);
				}
				// A copy is only made of a file that is there.
				const bool bFaultApplies = Fault != EFileWriteFault::Backup || (bOldFile && bWithinBase);
				FString Error;
				{
					FScopedWriteFault Scoped(Fault);
					EXPECT_EQ(SaveBytes(Path, "{\"SubjectName\": \"new\"}", &Error, Access), !bFaultApplies) << Row;
				}
				if (!bFaultApplies)
				{
					continue;
				}
				EXPECT_TRUE(Contains(Error, u"simulated failure")) << Row << ": " << Utf8(Error);
				if (!bOldFile)
				{
					EXPECT_TRUE(Folder.Names().empty()) << Row;
					continue;
				}
				EXPECT_EQ(ReadFileBytes(ToNative(Path)), OldContent) << Row;
				// Only a failure after the copy was made leaves it, a copy of the file as it still is.
				const bool bCopyMade = bWithinBase && Fault == EFileWriteFault::Rename;
				std::vector<std::u16string> Expected{u"OHeadSetConfig.json"};
				if (bCopyMade)
				{
					Expected.push_back(u"OHeadSetConfig.json.bak");
					EXPECT_EQ(ReadFileBytes(ToNative(Access.BackupFilename)), OldContent) << Row;
				}
				EXPECT_EQ(Folder.Names(), Expected) << Row;
			}
		}
	}
}

TEST(AtomicSave, RefusesPathsThatNameNoFile)
{
	FTempFolder Folder;
	const FString Paths[] = {FString(), Folder.Path(u"Config/")};
	for (const FString& Path : Paths)
	{
		FString Error;
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error)) << ToNative(Path);
		EXPECT_FALSE(Error.IsEmpty());
	}
	EXPECT_TRUE(Folder.Names().empty());
}

TEST(FileManager, FolderAndFileOperations)
{
	FTempFolder Folder;
	IFileManager& FileManager = IFileManager::Get();
	const FString Deep = Folder.Path(u"a/b/c");
	FString Error;

	EXPECT_FALSE(FileManager.MakeDirectory(*Deep, false, &Error));
	EXPECT_TRUE(Contains(Error, Deep.View()));
	EXPECT_TRUE(FileManager.MakeDirectory(*Deep, true));
	EXPECT_TRUE(FileManager.MakeDirectory(*Deep, false)) << "an existing folder counts as made";
	EXPECT_TRUE(FileManager.DirectoryExists(*Deep));
	EXPECT_FALSE(FileManager.FileExists(*Deep));
	EXPECT_EQ(FileManager.FileSize(*Deep), -1) << "a folder has no file size";

	const FString From = Folder.Path(u"a/from.txt");
	const FString To = Folder.Path(u"a/b/to.txt");
	WriteFileBytes(ToNative(From), "moved");
	WriteFileBytes(ToNative(To), "replaced");
	EXPECT_EQ(FileManager.FileSize(*To), 8);
	EXPECT_TRUE(FileManager.Move(*To, *From));
	EXPECT_FALSE(FileManager.FileExists(*From));
	EXPECT_EQ(ReadFileBytes(ToNative(To)), "moved");

	EXPECT_TRUE(FileManager.Delete(*To));
	EXPECT_EQ(FileManager.FileSize(*To), -1);
	EXPECT_FALSE(FileManager.Delete(*To, &Error));
	EXPECT_TRUE(Contains(Error, To.View()));
}

TEST(AtomicSave, ReadOnlyFileIsNotReplacedWhoeverSaves)
{
	for (const bool bWithinBase : {false, true})
	{
		FTempFolder Folder;
		const FString Path = Folder.Path(u"OHeadSetConfig.json");
		WriteFileBytes(ToNative(Path), OldContent);
		namespace fs = std::filesystem;
		fs::permissions(ToNative(Path), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
		FFileAccess Access;
		if (bWithinBase)
		{
			Access.BaseFolder = Folder.Path();
		}

		FString Error;
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error, Access)) << bWithinBase;
		EXPECT_TRUE(Contains(Error, u"read-only") && Contains(Error, Path.View())) << Utf8(Error);
		EXPECT_EQ(ReadFileBytes(ToNative(Path)), OldContent);
		EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
		fs::permissions(ToNative(Path), fs::perms::owner_write, fs::perm_options::add);
	}
}

TEST(AtomicSave, RemovesItsOwnLeftoversOnlyOnceNothingMayBeWritingThem)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Name;
		int SecondsAgo;
		bool bRemoved;
	};
	const FCase Cases[] = {
		{"its own pattern, two minutes old", u"OHeadSetConfig.json.0123456789abcdef.tmp", 120, true},
		{"its own pattern, just written", u"OHeadSetConfig.json.0123456789abcdef.tmp", 0, false},
		{"its own pattern, dated after now", u"OHeadSetConfig.json.0123456789abcdef.tmp", -3600, false},
		{"upper-case digits, which it never makes", u"OHeadSetConfig.json.0123456789ABCDEF.tmp", 120, false},
		{"fifteen digits", u"OHeadSetConfig.json.0123456789abcde.tmp", 120, false},
		{"another file's leftover", u"Other.json.0123456789abcdef.tmp", 120, false},
		{"a longer name", u"OHeadSetConfig.json.0123456789abcdef.tmp.keep", 120, false},
	};
	for (const FCase& Case : Cases)
	{
		for (const bool bOldFile : {true, false})
		{
			FTempFolder Folder;
			const FString Path = Folder.Path(u"OHeadSetConfig.json");
			if (bOldFile)
			{
				WriteFileBytes(ToNative(Path), OldContent);
			}
			const std::filesystem::path Leftover = ToNative(Folder.Path(Case.Name));
			WriteFileBytes(Leftover, "torn");
			std::filesystem::last_write_time(Leftover, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(Case.SecondsAgo));

			FString Error;
			ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
			EXPECT_EQ(std::filesystem::exists(Leftover), !Case.bRemoved) << Case.Description << (bOldFile ? ", old file" : ", new file");
			EXPECT_EQ(ReadFileBytes(ToNative(Path)), "{}");
		}
	}
}
