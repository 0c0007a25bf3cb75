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

	/** True when standard output is a terminal (on Windows a console), where a person reads it. */
	bool IsTerminal();
}
