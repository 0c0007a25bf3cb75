// Tests on four UTF-16 code units at once, held in one 64-bit word, so that
// the reader and the writer pass over runs of ordinary string text a word
// at a time instead of a unit at a time. Each test tells whether any of the
// four units matches, or which one is the first to match.
#pragma once

#include "CoreTypes.h"

#include <bit>
#include <cstring>

namespace JsonUnitWords
{
	inline constexpr int64 UnitsPerWord = 4;

	/** Unit repeated in all four lanes. */
	constexpr uint64 Lanes(uint16 Unit)
	{
		return 0x0001000100010001ull * Unit;
	}

	/**
	 * Nonzero when a unit of Word is below Limit, which must be at most
	 * 0x8000. A borrow from a lane that is below Limit can mark a lane above
	 * it as well, which leaves the answer for the word as a whole right.
	 */
	constexpr uint64 AnyBelow(uint64 Word, uint16 Limit)
	{
		return (Word - Lanes(Limit)) & ~Word & Lanes(0x8000);
	}

	constexpr uint64 AnyEqual(uint64 Word, uint16 Unit)
	{
		return AnyBelow(Word ^ Lanes(Unit), 1);
	}

	/** The four units at Units, which need not be aligned. */
	inline uint64 Load(const void* Units)
	{
		uint64 Word;
		std::memcpy(&Word, Units, sizeof(Word));
		return Word;
	}

	/**
	 * The index of the first quotation mark, backslash or NUL among the four
	 * units, or -1 when there is none. A borrow can only mark a lane above a
	 * lane that truly matches, so the lowest marked lane is a true match; the
	 * first unit sits in the lowest lane, the words being little-endian.
	 */
	inline int32 FirstEndingPlainRun(uint64 Word)
	{
		static_assert(std::endian::native == std::endian::little, "the first unit is taken to sit in the lowest lane");
		const uint64 Marks = AnyEqual(Word, u'"') | AnyEqual(Word, u'\\') | AnyBelow(Word, 1);
		return Marks == 0 ? -1 : std::countr_zero(Marks) / 16;
	}

	/** A control unit (NUL among them), quotation mark or backslash: the units a quoted string cannot hold as they are. */
	constexpr bool AnyNeedsEscape(uint64 Word)
	{
		return (AnyBelow(Word, 0x20) | AnyEqual(Word, u'"') | AnyEqual(Word, u'\\')) != 0;
	}
}
