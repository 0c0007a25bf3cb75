#include "Text/CodePointGapBuffer.h"

#include "Misc/AssertionMacros.h"

#include <algorithm>

namespace
{
	/** The least free room a growing buffer gets, so that short texts do not grow at every key. */
	constexpr SIZE_T MinimumGrowth = 64;
}

void FCodePointGapBuffer::Assign(std::u32string_view Text)
{
	// The gap starts after the text, where a newly set text puts the cursor,
	// with room for typing before the buffer first grows.
	Buffer.resize(Text.size() + std::max(MinimumGrowth, Text.size() / 4));
	std::copy(Text.begin(), Text.end(), Buffer.begin());
	GapStart = Text.size();
	GapEnd = Buffer.size();
}

void FCodePointGapBuffer::Insert(int32 Index, std::u32string_view Text)
{
	check(Index >= 0 && Index <= Num());
	MoveGapTo(static_cast<SIZE_T>(Index));
	GrowGap(Text.size());
	std::copy(Text.begin(), Text.end(), Buffer.begin() + static_cast<std::ptrdiff_t>(GapStart));
	GapStart += Text.size();
}

void FCodePointGapBuffer::Remove(int32 Index, int32 Count)
{
	check(Index >= 0 && Count >= 0 && Index + Count <= Num());
	const SIZE_T Start = static_cast<SIZE_T>(Index);
	if (Start + static_cast<SIZE_T>(Count) == GapStart)
	{
		// Right before the gap (BackSpace, deleting to the start): the gap just widens to the left.
		GapStart = Start;
		return;
	}
	MoveGapTo(Start);
	GapEnd += static_cast<SIZE_T>(Count);
}

std::u32string FCodePointGapBuffer::ToString() const
{
	std::u32string Result;
	Result.reserve(static_cast<SIZE_T>(Num()));
	Result.append(Buffer.begin(), Buffer.begin() + static_cast<std::ptrdiff_t>(GapStart));
	Result.append(Buffer.begin() + static_cast<std::ptrdiff_t>(GapEnd), Buffer.end());
	return Result;
}

void FCodePointGapBuffer::MoveGapTo(SIZE_T Position)
{
	const auto At = [this](SIZE_T Offset) { return Buffer.begin() + static_cast<std::ptrdiff_t>(Offset); };
	if (Position < GapStart)
	{
		// The code points between Position and the gap move to the gap's far end.
		std::copy_backward(At(Position), At(GapStart), At(GapEnd));
		GapEnd -= GapStart - Position;
		GapStart = Position;
	}
	else if (Position > GapStart)
	{
		const SIZE_T Moved = Position - GapStart;
		std::copy(At(GapEnd), At(GapEnd + Moved), At(GapStart));
		GapStart += Moved;
		GapEnd += Moved;
	}
}

void FCodePointGapBuffer::GrowGap(SIZE_T MinimumLength)
{
	if (GapLength() >= MinimumLength)
	{
		return;
	}
	// Doubling keeps a run of insertions at a constant cost per code point on average.
	const SIZE_T TextLength = Buffer.size() - GapLength();
	const SIZE_T NewGapLength = std::max({MinimumLength, TextLength, MinimumGrowth});
	const SIZE_T TailLength = Buffer.size() - GapEnd;
	Buffer.resize(TextLength + NewGapLength);
	const auto At = [this](SIZE_T Offset) { return Buffer.begin() + static_cast<std::ptrdiff_t>(Offset); };
	std::copy_backward(At(GapEnd), At(GapEnd + TailLength), Buffer.end());
	GapEnd = Buffer.size() - TailLength;
}
