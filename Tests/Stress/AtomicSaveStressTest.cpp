// The atomic save under stress: a saver killed with SIGKILL at random
// moments, many times, and two savers writing the same file at once. The
// settings file must always be exactly one whole version, never a mix, a
// cut-short text or an older version come back.
//
// Kept short by default; HMD_STRESS_ROUNDS=N runs N kills and lets the two
// savers run N/200 seconds. The counts are printed on standard output.
#include "StressVersions.h"

#include "Containers/StringConv.h"
#include "HAL/FileAccess.h"
#include "HAL/PlatformProcess.h"
#include "Misc/FileHelper.h"
#include "Posix/ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace
{
	constexpr int DefaultRounds = 200;
	/** Rounds of the kill test for each second the two savers run together. */
	constexpr int RoundsPerSecond = 200;
	constexpr std::chrono::seconds Patience(30);

	int GetRounds()
	{
		const char* Value = std::getenv("HMD_STRESS_ROUNDS");
		const int Rounds = Value != nullptr ? std::atoi(Value) : 0;
		return Rounds > 0 ? Rounds : DefaultRounds;
	}

	/** What a saver printed: its last reported save and how many of each kind. */
	struct FSaverReport
	{
		int64 LastSaved = 0;
		int64 Saves = 0;
		int64 Failures = 0;
		std::string FirstFailure;
	};

	FSaverReport ReadReport(const std::string& Output)
	{
		FSaverReport Report;
		std::istringstream Lines(Output);
		for (std::string Line; std::getline(Lines, Line);)
		{
			// A line without its end is one the saver was killed in the middle of.
			if (Lines.eof())
			{
				break;
			}
			if (Line.starts_with("saved "))
			{
				Report.LastSaved = std::stoll(Line.substr(6));
				++Report.Saves;
			}
			else
			{
				Report.FirstFailure = Report.Failures++ == 0 ? Line : Report.FirstFailure;
			}
		}
		return Report;
	}

	class AtomicSaveStress : public testing::Test
	{
	protected:
		void SetUp() override
		{
			File = GetStressSettingsFile(StringConv::FromUtf8(Base.string()));
		}

		static std::string Saver() { return (std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / "StressSaver").string(); }

		bool StartSaver(FChildProcess& Child, int64 Generation) const
		{
			return Child.Start({Saver(), Base.string(), std::to_string(Generation)});
		}

		/** The version the file holds; nullopt when there is no file. Fails the test when it holds no whole version. */
		std::optional<FStressVersion> ReadVersion() const
		{
			FString Text;
			FFileAccess Access;
			Access.BaseFolder = StringConv::FromUtf8(Base.string());
			FString Error;
			// Once there, the file is only ever replaced, never missing: a file there before the load must load.
			const bool bThereBefore = std::filesystem::exists(StringConv::ToUtf8(File));
			if (!FFileHelper::LoadFileToString(Text, *File, FFileHelper::EHashOptions::None, Access, &Error))
			{
				EXPECT_FALSE(bThereBefore) << "the file is there but does not load: " << StringConv::ToUtf8(Error);
				return std::nullopt;
			}
			FStressVersion Version;
			EXPECT_TRUE(IdentifyStressVersion(Text, Version)) << "not one whole version (" << Text.Len() << " characters): "
															  << StringConv::ToUtf8(Text).substr(0, 200);
			return Version;
		}

		/** The files beside the settings file that killed saves left. */
		int CountLeftovers() const
		{
			const std::filesystem::path Folder = std::filesystem::path(StringConv::ToUtf8(File)).parent_path();
			std::error_code Ignored;
			int Count = 0;
			for (const auto& Entry : std::filesystem::directory_iterator(Folder, Ignored))
			{
				Count += Entry.path().filename() != "OHeadSetConfig.json" ? 1 : 0;
			}
			return Count;
		}

		FTempFolder Temp;
		const std::filesystem::path& Base = Temp.Native();
		FString File;
	};
}

