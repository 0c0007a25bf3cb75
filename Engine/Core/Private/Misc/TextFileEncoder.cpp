#include "Misc/TextFileEncoder.h"

#include "Misc/AssertionMacros.h"

#include <algorithm>
#include <bit>
#include <cstring>

ETextFileForm FTextFileEncoder::FormOf(std::u16string_view Text)
{
	const bool bAscii = std::all_of(Text.begin(), Text.end(), [](TCHAR Unit) { return Unit < 0x80; });
	return bAscii ? ETextFileForm::Ascii : ETextFileForm::Utf16;
}

FTextFileEncoder::FTextFileEncoder(IByteBlockSink& Sink, ETextFileForm InForm, SIZE_T BlockBytes)
	: Blocks(Sink, BlockBytes), Form(InForm)
{
	if (Form == ETextFileForm::Utf16)
	{
		constexpr uint8 Mark[] = {0xFF, 0xFE};
		Blocks.Append(Mark, sizeof(Mark));
	}
}

void FTextFileEncoder::Push(const TCHAR* Units, SIZE_T Count)
{
	if (Form == ETextFileForm::Ascii)
	{
		PushAscii(Units, Count);
	}
	else
	{
		PushUtf16(Units, Count);
	}
}

bool FTextFileEncoder::Finish()
{
	return Blocks.Flush();
}

void FTextFileEncoder::PushAscii(const TCHAR* Units, SIZE_T Count)
{
	// The units are combined as they are narrowed, and tested once per piece.
	TCHAR Combined = 0;
	while (Count > 0)
	{
		SIZE_T Free = 0;
		uint8* const Out = Blocks.Room(1, Free);
		const SIZE_T Taken = std::min(Count, Free);
		for (SIZE_T Index = 0; Index < Taken; ++Index)
		{
			Combined |= Units[Index];
			Out[Index] = static_cast<uint8>(Units[Index]);
		}
		Blocks.Commit(Taken);
		Units += Taken;
		Count -= Taken;
	}
	checkf(Combined < 0x80, "a text stated as ASCII holds a unit of 128 or more");
}

void FTextFileEncoder::PushUtf16(const TCHAR* Units, SIZE_T Count)
{
	while (Count > 0)
	{
		SIZE_T Free = 0;
		uint8* const Out = Blocks.Room(2, Free);
		const SIZE_T Taken = std::min(Count, Free / 2);
		if constexpr (std::endian::native == std::endian::little)
		{
			// The units in memory are already the little-endian bytes.
			std::memcpy(Out, Units, Taken * sizeof(TCHAR));
		}
		else
		{
			for (SIZE_T Index = 0; Index < Taken; ++Index)
			{
				Out[Index * 2] = static_cast<uint8>(Units[Index] & 0xFF);
				Out[Index * 2 + 1] = static_cast<uint8>(Units[Index] >> 8);
			}
		}
		Blocks.Commit(Taken * 2);
		Units += Taken;
		Count -= Taken;
	}
}
