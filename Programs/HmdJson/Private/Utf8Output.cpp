#include "Utf8Output.h"

#include "Containers/StringConv.h"
#include "Containers/Utf16Surrogates.h"
#include "Misc/TextFileEncoder.h"

#include <algorithm>
#include <string>

using Utf16Surrogates::IsHigh;
using Utf16Surrogates::IsLow;

bool FUtf8Output::Finish()
{
	if (PendingHigh != 0)
	{
		Encode(&PendingHigh, 1);
		PendingHigh = 0;
	}
	return Blocks.Flush();
}

void FUtf8Output::TakeUnits(const TCHAR* Units, SIZE_T Count)
{
	if (PendingHigh != 0)
	{
		const TCHAR Pair[] = {PendingHigh, Units[0]};
		const bool bPaired = IsLow(Units[0]);
		Encode(Pair, bPaired ? 2 : 1);
		PendingHigh = 0;
		if (bPaired)
		{
			++Units;
			--Count;
		}
	}
	if (Count > 0 && IsHigh(Units[Count - 1]))
	{
		PendingHigh = Units[Count - 1];
		--Count;
	}
	Encode(Units, Count);
}

void FUtf8Output::Encode(const TCHAR* Units, SIZE_T Count)
{
	while (Count > 0)
	{
		// ASCII, the bulk of most text, is its own UTF-8: a byte per unit, straight into the block.
		SIZE_T Free = 0;
		uint8* const Out = Blocks.Room(1, Free);
		const SIZE_T Ascii = FTextFileEncoder::NarrowAscii(Units, std::min(Count, Free), Out);
		Blocks.Commit(Ascii);
		Units += Ascii;
		Count -= Ascii;
		// The other units up to the next ASCII one, surrogate pairs whole, take the general conversion.
		const SIZE_T Wide = static_cast<SIZE_T>(std::find_if(Units, Units + Count, [](TCHAR Unit) { return Unit < 0x80; }) - Units);
		if (Wide > 0)
		{
			const std::string Bytes = StringConv::ToUtf8(std::u16string_view(Units, Wide));
			Blocks.Append(reinterpret_cast<const uint8*>(Bytes.data()), Bytes.size());
			Units += Wide;
			Count -= Wide;
		}
	}
}
