#include "RatioReporter.h"

#include "JsonPeer.h"

#include <cstdio>

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
		const double Nanoseconds = Result.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(Result.time_unit) * 1e9;
		Times[Name.substr(0, Split)][Name.substr(Split + 1)] = Nanoseconds;
	}
}

void FRatioReporter::Finalize()
{
	ConsoleReporter::Finalize();
	std::FILE* Out = stdout;
	std::fprintf(Out, "\n%-28s %16s %16s\n", "Our time over theirs", RapidJsonPeer.Name, NlohmannPeer.Name);
	for (const auto& [Measure, ByPeer] : Times)
	{
		const auto Ours = ByPeer.find(OursPeer.Name);
		if (Ours == ByPeer.end())
		{
			continue;
		}
		std::fprintf(Out, "%-28s", Measure.c_str());
		for (const FJsonPeer* Peer : {&RapidJsonPeer, &NlohmannPeer})
		{
			const auto Theirs = ByPeer.find(Peer->Name);
			if (Theirs == ByPeer.end() || Theirs->second <= 0.0)
			{
				std::fprintf(Out, " %16s", "-");
			}
			else
			{
				std::fprintf(Out, " %15.2fx", Ours->second / Theirs->second);
			}
		}
		std::fprintf(Out, "\n");
	}
	std::fflush(Out);
}
