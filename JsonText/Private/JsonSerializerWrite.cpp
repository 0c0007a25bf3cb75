#include "Serialization/JsonSerializer.h"

#include "HAL/PlatformPrefetch.h"

#include <vector>

namespace
{
	/**
	 * An open container on the walk: its values, its field names for an
	 * object (null for an array), and the index of the next value to write.
	 * The tree outlives the walk, so the pointers stay valid.
	 */
	struct FCursor
	{
		const TArray<TSharedPtr<FJsonValue>>* Values;
		const TArray<FString>* Keys;
		int32 Next;
	};

	/**
	 * How many values ahead the walk starts loading the next one. The values
	 * of a large tree are spread over far more memory than the caches hold,
	 * and the walk would otherwise wait for each one in turn.
	 */
	constexpr int32 PrefetchDistance = 4;

	/** The open containers, innermost last; the depth is limited only by memory. */
	class FWriteWalk
	{
	public:
		explicit FWriteWalk(JsonWriter& InWriter) : Writer(InWriter) {}

		void WriteRoot(const FJsonObject& Object)
		{
			Writer.OpenObject();
			Push(Object);
			while (!Open.empty())
			{
				Step();
			}
		}

	private:
		void Push(const FJsonObject& Object)
		{
			check(Object.GetKeys().Num() == Object.GetValues().Num());
			Open.push_back(FCursor{&Object.GetValues(), &Object.GetKeys(), 0});
		}

		/** Writes the next value of the innermost container, or closes it when it has none left. */
		void Step()
		{
			FCursor& Cursor = Open.back();
			const int32 Count = Cursor.Values->Num();
			if (Cursor.Next == Count)
			{
				Cursor.Keys != nullptr ? Writer.CloseObject() : Writer.CloseArray();
				Open.pop_back();
				return;
			}
			const int32 Index = Cursor.Next++;
			if (Index + PrefetchDistance < Count)
			{
				PLATFORM_PREFETCH((*Cursor.Values)[Index + PrefetchDistance].Get());
			}
			const FString* const Identifier = Cursor.Keys != nullptr ? &(*Cursor.Keys)[Index] : nullptr;
			// Cursor is not used past this point: opening a container may move it.
			Write(Identifier, (*Cursor.Values)[Index].Get());
		}

		/** Writes one value, as the field Identifier or (null Identifier) as an array element. */
		void Write(const FString* Identifier, const FJsonValue* Value)
		{
			const bool bNamed = Identifier != nullptr;
			// An empty slot in an array or object is written as null.
			const EJson Kind = Value != nullptr ? Value->Type : EJson::Null;
			check(Kind != EJson::None);

			switch (Kind)
			{
			case EJson::Null:
				bNamed ? Writer.PutField(*Identifier, nullptr) : Writer.PutValue(nullptr);
				break;
			case EJson::String:
				bNamed ? Writer.PutField(*Identifier, Value->AsString()) : Writer.PutValue(Value->AsString());
				break;
			case EJson::Number:
				bNamed ? Writer.PutField(*Identifier, Value->AsNumber()) : Writer.PutValue(Value->AsNumber());
				break;
			case EJson::Boolean:
				bNamed ? Writer.PutField(*Identifier, Value->AsBool()) : Writer.PutValue(Value->AsBool());
				break;
			case EJson::Array:
				bNamed ? Writer.OpenArray(*Identifier) : Writer.OpenArray();
				Open.push_back(FCursor{&Value->AsArray(), nullptr, 0});
				break;
			case EJson::Object:
				bNamed ? Writer.OpenObject(*Identifier) : Writer.OpenObject();
				Push(*Value->AsObject());
				break;
			default:
				UE_LOG(LogJson, Fatal, TEXT("Could not print Json Value, unrecognized type."));
			}
		}

		JsonWriter& Writer;
		std::vector<FCursor> Open;
	};
}

bool JsonSerializer::WriteObject(const TSharedRef<FJsonObject>& Object, const TSharedRef<JsonWriter>& Writer, bool bCloseWriter)
{
	FWriteWalk(*Writer).WriteRoot(*Object);
	return bCloseWriter ? Writer->Finish() : true;
}
