// The round trip of `hmd-json format` measured in fresh processes, one per
// run, for its time and its peak resident memory.
//
// Each run is a new json-bench process started with --round-trip=<name>: it
// does one round trip and reports the time it took and its peak resident set
// (VmHWM of /proc/self/status). VmHWM belongs to the process's own address
// space, which exec makes new, so nothing of the measuring parent (its
// generated documents and benchmark trees) counts. The real `hmd-json`
// program is measured the same way from such a fresh child, which starts it
// and takes its peak from wait4's ru_maxrss.
#pragma once

#include <string>

namespace ProcessRoundTrip
{
	/** The prefix of the child's first argument; the name of a peer or "hmd-json" follows. */
	inline constexpr const char* ChildFlag = "--round-trip=";

	/**
	 * The child's work: one round trip of InputPath into OutputPath by the
	 * named implementation, reported on standard output as one line
	 * "seconds=<s> cpu_seconds=<s> peak_kib=<k> baseline_kib=<k>". Returns the exit code.
	 */
	int RunChild(const std::string& Name, const char* InputPath, const char* OutputPath);

	/**
	 * Runs every implementation Runs times on InputPath in fresh processes of
	 * SelfPath, prints the best time, the peak memory and the ratios against
	 * the targets, and checks that ours and `hmd-json` wrote the same bytes.
	 */
	void MeasureAll(const std::string& SelfPath, const std::string& InputPath, int Runs);
}
