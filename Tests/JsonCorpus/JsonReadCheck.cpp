#include "JsonReadCheck.h"

#include "Containers/StringConv.h"
#include "Dom/JsonObject.h"
#include "Misc/TextFileEncoding.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <vector>

namespace
{
	/** The field that carries an array root through WriteObject, which writes objects only. */
	const TCHAR* const ArrayRootField = TEXT("Root");

	EJson KindOf(const TSharedPtr<FJsonValue>& Value)
	{
		return Value.IsValid() ? Value->Type : EJson::Null;
	}

	std::string Utf8(const FString& Text)
	{
		return StringConv::ToUtf8(Text);
	}

	std::string NumberText(double Value)
	{
		char Buffer[32];
		return std::string(Buffer, std::to_chars(Buffer, Buffer + sizeof(Buffer), Value).ptr);
	}

	/** What differs between two values of the same kind, ignoring their children; empty when nothing does. */
	std::string ShallowDifference(const FJsonValue& Written, const FJsonValue& ReadBack)
	{
		switch (Written.Type)
		{
		case EJson::String:
			return Written.AsString() == ReadBack.AsString()
				? std::string()
				: "string \"" + Utf8(Written.AsString()) + "\" read back as \"" + Utf8(ReadBack.AsString()) + "\"";
		case EJson::Number:
			return std::bit_cast<uint64>(Written.AsNumber()) == std::bit_cast<uint64>(ReadBack.AsNumber())
				? std::string()
				: "number " + NumberText(Written.AsNumber()) + " read back as " + NumberText(ReadBack.AsNumber());
		case EJson::Boolean:
			return Written.AsBool() == ReadBack.AsBool() ? std::string() : "boolean read back inverted";
		case EJson::Array:
			return Written.AsArray().Num() == ReadBack.AsArray().Num()
				? std::string()
				: std::to_string(Written.AsArray().Num()) + " elements read back as " +
					std::to_string(ReadBack.AsArray().Num());
		case EJson::Object:
		{
			const TArray<FString>& WrittenKeys = Written.AsObject()->GetKeys();
			const TArray<FString>& ReadKeys = ReadBack.AsObject()->GetKeys();
			if (WrittenKeys.Num() != ReadKeys.Num())
			{
				return std::to_string(WrittenKeys.Num()) + " fields read back as " + std::to_string(ReadKeys.Num());
			}
			for (int32 Index = 0; Index < WrittenKeys.Num(); ++Index)
			{
				if (WrittenKeys[Index] != ReadKeys[Index])
				{
					return "field " + std::to_string(Index) + " \"" + Utf8(WrittenKeys[Index]) + "\" read back as \"" +
						Utf8(ReadKeys[Index]) + "\"";
				}
			}
			return std::string();
		}
		default:
			return std::string();
		}
	}

	/** The tree that ReadTree gave, as one value. */
	TSharedPtr<FJsonValue> RootValue(const JsonSerializer::FDocument& Root)
	{
		if (Root.Kind == EJson::Object)
		{
			return MakeShared<FJsonValueObject>(Root.Object);
		}
		return MakeShared<FJsonValueArray>(Root.Items);
	}

	/** Reads Text as a document whose root must be an object; the error text when it is not one. */
	TSharedPtr<FJsonObject> ReadObject(const FString& Text, FString& OutError)
	{
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(Text);
		TSharedPtr<FJsonObject> Object;
		if (!JsonSerializer::ReadObject(Reader, Object))
		{
			Object.Reset();
		}
		OutError = Reader->ErrorText();
		return Object;
	}

	/** Writes Object as a document; a description of the fault, or empty. */
	std::string WriteObject(const TSharedRef<FJsonObject>& Object, FString& OutText)
	{
		return JsonSerializer::WriteObject(Object, StringJsonWriter::Create(&OutText, 0), true)
			? std::string()
			: "Finish returned false after writing the tree";
	}

	/** Writes the tree, reads it back and writes it again; a description of the first fault, or empty. */
	std::string CheckRoundTrip(const TSharedRef<FJsonObject>& Tree)
	{
		FString Text;
		if (std::string Fault = WriteObject(Tree, Text); !Fault.empty())
		{
			return Fault;
		}
		FString Error;
		const TSharedPtr<FJsonObject> ReadBack = ReadObject(Text, Error);
		if (!ReadBack.IsValid())
		{
			return "the written text does not read back: " + Utf8(Error) + "\n--- text ---\n" + Utf8(Text);
		}
		if (std::string Difference = JsonReadCheck::FirstDifference(
				MakeShared<FJsonValueObject>(Tree), MakeShared<FJsonValueObject>(ReadBack));
			!Difference.empty())
		{
			return "the tree does not read back equal: " + Difference + "\n--- text ---\n" + Utf8(Text);
		}
		FString SecondText;
		if (std::string Fault = WriteObject(ReadBack.ToSharedRef(), SecondText); !Fault.empty())
		{
			return Fault;
		}
		return SecondText == Text ? std::string() : "the tree read back writes a different text";
	}
}

