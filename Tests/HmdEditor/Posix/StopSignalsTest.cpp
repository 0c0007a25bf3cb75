// The stop signals' note, each case in a process of its own (a death test's
// child), since a signal once noted stays noted for the process.
#include "HmdEditor/App/StopSignals.h"
#include "StopSignalCases.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace
{
	/** Installs the handlers over the defaults, whatever the test runner was started with (a background job ignores SIGINT). */
	void InstallOverDefaults()
	{
		for (const FStopSignalCase& Case : StopSignalCases)
		{
			std::signal(Case.Signal, SIG_DFL);
		}
		sigset_t NoneBlocked;
		sigemptyset(&NoneBlocked);
		sigprocmask(SIG_SETMASK, &NoneBlocked, nullptr);
		StopSignals::Install();
	}

	/** Ends the child with status 0 when Condition holds, else 1. */
	[[noreturn]] void ExitWith(bool bCondition)
	{
		std::_Exit(bCondition ? 0 : 1);
	}
}

TEST(StopSignalsDeathTest, NothingNotedGivesTheRunsOwnStatus)
{
	EXPECT_EXIT(
		{
			InstallOverDefaults();
			ExitWith(StopSignals::GetReceived() == 0 && StopSignals::GetExitStatus(2) == 2 && StopSignals::Sleep(std::chrono::milliseconds(1)));
		},
		::testing::ExitedWithCode(0), "");
}

TEST(StopSignalsDeathTest, AStopSignalIsNotedAndGives128PlusItsNumber)
{
	for (const FStopSignalCase& Case : StopSignalCases)
	{
		EXPECT_EXIT(
			{
				InstallOverDefaults();
				std::raise(Case.Signal);
				ExitWith(StopSignals::GetReceived() == Case.Signal && StopSignals::GetExitStatus(0) == Case.ExpectedStatus);
			},
			::testing::ExitedWithCode(0), "")
			<< Case.Name;
	}
}

TEST(StopSignalsDeathTest, TheFirstSignalIsTheOneKept)
{
	EXPECT_EXIT(
		{
			InstallOverDefaults();
			std::raise(SIGHUP);
			std::raise(SIGTERM);
			ExitWith(StopSignals::GetExitStatus(0) == 129);
		},
		::testing::ExitedWithCode(0), "");
}

TEST(StopSignalsDeathTest, ASignalThatCameBeforeASleepEndsItAtOnce)
{
	// Were the signal missed, the sleep would run its hour and the test time out.
	EXPECT_EXIT(
		{
			InstallOverDefaults();
			std::raise(SIGTERM);
			ExitWith(!StopSignals::Sleep(std::chrono::hours(1)));
		},
		::testing::ExitedWithCode(0), "");
}

TEST(StopSignalsDeathTest, ASignalIgnoredAtTheStartStaysIgnored)
{
	// As under nohup: the signal neither ends the process nor is noted.
	EXPECT_EXIT(
		{
			std::signal(SIGHUP, SIG_IGN);
			StopSignals::Install();
			std::raise(SIGHUP);
			ExitWith(StopSignals::GetReceived() == 0);
		},
		::testing::ExitedWithCode(0), "");
}
