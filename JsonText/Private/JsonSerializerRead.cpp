#include "Serialization/JsonSerializer.h"

#include "Dom/JsonTreeAllocator.h"

#include <utility>

namespace
{
	/** A container still open: its values, and for an object its field names, are the pending ones from the firsts on. */
	struct FOpenContainer
	{
		EJson Kind;
		/** The container's own field name in the object that holds it; empty in an array and for the root. */
		FString Identifier;
		int32 FirstValue;
		int32 FirstName;
	};

	/**
	 * Builds the tree from the reader's events. The values of all open
	 * containers wait on one list, innermost last, and the field names of
	 * open objects on another beside it, so that each container is made in
	 * one exactly sized block when it closes. The values are made in the
	 * allocator's blocks; null, true and false are immutable and shared
	 * within the document.
	 */
	class FTreeBuilder
	{
	public:
		/** Handles one event; false for an error event. */
		bool Handle(EJsonEvent Event, JsonReader& Reader)
		{
			switch (Event)
			{
			case EJsonEvent::ObjectOpened:
			case EJsonEvent::ArrayOpened:
				Open.Add(FOpenContainer{Event == EJsonEvent::ObjectOpened ? EJson::Object : EJson::Array, Reader.TakeCurrentIdentifier(),
					PendingValues.Num(), PendingNames.Num()});
				return true;
			case EJsonEvent::ObjectClosed:
			case EJsonEvent::ArrayClosed:
				// The root's closing changes nothing: the root stays open until the end.
				if (Open.Num() > 1)
				{
					FOpenContainer Closed = Open.Pop();
					TSharedPtr<FJsonValue> Value = Closed.Kind == EJson::Object
						? TSharedPtr<FJsonValue>(Allocator.MakeShared<FJsonValueObject>(TakeObject(Closed)))
						: TSharedPtr<FJsonValue>(Allocator.MakeShared<FJsonValueArray>(TakeItems(Closed.FirstValue)));
					Add(std::move(Closed.Identifier), std::move(Value));
				}
				return true;
			case EJsonEvent::BooleanValue:
				AddValue(Reader, Reader.BoolToken() ? Shared(True, true) : Shared(False, false));
				return true;
			case EJsonEvent::StringValue:
				AddValue(Reader, Allocator.MakeShared<FJsonValueString>(Reader.TakeStringToken()));
				return true;
			case EJsonEvent::NumberValue:
				AddValue(Reader, Allocator.MakeShared<FJsonValueNumber>(Reader.NumberToken()));
				return true;
			case EJsonEvent::NullValue:
				if (!Null.IsValid())
				{
					Null = Allocator.MakeShared<FJsonValueNull>();
				}
				AddValue(Reader, Null);
				return true;
			case EJsonEvent::Error:
				break;
			}
			return false;
		}

		/** Moves the root container into OutRoot; false when no container was opened. */
		bool TakeRoot(JsonSerializer::FDocument& OutRoot)
		{
			if (Open.IsEmpty())
			{
				return false;
			}
			OutRoot.Kind = Open[0].Kind;
			if (OutRoot.Kind == EJson::Object)
			{
				OutRoot.Object = TakeObject(Open[0]);
			}
			else
			{
				OutRoot.Items = TakeItems(0);
			}
			return true;
		}

	private:
		void AddValue(JsonReader& Reader, TSharedPtr<FJsonValue> Value)
		{
			if (Open.Top().Kind == EJson::Object)
			{
				PendingNames.Emplace();
				Reader.TakeCurrentIdentifier(PendingNames.Top());
			}
			PendingValues.Add(std::move(Value));
		}

		/** Adds a closed container to the one that holds it, with its name when that is an object. */
		void Add(FString&& Identifier, TSharedPtr<FJsonValue>&& Value)
		{
			if (Open.Top().Kind == EJson::Object)
			{
				PendingNames.Add(std::move(Identifier));
			}
			PendingValues.Add(std::move(Value));
		}

		const TSharedPtr<FJsonValue>& Shared(TSharedPtr<FJsonValue>& Slot, bool bValue)
		{
			if (!Slot.IsValid())
			{
				Slot = Allocator.MakeShared<FJsonValueBoolean>(bValue);
			}
			return Slot;
		}

		/** The pending fields of Closed as an object; a repeated name keeps its first place and its last value. */
		TSharedPtr<FJsonObject> TakeObject(const FOpenContainer& Closed)
		{
			TArray<FString> Names;
			Names.Reserve(PendingNames.Num() - Closed.FirstName);
			for (int32 Index = Closed.FirstName; Index < PendingNames.Num(); ++Index)
			{
				Names.Add(std::move(PendingNames[Index]));
			}
			PendingNames.SetNum(Closed.FirstName);
			return Allocator.MakeShared<FJsonObject>(std::move(Names), TakeItems(Closed.FirstValue));
		}

		TArray<TSharedPtr<FJsonValue>> TakeItems(int32 First)
		{
			TArray<TSharedPtr<FJsonValue>> Items;
			Items.Reserve(PendingValues.Num() - First);
			for (int32 Index = First; Index < PendingValues.Num(); ++Index)
			{
				Items.Add(std::move(PendingValues[Index]));
			}
			PendingValues.SetNum(First);
			return Items;
		}

		FJsonTreeAllocator Allocator;
		TArray<FOpenContainer> Open;
		TArray<TSharedPtr<FJsonValue>> PendingValues;
		TArray<FString> PendingNames;
		TSharedPtr<FJsonValue> Null;
		TSharedPtr<FJsonValue> True;
		TSharedPtr<FJsonValue> False;
	};
}

bool JsonSerializer::ReadTree(const TSharedRef<JsonReader>& Reader, FDocument& OutRoot)
{
	FTreeBuilder Builder;
	EJsonEvent Event;
	while (Reader->Advance(Event))
	{
		if (!Builder.Handle(Event, *Reader))
		{
			return false;
		}
	}
	return !Reader->Error().has_value() && Builder.TakeRoot(OutRoot);
}

bool JsonSerializer::ReadObject(const TSharedRef<JsonReader>& Reader, TSharedPtr<FJsonObject>& OutObject)
{
	FDocument Root;
	if (!ReadTree(Reader, Root) || !Root.Object.IsValid())
	{
		return false;
	}
	OutObject = std::move(Root.Object);
	return true;
}
