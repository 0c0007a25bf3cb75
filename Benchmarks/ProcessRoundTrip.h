// The round trip of `hmd-json format` measured in fresh processes, one per
// run, for its time and its peak resident memory, once as the system gives
// transparent huge pages and once with them disabled for the process.
#pragma once

#include <string>

namespace ProcessRoundTrip
{
	/**
	 * Runs every implementation and the `hmd-json` program on InputPath in
	 * fresh processes of SelfPath (see RoundTripChild.h), alternating: each
	 * of Rounds rounds runs each of them once with huge pages as the system
	 * has them and once with them disabled. Prints the median and the range
	 * of CPU time, wall time and peak memory, the ratios of the medians
	 * against the targets, and whether ours and `hmd-json` wrote the same bytes.
	 */
	void MeasureAll(const std::string& SelfPath, const std::string& InputPath, int Rounds);
}
