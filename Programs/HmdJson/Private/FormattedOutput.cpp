#include "FormattedOutput.h"

#include "Serialization/MemoryWriter.h"
#include "StandardOutput.h"

#include <algorithm>

namespace
{
	/** The UTF-16 output goes out in blocks of this many bytes. */
	constexpr SIZE_T BlockBytes = 1 << 20;
	/** Held text is widened in pieces of this many units. */
	constexpr SIZE_T PieceUnits = 8192;
}

FFormattedOutput::FFormattedOutput()
{
	SetIsSaving(true);
}

void FFormattedOutput::Serialize(void* Data, int64 Num)
{
	if (Num <= 0)
	{
		return;
	}
	check(Num % static_cast<int64>(sizeof(TCHAR)) == 0);
	if (NumBytes + Num > FMemoryWriter::MaxSize)
	{
		FMemoryWriter::FailBeyondMaxSize(GetArchiveName());
	}
	NumBytes += Num;

	const TCHAR* Unit = static_cast<const TCHAR*>(Data);
	const TCHAR* const End = Unit + Num / static_cast<int64>(sizeof(TCHAR));
	while (Unit < End)
	{
		// Runs without NUL units go on in one piece.
		const TCHAR* const RunEnd = std::find(Unit, End, u'\0');
		if (!bWide)
		{
			const TCHAR* const Narrow = std::find_if(Unit, RunEnd, [](TCHAR Each) { return Each >= 0x80; });
			const int32 First = Held.Num();
			Held.SetNum(First + static_cast<int32>(Narrow - Unit));
			std::transform(Unit, Narrow, Held.GetData() + First, [](TCHAR Each) { return static_cast<uint8>(Each); });
			Unit = Narrow;
			if (Narrow != RunEnd)
			{
				StartWideOutput();
			}
		}
		if (bWide)
		{
			WriteWide(Unit, static_cast<SIZE_T>(RunEnd - Unit));
		}
		Unit = RunEnd == End ? End : RunEnd + 1;
	}
}

FString FFormattedOutput::GetArchiveName() const
{
	return FString(TEXT("FMemoryWriter"));
}

bool FFormattedOutput::Finish()
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
	return !bWriteFailed;
}

void FFormattedOutput::StartWideOutput()
{
	bWide = true;
	Block = std::make_unique_for_overwrite<uint8[]>(BlockBytes);
	Block[0] = 0xFF;
	Block[1] = 0xFE;
	BlockUsed = 2;
	TCHAR Piece[PieceUnits];
	for (int32 First = 0; First < Held.Num(); First += static_cast<int32>(PieceUnits))
	{
		const int32 Count = std::min(Held.Num() - First, static_cast<int32>(PieceUnits));
		std::copy(Held.GetData() + First, Held.GetData() + First + Count, Piece);
		WriteWide(Piece, static_cast<SIZE_T>(Count));
	}
	Held.Empty();
}

void FFormattedOutput::WriteWide(const TCHAR* Units, SIZE_T Count)
{
	while (Count > 0)
	{
		if (BlockBytes - BlockUsed < 2)
		{
			WriteBlock();
		}
		const SIZE_T Taken = std::min(Count, (BlockBytes - BlockUsed) / 2);
		uint8* const Out = Block.get() + BlockUsed;
		for (SIZE_T Index = 0; Index < Taken; ++Index)
		{
			Out[Index * 2] = static_cast<uint8>(Units[Index] & 0xFF);
			Out[Index * 2 + 1] = static_cast<uint8>(Units[Index] >> 8);
		}
		BlockUsed += Taken * 2;
		Units += Taken;
		Count -= Taken;
	}
}

void FFormattedOutput::WriteBlock()
{
	Write(Block.get(), BlockUsed);
	BlockUsed = 0;
}

void FFormattedOutput::Write(const uint8* Bytes, SIZE_T Size)
{
	// After a refused write nothing more goes out, so the output never has a gap.
	if (!bWriteFailed && Size > 0 && !StandardOutput::WriteBytes(Bytes, static_cast<int64>(Size)))
	{
		bWriteFailed = true;
	}
}
