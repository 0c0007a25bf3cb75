// The terminal's signals, each case in a process of its own (a death test's
// child), since handlers and notes belong to the whole process.
#include "FileBytes.h"
#include "HmdEditor/Terminal/TerminalSignals.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{
	[[noreturn]] void ExitWith(bool bCondition)
	{
		std::_Exit(bCondition ? 0 : 1);
	}

	void InstallWithNothingBlocked(std::string_view RestoreSequence)
	{
		sigset_t NoneBlocked;
		sigemptyset(&NoneBlocked);
		sigprocmask(SIG_SETMASK, &NoneBlocked, nullptr);
		TerminalSignals::Install(RestoreSequence, termios{});
	}

	/** Installs the handlers with nothing to restore and opens a pipe to wait on; the child fails when it cannot. */
	void InstallWithAPipe(int (&Pipe)[2])
	{
		InstallWithNothingBlocked("");
		if (pipe(Pipe) != 0)
		{
			ExitWith(false);
		}
	}
}

TEST(TerminalSignalsDeathTest, ANotedSignalThatCameBeforeTheWaitEndsItAtOnce)
{
	struct FCase { const char* Name; int Signal; bool (*Take)(); };
	const FCase Cases[] = {
		{"SIGWINCH", SIGWINCH, &TerminalSignals::TakeResized},
		{"SIGTSTP", SIGTSTP, &TerminalSignals::TakeSuspendRequest},
		{"SIGCONT", SIGCONT, &TerminalSignals::TakeContinued},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EXIT(
			{
				int Pipe[2];
				InstallWithAPipe(Pipe);
				std::raise(Case.Signal);
				// Nothing is ever written to the pipe: without the note the wait would never end.
				const bool bSignalled = TerminalSignals::WaitForReadable(Pipe[0], -1) == TerminalSignals::EWaitResult::Signalled;
				ExitWith(bSignalled && Case.Take() && !Case.Take());
			},
			::testing::ExitedWithCode(0), "")
			<< Case.Name;
	}
}

TEST(TerminalSignalsDeathTest, WaitsForInputAndForTheTimeout)
{
	EXPECT_EXIT(
		{
			int Pipe[2];
			InstallWithAPipe(Pipe);
			const bool bTimedOut = TerminalSignals::WaitForReadable(Pipe[0], 1) == TerminalSignals::EWaitResult::TimedOut;
			const bool bWritten = write(Pipe[1], "x", 1) == 1;
			ExitWith(bTimedOut && bWritten && TerminalSignals::WaitForReadable(Pipe[0], -1) == TerminalSignals::EWaitResult::Readable);
		},
		::testing::ExitedWithCode(0), "");
}

TEST(TerminalSignalsDeathTest, AFatalSignalWritesTheRestoreSequenceAndDiesOfTheSignal)
{
	const int FatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
	const FTempFolder Folder;
	for (const int Signal : FatalSignals)
	{
		const std::filesystem::path Output = Folder.Native() / std::to_string(Signal);
		EXPECT_EXIT(
			{
				const int File = open(Output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
				dup2(File, STDOUT_FILENO);
				InstallWithNothingBlocked("\x1B[?1049l restored");
				TerminalSignals::SetTakenOver(true);
				std::raise(Signal);
				ExitWith(false);
			},
			::testing::KilledBySignal(Signal), "")
			<< Signal;
		EXPECT_EQ(ReadFileBytes(Output), "\x1B[?1049l restored") << Signal;
	}
}

TEST(TerminalSignalsDeathTest, AFatalSignalWritesNothingWhileTheTerminalIsGivenBack)
{
	const FTempFolder Folder;
	const std::filesystem::path Output = Folder.Native() / "given-back";
	EXPECT_EXIT(
		{
			const int File = open(Output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
			dup2(File, STDOUT_FILENO);
			InstallWithNothingBlocked("restored");
			TerminalSignals::SetTakenOver(true);
			TerminalSignals::SetTakenOver(false);
			std::raise(SIGSEGV);
			ExitWith(false);
		},
		::testing::KilledBySignal(SIGSEGV), "");
	EXPECT_EQ(ReadFileBytes(Output), "");
}