namespace JsonReadCheck
{
	std::string FirstDifference(const TSharedPtr<FJsonValue>& Written, const TSharedPtr<FJsonValue>& ReadBack)
	{
		struct FPair
		{
			TSharedPtr<FJsonValue> Written;
			TSharedPtr<FJsonValue> ReadBack;
			size_t Depth;
			std::string Label;
		};
		// Depth-first: when a pair at depth D is taken, Path[0..D) still names
		// its ancestors, because all of a container's children are taken
		// before anything that was pushed earlier.
		std::vector<std::string> Path;
		std::vector<FPair> Pending;
		Pending.push_back({Written, ReadBack, 0, "$"});
		while (!Pending.empty())
		{
			FPair Pair = std::move(Pending.back());
			Pending.pop_back();
			Path.resize(Pair.Depth);
			Path.push_back(Pair.Label);

			const EJson WrittenKind = KindOf(Pair.Written);
			const EJson ReadKind = KindOf(Pair.ReadBack);
			std::string Difference;
			if (WrittenKind == EJson::Number && !std::isfinite(Pair.Written->AsNumber()) && ReadKind == EJson::Null)
			{
				continue;
			}
			if (WrittenKind != ReadKind)
			{
				Difference = std::string("a value of kind ") + Utf8(FJsonValue::GetTypeName(WrittenKind)) +
					" read back as " + Utf8(FJsonValue::GetTypeName(ReadKind));
			}
			else if (Pair.Written.IsValid() && Pair.ReadBack.IsValid())
			{
				Difference = ShallowDifference(*Pair.Written, *Pair.ReadBack);
			}
			if (!Difference.empty())
			{
				std::string Where;
				for (const std::string& Step : Path)
				{
					Where += Step;
				}
				return Where + ": " + Difference;
			}

			if (WrittenKind == EJson::Array)
			{
				const TArray<TSharedPtr<FJsonValue>>& WrittenItems = Pair.Written->AsArray();
				const TArray<TSharedPtr<FJsonValue>>& ReadItems = Pair.ReadBack->AsArray();
				for (int32 Index = WrittenItems.Num() - 1; Index >= 0; --Index)
				{
					Pending.push_back({WrittenItems[Index], ReadItems[Index], Pair.Depth + 1, std::string("[").append(std::to_string(Index)).append("]")});
				}
			}
			else if (WrittenKind == EJson::Object)
			{
				const FJsonObject& WrittenObject = *Pair.Written->AsObject();
				const FJsonObject& ReadBackObject = *Pair.ReadBack->AsObject();
				for (int32 Index = WrittenObject.Num() - 1; Index >= 0; --Index)
				{
					Pending.push_back({WrittenObject.GetValues()[Index], ReadBackObject.GetValues()[Index], Pair.Depth + 1,
						std::string(".").append(Utf8(WrittenObject.GetKeys()[Index]))});
				}
			}
		}
		return std::string();
	}

	std::string CheckDocument(const uint8* Bytes, int64 Size)
	{
		const FString Text = FTextFileEncoding::Decode(Bytes, Size);

		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(Text);
		JsonSerializer::FDocument Root;
		const bool bTree = JsonSerializer::ReadTree(Reader, Root);
		const FString TreeError = Reader->ErrorText();
		if (!bTree && TreeError.IsEmpty())
		{
			return "ReadTree failed without an error text";
		}

		FString ObjectError;
		const TSharedPtr<FJsonObject> Object = ReadObject(Text, ObjectError);
		const bool bObjectRoot = bTree && Root.Kind == EJson::Object;
		if (Object.IsValid() != bObjectRoot || ObjectError != TreeError)
		{
			return "ReadObject disagrees with ReadTree: \"" + Utf8(ObjectError) + "\" against \"" + Utf8(TreeError) + "\"";
		}
		if (!bTree)
		{
			return std::string();
		}
		if (bObjectRoot)
		{
			if (std::string Difference = FirstDifference(RootValue(Root), MakeShared<FJsonValueObject>(Object));
				!Difference.empty())
			{
				return "ReadObject gave another tree than ReadTree: " + Difference;
			}
			return CheckRoundTrip(Object.ToSharedRef());
		}
		const TSharedRef<FJsonObject> Wrapper = MakeShared<FJsonObject>();
		Wrapper->SetField(ArrayRootField, RootValue(Root));
		return CheckRoundTrip(Wrapper);
	}
}
