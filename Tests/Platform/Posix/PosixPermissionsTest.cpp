// What a save leaves the permissions of the file and of the folders it makes.
#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"
#include "Posix/PosixTestSupport.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <unistd.h>

namespace
{
	namespace fs = std::filesystem;

	const char16_t* const ConfigBelowBase = u"Orvek/Skellan_4.20/Config/OHeadSetConfig.json";
	const char* const CreatedFolders[] = {"Orvek", "Orvek/Skellan_4.20", "Orvek/Skellan_4.20/Config"};

	/** A group of this process's other than its own, to see a group kept; its own group where it has no other. */
	gid_t AnotherGroup()
	{
		if (IsSuperuser())
		{
			return OrdinaryUserId;
		}
		gid_t Groups[64];
		const int Count = ::getgroups(64, Groups);
		for (int Index = 0; Index < Count; ++Index)
		{
			if (Groups[Index] != ::getegid())
			{
				return Groups[Index];
			}
		}
		return ::getegid();
	}
}

TEST(PosixPermissions, TheReplacedFileKeepsItsModeGroupAndOwner)
{
	const mode_t Modes[] = {0600, 0666, 0640, 0604, 0660, 0700, 0751};
	for (const mode_t Mode : Modes)
	{
		for (const mode_t Umask : {mode_t(022), mode_t(077)})
		{
			FScopedUmask Scoped(Umask);
			FTempFolder Folder;
			const FString Path = Folder.Path(u"OHeadSetConfig.json");
			const fs::path Native = ToNative(Path);
			WriteFileBytes(Native, "old");
			// The superuser keeps another user's file that user's; anyone keeps a group of theirs.
			const uid_t Owner = IsSuperuser() ? OrdinaryUserId : ::geteuid();
			ASSERT_EQ(::lchown(Native.c_str(), Owner, AnotherGroup()), 0);
			SetMode(Native, Mode);

			FString Error;
			ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
			const struct stat Status = StatOf(Native);
			EXPECT_EQ(Status.st_mode & 07777, Mode) << std::oct << Mode << " with umask " << Umask;
			EXPECT_EQ(Status.st_gid, AnotherGroup()) << std::oct << Mode;
			EXPECT_EQ(Status.st_uid, Owner) << std::oct << Mode;
			EXPECT_EQ(ReadFileBytes(Native), "{}");
		}
	}
}

TEST(PosixPermissions, SetIdBitsAreNotCarriedToTheNewContent)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	WriteFileBytes(ToNative(Path), "old");
	SetMode(ToNative(Path), 06755);
	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_EQ(ModeOf(ToNative(Path)), 0755);
}

TEST(PosixPermissions, AGroupThatCannotBeKeptGrantsNoMoreThanEveryoneElse)
{
	if (!IsSuperuser())
	{
		GTEST_SKIP() << "only the superuser can give the test user's file a group the test user is not in";
	}
	struct FCase
	{
		mode_t Mode;
		mode_t Expected;
	};
	const FCase Cases[] = {{0664, 0644}, {0670, 0600}, {0646, 0646}, {0660, 0600}};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		const FString Path = Folder.Path(u"OHeadSetConfig.json");
		WriteFileBytes(ToNative(Path), "old");
		GiveToOrdinaryUser(Folder.Native());
		ASSERT_EQ(::lchown(ToNative(Path).c_str(), OrdinaryUserId, 0), 0);
		SetMode(ToNative(Path), Case.Mode);
		RunAsOrdinaryUser(
			[&Path]
			{
				FString Error;
				EXPECT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
			});
		const struct stat Status = StatOf(ToNative(Path));
		EXPECT_EQ(Status.st_mode & 07777, Case.Expected) << std::oct << Case.Mode;
		EXPECT_EQ(Status.st_gid, OrdinaryUserId);
		EXPECT_EQ(ReadFileBytes(ToNative(Path)), "{}");
	}
}

TEST(PosixPermissions, ANewFileGetsTheDefaultMode)
{
	for (const mode_t Umask : {mode_t(022), mode_t(077), mode_t(002), mode_t(0)})
	{
		for (const bool bWithinBase : {false, true})
		{
			FScopedUmask Scoped(Umask);
			FTempFolder Folder;
			FFileAccess Access;
			if (bWithinBase)
			{
				Access.BaseFolder = Folder.Path();
			}
			const FString Path = Folder.Path(u"OHeadSetConfig.json");
			FString Error;
			ASSERT_TRUE(SaveBytes(Path, "{}", &Error, Access)) << Utf8(Error);
			EXPECT_EQ(ModeOf(ToNative(Path)), 0666 & ~Umask) << "umask " << std::oct << Umask;
		}
	}
}

