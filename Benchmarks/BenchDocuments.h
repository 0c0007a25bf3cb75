// The generated documents that every JSON implementation is measured on.
#pragma once

#include "Containers/UnrealString.h"

#include <string>
#include <vector>

/** One benchmark document, as UTF-8 bytes and as engine text. */
struct FBenchDocument
{
	std::string Name;
	std::string Utf8;
	FString Text;
};

namespace BenchDocuments
{
	/** The two-key settings object. */
	FBenchDocument MakeConfig();

	/**
	 * A mixed document of about TargetBytes of UTF-8: records holding objects,
	 * arrays, strings with escapes and non-ASCII characters, numbers,
	 * booleans and nulls.
	 */
	FBenchDocument MakeMixed(const std::string& Name, size_t TargetBytes);

	/** Rows of numbers in every form the grammar allows, about TargetBytes long. */
	FBenchDocument MakeNumbers(const std::string& Name, size_t TargetBytes);

	/** Objects and arrays nested Depth levels deep, the root an object. */
	FBenchDocument MakeDeep(const std::string& Name, int Depth);

	/** The sizes of the mixed documents, in MiB of UTF-8. */
	inline constexpr int MixedSizesMiB[] = {1, 2, 4, 8, 16, 32};

	/** The name of the mixed document of MiB MiB: "Mixed<MiB>MB". */
	std::string MixedName(int MiB);

	/** Every document the in-process benchmarks use, the mixed ones last, smallest first. */
	std::vector<FBenchDocument> MakeAll();
}
