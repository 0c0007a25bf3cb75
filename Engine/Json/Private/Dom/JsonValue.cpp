#include "Dom/JsonValue.h"

#include "Dom/JsonObject.h"
#include "Dom/JsonTeardown.h"

#include <utility>
#include <vector>

bool FJsonValue::TryGetString(FString& OutString) const
{
	if (Type != EJson::String)
	{
		return false;
	}
	OutString = static_cast<const FJsonValueString*>(this)->Value;
	return true;
}

bool FJsonValue::TryGetNumber(double& OutNumber) const
{
	if (Type != EJson::Number)
	{
		return false;
	}
	OutNumber = static_cast<const FJsonValueNumber*>(this)->Value;
	return true;
}

bool FJsonValue::TryGetBool(bool& OutBool) const
{
	if (Type != EJson::Boolean)
	{
		return false;
	}
	OutBool = static_cast<const FJsonValueBoolean*>(this)->bValue;
	return true;
}

bool FJsonValue::TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	if (Type != EJson::Array)
	{
		return false;
	}
	OutArray = &static_cast<const FJsonValueArray*>(this)->Value;
	return true;
}

bool FJsonValue::TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const
{
	if (Type != EJson::Object)
	{
		return false;
	}
	OutObject = &static_cast<const FJsonValueObject*>(this)->Value;
	return true;
}

const FString& FJsonValue::AsString() const
{
	static const FString Empty;
	if (Type != EJson::String)
	{
		ErrorWrongKind(EJson::String);
		return Empty;
	}
	return static_cast<const FJsonValueString*>(this)->Value;
}

double FJsonValue::AsNumber() const
{
	double Number = 0.0;
	if (!TryGetNumber(Number))
	{
		ErrorWrongKind(EJson::Number);
	}
	return Number;
}

bool FJsonValue::AsBool() const
{
	bool bValue = false;
	if (!TryGetBool(bValue))
	{
		ErrorWrongKind(EJson::Boolean);
	}
	return bValue;
}

const TArray<TSharedPtr<FJsonValue>>& FJsonValue::AsArray() const
{
	static const TArray<TSharedPtr<FJsonValue>> Empty;
	const TArray<TSharedPtr<FJsonValue>>* Array = &Empty;
	if (!TryGetArray(Array))
	{
		ErrorWrongKind(EJson::Array);
	}
	return *Array;
}

const TSharedPtr<FJsonObject>& FJsonValue::AsObject() const
{
	static const TSharedPtr<FJsonObject> Empty;
	const TSharedPtr<FJsonObject>* Object = &Empty;
	if (!TryGetObject(Object))
	{
		ErrorWrongKind(EJson::Object);
	}
	return *Object;
}

const TCHAR* FJsonValue::GetTypeName(EJson Kind)
{
	switch (Kind)
	{
	case EJson::None: return TEXT("None");
	case EJson::Null: return TEXT("Null");
	case EJson::String: return TEXT("String");
	case EJson::Number: return TEXT("Number");
	case EJson::Boolean: return TEXT("Boolean");
	case EJson::Array: return TEXT("Array");
	case EJson::Object: return TEXT("Object");
	}
	return TEXT("Unknown");
}

void FJsonValue::ErrorWrongKind(EJson Wanted) const
{
	UE_LOG(LogJson, Error, TEXT("Json Value of type '%s' used as a '%s'."), GetTypeName(Type), GetTypeName(Wanted));
}

bool FJsonValue::CompareEqual(const TSharedPtr<FJsonValue>& Lhs, const TSharedPtr<FJsonValue>& Rhs)
{
	const auto KindOf = [](const FJsonValue* Value) { return Value != nullptr ? Value->Type : EJson::Null; };

	std::vector<std::pair<const FJsonValue*, const FJsonValue*>> Work{{Lhs.Get(), Rhs.Get()}};
	while (!Work.empty())
	{
		const auto [A, B] = Work.back();
		Work.pop_back();
		if (KindOf(A) != KindOf(B))
		{
			return false;
		}
		switch (KindOf(A))
		{
		case EJson::None:
		case EJson::Null:
			break;
		case EJson::String:
			if (A->AsString() != B->AsString())
			{
				return false;
			}
			break;
		case EJson::Number:
			if (A->AsNumber() != B->AsNumber())
			{
				return false;
			}
			break;
		case EJson::Boolean:
			if (A->AsBool() != B->AsBool())
			{
				return false;
			}
			break;
		case EJson::Array:
		{
			const TArray<TSharedPtr<FJsonValue>>& ItemsA = A->AsArray();
			const TArray<TSharedPtr<FJsonValue>>& ItemsB = B->AsArray();
			if (ItemsA.Num() != ItemsB.Num())
			{
				return false;
			}
			for (int32 Index = 0; Index < ItemsA.Num(); ++Index)
			{
				Work.emplace_back(ItemsA[Index].Get(), ItemsB[Index].Get());
			}
			break;
		}
		case EJson::Object:
		{
			const FJsonObject& ObjectA = *A->AsObject();
			const FJsonObject& ObjectB = *B->AsObject();
			if (ObjectA.Num() != ObjectB.Num())
			{
				return false;
			}
			for (int32 Index = 0; Index < ObjectA.Num(); ++Index)
			{
				const FString& Key = ObjectA.GetKeys()[Index];
				if (!ObjectB.HasField(Key))
				{
					return false;
				}
				// The object keeps the value alive, so the raw pointer stays valid.
				Work.emplace_back(ObjectA.GetValues()[Index].Get(), ObjectB.GetField(Key).Get());
			}
			break;
		}
		}
	}
	return true;
}

FJsonValueArray::~FJsonValueArray()
{
	JsonTeardown::ReleaseValues(Value);
}

FJsonValueObject::FJsonValueObject(TSharedPtr<FJsonObject> InObject)
	: FJsonValue(EJson::Object), Value(InObject.IsValid() ? std::move(InObject) : TSharedPtr<FJsonObject>(MakeShared<FJsonObject>()))
{
}