TEST(PosixPermissions, CreatedFoldersTakeTheBaseFoldersBitsWhateverTheUmask)
{
	const mode_t BaseModes[] = {01777, 0755, 0700, 02770, 0775};
	for (const mode_t BaseMode : BaseModes)
	{
		for (const mode_t Umask : {mode_t(0), mode_t(022), mode_t(077)})
		{
			FTempFolder Folder;
			const fs::path Base = Folder.Native() / "Public";
			fs::create_directory(Base);
			ASSERT_EQ(::lchown(Base.c_str(), static_cast<uid_t>(-1), AnotherGroup()), 0);
			SetMode(Base, BaseMode);
			FFileAccess Access;
			Access.BaseFolder = Folder.Path(u"Public");

			FScopedUmask Scoped(Umask);
			FString Error;
			ASSERT_TRUE(SaveBytes(Access.BaseFolder + TEXT("/") + FString(ConfigBelowBase), "{}", &Error, Access)) << Utf8(Error);
			for (const char* Created : CreatedFolders)
			{
				const struct stat Status = StatOf(Base / Created);
				EXPECT_EQ(Status.st_mode & 07777, BaseMode) << Created << ": base " << std::oct << BaseMode << ", umask " << Umask;
				EXPECT_EQ(Status.st_gid, AnotherGroup()) << Created;
			}
		}
	}
}

TEST(PosixPermissions, ExistingFoldersBelowTheBaseAreLeftAsTheyAre)
{
	FTempFolder Folder;
	const fs::path Base = Folder.Native() / "Public";
	fs::create_directories(Base / "Orvek");
	SetMode(Base, 01777);
	SetMode(Base / "Orvek", 0750);
	FFileAccess Access;
	Access.BaseFolder = Folder.Path(u"Public");
	FString Error;
	ASSERT_TRUE(SaveBytes(Access.BaseFolder + TEXT("/") + FString(ConfigBelowBase), "{}", &Error, Access)) << Utf8(Error);
	EXPECT_EQ(ModeOf(Base / "Orvek"), 0750);
	EXPECT_EQ(ModeOf(Base / "Orvek/Skellan_4.20"), 01777);
}

TEST(PosixPermissions, CreatedFoldersAreNeverMoreOpenThanTheBase)
{
	if (!IsSuperuser())
	{
		GTEST_SKIP() << "only the superuser can give the test user's folder a group the test user is not in";
	}
	FTempFolder Folder;
	const fs::path Base = Folder.Native() / "Public";
	fs::create_directory(Base);
	GiveToOrdinaryUser(Folder.Native());
	ASSERT_EQ(::lchown(Base.c_str(), OrdinaryUserId, 0), 0);
	SetMode(Base, 0775);
	FFileAccess Access;
	Access.BaseFolder = Folder.Path(u"Public");
	RunAsOrdinaryUser(
		[&Access]
		{
			FString Error;
			EXPECT_TRUE(SaveBytes(Access.BaseFolder + TEXT("/") + FString(ConfigBelowBase), "{}", &Error, Access)) << Utf8(Error);
		});
	for (const char* Created : CreatedFolders)
	{
		const struct stat Status = StatOf(Base / Created);
		EXPECT_EQ(Status.st_mode & 07777, 0755) << Created << ": the group it could not keep gets what everyone else gets";
		EXPECT_EQ(Status.st_gid, OrdinaryUserId) << Created;
	}
}

TEST(PosixPermissions, TheCopyOfTheOldFileIsThatFileWithItsMode)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	WriteFileBytes(ToNative(Path), "old");
	SetMode(ToNative(Path), 0640);
	const struct stat Old = StatOf(ToNative(Path));
	FFileAccess Access;
	Access.BaseFolder = Folder.Path();
	Access.BackupFilename = Folder.Path(u"OHeadSetConfig.json.bak");
	WriteFileBytes(ToNative(Access.BackupFilename), "an older copy");
	SetMode(ToNative(Access.BackupFilename), 0666);

	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error, Access)) << Utf8(Error);
	const struct stat Copy = StatOf(ToNative(Access.BackupFilename));
	EXPECT_EQ(ReadFileBytes(ToNative(Access.BackupFilename)), "old");
	EXPECT_EQ(Copy.st_mode & 07777, 0640);
	EXPECT_EQ(Copy.st_ino, Old.st_ino) << "the copy is the old file itself, under a second name";
	EXPECT_EQ(ModeOf(ToNative(Path)), 0640);
}
