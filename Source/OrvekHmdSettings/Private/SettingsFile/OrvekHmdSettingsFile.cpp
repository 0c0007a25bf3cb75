#include "OrvekHmdSettingsFile.h"

#include "Dom/JsonObject.h"
#include "Misc/EngineVersion.h"
#include "Misc/Paths.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <iterator>
#include <string>

namespace
{
	const TCHAR* const SubjectNameKey = TEXT("SubjectName");
	const TCHAR* const EnableLoggingKey = TEXT("EnableLogging");

	/** A top-level field as the text holds it: the type of its last value, and how often it appears. */
	struct FTopLevelField
	{
		FString Key;
		EJson Type = EJson::None;
		int32 Count = 0;
	};

	EJson ValueTypeOf(EJsonEvent Event)
	{
		switch (Event)
		{
		case EJsonEvent::ObjectOpened: return EJson::Object;
		case EJsonEvent::ArrayOpened: return EJson::Array;
		case EJsonEvent::BooleanValue: return EJson::Boolean;
		case EJsonEvent::StringValue: return EJson::String;
		case EJsonEvent::NumberValue: return EJson::Number;
		case EJsonEvent::NullValue: return EJson::Null;
		default: return EJson::None;
		}
	}

	FTopLevelField& FindOrAddField(TArray<FTopLevelField>& Fields, const FString& Key)
	{
		for (FTopLevelField& Field : Fields)
		{
			if (Field.Key == Key)
			{
				return Field;
			}
		}
		return Fields[Fields.Add(FTopLevelField{Key})];
	}

	/**
	 * The fields of a root object in the order of their first appearance,
	 * from the reader's events: the tree keeps one value for a repeated key
	 * and cannot tell that it was repeated.
	 */
	TArray<FTopLevelField> ReadTopLevelFields(const FString& Text)
	{
		TArray<FTopLevelField> Fields;
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(Text);
		int32 Depth = 0;
		EJsonEvent Event;
		while (Reader->Advance(Event) && Event != EJsonEvent::Error)
		{
			if (Event == EJsonEvent::ObjectClosed || Event == EJsonEvent::ArrayClosed)
			{
				--Depth;
				continue;
			}
			if (Depth == 1)
			{
				FTopLevelField& Field = FindOrAddField(Fields, Reader->CurrentIdentifier());
				Field.Type = ValueTypeOf(Event);
				++Field.Count;
			}
			if (Event == EJsonEvent::ObjectOpened || Event == EJsonEvent::ArrayOpened)
			{
				++Depth;
			}
		}
		return Fields;
	}

	FOrvekHmdSettingsReaderError ReaderErrorOf(const FJsonReadError& ReadError)
	{
		return FOrvekHmdSettingsReaderError{ReadError.Message, ReadError.Line, ReadError.Ch, ReadError.ToText()};
	}

	void AddWrongType(FOrvekHmdSettingsFindings& Findings, const TArray<FTopLevelField>& Fields, const TCHAR* Key, EJson Expected,
		EOrvekHmdSettingsFallback Fallback)
	{
		for (const FTopLevelField& Field : Fields)
		{
			if (Field.Key == Key)
			{
				Findings.WrongTypes.Add(FOrvekHmdSettingsWrongType{Field.Key, Field.Type, Expected, Fallback});
			}
		}
	}

	FString DescribeWrongType(const FOrvekHmdSettingsWrongType& WrongType)
	{
		FString Text = FString::Printf(TEXT("\"%s\" is ignored because it holds %s, not %s"), *WrongType.Key,
			FOrvekHmdSettingsFile::DescribeJsonType(WrongType.FoundType), FOrvekHmdSettingsFile::DescribeJsonType(WrongType.ExpectedType));
		if (WrongType.LoadsInstead == EOrvekHmdSettingsFallback::False)
		{
			Text += TEXT(", so it loads as false");
		}
		return Text;
	}
}

bool FOrvekHmdSettingsFindings::LoadedCleanly() const
{
	return !ReaderError.has_value() && !bRootIsNotObject && WrongTypes.IsEmpty();
}

