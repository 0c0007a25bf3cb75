// Saves that meet what another process or the system does at the same time:
// a writer still at work, a folder nothing may be removed from, a size limit,
// another save of the same file.
#include "HAL/FileManager.h"

#include "PlatformTestSupport.h"
#include "Posix/PosixTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
	namespace fs = std::filesystem;

	const std::string OldContent = "{\"SubjectName\": \"Old\"}";
	const char* const LeftoverName = "OHeadSetConfig.json.0123456789abcdef.tmp";

	/** Marks a folder append-only (entries may be added, none removed or renamed) while it lives. */
	class FScopedAppendOnly
	{
	public:
		explicit FScopedAppendOnly(const fs::path& InFolder) : Descriptor(::open(InFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
		{
			int Flags = 0;
			bSet = Descriptor >= 0 && ::ioctl(Descriptor, FS_IOC_GETFLAGS, &Flags) == 0
				&& (Flags |= FS_APPEND_FL, ::ioctl(Descriptor, FS_IOC_SETFLAGS, &Flags) == 0);
		}
		~FScopedAppendOnly()
		{
			int Flags = 0;
			if (bSet && ::ioctl(Descriptor, FS_IOC_GETFLAGS, &Flags) == 0)
			{
				Flags &= ~FS_APPEND_FL;
				::ioctl(Descriptor, FS_IOC_SETFLAGS, &Flags);
			}
			if (Descriptor >= 0)
			{
				::close(Descriptor);
			}
		}
		FScopedAppendOnly(const FScopedAppendOnly&) = delete;
		FScopedAppendOnly& operator=(const FScopedAppendOnly&) = delete;

		bool IsSet() const { return bSet; }

	private:
		int Descriptor;
		bool bSet = false;
	};

	/** Every name in the folder that is a temporary file of the settings file. */
	std::vector<std::u16string> TemporaryNames(const FTempFolder& Folder)
	{
		std::vector<std::u16string> Names;
		for (const std::u16string& Name : Folder.Names())
		{
			if (Name.ends_with(u".tmp"))
			{
				Names.push_back(Name);
			}
		}
		return Names;
	}
}

TEST(PosixSave, ALeftoverHeldByItsWriterStaysUntilTheWriterLetsGo)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	const fs::path Leftover = Folder.Native() / LeftoverName;
	WriteFileBytes(Leftover, "being written");
	SetAge(Leftover, 3600);
	// A writer in another process holds its lock on an open descriptor of its own.
	const int Writer = ::open(Leftover.c_str(), O_WRONLY | O_CLOEXEC);
	ASSERT_GE(Writer, 0);
	ASSERT_EQ(::flock(Writer, LOCK_EX), 0);

	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_EQ(ReadFileBytes(Leftover), "being written");
	::close(Writer);

	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_FALSE(fs::exists(Leftover)) << "let go of and an hour old, it is a leftover";
}

TEST(PosixSave, OnlyRegularFilesOfItsOwnUserAreTakenForLeftovers)
{
	struct FCase
	{
		const char* Description;
		bool bSuperuserOnly;
		std::function<void(const fs::path&)> Make;
	};
	const FCase Cases[] = {
		{"a pipe", false, [](const fs::path& At) { ASSERT_EQ(::mkfifo(At.c_str(), 0600), 0); }},
		{"a folder", false, [](const fs::path& At) { fs::create_directory(At); }},
		{"a link", false, [](const fs::path& At) { fs::create_symlink("OHeadSetConfig.json", At); }},
		{"another user's file", true,
			[](const fs::path& At)
			{
				WriteFileBytes(At, "theirs");
				GiveToOrdinaryUser(At);
			}},
	};
	for (const FCase& Case : Cases)
	{
		if (Case.bSuperuserOnly && !IsSuperuser())
		{
			// Only the superuser can make a file of someone else's.
			continue;
		}
		FTempFolder Folder;
		const FString Path = Folder.Path(u"OHeadSetConfig.json");
		WriteFileBytes(ToNative(Path), OldContent);
		const fs::path Leftover = Folder.Native() / LeftoverName;
		Case.Make(Leftover);
		SetAge(Leftover, 3600);

		FString Error;
		ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
		EXPECT_TRUE(fs::exists(fs::symlink_status(Leftover))) << Case.Description;
	}
}

TEST(PosixSave, NamesThatAreNotUtf8AreLeftAlone)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	WriteFileBytes(ToNative(Path), OldContent);
	// The look-alike a careless decoding would give is a leftover name of the file.
	const fs::path Undecodable = Folder.Native() / "OHeadSetConfig.json.0123456789abcde\xff.tmp";
	const fs::path LookAlike = Folder.Native() / "OHeadSetConfig.json.0123456789abcde\xef\xbf\xbd.tmp";
	WriteFileBytes(Undecodable, "not ours");
	WriteFileBytes(LookAlike, "not ours either");
	SetAge(Undecodable, 3600);
	SetAge(LookAlike, 3600);

	FString Error;
	ASSERT_TRUE(SaveBytes(Path, "{}", &Error)) << Utf8(Error);
	EXPECT_TRUE(fs::exists(Undecodable));
	EXPECT_TRUE(fs::exists(LookAlike));
}

