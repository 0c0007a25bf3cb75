#include "Utf8Output.h"

#include "Containers/StringConv.h"
#include "Containers/Utf16Surrogates.h"

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
	if (Count > 0)
	{
		const std::string Bytes = StringConv::ToUtf8(std::u16string_view(Units, Count));
		Blocks.Append(reinterpret_cast<const uint8*>(Bytes.data()), Bytes.size());
	}
}
