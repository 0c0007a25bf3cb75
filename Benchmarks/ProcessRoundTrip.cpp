#include "ProcessRoundTrip.h"

#include "FileBytes.h"
#include "JsonPeer.h"
#include "RatioReporter.h"
#include "RoundTripChild.h"
#include "Spread.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#ifndef HMD_BENCH_BUILD_TYPE
#define HMD_BENCH_BUILD_TYPE "unknown"
#endif
#ifndef HMD_BENCH_LTO
#define HMD_BENCH_LTO 0
#endif

namespace
{
	using RoundTripChild::FReport;

	/** The targets of one measured program over the peers' medians; none for a figure kept for reference. */
	struct FTargets
	{
		std::optional<double> TimeOverRapidJson;
		std::optional<double> TimeOverNlohmann;
		std::optional<double> MemoryOverRapidJson;
	};

	/** One way of running the children: with transparent huge pages as the system has them, or disabled. */
	struct FHugePagesMode
	{
		const char* Title;
		/** Ends the name of each ratio, so that the two modes' verdicts read apart. */
		const char* RatioSuffix;
		bool bDisabled;
		/** The targets of the `hmd-json` program in this mode. */
		FTargets ProgramTargets;
	};
	const FHugePagesMode Modes[] = {
		{"transparent huge pages as the system has them", "", false, {1.0, 0.4, 1.25}},
		{"transparent huge pages disabled (prctl PR_SET_THP_DISABLE, inherited by hmd-json)", " without huge pages", true,
			{1.25, std::nullopt, std::nullopt}},
	};
	constexpr size_t ModeCount = std::size(Modes);

	/** One implementation measured, with its runs in each mode; a failed run ends its runs in that mode. */
	struct FMeasured
	{
		explicit FMeasured(std::string InName) : Name(std::move(InName)) {}

		std::string Name;
		std::vector<FReport> Runs[ModeCount];
		bool bFailed[ModeCount] = {};
	};

	/** The bracketed choice of the system's setting, as "madvise"; "unavailable" when there is none. */
	std::string SystemHugePages()
	{
		std::ifstream Setting("/sys/kernel/mm/transparent_hugepage/enabled");
		std::string Line;
		std::getline(Setting, Line);
		const size_t Open = Line.find('[');
		const size_t Close = Line.find(']', Open);
		return Open == std::string::npos || Close == std::string::npos ? "unavailable" : Line.substr(Open + 1, Close - Open - 1);
	}

