// Console output of Google Benchmark, followed by a table of our time over
// each peer's for every measured operation and document, in real and in
// CPU time, the speed of reading and writing the mixed documents by size,
// and the verdicts of the in-process targets. A measure repeated
// (--benchmark_repetitions) counts by the median of its repetitions.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

/** Prints one ratio, with its verdict when Target is given, else marked "for reference". */
void PrintRatio(const char* What, const std::string& Ours, const std::string& Theirs, double Ratio, std::optional<double> Target);

class FRatioReporter : public benchmark::ConsoleReporter
{
public:
	/**
	 * DocumentBytes: the UTF-8 size of each document, by name, for the
	 * speeds. MeasureOrder: every "Operation/Document" in the order to print
	 * them, whatever order the runs come in.
	 */
	FRatioReporter(std::map<std::string, size_t> InDocumentBytes, std::vector<std::string> InMeasureOrder);

	void ReportRuns(const std::vector<Run>& Runs) override;
	void Finalize() override;

private:
	struct FTimes
	{
		/** Seconds per iteration. */
		double Real = 0.0;
		/** On a busy machine the CPU time varies less than the real time. */
		double Cpu = 0.0;
	};

	/** Fills Times from the repetitions, once all runs are in. */
	void SettleMedians();
	void PrintRatios() const;
	/** MiB/s of each implementation's Read and Write for every mixed document measured, and the largest over the smallest. */
	void PrintSpeedBySize() const;
	void PrintTargets() const;

	/** The CPU time of Operation on Document by Peer; nothing when it was not measured. */
	std::optional<double> CpuSeconds(const std::string& Operation, const std::string& Document, const std::string& Peer) const;

	std::map<std::string, size_t> DocumentBytes;
	/** Each repetition's times per iteration, by "Operation/Document", then by implementation. */
	std::map<std::string, std::map<std::string, std::vector<FTimes>>> Repetitions;
	/** The median of each one's repetitions, in the same order; filled when the runs are done. */
	std::map<std::string, std::map<std::string, FTimes>> Times;
	/** The measures in the order to print them, which keeps each document's sizes in order. */
	std::vector<std::string> MeasureOrder;
};
