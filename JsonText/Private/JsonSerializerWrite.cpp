#include "Serialization/JsonSerializer.h"

#include "HAL/PlatformPrefetch.h"

namespace
{
	/**
	 * One value still to be written. Identifier points at the field name in
	 * the parent object, or is null for the root and array elements. The
	 * tree outlives the walk, so the pointers stay valid.
	 */
	struct FElement
	{
		const FString* Identifier;
		const FJsonValue* Value;
		bool bVisited = false;
	};

	/**
	 * Starts loading a value that the walk reaches soon. The values of a large
	 * tree are spread over far more memory than the caches hold, and the walk
	 * would otherwise wait for each one in turn.
	 */
	void PrefetchValue(const FJsonValue* Value)
	{
		PLATFORM_PREFETCH(Value);
	}
}

bool JsonSerializer::WriteObject(const TSharedRef<FJsonObject>& Object, const TSharedRef<JsonWriter>& Writer, bool bCloseWriter)
{
	const FJsonValueObject Root(Object);
	TArray<FElement> Stack;
	Stack.Add(FElement{nullptr, &Root});

	while (!Stack.IsEmpty())
	{
		FElement Current = Stack.Pop();
		const bool bNamed = Current.Identifier != nullptr;
		// An empty slot in an array or object is written as null.
		const EJson Kind = Current.Value != nullptr ? Current.Value->Type : EJson::Null;
		check(Kind != EJson::None);

		switch (Kind)
		{
		case EJson::Null:
			bNamed ? Writer->PutField(*Current.Identifier, nullptr) : Writer->PutValue(nullptr);
			break;
		case EJson::String:
			bNamed ? Writer->PutField(*Current.Identifier, Current.Value->AsString()) : Writer->PutValue(Current.Value->AsString());
			break;
		case EJson::Number:
			bNamed ? Writer->PutField(*Current.Identifier, Current.Value->AsNumber()) : Writer->PutValue(Current.Value->AsNumber());
			break;
		case EJson::Boolean:
			bNamed ? Writer->PutField(*Current.Identifier, Current.Value->AsBool()) : Writer->PutValue(Current.Value->AsBool());
			break;
		case EJson::Array:
		{
			if (Current.bVisited)
			{
				Writer->CloseArray();
				break;
			}
			Current.bVisited = true;
			Stack.Add(Current);
			bNamed ? Writer->OpenArray(*Current.Identifier) : Writer->OpenArray();
			const TArray<TSharedPtr<FJsonValue>>& Items = Current.Value->AsArray();
			for (int32 Index = Items.Num() - 1; Index >= 0; --Index)
			{
				PrefetchValue(Items[Index].Get());
				Stack.Add(FElement{nullptr, Items[Index].Get()});
			}
			break;
		}
		case EJson::Object:
		{
			if (Current.bVisited)
			{
				Writer->CloseObject();
				break;
			}
			Current.bVisited = true;
			Stack.Add(Current);
			bNamed ? Writer->OpenObject(*Current.Identifier) : Writer->OpenObject();
			const FJsonObject& Fields = *Current.Value->AsObject();
			const TArray<FString>& Keys = Fields.GetKeys();
			const TArray<TSharedPtr<FJsonValue>>& Values = Fields.GetValues();
			check(Keys.Num() == Values.Num());
			for (int32 Index = Keys.Num() - 1; Index >= 0; --Index)
			{
				PrefetchValue(Values[Index].Get());
				Stack.Add(FElement{&Keys[Index], Values[Index].Get()});
			}
			break;
		}
		default:
			UE_LOG(LogJson, Fatal, TEXT("Could not print Json Value, unrecognized type."));
		}
	}

	return bCloseWriter ? Writer->Finish() : true;
}
