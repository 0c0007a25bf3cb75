#include "Dom/JsonObject.h"

#include "Dom/JsonTeardown.h"

#include <functional>
#include <utility>

namespace
{
	SIZE_T HashFieldName(const FString& FieldName)
	{
		return std::hash<FString>()(FieldName);
	}

	/** The length and the first, middle and last units of a name: names that differ in any of them differ. */
	uint64 SummarizeFieldName(const FString& FieldName)
	{
		const int32 Length = FieldName.Len();
		if (Length == 0)
		{
			return 0;
		}
		const TCHAR* const Units = *FieldName;
		return (static_cast<uint64>(static_cast<uint16>(Length)) << 48) | (static_cast<uint64>(Units[0]) << 32)
			| (static_cast<uint64>(Units[Length / 2]) << 16) | static_cast<uint64>(Units[Length - 1]);
	}
}

FJsonObject::FJsonObject(TArray<FString>&& Names, TArray<TSharedPtr<FJsonValue>>&& InValues)
	: Keys(std::move(Names))
	, Values(std::move(InValues))
{
	check(Keys.Num() == Values.Num());
	if (IndexDistinctNames())
	{
		return;
	}
	// Rare in practice: the fields are set again one by one, which settles the repeats.
	TArray<FString> GivenNames = std::move(Keys);
	TArray<TSharedPtr<FJsonValue>> GivenValues = std::move(Values);
	Keys = TArray<FString>();
	Values = TArray<TSharedPtr<FJsonValue>>();
	Reserve(GivenNames.Num());
	for (int32 FieldIndex = 0; FieldIndex < GivenNames.Num(); ++FieldIndex)
	{
		SetField(std::move(GivenNames[FieldIndex]), std::move(GivenValues[FieldIndex]));
	}
}

bool FJsonObject::IndexDistinctNames()
{
	if (Num() > MaxUnindexedFields)
	{
		return RebuildIndex(Num());
	}
	// Names are told apart by a summary first, which most pairs differ in;
	// only names with the same summary are compared whole.
	uint64 Summaries[MaxUnindexedFields];
	for (int32 Later = 0; Later < Num(); ++Later)
	{
		const FString& Name = Keys[Later];
		const uint64 Summary = SummarizeFieldName(Name);
		for (int32 Earlier = 0; Earlier < Later; ++Earlier)
		{
			if (Summaries[Earlier] == Summary && Keys[Earlier] == Name)
			{
				return false;
			}
		}
		Summaries[Later] = Summary;
	}
	return true;
}

FJsonObject::~FJsonObject()
{
	JsonTeardown::ReleaseValues(Values);
}

int32 FJsonObject::FindIndex(const FString& FieldName) const
{
	if (Index.IsEmpty())
	{
		return Keys.Find(FieldName);
	}
	const SIZE_T Mask = static_cast<SIZE_T>(Index.Num()) - 1;
	for (SIZE_T Slot = HashFieldName(FieldName) & Mask;; Slot = (Slot + 1) & Mask)
	{
		const int32 FieldIndex = Index[static_cast<int32>(Slot)];
		if (FieldIndex == INDEX_NONE || Keys[FieldIndex] == FieldName)
		{
			return FieldIndex;
		}
	}
}

bool FJsonObject::AddToIndex(int32 FieldIndex)
{
	const SIZE_T Mask = static_cast<SIZE_T>(Index.Num()) - 1;
	const FString& FieldName = Keys[FieldIndex];
	SIZE_T Slot = HashFieldName(FieldName) & Mask;
	for (int32 Found; (Found = Index[static_cast<int32>(Slot)]) != INDEX_NONE; Slot = (Slot + 1) & Mask)
	{
		if (Keys[Found] == FieldName)
		{
			return false;
		}
	}
	Index[static_cast<int32>(Slot)] = FieldIndex;
	return true;
}

bool FJsonObject::RebuildIndex(int32 ExpectedFields)
{
	Index.Empty();
	if (ExpectedFields <= MaxUnindexedFields)
	{
		return true;
	}
	// A power of two at least twice the field count keeps probe runs short.
	int32 Slots = 32;
	while (Slots < ExpectedFields * 2)
	{
		Slots *= 2;
	}
	Index.AddDefaulted(Slots);
	for (int32& Slot : Index)
	{
		Slot = INDEX_NONE;
	}
	for (int32 FieldIndex = 0; FieldIndex < Num(); ++FieldIndex)
	{
		if (!AddToIndex(FieldIndex))
		{
			Index.Empty();
			return false;
		}
	}
	return true;
}

