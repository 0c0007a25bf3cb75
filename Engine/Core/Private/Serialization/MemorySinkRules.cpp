#include "Serialization/MemorySinkRules.h"

#include "Serialization/Archive.h"

#include <algorithm>
#include <cstring>

FString MemorySinkRules::DefaultArchiveName()
{
	return FString(TEXT("FMemoryWriter"));
}

void MemorySinkRules::FailBeyondMaxBytes(const FString& ArchiveName)
{
	UE_LOG(LogSerialization, Fatal, TEXT("FMemoryWriter does not support data larger than 2GB. Archive name: %s."), *ArchiveName);
}

const TCHAR* MemorySinkRules::FindNul(const TCHAR* First, const TCHAR* Last)
{
	// Text rarely holds a NUL, so the units are tested sixteen at a time, in
	// four words of four lanes. (Word - Ones) & ~Word sets the top bit of a
	// zero lane, and of no lane at all when none is zero.
	constexpr uint64 Ones = 0x0001000100010001ull;
	constexpr uint64 TopBits = 0x8000800080008000ull;
	constexpr SIZE_T NumWords = 4;
	constexpr SIZE_T BlockUnits = NumWords * sizeof(uint64) / sizeof(TCHAR);
	while (static_cast<SIZE_T>(Last - First) >= BlockUnits)
	{
		uint64 Words[NumWords];
		std::memcpy(Words, First, sizeof(Words));
		uint64 Zeros = 0;
		for (const uint64 Word : Words)
		{
			Zeros |= (Word - Ones) & ~Word;
		}
		if ((Zeros & TopBits) != 0)
		{
			break;
		}
		First += BlockUnits;
	}
	return std::find(First, Last, u'\0');
}
