#include "Serialization/JsonSerializer.h"

#include "Dom/JsonTreeAllocator.h"

#include <utility>

namespace
{
	/** A value read and not yet taken by its container, with its field name (empty in arrays). */
	struct FPendingValue
	{
		FString Identifier;
		TSharedPtr<FJsonValue> Value;
	};

	/** A container still open: its values are the pending ones from First on. */
	struct FOpenContainer
	{
		EJson Kind;
		FString Identifier;
		int32 First;
	};

	/**
	 * Builds the tree from the reader's events. The values of all open
	 * containers wait on one list, innermost last, so that each container is
	 * made in one exactly sized block when it closes. The values are made in
	 * the allocator's blocks; null, true and false are immutable and shared
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
				Open.Add(FOpenContainer{Event == EJsonEvent::ObjectOpened ? EJson::Object : EJson::Array, Reader.CurrentIdentifier(), Pending.Num()});
				return true;
			case EJsonEvent::ObjectClosed:
			case EJsonEvent::ArrayClosed:
				// The root's closing changes nothing: the root stays open until the end.
				if (Open.Num() > 1)
				{
					FOpenContainer Closed = Open.Pop();
					TSharedPtr<FJsonValue> Value = Closed.Kind == EJson::Object
						? TSharedPtr<FJsonValue>(Allocator.MakeShared<FJsonValueObject>(TakeObject(Closed.First)))
						: TSharedPtr<FJsonValue>(Allocator.MakeShared<FJsonValueArray>(TakeItems(Closed.First)));
					Pending.Add(FPendingValue{std::move(Closed.Identifier), std::move(Value)});
				}
				return true;
			case EJsonEvent::BooleanValue:
				AddValue(Reader, Reader.BoolToken() ? Shared(True, true) : Shared(False, false));
				return true;
			case EJsonEvent::StringValue:
				AddValue(Reader, Allocator.MakeShared<FJsonValueString>(Reader.StringToken()));
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
				OutRoot.Object = TakeObject(0);
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
			Pending.Add(FPendingValue{Reader.CurrentIdentifier(), std::move(Value)});
		}

		const TSharedPtr<FJsonValue>& Shared(TSharedPtr<FJsonValue>& Slot, bool bValue)
		{
			if (!Slot.IsValid())
			{
				Slot = Allocator.MakeShared<FJsonValueBoolean>(bValue);
			}
			return Slot;
		}

		/** The pending values from First on as an object; a repeated name keeps its first place and its last value. */
		TSharedPtr<FJsonObject> TakeObject(int32 First)
		{
			TSharedRef<FJsonObject> Object = Allocator.MakeShared<FJsonObject>();
			Object->Reserve(Pending.Num() - First);
			for (int32 Index = First; Index < Pending.Num(); ++Index)
			{
				Object->SetField(std::move(Pending[Index].Identifier), std::move(Pending[Index].Value));
			}
			Pending.SetNum(First);
			return Object;
		}

		TArray<TSharedPtr<FJsonValue>> TakeItems(int32 First)
		{
			TArray<TSharedPtr<FJsonValue>> Items;
			Items.Reserve(Pending.Num() - First);
			for (int32 Index = First; Index < Pending.Num(); ++Index)
			{
				Items.Add(std::move(Pending[Index].Value));
			}
			Pending.SetNum(First);
			return Items;
		}

		FJsonTreeAllocator Allocator;
		TArray<FOpenContainer> Open;
		TArray<FPendingValue> Pending;
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