template <typename KeyType, typename ValueType>
void FJsonObject::SetFieldImpl(KeyType&& FieldName, ValueType&& Value)
{
	const int32 Existing = FindIndex(FieldName);
	if (Existing != INDEX_NONE)
	{
		Values[Existing] = std::forward<ValueType>(Value);
		return;
	}
	const int32 FieldIndex = Keys.Add(std::forward<KeyType>(FieldName));
	Values.Add(std::forward<ValueType>(Value));
	if (Num() > MaxUnindexedFields && Num() * 2 > Index.Num())
	{
		RebuildIndex(Num());
	}
	else if (!Index.IsEmpty())
	{
		AddToIndex(FieldIndex);
	}
}

TSharedPtr<FJsonValue> FJsonObject::GetField(const FString& FieldName) const
{
	const int32 FieldIndex = FindIndex(FieldName);
	return FieldIndex == INDEX_NONE ? TSharedPtr<FJsonValue>() : Values[FieldIndex];
}

void FJsonObject::SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value)
{
	SetFieldImpl(FieldName, Value);
}

void FJsonObject::SetField(FString&& FieldName, TSharedPtr<FJsonValue>&& Value)
{
	SetFieldImpl(std::move(FieldName), std::move(Value));
}

void FJsonObject::RemoveField(const FString& FieldName)
{
	const int32 FieldIndex = FindIndex(FieldName);
	if (FieldIndex == INDEX_NONE)
	{
		return;
	}
	Keys.RemoveAt(FieldIndex);
	Values.RemoveAt(FieldIndex);
	RebuildIndex(Num());
}

void FJsonObject::Reserve(int32 NumFields)
{
	Keys.Reserve(NumFields);
	Values.Reserve(NumFields);
	if (NumFields > MaxUnindexedFields && NumFields * 2 > Index.Num())
	{
		RebuildIndex(NumFields);
	}
}

void FJsonObject::SetStringField(const FString& FieldName, const FString& Value)
{
	SetField(FieldName, MakeShared<FJsonValueString>(Value));
}

void FJsonObject::SetNumberField(const FString& FieldName, double Value)
{
	SetField(FieldName, MakeShared<FJsonValueNumber>(Value));
}

void FJsonObject::SetBoolField(const FString& FieldName, bool bValue)
{
	SetField(FieldName, MakeShared<FJsonValueBoolean>(bValue));
}

void FJsonObject::SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Value)
{
	SetField(FieldName, MakeShared<FJsonValueArray>(Value));
}

void FJsonObject::SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& Value)
{
	SetField(FieldName, MakeShared<FJsonValueObject>(Value));
}

bool FJsonObject::TryGetStringField(const FString& FieldName, FString& OutString) const
{
	const int32 FieldIndex = FindIndex(FieldName);
	return FieldIndex != INDEX_NONE && Values[FieldIndex].IsValid() && Values[FieldIndex]->TryGetString(OutString);
}

bool FJsonObject::TryGetNumberField(const FString& FieldName, double& OutNumber) const
{
	const int32 FieldIndex = FindIndex(FieldName);
	return FieldIndex != INDEX_NONE && Values[FieldIndex].IsValid() && Values[FieldIndex]->TryGetNumber(OutNumber);
}

bool FJsonObject::TryGetBoolField(const FString& FieldName, bool& OutBool) const
{
	const int32 FieldIndex = FindIndex(FieldName);
	return FieldIndex != INDEX_NONE && Values[FieldIndex].IsValid() && Values[FieldIndex]->TryGetBool(OutBool);
}

bool FJsonObject::TryGetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	const int32 FieldIndex = FindIndex(FieldName);
	return FieldIndex != INDEX_NONE && Values[FieldIndex].IsValid() && Values[FieldIndex]->TryGetArray(OutArray);
}

bool FJsonObject::TryGetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>*& OutObject) const
{
	const int32 FieldIndex = FindIndex(FieldName);
	return FieldIndex != INDEX_NONE && Values[FieldIndex].IsValid() && Values[FieldIndex]->TryGetObject(OutObject);
}
