#include "TextOutput.h"

#include "Serialization/MemorySinkRules.h"

FTextOutput::FTextOutput()
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
	MemorySinkRules::ForEachRunWithoutNul(static_cast<const TCHAR*>(Data), static_cast<SIZE_T>(Num) / sizeof(TCHAR),
		[this](const TCHAR* Units, SIZE_T Count) { TakeUnits(Units, Count); });
}
