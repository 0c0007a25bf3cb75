// The robustness property of the JSON reader, shared by the corpus test and
// the fuzzer: any input bytes, read as a file is loaded, give either a tree
// or a non-empty error text, and any tree writes and reads back unchanged.
#pragma once

#include "CoreTypes.h"
#include "Dom/JsonValue.h"
#include "Templates/SharedPointer.h"

#include <string>

namespace JsonReadCheck
{
	/**
	 * The first place where ReadBack differs from the tree that was written,
	 * as "<path>: <what differs>"; empty when they are equal. Field order
	 * counts, numbers compare bit for bit (so 0 and -0 differ), and a number
	 * that is not finite equals a null read back, since that is how it is
	 * written. Works without recursion, so any depth compares.
	 */
	std::string FirstDifference(const TSharedPtr<FJsonValue>& Written, const TSharedPtr<FJsonValue>& ReadBack);

	/**
	 * Decodes Bytes as the whole-file text load does and reads them. Returns
	 * a description of the first broken promise, or empty when all hold:
	 * ReadTree gives a tree or a non-empty error text; ReadObject agrees
	 * with it; a tree writes with Finish true, reads back to an equal tree,
	 * and that tree writes the same text again.
	 */
	std::string CheckDocument(const uint8* Bytes, int64 Size);
}
