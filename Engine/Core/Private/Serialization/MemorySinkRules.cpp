#include "Serialization/MemorySinkRules.h"

#include "Containers/Utf16Lanes.h"
#include "Serialization/Archive.h"

#include <algorithm>

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
	// four words of four lanes.
	constexpr SIZE_T NumWords = 4;
	constexpr SIZE_T BlockUnits = NumWords * Utf16Lanes::UnitsPerWord;
	while (static_cast<SIZE_T>(Last - First) >= BlockUnits)
	{
		uint64 Zeros = 0;
		for (SIZE_T Word = 0; Word < NumWords; ++Word)
		{
			Zeros |= Utf16Lanes::AnyBelow(Utf16Lanes::Load(First + Word * Utf16Lanes::UnitsPerWord), 1);
		}
		if (Zeros != 0)
		{
			break;
		}
		First += BlockUnits;
	}
	return std::find(First, Last, u'\0');
}
