#include "Misc/TextFileEncoder.h"

#include "Containers/Utf16Lanes.h"
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

SIZE_T FTextFileEncoder::NarrowAscii(const TCHAR* Units, SIZE_T Count, uint8* Out)
{
	// Eight units at a time, as two words of four lanes, while none of them
	// is 128 or more; then one at a time. The low bytes of a word's lanes
	// are gathered into its low 32 bits in lane order, so storing them puts
	// the bytes in text order whatever the byte order of the machine: the
	// load and the store swap alike.
	constexpr SIZE_T WordUnits = Utf16Lanes::UnitsPerWord;
	constexpr SIZE_T StepUnits = 2 * WordUnits;
	const auto Narrow = [](uint64 Word)
	{
		const uint64 Pairs = (Word | (Word >> 8)) & 0x0000FFFF0000FFFFull;
		return static_cast<uint32>(Pairs | (Pairs >> 16));
	};
	SIZE_T Index = 0;
	for (; Count - Index >= StepUnits; Index += StepUnits)
	{
		const uint64 Words[2] = {Utf16Lanes::Load(Units + Index), Utf16Lanes::Load(Units + Index + WordUnits)};
		if (Utf16Lanes::AnyBeyondAscii(Words[0] | Words[1]) != 0)
		{
			break;
		}
		const uint32 Bytes[2] = {Narrow(Words[0]), Narrow(Words[1])};
		std::memcpy(Out + Index, Bytes, sizeof(Bytes));
	}
	for (; Index < Count && Units[Index] < 0x80; ++Index)
	{
		Out[Index] = static_cast<uint8>(Units[Index]);
	}
	return Index;
}

void FTextFileEncoder::PushAscii(const TCHAR* Units, SIZE_T Count)
{
	while (Count > 0)
	{
		SIZE_T Free = 0;
		uint8* const Out = Blocks.Room(1, Free);
		const SIZE_T Offered = std::min(Count, Free);
		const SIZE_T Taken = NarrowAscii(Units, Offered, Out);
		Blocks.Commit(Taken);
		checkf(Taken == Offered, "a text stated as ASCII holds a unit of 128 or more");
		Units += Taken;
		Count -= Taken;
	}
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
