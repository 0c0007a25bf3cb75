// The console's input records, read on a thread of their own. A wait on the
// console's input handle is not enough: some consoles (Wine's on a Unix
// terminal among them) take input from their terminal only while a read is
// pending, so one read always is, and what it returns waits here until the
// front end takes it.
#pragma once

#include "HmdEditor/Windows/WindowsConsoleIncludes.h"

#include <vector>

namespace ConsoleInputQueue
{
	/**
	 * Starts the reading thread, once; later calls only let it read again
	 * after Pause. False when it cannot start.
	 */
	bool Start(HANDLE Input);

	/**
	 * Lets the reading thread end its read and hold back further ones, by
	 * sending it an empty record, so that input meant for whoever runs
	 * next is left in the console.
	 */
	void Pause();

	/** A manual-reset event, set while records are waiting or the input is gone. */
	HANDLE GetReadyEvent();

	/** Adds a record as if the console had delivered it. Safe on any thread. */
	void Add(const INPUT_RECORD& Record);

	/** Moves the waiting records to Out; false once the console's input is gone and nothing waits. */
	bool Take(std::vector<INPUT_RECORD>& Out);
}
