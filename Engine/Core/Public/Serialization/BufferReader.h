// FBufferReader: a loading stream over a block of memory that the caller
// owns and keeps alive. Reads and seeks outside the block are programming
// errors and stop the program.
//
// The class is final and its stream operations are defined here, so a
// caller holding an FBufferReader (not just an FArchive) gets them inlined
// without a virtual call: a parser can read its text one unit at a time
// at full speed.
#pragma once

#include "CoreApi.h"
#include "Serialization/Archive.h"

#include <cstring>

class CORE_API FBufferReader final : public FArchive
{
public:
	FBufferReader(const void* Data, int64 Size, bool bInIsPersistent = false);

	void Serialize(void* Data, int64 Num) override
	{
		check(Num >= 0);
		check(ReaderPos + Num <= ReaderSize);
		if (Num > 0)
		{
			std::memcpy(Data, ReaderData + ReaderPos, static_cast<SIZE_T>(Num));
			ReaderPos += Num;
		}
	}
	int64 Tell() override { return ReaderPos; }
	int64 TotalSize() override { return ReaderSize; }
	bool AtEnd() override { return ReaderPos >= ReaderSize; }
	void Seek(int64 InPos) override
	{
		check(InPos >= 0);
		check(InPos <= ReaderSize);
		ReaderPos = InPos;
	}
	FString GetArchiveName() const override { return FString(TEXT("FBufferReader")); }

	/** The bytes from the position to the end, for a caller that scans them in place and then seeks past what it took. */
	const uint8* GetRemainingData() const { return ReaderData + ReaderPos; }
	int64 GetRemainingSize() const { return ReaderSize - ReaderPos; }

private:
	const uint8* ReaderData;
	int64 ReaderPos = 0;
	int64 ReaderSize;
};
