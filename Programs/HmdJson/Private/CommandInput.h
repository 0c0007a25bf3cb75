// The INPUT of a command: a file named by a path, or standard input ("-").
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Templates/ValueOrError.h"

class FCommandInput
{
public:
	/** The input an argument names: "-" is standard input, anything else a path. */
	static FCommandInput FromArgument(const FString& Argument);

	/** The name messages give the input: the path as given, or "<stdin>". */
	FString Name() const;

	/**
	 * Reads the whole input: a regular file, a pipe to its end, or standard
	 * input to its end. A folder, a device or a missing file is refused
	 * with an error naming the input.
	 */
	TValueOrError<TArray<uint8>, FString> Read() const;

private:
	FString Path;
	bool bStandardInput = false;
};