TEST(PosixSave, ATemporaryFileThatCannotBeRemovedIsNamedInTheError)
{
	if (!IsSuperuser())
	{
		GTEST_SKIP() << "only the superuser can make a folder append-only";
	}
	struct FCase
	{
		const char* Description;
		bool bOldFile;
		bool bCopy;
	};
	const FCase Cases[] = {
		{"a new file", false, false},
		{"an old file", true, false},
		{"an old file kept as a copy", true, true},
	};
	for (const FCase& Case : Cases)
	{
		FTempFolder Folder;
		const FString Path = Folder.Path(u"OHeadSetConfig.json");
		if (Case.bOldFile)
		{
			WriteFileBytes(ToNative(Path), OldContent);
		}
		FFileAccess Access;
		Access.BaseFolder = Folder.Path();
		if (Case.bCopy)
		{
			Access.BackupFilename = Folder.Path(u"OHeadSetConfig.json.bak");
		}
		FString Error;
		{
			FScopedAppendOnly AppendOnly(Folder.Native());
			if (!AppendOnly.IsSet())
			{
				GTEST_SKIP() << "this file system has no append-only folders";
			}
			EXPECT_FALSE(SaveBytes(Path, "{}", &Error, Access)) << Case.Description;
		}
		const std::vector<std::u16string> Left = TemporaryNames(Folder);
		EXPECT_FALSE(Left.empty()) << Case.Description;
		for (const std::u16string& Name : Left)
		{
			EXPECT_TRUE(Contains(Error, Folder.Path(Name).View())) << Case.Description << ": " << Utf8(Error);
		}
		EXPECT_TRUE(Contains(Error, u"left behind")) << Utf8(Error);
		EXPECT_EQ(Case.bOldFile ? ReadFileBytes(ToNative(Path)) : std::string("missing"), Case.bOldFile ? OldContent : "missing");
	}
}

TEST(PosixSave, AFileSizeLimitFailsTheSaveAndKeepsTheOldFile)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	WriteFileBytes(ToNative(Path), OldContent);
	RunInChildProcess(
		[&Path]
		{
			// As on a full disk, the write stops short; the signal that would end the process is ignored.
			::signal(SIGXFSZ, SIG_IGN);
			const rlimit Limit{8, 8};
			ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &Limit), 0);
			FString Error;
			EXPECT_FALSE(SaveBytes(Path, std::string(4096, 'x'), &Error));
			EXPECT_TRUE(Contains(Error, u"Could not write")) << Utf8(Error);
		});
	EXPECT_EQ(ReadFileBytes(ToNative(Path)), OldContent);
	EXPECT_EQ(Folder.Names(), std::vector<std::u16string>{u"OHeadSetConfig.json"});
}

TEST(PosixSave, ConcurrentSavesAlwaysLeaveOneWholeVersion)
{
	FTempFolder Folder;
	const FString Path = Folder.Path(u"OHeadSetConfig.json");
	FFileAccess Access;
	Access.BaseFolder = Folder.Path();
	Access.BackupFilename = Folder.Path(u"OHeadSetConfig.json.bak");
	const std::string Versions[] = {OldContent, std::string(3000, 'a'), std::string(5000, 'b')};
	WriteFileBytes(ToNative(Path), Versions[0]);
	constexpr int SavesEach = 100;

	std::vector<pid_t> Savers;
	for (const std::string& Version : {Versions[1], Versions[2]})
	{
		std::fflush(nullptr);
		const pid_t Saver = ::fork();
		ASSERT_GE(Saver, 0);
		if (Saver == 0)
		{
			int Failures = 0;
			for (int Save = 0; Save < SavesEach; ++Save)
			{
				FString Error;
				if (!SaveBytes(Path, Version, &Error, Access))
				{
					++Failures;
					std::fprintf(stderr, "%s\n", Utf8(Error).c_str());
				}
			}
			::_exit(Failures == 0 ? 0 : 1);
		}
		Savers.push_back(Saver);
	}
	// Read while they save: every read is one whole version.
	for (int Read = 0; Read < 2 * SavesEach; ++Read)
	{
		std::string Loaded;
		FString Error;
		ASSERT_TRUE(LoadBytes(Path, Loaded, &Error, Access)) << Utf8(Error);
		EXPECT_TRUE(Loaded == Versions[0] || Loaded == Versions[1] || Loaded == Versions[2]) << Loaded.size() << " bytes";
	}
	for (const pid_t Saver : Savers)
	{
		int Status = 0;
		ASSERT_EQ(::waitpid(Saver, &Status, 0), Saver);
		EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << "every save succeeds";
	}
	const std::string Final = ReadFileBytes(ToNative(Path));
	EXPECT_TRUE(Final == Versions[1] || Final == Versions[2]) << Final.size() << " bytes";
	const std::string Copy = ReadFileBytes(ToNative(Access.BackupFilename));
	EXPECT_TRUE(Copy == Versions[0] || Copy == Versions[1] || Copy == Versions[2]) << Copy.size() << " bytes";
	EXPECT_EQ(Folder.Names(), (std::vector<std::u16string>{u"OHeadSetConfig.json", u"OHeadSetConfig.json.bak"}));
}
