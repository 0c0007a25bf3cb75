// Whole-file byte input and output for the round-trip measurements.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace FileBytes
{
	/** The file's bytes; empty when it cannot be read. */
	std::vector<uint8_t> Load(const char* Path);

	/** Replaces the file's content; false when it cannot be written. */
	bool Save(const char* Path, const uint8_t* Data, size_t Size);
}
