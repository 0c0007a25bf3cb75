#include "JsonTextSink.h"

#include "Serialization/MemoryWriter.h"

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
	if ((NumUnits + Added) * static_cast<int64>(sizeof(TCHAR)) > FMemoryWriter::MaxSize)
	{
		FMemoryWriter::FailBeyondMaxSize(GetArchiveName());
	}
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
	// It stands in for the memory writer, and its messages name that.
	return FString(TEXT("FMemoryWriter"));
}

FString FJsonTextSink::ToText() const
{
	const TCHAR* const Begin = Units;
	const TCHAR* const End = Begin + NumUnits;
	const TCHAR* const FirstNul = std::find(Begin, End, u'\0');
	std::u16string Text;
	Text.reserve(static_cast<SIZE_T>(NumUnits));
	Text.append(Begin, static_cast<SIZE_T>(FirstNul - Begin));
	for (const TCHAR* Unit = FirstNul; Unit < End; ++Unit)
	{
		if (*Unit != u'\0')
		{
			Text.push_back(*Unit);
		}
	}
	return FString(std::move(Text));
}
