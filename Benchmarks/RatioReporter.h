// Console output of Google Benchmark, followed by a table of our time over
// each peer's for every measured operation and document, in real and in
// CPU time.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

/** Prints one ratio, with its verdict when Target is given, else marked "for reference". */
void PrintRatio(const char* What, const std::string& Ours, const std::string& Theirs, double Ratio, std::optional<double> Target);

class FRatioReporter : public benchmark::ConsoleReporter
{
public:
	void ReportRuns(const std::vector<Run>& Runs) override;
	void Finalize() override;

private:
	struct FTimes
	{
		double Real = 0.0;
		/** On a busy machine the CPU time varies less than the real time. */
		double Cpu = 0.0;
	};

	/** Times per iteration, by "Operation/Document", then by implementation. */
	std::map<std::string, std::map<std::string, FTimes>> Times;
};
