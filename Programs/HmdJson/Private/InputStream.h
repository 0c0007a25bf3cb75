// Reading inputs that have no size to go by, to their end: standard input,
// and a pipe named by a path (a FIFO, or the /dev/fd/N of a shell's process
// substitution; on Windows a named pipe). The Posix and Windows folders hold
// one definition each.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"

namespace InputStream
{
	enum class EPipeRead : uint8
	{
		/** Nothing was read: Path names no pipe, or nothing the reader could open. */
		NotAPipe,
		/** Path names a pipe, read to its end. */
		Read,
		/** Path names a pipe that could not be read; the error says why. */
		Failed,
	};

	/** Reads standard input to its end. False, with OutError naming it, when it cannot be read. */
	bool ReadStandardInput(TArray<uint8>& OutBytes, FString& OutError);

	/**
	 * Reads Path to its end when it names a pipe, waiting for a writer as
	 * any reader of a pipe does. Anything else at Path is left alone, for
	 * the file reader to read or refuse.
	 */
	EPipeRead ReadIfPipe(const FString& Path, TArray<uint8>& OutBytes, FString& OutError);
}
