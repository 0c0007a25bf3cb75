#include "TextOutput.h"

#include "Serialization/MemoryWriter.h"

#include <algorithm>
#include <cstring>

namespace
{
	/** The output goes out in blocks of this many bytes. */
	constexpr SIZE_T BlockBytes = 1 << 20;
}

FTextOutput::FTextOutput(IByteSink& InSink)
	: Sink(InSink)
{
	SetIsSaving(true);
}

void FTextOutput::Serialize(void* Data, int64 Num)
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
		if (RunEnd != Unit)
		{
			TakeUnits(Unit, static_cast<SIZE_T>(RunEnd - Unit));
		}
		Unit = RunEnd == End ? End : RunEnd + 1;
	}
}

FString FTextOutput::GetArchiveName() const
{
	return FString(TEXT("FMemoryWriter"));
}

uint8* FTextOutput::BlockRoom(SIZE_T MinBytes, SIZE_T& OutFree)
{
	check(MinBytes <= BlockBytes);
	if (!Block)
	{
		Block = std::make_unique_for_overwrite<uint8[]>(BlockBytes);
	}
	if (BlockBytes - BlockUsed < MinBytes)
	{
		WriteBlock();
	}
	OutFree = BlockBytes - BlockUsed;
	return Block.get() + BlockUsed;
}

void FTextOutput::AppendToBlock(const uint8* Bytes, SIZE_T Size)
{
	while (Size > 0)
	{
		SIZE_T Free = 0;
		uint8* const Room = BlockRoom(1, Free);
		const SIZE_T Taken = std::min(Size, Free);
		std::memcpy(Room, Bytes, Taken);
		CommitToBlock(Taken);
		Bytes += Taken;
		Size -= Taken;
	}
}

void FTextOutput::WriteBlock()
{
	Write(Block.get(), BlockUsed);
	BlockUsed = 0;
}

void FTextOutput::Write(const uint8* Bytes, SIZE_T Size)
{
	if (!bWriteFailed && Size > 0 && !Sink.Write(Bytes, Size))
	{
		bWriteFailed = true;
	}
}
