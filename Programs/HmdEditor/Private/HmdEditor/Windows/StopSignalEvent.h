// The Windows side of the stop signals (App/StopSignals.h): an event that is
// set when the first stop comes, so that a wait on the console's input can
// end at once instead of looking at the note now and then, and the session's
// end noted as a stop.
#pragma once

#include "HmdEditor/Windows/WindowsConsoleIncludes.h"

namespace StopSignals
{
	/** A manual-reset event, set once a stop came. */
	HANDLE GetStopEvent();

	/**
	 * Notes log-off and shut-down as stops for a process that has windows
	 * of its own (user32 loaded), which the console no longer tells of them:
	 * a hidden window on a thread of its own answers the session's end.
	 * Once is enough; later calls do nothing.
	 */
	void WatchSessionEnd();
}
