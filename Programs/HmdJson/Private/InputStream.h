// Reading inputs that have no size to go by, to their end: standard input,
// and a pipe named by a path (a FIFO, or the /dev/fd/N of a shell's process
// substitution; on Windows a named pipe). The Posix and Windows folders hold
// one definition each.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Templates/ValueOrError.h"

#include <optional>

namespace InputStream
{
	/** All the bytes of an input, or why it could not be read, naming the input. */
	using FReadResult = TValueOrError<TArray<uint8>, FString>;

	/** Reads standard input to its end. */
	FReadResult ReadStandardInput();

	/**
	 * Reads Path to its end when it names a pipe, waiting for a writer as
	 * any reader of a pipe does. Nothing when Path names no pipe, or nothing
	 * the reader could open: anything else at Path is left alone, for the
	 * file reader to read or refuse.
	 */
	std::optional<FReadResult> ReadIfPipe(const FString& Path);
}
