// The child side of the process measurements: one round trip of
// `hmd-json format`'s work in a fresh json-bench process, reported as one
// line on standard output.
//
// A child is started as `json-bench --round-trip=<name> <input> <output>`.
// For a library (ours or a peer) it does the round trip itself and takes its
// peak resident set from VmHWM of /proc/self/status, which belongs to the
// address space exec made new, so nothing of the measuring parent counts.
// For "hmd-json" it starts the program beside json-bench with its standard
// output in the output file and takes its peak from wait4's ru_maxrss.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace RoundTripChild
{
	/** The prefix of the child's first argument; the name of a peer or ProgramName follows. */
	inline constexpr const char* Flag = "--round-trip=";

	/** The program measured beside the libraries. */
	inline constexpr const char* ProgramName = "hmd-json";

	/** What one child measured. */
	struct FReport
	{
		double Seconds = 0.0;
		/** User and system time: on a busy machine it varies less than the wall time. */
		double CpuSeconds = 0.0;
		long PeakKib = 0;
		/** The child's own peak before the round trip: what json-bench itself takes. */
		long BaselineKib = 0;
		/** Whether transparent huge pages were disabled for the child (and so for the program it starts). */
		bool bHugePagesDisabled = false;
	};

	/** The `hmd-json` beside this json-bench, which the build puts in the same folder. */
	std::filesystem::path ProgramPath();

	/**
	 * The child's work: one round trip of InputPath into OutputPath by the
	 * named implementation, its report printed as one line. Returns the exit code.
	 */
	int Run(const std::string& Name, const char* InputPath, const char* OutputPath);

	/** The report in a line that Run printed; nothing when the line is not one. */
	std::optional<FReport> ParseReport(const std::string& Line);
}