	/** One fresh child process doing one round trip (see RoundTripChild.h); nothing when it failed. */
	std::optional<FReport> RunChildProcess(const std::string& SelfPath, const std::string& Name, const std::string& InputPath,
		const std::string& OutputPath, bool bDisableHugePages)
	{
		const std::string Flag = RoundTripChild::Flag + Name;
		int Pipe[2];
		if (pipe(Pipe) != 0)
		{
			return std::nullopt;
		}
		std::fflush(stdout);
		const pid_t Child = fork();
		if (Child < 0)
		{
			close(Pipe[0]);
			close(Pipe[1]);
			return std::nullopt;
		}
		if (Child == 0)
		{
			// Set before exec: the child keeps it, and so does the program it starts.
			if (bDisableHugePages && prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0) != 0)
			{
				std::perror("json-bench: prctl(PR_SET_THP_DISABLE)");
				_exit(126);
			}
			if (dup2(Pipe[1], STDOUT_FILENO) < 0)
			{
				_exit(126);
			}
			close(Pipe[0]);
			close(Pipe[1]);
			execl(SelfPath.c_str(), SelfPath.c_str(), Flag.c_str(), InputPath.c_str(), OutputPath.c_str(), static_cast<char*>(nullptr));
			_exit(127);
		}
		close(Pipe[1]);
		std::string Output;
		char Buffer[256];
		for (;;)
		{
			const ssize_t Got = read(Pipe[0], Buffer, sizeof(Buffer));
			if (Got > 0)
			{
				Output.append(Buffer, static_cast<size_t>(Got));
			}
			else if (Got == 0 || errno != EINTR)
			{
				break;
			}
		}
		close(Pipe[0]);
		int Status = 0;
		while (waitpid(Child, &Status, 0) < 0 && errno == EINTR)
		{
		}
		if (!WIFEXITED(Status) || WEXITSTATUS(Status) != 0)
		{
			return std::nullopt;
		}
		const std::optional<FReport> Report = RoundTripChild::ParseReport(Output);
		if (Report && Report->bHugePagesDisabled != bDisableHugePages)
		{
			std::fprintf(stderr, "json-bench: the %s child ran with transparent huge pages %s, not as asked\n", Name.c_str(),
				Report->bHugePagesDisabled ? "disabled" : "allowed");
			return std::nullopt;
		}
		return Report;
	}

	/** One figure of a report. */
	using FReportField = double (*)(const FReport& Report);

	FSpread SpreadOf(const std::vector<FReport>& Runs, FReportField Field)
	{
		std::vector<double> Values;
		for (const FReport& Run : Runs)
		{
			Values.push_back(Field(Run));
		}
		return FSpread::Of(std::move(Values));
	}

	double CpuOf(const FReport& Run) { return Run.CpuSeconds; }
	double WallOf(const FReport& Run) { return Run.Seconds; }
	double PeakMiBOf(const FReport& Run) { return static_cast<double>(Run.PeakKib) / 1024.0; }
	double BaselineMiBOf(const FReport& Run) { return static_cast<double>(Run.BaselineKib) / 1024.0; }

	std::string SpreadText(const FSpread& Spread, const char* Format)
	{
		char Text[64];
		std::snprintf(Text, sizeof(Text), Format, Spread.Median, Spread.Min, Spread.Max);
		return Text;
	}

	void PrintTable(const std::vector<FMeasured>& Measured, size_t Mode)
	{
		std::printf("%-12s %-24s %-24s %-24s %12s\n", "", "CPU seconds", "seconds", "peak RSS MiB", "baseline MiB");
		std::printf("%-12s %-24s %-24s %-24s %12s\n", "", "median (min-max)", "median (min-max)", "median (min-max)", "median");
		for (const FMeasured& Program : Measured)
		{
			const std::vector<FReport>& Runs = Program.Runs[Mode];
			if (Program.bFailed[Mode] || Runs.empty())
			{
				std::printf("%-12s failed\n", Program.Name.c_str());
				continue;
			}
			std::printf("%-12s %-24s %-24s %-24s %12.1f\n", Program.Name.c_str(), SpreadText(SpreadOf(Runs, CpuOf), "%.3f (%.3f-%.3f)").c_str(),
				SpreadText(SpreadOf(Runs, WallOf), "%.3f (%.3f-%.3f)").c_str(),
				SpreadText(SpreadOf(Runs, PeakMiBOf), "%.1f (%.1f-%.1f)").c_str(), SpreadOf(Runs, BaselineMiBOf).Median);
		}
	}

	const FMeasured* Find(const std::vector<FMeasured>& Measured, const std::string& Name, size_t Mode)
	{
		for (const FMeasured& Program : Measured)
		{
			if (Program.Name == Name && !Program.bFailed[Mode] && !Program.Runs[Mode].empty())
			{
				return &Program;
			}
		}
		return nullptr;
	}

	/** Ours over each peer, ratios of the medians, with the verdicts of Targets. */
	void PrintRatios(const std::vector<FMeasured>& Measured, size_t Mode, const std::string& OursName, const FTargets& Targets)
	{
		const FMeasured* Ours = Find(Measured, OursName, Mode);
		if (Ours == nullptr)
		{
			return;
		}
		const FMeasured* Rapid = Find(Measured, RapidJsonPeer.Name, Mode);
		const FMeasured* Nlohmann = Find(Measured, NlohmannPeer.Name, Mode);
		const std::string Suffix = Modes[Mode].RatioSuffix;
		const auto Ratio = [Mode, Ours](const FMeasured& Theirs, FReportField Field) {
			return SpreadOf(Ours->Runs[Mode], Field).Median / SpreadOf(Theirs.Runs[Mode], Field).Median;
		};
		if (Rapid != nullptr)
		{
			PrintRatio(("CPU time" + Suffix).c_str(), OursName, Rapid->Name, Ratio(*Rapid, CpuOf), Targets.TimeOverRapidJson);
			PrintRatio(("Time" + Suffix).c_str(), OursName, Rapid->Name, Ratio(*Rapid, WallOf), Targets.TimeOverRapidJson);
		}
		if (Nlohmann != nullptr)
		{
			PrintRatio(("CPU time" + Suffix).c_str(), OursName, Nlohmann->Name, Ratio(*Nlohmann, CpuOf), Targets.TimeOverNlohmann);
			PrintRatio(("Time" + Suffix).c_str(), OursName, Nlohmann->Name, Ratio(*Nlohmann, WallOf), Targets.TimeOverNlohmann);
		}
		if (Rapid != nullptr)
		{
			PrintRatio(("Peak memory" + Suffix).c_str(), OursName, Rapid->Name, Ratio(*Rapid, PeakMiBOf), Targets.MemoryOverRapidJson);
		}
	}

	std::string OutputPathOf(const std::string& InputPath, const std::string& Name)
	{
		return InputPath + "." + Name + ".out";
	}
}

