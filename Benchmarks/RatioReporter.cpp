#include "RatioReporter.h"

#include "BenchDocuments.h"
#include "JsonPeer.h"
#include "Spread.h"

#include <cstdio>
#include <vector>

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

	const char* const SpeedOperations[] = {"Read", "Write"};
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

FRatioReporter::FRatioReporter(std::map<std::string, size_t> InDocumentBytes, std::vector<std::string> InMeasureOrder)
	: DocumentBytes(std::move(InDocumentBytes)), MeasureOrder(std::move(InMeasureOrder))
{
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
		const std::string Measure = Name.substr(0, Split);
		const double UnitsPerSecond = benchmark::GetTimeUnitMultiplier(Result.time_unit);
		const std::string Peer = Name.substr(Split + 1);
		Repetitions[Measure][Peer].push_back({Result.GetAdjustedRealTime() / UnitsPerSecond, Result.GetAdjustedCPUTime() / UnitsPerSecond});
	}
}

void FRatioReporter::SettleMedians()
{
	for (const auto& [Measure, ByPeer] : Repetitions)
	{
		for (const auto& [Peer, Repeated] : ByPeer)
		{
			std::vector<double> Real;
			std::vector<double> Cpu;
			for (const FTimes& One : Repeated)
			{
				Real.push_back(One.Real);
				Cpu.push_back(One.Cpu);
			}
			Times[Measure][Peer] = {FSpread::Of(std::move(Real)).Median, FSpread::Of(std::move(Cpu)).Median};
		}
	}
}

void FRatioReporter::Finalize()
{
	ConsoleReporter::Finalize();
	SettleMedians();
	PrintRatios();
	PrintSpeedBySize();
	PrintTargets();
	std::fflush(stdout);
}

void FRatioReporter::PrintRatios() const
{
	std::printf("\n%-28s %21s %21s\n", "Our time over theirs", RapidJsonPeer.Name, NlohmannPeer.Name);
	std::printf("%-28s %10s %10s %10s %10s\n", "", "real", "CPU", "real", "CPU");
	for (const std::string& Measure : MeasureOrder)
	{
		if (!Times.contains(Measure))
		{
			continue;
		}
		const std::map<std::string, FTimes>& ByPeer = Times.at(Measure);
		const auto Ours = ByPeer.find(OursPeer.Name);
		if (Ours == ByPeer.end())
		{
			continue;
		}
		std::printf("%-28s", Measure.c_str());
		for (const FJsonPeer* Peer : JsonPeers)
		{
			if (Peer == &OursPeer)
			{
				continue;
			}
			const auto Theirs = ByPeer.find(Peer->Name);
			if (Theirs == ByPeer.end() || Theirs->second.Real <= 0.0 || Theirs->second.Cpu <= 0.0)
			{
				std::printf(" %10s %10s", "-", "-");
			}
			else
			{
				std::printf(" %9.2fx %9.2fx", Ours->second.Real / Theirs->second.Real, Ours->second.Cpu / Theirs->second.Cpu);
			}
		}
		std::printf("\n");
	}
}

void FRatioReporter::PrintSpeedBySize() const
{
	// One column per operation and implementation; one row per mixed document measured.
	struct FColumn
	{
		std::string Operation;
		std::string Peer;
		/** MiB/s of the smallest and the largest document measured. */
		std::optional<double> First;
		std::optional<double> Last;
	};
	std::vector<FColumn> Columns;
	for (const char* Operation : SpeedOperations)
	{
		for (const FJsonPeer* Peer : JsonPeers)
		{
			Columns.push_back({Operation, Peer->Name, std::nullopt, std::nullopt});
		}
	}

	std::vector<std::string> Rows;
	int FirstMiB = 0;
	int LastMiB = 0;
	for (const int MiB : BenchDocuments::MixedSizesMiB)
	{
		const std::string Document = BenchDocuments::MixedName(MiB);
		std::string Row;
		bool bAny = false;
		for (FColumn& Column : Columns)
		{
			const std::optional<double> Seconds = CpuSeconds(Column.Operation, Document, Column.Peer);
			const auto Bytes = DocumentBytes.find(Document);
			char Cell[16];
			if (!Seconds || *Seconds <= 0.0 || Bytes == DocumentBytes.end())
			{
				std::snprintf(Cell, sizeof(Cell), " %10s", "-");
			}
			else
			{
				const double Speed = static_cast<double>(Bytes->second) / (1024.0 * 1024.0) / *Seconds;
				std::snprintf(Cell, sizeof(Cell), " %10.1f", Speed);
				Column.First = Column.First.value_or(Speed);
				Column.Last = Speed;
				bAny = true;
			}
			Row += Cell;
		}
		if (bAny)
		{
			FirstMiB = FirstMiB == 0 ? MiB : FirstMiB;
			LastMiB = MiB;
			char Label[16];
			std::snprintf(Label, sizeof(Label), "%-14s", (std::to_string(MiB) + " MB").c_str());
			Rows.push_back(Label + Row);
		}
	}
	if (Rows.empty())
	{
		return;
	}

	std::printf("\nMixed documents by size, MiB/s of UTF-8 text by CPU time (the same at every size when the cost is linear):\n");
	std::printf("%-14s", "");
	for (const char* Operation : SpeedOperations)
	{
		std::printf(" %-32s", Operation);
	}
	std::printf("\n%-14s", "");
	for (const FColumn& Column : Columns)
	{
		std::printf(" %10s", Column.Peer.c_str());
	}
	std::printf("\n");
	for (const std::string& Row : Rows)
	{
		std::printf("%s\n", Row.c_str());
	}
	if (LastMiB == FirstMiB)
	{
		return;
	}
	const std::string Label = std::to_string(LastMiB) + " over " + std::to_string(FirstMiB);
	std::printf("%-14s", Label.c_str());
	for (const FColumn& Column : Columns)
	{
		if (Column.First && Column.Last && *Column.First > 0.0)
		{
			std::printf(" %9.2fx", *Column.Last / *Column.First);
		}
		else
		{
			std::printf(" %10s", "-");
		}
	}
	std::printf("\n");
}

void FRatioReporter::PrintTargets() const
{
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
}

std::optional<double> FRatioReporter::CpuSeconds(const std::string& Operation, const std::string& Document, const std::string& Peer) const
{
	const auto ByPeer = Times.find(Operation + "/" + Document);
	if (ByPeer == Times.end())
	{
		return std::nullopt;
	}
	const auto Found = ByPeer->second.find(Peer);
	return Found == ByPeer->second.end() ? std::nullopt : std::optional<double>(Found->second.Cpu);
}
