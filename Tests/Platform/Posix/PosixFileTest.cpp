// File behaviour that depends on POSIX permissions and special files.
#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
	/** Permission bits do not stop the superuser, who runs the tests in CI. */
	bool IsSuperuser()
	{
		return ::geteuid() == 0;
	}
}

TEST(PosixFile, ReadOnlyFolderKeepsTheOldFile)
{
	if (IsSuperuser())
	{
		GTEST_SKIP() << "permissions do not apply to the superuser";
	}
	FTempFolder Folder;
	const FString Path = Folder.Path(u"Config/OHeadSetConfig.json");
	std::filesystem::create_directory(Folder.Native() / "Config");
	WriteBytes(ToNative(Path), "old");
	std::filesystem::permissions(Folder.Native() / "Config", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

	const uint8 Bytes[] = {'{', '}'};
	FString Error;
	EXPECT_FALSE(IFileManager::Get().WriteFileAtomically(*Path, Bytes, sizeof(Bytes), &Error));
	EXPECT_NE(Error.View().find(Folder.Path(u"Config").View()), std::u16string_view::npos) << Utf8(Error);
	EXPECT_EQ(ReadBytes(ToNative(Path)), "old");
	EXPECT_EQ(Folder.Names(u"Config"), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(PosixFile, LoadRefusesAPipeWithoutWaitingForAWriter)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	ASSERT_EQ(::mkfifo(ToNative(Path).c_str(), 0600), 0);
	TArray<uint8> Loaded{1, 2};
	FString Error;
	EXPECT_FALSE(IFileManager::Get().LoadFile(*Path, Loaded, &Error));
	EXPECT_EQ(Loaded.Num(), 2);
	EXPECT_NE(Error.View().find(u"not a regular file"), std::u16string_view::npos) << Utf8(Error);
}
