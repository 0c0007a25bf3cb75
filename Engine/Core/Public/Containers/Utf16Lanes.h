// Tests on four UTF-16 code units at once, held in one 64-bit word as four
// 16-bit lanes, for code that passes over long runs of text a word at a time
// instead of a unit at a time. Each test tells whether any lane matches.
#pragma once

#include "CoreTypes.h"

#include <cstring>

namespace Utf16Lanes
{
	inline constexpr int64 UnitsPerWord = 4;

	/** Unit repeated in all four lanes. */
	constexpr uint64 Lanes(uint16 Unit)
	{
		return 0x0001000100010001ull * Unit;
	}

	/**
	 * Nonzero when a unit of Word is below Limit, which must be at most
	 * 0x8000: the top bit of that lane is set. A borrow from a lane that is
	 * below Limit can mark a lane above it as well, which leaves the answer
	 * for the word as a whole right, and the lowest marked lane a true match.
	 */
	constexpr uint64 AnyBelow(uint64 Word, uint16 Limit)
	{
		return (Word - Lanes(Limit)) & ~Word & Lanes(0x8000);
	}

	constexpr uint64 AnyEqual(uint64 Word, uint16 Unit)
	{
		return AnyBelow(Word ^ Lanes(Unit), 1);
	}

	/** Nonzero when a unit of Word is 128 or more, outside ASCII. */
	constexpr uint64 AnyBeyondAscii(uint64 Word)
	{
		return Word & Lanes(0xFF80);
	}

	/** The four units at Units, which need not be aligned. */
	inline uint64 Load(const void* Units)
	{
		uint64 Word;
		std::memcpy(&Word, Units, sizeof(Word));
		return Word;
	}
}
