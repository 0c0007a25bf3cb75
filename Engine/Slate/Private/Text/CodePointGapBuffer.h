// FCodePointGapBuffer: the code points of an edited text, with the free room
// kept at the place of the last edit.
//
// Inserting or removing where the previous edit happened costs the size of
// the change, whatever the length of the text: typing and deleting at a
// cursor touch only the gap. An edit elsewhere first moves the gap there, at a
// cost in proportion to the distance moved.
#pragma once

#include "CoreTypes.h"

#include <string>
#include <string_view>
#include <vector>

class FCodePointGapBuffer
{
public:
	/** Replaces the whole text. */
	void Assign(std::u32string_view Text);

	int32 Num() const { return static_cast<int32>(Buffer.size() - GapLength()); }
	bool IsEmpty() const { return Num() == 0; }

	/** The code point at an index in [0, Num()). */
	char32_t operator[](int32 Index) const
	{
		const SIZE_T Position = static_cast<SIZE_T>(Index);
		return Buffer[Position < GapStart ? Position : Position + GapLength()];
	}

	/** Inserts text before the code point at Index (Index may be Num()). */
	void Insert(int32 Index, std::u32string_view Text);
	/** Removes Count code points from Index on. */
	void Remove(int32 Index, int32 Count);

	/** The whole text in one piece. */
	std::u32string ToString() const;

private:
	SIZE_T GapLength() const { return GapEnd - GapStart; }
	void MoveGapTo(SIZE_T Position);
	/** Makes the gap hold at least MinimumLength code points, keeping it where it is. */
	void GrowGap(SIZE_T MinimumLength);

	/** The text before the gap, the gap, then the text after it. */
	std::vector<char32_t> Buffer;
	SIZE_T GapStart = 0;
	SIZE_T GapEnd = 0;
};
