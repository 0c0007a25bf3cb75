// The stop signals (SIGTERM, SIGHUP and SIGINT; on Windows SIGINT, SIGBREAK
// and SIGTERM) end a run of the host as a quit does. The handler only notes
// the first signal; the event loops of both modes look at the note and end
// their input, so that an open settings window is closed, and saved, before
// the program ends with status 128 + the signal's number.
#pragma once

#include <chrono>

namespace StopSignals
{
	/**
	 * Installs the handler for each stop signal, once, before anything else
	 * runs. A signal that the process was started with ignored (nohup, a
	 * background job) stays ignored.
	 */
	void Install();

	/** The handler Install sets: notes the signal unless one came before. Async-signal-safe. */
	void OnStopSignal(int Signal);

	/** The first stop signal received since Install, or 0 when none came. */
	int GetReceived();

	/**
	 * Waits for Duration. Returns false, at once or part-way, when a stop
	 * signal came before or during the wait.
	 */
	bool Sleep(std::chrono::nanoseconds Duration);

	/** The status the process ends with: 128 + the signal's number once a stop signal came, else ExitCode. */
	int GetExitStatus(int ExitCode);
}
