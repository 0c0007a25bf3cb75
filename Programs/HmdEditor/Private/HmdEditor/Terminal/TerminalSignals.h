// The signals a full-screen terminal program answers to besides the stop
// signals: a new window size (SIGWINCH), a suspend request from outside
// (SIGTSTP) and the continue after one (SIGCONT), which are noted for the
// input loop; and the fatal signals (SIGSEGV, SIGBUS, SIGFPE, SIGILL,
// SIGABRT), on which the terminal is given back with async-signal-safe calls
// only before the process dies of the same signal.
#pragma once

#include "CoreTypes.h"

#include <string_view>
#include <termios.h>

namespace TerminalSignals
{
	/**
	 * Installs the handlers, keeping the ones they replace for Uninstall.
	 * RestoreSequence (leave the alternate screen, mouse and paste modes off,
	 * attributes reset, cursor shown) and Saved (the terminal's modes before
	 * the program changed them) are what a fatal signal puts back; the
	 * sequence is copied, and cut off at a length no terminal needs.
	 */
	void Install(std::string_view RestoreSequence, const termios& Saved);
	void Uninstall();

	/** Whether the terminal is taken over now, and so whether a fatal signal must give it back. */
	void SetTakenOver(bool bTakenOver);

	enum class EWaitResult : uint8
	{
		Readable,
		TimedOut,
		/** A stop signal or one of the noted signals came, before or during the wait. */
		Signalled,
		Failed,
	};

	/**
	 * Waits until FileDescriptor can be read, for at most TimeoutMilliseconds
	 * (negative: no limit). The stop signals and the noted ones are let
	 * through only inside the wait, so one that came just before it is seen.
	 */
	EWaitResult WaitForReadable(int FileDescriptor, int32 TimeoutMilliseconds);

	/** Each returns whether its signal came since the last call, and forgets it. */
	bool TakeResized();
	bool TakeSuspendRequest();
	bool TakeContinued();

	/** Stops the process as Ctrl+Z does in a shell, returning once it is continued (with fg or SIGCONT). */
	void StopProcess();
}
