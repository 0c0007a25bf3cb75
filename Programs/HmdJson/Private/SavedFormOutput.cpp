#include "SavedFormOutput.h"

#include <algorithm>

namespace
{
	/** Held text is widened in pieces of this many units. */
	constexpr SIZE_T PieceUnits = 8192;
	constexpr uint8 WideMark[] = {0xFF, 0xFE};
}

bool FSavedFormOutput::Finish()
{
	if (bWide)
	{
		WriteBlock();
	}
	else
	{
		Write(Held.GetData(), static_cast<SIZE_T>(Held.Num()));
		Held.Empty();
	}
	return !HasWriteFailed();
}

void FSavedFormOutput::TakeUnits(const TCHAR* Units, SIZE_T Count)
{
	if (!bWide)
	{
		const TCHAR* const End = Units + Count;
		const TCHAR* const Narrow = std::find_if(Units, End, [](TCHAR Each) { return Each >= 0x80; });
		const int32 First = Held.Num();
		Held.SetNum(First + static_cast<int32>(Narrow - Units));
		std::transform(Units, Narrow, Held.GetData() + First, [](TCHAR Each) { return static_cast<uint8>(Each); });
		if (Narrow == End)
		{
			return;
		}
		StartWideOutput();
		Count = static_cast<SIZE_T>(End - Narrow);
		Units = Narrow;
	}
	WriteWide(Units, Count);
}

void FSavedFormOutput::StartWideOutput()
{
	bWide = true;
	AppendToBlock(WideMark, sizeof(WideMark));
	TCHAR Piece[PieceUnits];
	for (int32 First = 0; First < Held.Num(); First += static_cast<int32>(PieceUnits))
	{
		const int32 Count = std::min(Held.Num() - First, static_cast<int32>(PieceUnits));
		std::copy(Held.GetData() + First, Held.GetData() + First + Count, Piece);
		WriteWide(Piece, static_cast<SIZE_T>(Count));
	}
	Held.Empty();
}

void FSavedFormOutput::WriteWide(const TCHAR* Units, SIZE_T Count)
{
	while (Count > 0)
	{
		SIZE_T Free = 0;
		uint8* const Out = BlockRoom(2, Free);
		const SIZE_T Taken = std::min(Count, Free / 2);
		for (SIZE_T Index = 0; Index < Taken; ++Index)
		{
			Out[Index * 2] = static_cast<uint8>(Units[Index] & 0xFF);
			Out[Index * 2 + 1] = static_cast<uint8>(Units[Index] >> 8);
		}
		CommitToBlock(Taken * 2);
		Units += Taken;
		Count -= Taken;
	}
}