namespace ProcessRoundTrip
{
	void MeasureAll(const std::string& SelfPath, const std::string& InputPath, int Rounds)
	{
		std::vector<FMeasured> Measured;
		const bool bProgram = std::filesystem::exists(RoundTripChild::ProgramPath());
		if (bProgram)
		{
			Measured.emplace_back(RoundTripChild::ProgramName);
		}
		for (const FJsonPeer* Peer : JsonPeers)
		{
			Measured.emplace_back(Peer->Name);
		}

		const double InputMiB = static_cast<double>(std::filesystem::file_size(InputPath)) / (1024.0 * 1024.0);
		std::printf("\nRound trip of 'hmd-json format' on %s (%.1f MiB), fresh processes, %d alternating round%s:\n",
			std::filesystem::path(InputPath).filename().c_str(), InputMiB, Rounds, Rounds == 1 ? "" : "s");
		std::printf("json-bench and hmd-json built %s, link-time optimisation %s; transparent huge pages on this system: %s.\n",
			HMD_BENCH_BUILD_TYPE, HMD_BENCH_LTO ? "on" : "off", SystemHugePages().c_str());
		if (!bProgram)
		{
			std::printf("No %s beside json-bench (build its target too): the libraries only.\n", RoundTripChild::ProgramName);
		}
		std::printf("Each round runs every one once in each mode, in turn; the ratios are of the medians. '%s' is our\n"
					"library in a child the way the peers run, for reference; the targets are the program's.\n",
			OursPeer.Name);

		// Every round runs each implementation once in each mode, so that whatever else
		// the machine does falls on all of them alike.
		for (int Round = 0; Round < Rounds; ++Round)
		{
			for (size_t Mode = 0; Mode < ModeCount; ++Mode)
			{
				for (FMeasured& Program : Measured)
				{
					if (Program.bFailed[Mode])
					{
						continue;
					}
					const std::optional<FReport> Report = RunChildProcess(
						SelfPath, Program.Name, InputPath, OutputPathOf(InputPath, Program.Name), Modes[Mode].bDisabled);
					if (Report)
					{
						Program.Runs[Mode].push_back(*Report);
					}
					else
					{
						Program.bFailed[Mode] = true;
					}
				}
			}
		}

		for (size_t Mode = 0; Mode < ModeCount; ++Mode)
		{
			std::printf("\nWith %s:\n", Modes[Mode].Title);
			PrintTable(Measured, Mode);
			PrintRatios(Measured, Mode, RoundTripChild::ProgramName, Modes[Mode].ProgramTargets);
			PrintRatios(Measured, Mode, OursPeer.Name, FTargets{});
		}
		if (bProgram)
		{
			const std::vector<uint8_t> OursBytes = FileBytes::Load(OutputPathOf(InputPath, OursPeer.Name).c_str());
			const bool bSame = !OursBytes.empty() &&
				OursBytes == FileBytes::Load(OutputPathOf(InputPath, RoundTripChild::ProgramName).c_str());
			std::printf("\n%s and %s wrote %s bytes.\n", OursPeer.Name, RoundTripChild::ProgramName, bSame ? "the same" : "DIFFERENT");
		}
		for (const FMeasured& Program : Measured)
		{
			std::filesystem::remove(OutputPathOf(InputPath, Program.Name));
		}
		std::fflush(stdout);
	}
}
