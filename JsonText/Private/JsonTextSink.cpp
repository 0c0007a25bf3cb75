#include "JsonTextSink.h"

#include "Serialization/MemorySinkRules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

FJsonTextSink::FJsonTextSink()
{
	SetIsSaving(true);
}

FJsonTextSink::~FJsonTextSink()
{
	std::free(Units);
}

void FJsonTextSink::Serialize(void* Data, int64 Num)
{
	if (Num <= 0)
	{
		return;
	}
	check(Num % static_cast<int64>(sizeof(TCHAR)) == 0);
	const int64 Added = Num / static_cast<int64>(sizeof(TCHAR));
	MemorySinkRules::CheckGrowth((NumUnits + Added) * static_cast<int64>(sizeof(TCHAR)), [this] { return GetArchiveName(); });
	if (NumUnits + Added > CapacityUnits)
	{
		const int64 NewCapacity = std::max(NumUnits + Added, CapacityUnits * 2);
		void* Grown = std::realloc(Units, static_cast<SIZE_T>(NewCapacity) * sizeof(TCHAR));
		if (Grown == nullptr)
		{
			throw std::bad_alloc();
		}
		Units = static_cast<TCHAR*>(Grown);
		CapacityUnits = NewCapacity;
	}
	std::memcpy(Units + NumUnits, Data, static_cast<SIZE_T>(Num));
	NumUnits += Added;
}

FString FJsonTextSink::GetArchiveName() const
{
	return MemorySinkRules::DefaultArchiveName();
}

FString FJsonTextSink::ToText() const
{
	std::u16string Text;
	Text.reserve(static_cast<SIZE_T>(NumUnits));
	MemorySinkRules::ForEachRunWithoutNul(Units, static_cast<SIZE_T>(NumUnits), [&Text](const TCHAR* Run, SIZE_T Count) { Text.append(Run, Count); });
	return FString(std::move(Text));
}
