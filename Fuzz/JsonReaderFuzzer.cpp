// libFuzzer target for the JSON reader: any bytes, decoded as a file load
// decodes them, give either a tree or a non-empty error text, and any tree
// writes and reads back unchanged. A broken promise stops the run with the
// description of the fault, so libFuzzer keeps the input as a crash.
#include "JsonReadCheck.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	const std::string Fault = JsonReadCheck::CheckDocument(Data, static_cast<int64>(Size));
	if (!Fault.empty())
	{
		std::fprintf(stderr, "JSON reader fault: %s\n", Fault.c_str());
		std::abort();
	}
	return 0;
}