FString FOrvekHmdSettingsFile::ConfigFilePath(const FString& DocumentsFolder)
{
	FString PluginFolder(TEXT("Skellan_"));
	PluginFolder.AppendInt(ENGINE_MAJOR_VERSION);
	PluginFolder += TEXT(".");
	PluginFolder.AppendInt(ENGINE_MINOR_VERSION);

	const TCHAR* Parts[] = {*DocumentsFolder, TEXT("Orvek"), *PluginFolder, TEXT("Config"), TEXT("OHeadSetConfig.json")};
	FString Path;
	FPaths::CombineInternal(Path, Parts, static_cast<int32>(std::size(Parts)));
	return Path;
}

FString FOrvekHmdSettingsFile::BackupFilePath(const FString& ConfigFilePath)
{
	return ConfigFilePath + TEXT(".bak");
}

FOrvekHmdSettingsFindings FOrvekHmdSettingsFile::Parse(const FString& Text, OrvekHmdSettingsConfig& Config)
{
	FOrvekHmdSettingsFindings Findings;
	TSharedPtr<FJsonObject> JsonObject;
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(Text);
	if (!JsonSerializer::ReadObject(Reader, JsonObject))
	{
		// The serializer refuses an array root without an error of the reader's.
		if (const std::optional<FJsonReadError>& ReadError = Reader->Error())
		{
			Findings.ReaderError = ReaderErrorOf(*ReadError);
		}
		else
		{
			Findings.bRootIsNotObject = true;
		}
		return Findings;
	}

	const TArray<FTopLevelField> Fields = ReadTopLevelFields(Text);
	if (!JsonObject->TryGetStringField(SubjectNameKey, Config.SubjectName))
	{
		AddWrongType(Findings, Fields, SubjectNameKey, EJson::String, EOrvekHmdSettingsFallback::KeepsValue);
	}
	if (!JsonObject->TryGetBoolField(EnableLoggingKey, Config.EnableLogging))
	{
		Config.EnableLogging = false;
		AddWrongType(Findings, Fields, EnableLoggingKey, EJson::Boolean, EOrvekHmdSettingsFallback::False);
	}

	for (const FTopLevelField& Field : Fields)
	{
		if (Field.Count > 1)
		{
			Findings.RepeatedKeys.Add(Field.Key);
		}
		if (Field.Key == SubjectNameKey)
		{
			Findings.bHasSubjectName = true;
		}
		else if (Field.Key == EnableLoggingKey)
		{
			Findings.bHasEnableLogging = true;
		}
		else
		{
			Findings.DroppedKeys.Add(Field.Key);
		}
	}
	return Findings;
}

FString FOrvekHmdSettingsFile::DescribeLoadProblem(const FOrvekHmdSettingsFindings& Findings)
{
	if (Findings.ReaderError.has_value())
	{
		const FOrvekHmdSettingsReaderError& Error = *Findings.ReaderError;
		return FString::Printf(TEXT("it is not valid JSON: %s (line %u, character %u)"), *Error.Message, Error.Line, Error.Character);
	}
	if (Findings.bRootIsNotObject)
	{
		return FString(TEXT("the root is not an object"));
	}
	FString Text;
	for (const FOrvekHmdSettingsWrongType& WrongType : Findings.WrongTypes)
	{
		if (!Text.IsEmpty())
		{
			Text += TEXT("; ");
		}
		Text += DescribeWrongType(WrongType);
	}
	return Text;
}

FString FOrvekHmdSettingsFile::Format(const OrvekHmdSettingsConfig& Config)
{
	const TSharedRef<FJsonObject> JsonObject = MakeShared<FJsonObject>();
	JsonObject->SetStringField(SubjectNameKey, Config.SubjectName);
	JsonObject->SetBoolField(EnableLoggingKey, Config.EnableLogging);

	FString JsonText;
	JsonSerializer::WriteObject(JsonObject, StringJsonWriter::Create(&JsonText, 0), true);
	return JsonText;
}

const TCHAR* FOrvekHmdSettingsFile::DescribeJsonType(EJson Type)
{
	switch (Type)
	{
	case EJson::Null: return TEXT("null");
	case EJson::String: return TEXT("a string");
	case EJson::Number: return TEXT("a number");
	case EJson::Boolean: return TEXT("a boolean");
	case EJson::Array: return TEXT("an array");
	case EJson::Object: return TEXT("an object");
	case EJson::None: break;
	}
	return TEXT("nothing");
}
