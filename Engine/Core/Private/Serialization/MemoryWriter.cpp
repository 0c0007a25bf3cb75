#include "Serialization/MemoryWriter.h"

#include <cstring>

FMemoryWriter::FMemoryWriter(TArray<uint8>& InBytes, bool bInIsPersistent, bool bSetOffset, const FName ArchiveName)
	: Bytes(InBytes), Offset(bSetOffset ? InBytes.Num() : 0), Name(ArchiveName)
{
	SetIsSaving(true);
	SetIsPersistent(bInIsPersistent);
}

void FMemoryWriter::Serialize(void* Data, int64 Num)
{
	if (Num <= 0)
	{
		return;
	}
	const int64 End = Offset + Num;
	MemorySinkRules::CheckGrowth(End, [this] { return GetArchiveName(); });
	const uint8* Source = static_cast<const uint8*>(Data);
	if (Offset == Bytes.Num())
	{
		// Appending, the usual case: no need to clear the new bytes first.
		Bytes.Append(Source, static_cast<int32>(Num));
	}
	else
	{
		if (End > Bytes.Num())
		{
			Bytes.SetNum(static_cast<int32>(End));
		}
		std::memcpy(Bytes.GetData() + Offset, Source, static_cast<SIZE_T>(Num));
	}
	Offset = End;
}

void FMemoryWriter::Seek(int64 InPos)
{
	check(InPos >= 0);
	check(InPos <= Bytes.Num());
	Offset = InPos;
}

FString FMemoryWriter::GetArchiveName() const
{
	return Name.IsNone() ? MemorySinkRules::DefaultArchiveName() : Name.ToString();
}
