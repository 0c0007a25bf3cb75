// Console output of Google Benchmark, followed by a table of our time over
// each peer's for every measured operation and document.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class FRatioReporter : public benchmark::ConsoleReporter
{
public:
	void ReportRuns(const std::vector<Run>& Runs) override;
	void Finalize() override;

private:
	/** Real time per iteration in nanoseconds, by "Operation/Document", then by implementation. */
	std::map<std::string, std::map<std::string, double>> Times;
};
