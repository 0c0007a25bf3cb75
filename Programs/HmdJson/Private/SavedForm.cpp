#include "SavedForm.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace
{
	/** True when the quoted text of String, which ends at its first NUL unit, is all below 128. */
	bool QuotesAsAscii(const FString& String)
	{
		const std::u16string_view Units = String.View();
		const std::u16string_view Quoted = Units.substr(0, std::min(Units.find(u'\0'), Units.size()));
		return FTextFileEncoder::FormOf(Quoted) == ETextFileForm::Ascii;
	}
}

bool SavedForm::IsPlainAscii(const uint8* Bytes, SIZE_T Size)
{
	const bool bAllBelow128 = std::all_of(Bytes, Bytes + Size, [](uint8 Byte) { return Byte < 0x80; });
	return bAllBelow128 && std::string_view(reinterpret_cast<const char*>(Bytes), Size).find("\\u") == std::string_view::npos;
}

ETextFileForm SavedForm::OfTree(const FJsonObject& Object)
{
	// Depth first in document order, with an explicit stack of the value
	// lists being looked at and how far: nesting is limited only by memory,
	// and the first text that is not ASCII ends the walk wherever it sits. An
	// object's names are looked at when it is reached.
	struct FCursor
	{
		const TArray<TSharedPtr<FJsonValue>>* Values;
		int32 Next;
	};
	std::vector<FCursor> Pending;
	const auto Reach = [&Pending](const FJsonObject& Reached)
	{
		const TArray<FString>& Keys = Reached.GetKeys();
		Pending.push_back(FCursor{&Reached.GetValues(), 0});
		return std::all_of(Keys.begin(), Keys.end(), QuotesAsAscii);
	};
	if (!Reach(Object))
	{
		return ETextFileForm::Utf16;
	}
	while (!Pending.empty())
	{
		FCursor& Cursor = Pending.back();
		if (Cursor.Next == Cursor.Values->Num())
		{
			Pending.pop_back();
			continue;
		}
		const TSharedPtr<FJsonValue>& Value = (*Cursor.Values)[Cursor.Next++];
		if (!Value.IsValid())
		{
			continue;
		}
		bool bAscii = true;
		switch (Value->Type)
		{
		case EJson::String:
			bAscii = QuotesAsAscii(Value->AsString());
			break;
		case EJson::Array:
			Pending.push_back(FCursor{&Value->AsArray(), 0});
			break;
		case EJson::Object:
			bAscii = Reach(*Value->AsObject());
			break;
		default:
			break;
		}
		if (!bAscii)
		{
			return ETextFileForm::Utf16;
		}
	}
	return ETextFileForm::Ascii;
}
