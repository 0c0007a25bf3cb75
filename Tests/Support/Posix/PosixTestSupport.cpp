// The POSIX test helpers: modes, the umask, child processes and the ordinary user.
#include "Posix/PosixTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

bool IsSuperuser()
{
	return ::geteuid() == 0;
}

bool TakeOrdinaryUserIds()
{
	return ::setgroups(0, nullptr) == 0 && ::setgid(OrdinaryUserId) == 0 && ::setuid(OrdinaryUserId) == 0;
}

struct stat StatOf(const std::filesystem::path& Path)
{
	struct stat Status{};
	EXPECT_EQ(::lstat(Path.c_str(), &Status), 0) << Path;
	return Status;
}

mode_t ModeOf(const std::filesystem::path& Path)
{
	return StatOf(Path).st_mode & 07777;
}

void SetMode(const std::filesystem::path& Path, mode_t Mode)
{
	ASSERT_EQ(::chmod(Path.c_str(), Mode), 0) << Path;
}

void SetAge(const std::filesystem::path& Path, int SecondsAgo)
{
	timespec Now{};
	::clock_gettime(CLOCK_REALTIME, &Now);
	const timespec Then{Now.tv_sec - SecondsAgo, 0};
	const timespec Times[2] = {Then, Then};
	ASSERT_EQ(::utimensat(AT_FDCWD, Path.c_str(), Times, AT_SYMLINK_NOFOLLOW), 0) << Path;
}

void RunInChildProcess(const std::function<void()>& Body)
{
	std::fflush(nullptr);
	const pid_t Child = ::fork();
	ASSERT_GE(Child, 0) << "fork failed";
	if (Child == 0)
	{
		Body();
		std::fflush(nullptr);
		::_exit(testing::Test::HasFailure() ? 1 : 0);
	}
	int Status = 0;
	ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
	EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << "the part run in a child process failed (wait status " << Status << ")";
}

void RunAsOrdinaryUser(const std::function<void()>& Body)
{
	if (!IsSuperuser())
	{
		Body();
		return;
	}
	RunInChildProcess(
		[&Body]
		{
			ASSERT_TRUE(TakeOrdinaryUserIds())
				<< "could not take the ordinary user's ids";
			Body();
		});
}

void GiveToOrdinaryUser(const std::filesystem::path& Path)
{
	if (IsSuperuser())
	{
		ASSERT_EQ(::lchown(Path.c_str(), OrdinaryUserId, OrdinaryUserId), 0) << Path;
	}
}
