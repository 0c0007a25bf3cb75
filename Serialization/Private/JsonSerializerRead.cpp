#include "Serialization/JsonSerializer.h"

#include <utility>

namespace
{
	/** The finished value of a container; it keeps the container's own kind, whichever bracket closed it. */
	TSharedPtr<FJsonValue> FinishScope(JsonSerializer::OpenScope& Scope)
	{
		if (Scope.Kind == EJson::Object)
		{
			return MakeShared<FJsonValueObject>(std::move(Scope.Object));
		}
		return MakeShared<FJsonValueArray>(std::move(Scope.Items));
	}
}

bool JsonSerializer::ReadTree(const TSharedRef<JsonReader>& Reader, OpenScope& OutRoot)
{
	TArray<OpenScope> ScopeStack;
	OpenScope Current;
	bool bHasCurrent = false;

	EJsonEvent Event;
	while (Reader->Advance(Event))
	{
		FString Identifier = Reader->CurrentIdentifier();
		TSharedPtr<FJsonValue> NewValue;

		switch (Event)
		{
		case EJsonEvent::ObjectOpened:
		case EJsonEvent::ArrayOpened:
		{
			if (bHasCurrent)
			{
				ScopeStack.Add(std::move(Current));
			}
			const bool bObject = Event == EJsonEvent::ObjectOpened;
			Current = OpenScope{bObject ? EJson::Object : EJson::Array, std::move(Identifier), {}, nullptr};
			if (bObject)
			{
				Current.Object = MakeShared<FJsonObject>();
			}
			bHasCurrent = true;
			break;
		}
		case EJsonEvent::ObjectClosed:
		case EJsonEvent::ArrayClosed:
			// The root's closing changes nothing: the root scope stays current.
			if (!ScopeStack.IsEmpty())
			{
				Identifier = std::move(Current.Identifier);
				NewValue = FinishScope(Current);
				Current = ScopeStack.Pop();
			}
			break;
		case EJsonEvent::BooleanValue:
			NewValue = MakeShared<FJsonValueBoolean>(Reader->BoolToken());
			break;
		case EJsonEvent::StringValue:
			NewValue = MakeShared<FJsonValueString>(Reader->StringToken());
			break;
		case EJsonEvent::NumberValue:
			NewValue = MakeShared<FJsonValueNumber>(Reader->NumberToken());
			break;
		case EJsonEvent::NullValue:
			NewValue = MakeShared<FJsonValueNull>();
			break;
		case EJsonEvent::Error:
			return false;
		}

		if (NewValue.IsValid() && bHasCurrent)
		{
			if (Current.Kind == EJson::Object)
			{
				Current.Object->SetField(std::move(Identifier), std::move(NewValue));
			}
			else
			{
				Current.Items.Add(std::move(NewValue));
			}
		}
	}

	if (!bHasCurrent || !Reader->ErrorText().IsEmpty())
	{
		return false;
	}
	OutRoot = std::move(Current);
	return true;
}

bool JsonSerializer::ReadObject(const TSharedRef<JsonReader>& Reader, TSharedPtr<FJsonObject>& OutObject)
{
	OpenScope Root;
	if (!ReadTree(Reader, Root) || !Root.Object.IsValid())
	{
		return false;
	}
	OutObject = std::move(Root.Object);
	return true;
}