TEST_F(AtomicSaveStress, ASaveKilledAtAnyMomentLeavesOneWholeVersion)
{
	const int Rounds = GetRounds();
	const unsigned Seed = std::random_device()();
	std::mt19937 Random(Seed);
	std::uniform_int_distribution<int> DelayMicroseconds(0, 4000);
	std::optional<FStressVersion> Known;
	int64 SavesSeen = 0;
	int Kills = 0;
	int Checked = 0;
	int KilledBeforeAnySave = 0;
	for (int Round = 1; Round <= Rounds && !HasFailure(); ++Round)
	{
		FChildProcess Child;
		ASSERT_TRUE(StartSaver(Child, Round));
		// One round in four is killed from its start on, maybe before or during its first save; the others once they have saved.
		if (Random() % 4 != 0)
		{
			ASSERT_TRUE(Child.WaitForOutput("saved ", Patience)) << Child.GetOutput();
		}
		std::this_thread::sleep_for(std::chrono::microseconds(DelayMicroseconds(Random)));
		ASSERT_TRUE(Child.SendSignal(SIGKILL));
		const FChildEnd End = Child.Wait();
		ASSERT_FALSE(End.bExited) << "the saver ended by itself: " << Child.GetOutput();
		ASSERT_EQ(End.Code, SIGKILL);
		++Kills;

		const FSaverReport Report = ReadReport(Child.GetOutput());
		EXPECT_EQ(Report.Failures, 0) << Report.FirstFailure;
		SavesSeen += Report.Saves;
		KilledBeforeAnySave += Report.Saves == 0 ? 1 : 0;

		// The file holds the last save reported, or the one after it when the
		// kill came between its rename and its report; with none reported, the
		// version before this round or this round's first.
		const std::optional<FStressVersion> Found = ReadVersion();
		++Checked;
		const FStressVersion Reported{Round, Report.LastSaved};
		const FStressVersion Next{Round, Report.LastSaved + 1};
		const bool bExpected = Found.has_value()
			? *Found == Next || (Report.LastSaved > 0 ? *Found == Reported : Known == Found)
			: Report.LastSaved == 0 && !Known.has_value();
		EXPECT_TRUE(bExpected) << "round " << Round << ", saves reported " << Report.LastSaved << ", found "
							   << (Found ? "g" + std::to_string(Found->Generation) + " s" + std::to_string(Found->Sequence) : "no file");
		Known = Found;
	}
	const int Leftovers = CountLeftovers();
	std::printf("stress (seed %u): %d kills (%d before any save of their run), %lld saves seen, %d versions checked, %d temporary files left\n",
		Seed, Kills, KilledBeforeAnySave, static_cast<long long>(SavesSeen), Checked, Leftovers);
	RecordProperty("Kills", Kills);
	RecordProperty("SavesSeen", static_cast<int>(SavesSeen));
	RecordProperty("VersionsChecked", Checked);
}

TEST_F(AtomicSaveStress, TwoSaversAtOnceLeaveOneWholeVersionAtEveryMoment)
{
	const auto Duration = std::chrono::milliseconds(std::max(1000, GetRounds() * 1000 / RoundsPerSecond));
	constexpr int64 Generations[] = {1, 2};
	FChildProcess Savers[2];
	for (int Index = 0; Index < 2; ++Index)
	{
		ASSERT_TRUE(StartSaver(Savers[Index], Generations[Index]));
	}

	// Each saver's versions come in order: once one is seen, no older one of that saver may come back.
	std::map<int64, int64> LatestSeen;
	int Checked = 0;
	const auto Deadline = std::chrono::steady_clock::now() + Duration;
	while (std::chrono::steady_clock::now() < Deadline && !HasFailure())
	{
		const std::optional<FStressVersion> Found = ReadVersion();
		for (FChildProcess& Saver : Savers)
		{
			Saver.ReadAvailableOutput();
		}
		if (!Found)
		{
			continue;
		}
		++Checked;
		const int Index = Found->Generation == Generations[0] ? 0 : 1;
		ASSERT_TRUE(Found->Generation == Generations[Index]) << "a version of neither saver: g" << Found->Generation;
		EXPECT_LE(Found->Sequence, ReadReport(Savers[Index].GetOutput()).LastSaved + 1) << "a version not saved yet";
		EXPECT_GE(Found->Sequence, LatestSeen[Found->Generation]) << "an older version came back";
		LatestSeen[Found->Generation] = Found->Sequence;
	}

	FSaverReport Reports[2];
	for (int Index = 0; Index < 2; ++Index)
	{
		ASSERT_TRUE(Savers[Index].SendSignal(SIGKILL));
		const FChildEnd End = Savers[Index].Wait();
		EXPECT_FALSE(End.bExited) << "saver " << Index << " ended by itself: " << Savers[Index].GetOutput();
		Reports[Index] = ReadReport(Savers[Index].GetOutput());
		EXPECT_GT(Reports[Index].Saves, 0) << "saver " << Index << " saved nothing";
		EXPECT_EQ(Reports[Index].Failures, 0) << Reports[Index].FirstFailure;
	}
	EXPECT_TRUE(ReadVersion().has_value()) << "no file after all those saves";
	++Checked;

	const double Seconds = std::chrono::duration<double>(Duration).count();
	std::printf("stress: 2 savers for %.1f s: %lld + %lld saves seen (%lld + %lld failed), %d versions checked, %d temporary files left\n", Seconds,
		static_cast<long long>(Reports[0].Saves), static_cast<long long>(Reports[1].Saves), static_cast<long long>(Reports[0].Failures),
		static_cast<long long>(Reports[1].Failures), Checked, CountLeftovers());
	RecordProperty("ConcurrentSaves", static_cast<int>(Reports[0].Saves + Reports[1].Saves));
	RecordProperty("ConcurrentVersionsChecked", Checked);
}
