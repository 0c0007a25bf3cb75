#include "FormattedOutput.h"

#include "Serialization/MemoryWriter.h"
#include "StandardOutput.h"

#include <algorithm>

namespace
{
	/** Units are widened into pieces of this many at a time. */
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
	if (!bWide)
	{
		Write(Held.GetData(), static_cast<SIZE_T>(Held.Num()));
		Held.Empty();
	}
	return !bWriteFailed;
}

void FFormattedOutput::StartWideOutput()
{
	bWide = true;
	const uint8 Mark[] = {0xFF, 0xFE};
	Write(Mark, sizeof(Mark));
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
	uint8 Piece[PieceUnits * 2];
	for (SIZE_T First = 0; First < Count; First += PieceUnits)
	{
		const SIZE_T PieceCount = std::min(Count - First, PieceUnits);
		for (SIZE_T Index = 0; Index < PieceCount; ++Index)
		{
			const TCHAR Unit = Units[First + Index];
			Piece[Index * 2] = static_cast<uint8>(Unit & 0xFF);
			Piece[Index * 2 + 1] = static_cast<uint8>(Unit >> 8);
		}
		Write(Piece, PieceCount * 2);
	}
}

void FFormattedOutput::Write(const uint8* Bytes, SIZE_T Size)
{
	// After a refused write nothing more goes out, so the output never has a gap.
	if (!bWriteFailed && Size > 0 && !StandardOutput::WriteBytes(Bytes, static_cast<int64>(Size)))
	{
		bWriteFailed = true;
	}
}
