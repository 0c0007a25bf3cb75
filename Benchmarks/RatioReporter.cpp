#include "RatioReporter.h"

#include "JsonPeer.h"

#include <cstdio>

namespace
{
	/** The in-process measures with a target: our CPU time over RapidJSON's, the way the peers run. */
	struct FLibraryTarget
	{
		const char* Measure;
		double Target;
	};
	constexpr FLibraryTarget LibraryTargets[] = {
		{"Read/Mixed32MB", 2.0},
		{"Write/Mixed32MB", 1.0},
	};
}

void PrintRatio(const char* What, const std::string& Ours, const std::string& Theirs, double Ratio, std::optional<double> Target)
{
	if (!Target)
	{
		std::printf("%s, %s over %s: %.2fx (for reference)\n", What, Ours.c_str(), Theirs.c_str(), Ratio);
		return;
	}
	std::printf("%s, %s over %s: %.2fx (target at most %.2fx): %s\n", What, Ours.c_str(), Theirs.c_str(), Ratio,
		*Target, Ratio <= *Target ? "met" : "MISSED");
}

void FRatioReporter::ReportRuns(const std::vector<Run>& Runs)
{
	ConsoleReporter::ReportRuns(Runs);
	for (const Run& Result : Runs)
	{
		// Benchmark names are "Operation/Document/Implementation"; repetitions
		// and their aggregates keep the plain iteration runs only.
		const std::string Name = Result.run_name.function_name;
		const size_t Split = Name.rfind('/');
		if (Result.error_occurred || Result.run_type != Run::RT_Iteration || Split == std::string::npos)
		{
			continue;
		}
		// Both times are in the run's own unit, which is the same for every peer of one measure.
		Times[Name.substr(0, Split)][Name.substr(Split + 1)] = {Result.GetAdjustedRealTime(), Result.GetAdjustedCPUTime()};
	}
}

void FRatioReporter::Finalize()
{
	ConsoleReporter::Finalize();
	std::FILE* Out = stdout;
	std::fprintf(Out, "\n%-28s %21s %21s\n", "Our time over theirs", RapidJsonPeer.Name, NlohmannPeer.Name);
	std::fprintf(Out, "%-28s %10s %10s %10s %10s\n", "", "real", "CPU", "real", "CPU");
	for (const auto& [Measure, ByPeer] : Times)
	{
		const auto Ours = ByPeer.find(OursPeer.Name);
		if (Ours == ByPeer.end())
		{
			continue;
		}
		std::fprintf(Out, "%-28s", Measure.c_str());
		for (const FJsonPeer* Peer : JsonPeers)
		{
			if (Peer == &OursPeer)
			{
				continue;
			}
			const auto Theirs = ByPeer.find(Peer->Name);
			if (Theirs == ByPeer.end() || Theirs->second.Real <= 0.0 || Theirs->second.Cpu <= 0.0)
			{
				std::fprintf(Out, " %10s %10s", "-", "-");
			}
			else
			{
				std::fprintf(Out, " %9.2fx %9.2fx", Ours->second.Real / Theirs->second.Real, Ours->second.Cpu / Theirs->second.Cpu);
			}
		}
		std::fprintf(Out, "\n");
	}
	for (const FLibraryTarget& Target : LibraryTargets)
	{
		const auto ByPeer = Times.find(Target.Measure);
		if (ByPeer == Times.end() || !ByPeer->second.contains(OursPeer.Name) || !ByPeer->second.contains(RapidJsonPeer.Name))
		{
			continue;
		}
		const double Ratio = ByPeer->second.at(OursPeer.Name).Cpu / ByPeer->second.at(RapidJsonPeer.Name).Cpu;
		PrintRatio((std::string(Target.Measure) + " CPU time").c_str(), OursPeer.Name, RapidJsonPeer.Name, Ratio, Target.Target);
	}
	std::fflush(Out);
}
