#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

namespace
{
	bool Contains(const FString& Text, std::u16string_view Part)
	{
		return Text.View().find(Part) != std::u16string_view::npos;
	}

	bool Save(const FString& Path, std::string_view Bytes, FString* OutError)
	{
		return IFileManager::Get().WriteFileAtomically(
			*Path, reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int64>(Bytes.size()), OutError);
	}

	const std::string OldContent = "{\n\t\"SubjectName\": \"Old name that is longer than the new one\"\n}";
}

TEST(AtomicSave, CreatesTheMissingFoldersOnTheWay)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"Jürgen Σ/Orvek/Skellan_4.20/Config/OHeadSetConfig.json");
	FString Error;
	ASSERT_TRUE(Save(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_EQ(ReadBytes(ToNative(Path)), "{}");
	EXPECT_EQ(Folder.Names(u"Jürgen Σ/Orvek/Skellan_4.20/Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(AtomicSave, ReplacesTheWholeFileAndLeavesNothingElse)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	WriteBytes(ToNative(Path), OldContent);
	FString Error;
	ASSERT_TRUE(Save(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_EQ(ReadBytes(ToNative(Path)), "{}");
	EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(AtomicSave, ReplacesALinkAtThePathInsteadOfFollowingIt)
{
	FTempFolder Folder;
	WriteBytes(Folder.Native() / "victim.txt", "precious");
	std::error_code LinkError;
	std::filesystem::create_symlink(Folder.Native() / "victim.txt", Folder.Native() / "OHeadSetConfig.json", LinkError);
	if (LinkError)
	{
		GTEST_SKIP() << "links cannot be made here: " << LinkError.message();
	}

	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	FString Error;
	ASSERT_TRUE(Save(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_FALSE(std::filesystem::is_symlink(ToNative(Path)));
	EXPECT_EQ(ReadBytes(ToNative(Path)), "{}");
	EXPECT_EQ(ReadBytes(Folder.Native() / "victim.txt"), "precious");
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
			WriteBytes(ToNative(Blocker) / "inside.txt", "kept");
		}
		else
		{
			WriteBytes(ToNative(Blocker), "kept");
		}

		FString Error;
		EXPECT_FALSE(Save(Target, "{}", &Error));
		EXPECT_TRUE(Contains(Error, Blocker.View())) << Utf8(Error);
		EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{Case.Blocker});
		EXPECT_EQ(ReadBytes(bFolderBlocks ? ToNative(Blocker) / "inside.txt" : ToNative(Blocker)), "kept");
	}
}

TEST(AtomicSave, FailureAtAnyStepLeavesTheOldFileWhole)
{
	const EFileWriteFault Faults[] = {EFileWriteFault::MakeDirectory, EFileWriteFault::CreateTemporary,
		EFileWriteFault::Write, EFileWriteFault::Flush, EFileWriteFault::Rename};
	for (const EFileWriteFault Fault : Faults)
	{
		for (const bool bOldFile : {true, false})
		{
			FTempFolder Folder;
			const FString Path = Folder.Path(u"OHeadSetConfig.json");
			if (bOldFile)
			{
				WriteBytes(ToNative(Path), OldContent);
			}
			FString Error;
			{
				FScopedWriteFault Scoped(Fault);
				EXPECT_FALSE(Save(Path, "{\"SubjectName\": \"new\"}", &Error));
			}
			EXPECT_TRUE(Contains(Error, u"simulated failure")) << static_cast<int>(Fault);
			if (bOldFile)
			{
				EXPECT_EQ(ReadBytes(ToNative(Path)), OldContent) << static_cast<int>(Fault);
				EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"}) << static_cast<int>(Fault);
			}
			else
			{
				EXPECT_TRUE(Folder.Names().empty()) << static_cast<int>(Fault);
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
		EXPECT_FALSE(Save(Path, "{}", &Error)) << ToNative(Path);
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
	WriteBytes(ToNative(From), "moved");
	WriteBytes(ToNative(To), "replaced");
	EXPECT_EQ(FileManager.FileSize(*To), 8);
	EXPECT_TRUE(FileManager.Move(*To, *From));
	EXPECT_FALSE(FileManager.FileExists(*From));
	EXPECT_EQ(ReadBytes(ToNative(To)), "moved");

	EXPECT_TRUE(FileManager.Delete(*To));
	EXPECT_EQ(FileManager.FileSize(*To), -1);
	EXPECT_FALSE(FileManager.Delete(*To, &Error));
	EXPECT_TRUE(Contains(Error, To.View()));
}
