// Writing bytes to standard output exactly as given.
#pragma once

#include "CoreTypes.h"

namespace StandardOutput
{
	/**
	 * Writes Size bytes to standard output without any line-end translation,
	 * and flushes them. False when not every byte could be written.
	 */
	bool WriteBytes(const uint8* Bytes, int64 Size);

	/**
	 * Makes a write to a pipe whose reader has gone fail like any other
	 * failed write, reported and told by the exit status, instead of ending
	 * the process without a word. Called once, before anything is written.
	 */
	void ReportClosedPipes();

	/** True when standard output is a terminal (on Windows a console), where a person reads it. */
	bool IsTerminal();
}
