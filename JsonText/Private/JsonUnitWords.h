// The JSON tests on four UTF-16 code units at once (see Containers/Utf16Lanes.h),
// so that the reader and the writer pass over runs of ordinary string text a
// word at a time instead of a unit at a time.
#pragma once

#include "Containers/Utf16Lanes.h"
#include "CoreTypes.h"

#include <bit>

namespace JsonUnitWords
{
	/**
	 * The index of the first quotation mark, backslash or NUL among the four
	 * units, or -1 when there is none. A borrow can only mark a lane above a
	 * lane that truly matches, so the lowest marked lane is a true match; the
	 * first unit sits in the lowest lane, the words being little-endian.
	 */
	inline int32 FirstEndingPlainRun(uint64 Word)
	{
		static_assert(std::endian::native == std::endian::little, "the first unit is taken to sit in the lowest lane");
		using namespace Utf16Lanes;
		const uint64 Marks = AnyEqual(Word, u'"') | AnyEqual(Word, u'\\') | AnyBelow(Word, 1);
		return Marks == 0 ? -1 : std::countr_zero(Marks) / 16;
	}

	/** A control unit (NUL among them), quotation mark or backslash: the units a quoted string cannot hold as they are. */
	constexpr bool AnyNeedsEscape(uint64 Word)
	{
		using namespace Utf16Lanes;
		return (AnyBelow(Word, 0x20) | AnyEqual(Word, u'"') | AnyEqual(Word, u'\\')) != 0;
	}
}
