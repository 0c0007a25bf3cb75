// File behaviour that depends on POSIX permissions and special files.
#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"
#include "Posix/PosixTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
	namespace fs = std::filesystem;

	const std::string OldContent = "{\"SubjectName\": \"Old\"}";

	/** A file in a folder of its own, both handed to the ordinary user. */
	struct FOrdinaryUsersFile
	{
		explicit FOrdinaryUsersFile(mode_t Mode)
		{
			fs::create_directory(Folder.Native() / "Config");
			WriteFileBytes(ToNative(Path), OldContent);
			GiveToOrdinaryUser(Folder.Native());
			GiveToOrdinaryUser(Folder.Native() / "Config");
			GiveToOrdinaryUser(ToNative(Path));
			SetMode(ToNative(Path), Mode);
			Access.BaseFolder = Folder.Path();
		}

		FTempFolder Folder;
		const FString Path = Folder.Path(u"Config/OHeadSetConfig.json");
		FFileAccess Access;
	};
}

TEST(PosixFile, ReadOnlyFolderKeepsTheOldFile)
{
	FOrdinaryUsersFile File(0644);
	SetMode(File.Folder.Native() / "Config", 0500);
	RunAsOrdinaryUser(
		[&File]
		{
			FString Error;
			EXPECT_FALSE(SaveBytes(File.Path, "{}", &Error));
			EXPECT_TRUE(Contains(Error, File.Folder.Path(u"Config").View())) << Utf8(Error);
		});
	EXPECT_EQ(ReadFileBytes(ToNative(File.Path)), OldContent);
	EXPECT_EQ(File.Folder.Names(u"Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(PosixFile, AFileTheUserMayNotWriteIsNotReplaced)
{
	struct FCase
	{
		const char* Description;
		mode_t Mode;
		/** Made by the superuser, so that it is someone else's file to the ordinary user. */
		bool bSomeoneElses;
	};
	const FCase Cases[] = {
		{"no write permission for anyone", 0444, false},
		{"no permission at all", 0000, false},
		{"write permission for the group only", 0464, false},
		{"another user's file that only its owner may write", 0644, true},
	};
	for (const FCase& Case : Cases)
	{
		if (Case.bSomeoneElses && !IsSuperuser())
		{
			// Only the superuser can hand the test a file of someone else's.
			continue;
		}
		FOrdinaryUsersFile File(Case.Mode);
		if (Case.bSomeoneElses)
		{
			ASSERT_EQ(::lchown(ToNative(File.Path).c_str(), 0, 0), 0);
		}
		const ino_t OldFile = StatOf(ToNative(File.Path)).st_ino;
		for (const bool bWithinBase : {false, true})
		{
			RunAsOrdinaryUser(
				[&File, &Case, bWithinBase]
				{
					FString Error;
					EXPECT_FALSE(SaveBytes(File.Path, "{}", &Error, bWithinBase ? File.Access : FFileAccess())) << Case.Description;
					EXPECT_TRUE(Contains(Error, u"read-only") && Contains(Error, File.Path.View())) << Case.Description << ": " << Utf8(Error);
				});
			EXPECT_EQ(StatOf(ToNative(File.Path)).st_ino, OldFile) << Case.Description;
			EXPECT_EQ(ModeOf(ToNative(File.Path)), Case.Mode) << Case.Description;
			EXPECT_EQ(File.Folder.Names(u"Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"}) << Case.Description;
		}
		if (!Case.bSomeoneElses)
		{
			SetMode(ToNative(File.Path), 0600);
			EXPECT_EQ(ReadFileBytes(ToNative(File.Path)), OldContent) << Case.Description;
		}
	}
}

TEST(PosixFile, NoWriteBitForAnyoneStopsEvenTheSuperuser)
{
	for (const mode_t Mode : {mode_t(0444), mode_t(0000), mode_t(0555)})
	{
		FTempFolder Folder;
		const FString Path = Folder.Path(u"OHeadSetConfig.json");
		WriteFileBytes(ToNative(Path), OldContent);
		SetMode(ToNative(Path), Mode);
		FString Error;
		EXPECT_FALSE(SaveBytes(Path, "{}", &Error)) << std::oct << Mode;
		EXPECT_TRUE(Contains(Error, u"read-only")) << Utf8(Error);
		EXPECT_EQ(ModeOf(ToNative(Path)), Mode);
		EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
	}
}

TEST(PosixFile, AnUnreadableFileDoesNotLoad)
{
	for (const mode_t Mode : {mode_t(0000), mode_t(0200)})
	{
		FOrdinaryUsersFile File(Mode);
		RunAsOrdinaryUser(
			[&File, Mode]
			{
				for (const bool bWithinBase : {false, true})
				{
					std::string Loaded = "kept";
					FString Error;
					EXPECT_FALSE(LoadBytes(File.Path, Loaded, &Error, bWithinBase ? File.Access : FFileAccess())) << std::oct << Mode;
					EXPECT_EQ(Loaded, "kept");
					EXPECT_TRUE(Contains(Error, File.Path.View())) << Utf8(Error);
				}
			});
	}
}

TEST(PosixFile, LoadRefusesAPipeWithoutWaitingForAWriter)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	ASSERT_EQ(::mkfifo(ToNative(Path).c_str(), 0600), 0);
	FFileAccess WithinBase;
	WithinBase.BaseFolder = Folder.Path();
	for (const FFileAccess& Access : {FFileAccess(), WithinBase})
	{
		TArray<uint8> Loaded{1, 2};
		FString Error;
		EXPECT_FALSE(IFileManager::Get().LoadFile(*Path, Loaded, &Error, Access));
		EXPECT_EQ(Loaded.Num(), 2);
		EXPECT_NE(Error.View().find(u"not a regular file"), std::u16string_view::npos) << Utf8(Error);
	}
}

TEST(PosixFile, SaveRefusesToReplaceAPipe)
{
	FTempFolder Folder;
	const FString Pipe = Folder.Path(u"OHeadSetConfig.json");
	ASSERT_EQ(::mkfifo(ToNative(Pipe).c_str(), 0600), 0);
	FString Error;
	EXPECT_FALSE(SaveBytes(Pipe, "{}", &Error));
	EXPECT_TRUE(Contains(Error, u"not a regular file") && Contains(Error, Pipe.View())) << Utf8(Error);
	EXPECT_TRUE(fs::is_fifo(ToNative(Pipe)));
	EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}
