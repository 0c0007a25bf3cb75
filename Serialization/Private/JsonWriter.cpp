#include "Serialization/JsonWriter.h"

#include <charconv>
#include <cmath>

JsonWriter::JsonWriter(FArchive* InStream, int32 InitialIndent)
	: Stream(InStream), IndentCount(InitialIndent)
{
}

JsonWriter::~JsonWriter()
{
	if (Stream != nullptr)
	{
		FlushPending();
	}
}

bool JsonWriter::Finish()
{
	FlushPending();
	const bool bComplete = LastToken == EJsonToken::None || LastToken == EJsonToken::CloseBrace || LastToken == EJsonToken::CloseBracket;
	return bComplete && Stack.IsEmpty();
}

bool JsonWriter::CanWriteValueWithoutIdentifier() const
{
	return Stack.IsEmpty() || Stack.Top() == EJson::Array || LastToken == EJsonToken::Identifier;
}

bool JsonWriter::CanWriteObjectWithoutIdentifier() const
{
	return CanWriteValueWithoutIdentifier() || LastToken == EJsonToken::Colon;
}

void JsonWriter::WriteCommaIfNeeded()
{
	if (LastToken != EJsonToken::OpenBrace && LastToken != EJsonToken::OpenBracket && LastToken != EJsonToken::Identifier)
	{
		WriteChar(u',');
	}
}

void JsonWriter::WriteCommaIfNeededOrFirst()
{
	if (LastToken != EJsonToken::None)
	{
		WriteCommaIfNeeded();
	}
}

void JsonWriter::WriteLineBreak()
{
	Pending.append(u"\r\n", 2);
	if (IndentCount > 0)
	{
		Pending.append(static_cast<SIZE_T>(IndentCount), u'\t');
	}
}

void JsonWriter::WriteFieldStart(const FString& Identifier)
{
	WriteCommaIfNeeded();
	WriteLineBreak();
	WriteQuoted(Identifier);
	WriteChar(u':');
}

void JsonWriter::WriteOpening(TCHAR Bracket, EJson Kind, EJsonToken Token)
{
	WriteChar(Bracket);
	++IndentCount;
	Stack.Push(Kind);
	LastToken = Token;
	EndOperation();
}

void JsonWriter::OpenObject()
{
	check(CanWriteObjectWithoutIdentifier());
	WriteCommaIfNeededOrFirst();
	if (LastToken != EJsonToken::None)
	{
		WriteLineBreak();
	}
	WriteOpening(u'{', EJson::Object, EJsonToken::OpenBrace);
}

void JsonWriter::OpenObject(const FString& Identifier)
{
	check(Stack.Top() == EJson::Object);
	WriteFieldStart(Identifier);
	WriteLineBreak();
	WriteOpening(u'{', EJson::Object, EJsonToken::OpenBrace);
}

void JsonWriter::CloseObject()
{
	check(Stack.Top() == EJson::Object);
	--IndentCount;
	WriteLineBreak();
	WriteChar(u'}');
	Stack.Pop();
	LastToken = EJsonToken::CloseBrace;
	EndOperation();
}

void JsonWriter::OpenArray()
{
	check(CanWriteValueWithoutIdentifier());
	WriteCommaIfNeededOrFirst();
	if (LastToken != EJsonToken::None)
	{
		WriteLineBreak();
	}
	WriteOpening(u'[', EJson::Array, EJsonToken::OpenBracket);
}

void JsonWriter::OpenArray(const FString& Identifier)
{
	check(Stack.Top() == EJson::Object);
	WriteFieldStart(Identifier);
	WriteChar(u' ');
	WriteOpening(u'[', EJson::Array, EJsonToken::OpenBracket);
}

void JsonWriter::CloseArray()
{
	check(Stack.Top() == EJson::Array);
	--IndentCount;
	if (LastToken == EJsonToken::CloseBrace || LastToken == EJsonToken::CloseBracket || LastToken == EJsonToken::String)
	{
		WriteLineBreak();
	}
	else if (LastToken != EJsonToken::OpenBracket)
	{
		WriteChar(u' ');
	}
	WriteChar(u']');
	Stack.Pop();
	LastToken = EJsonToken::CloseBracket;
	EndOperation();
}

EJsonToken JsonWriter::WriteValueText(const FString& Value)
{
	WriteQuoted(Value);
	return EJsonToken::String;
}

EJsonToken JsonWriter::WriteValueText(double Value)
{
	// JSON has no text for infinities and NaN, and no reader would take back
	// what "%.17g" makes of them.
	if (!std::isfinite(Value))
	{
		return WriteValueText(nullptr);
	}
	// Exactly what "%.17g" gives in the C locale, whatever the process locale.
	char Text[32];
	const std::to_chars_result Result = std::to_chars(Text, Text + sizeof(Text), Value, std::chars_format::general, 17);
	for (const char* Digit = Text; Digit != Result.ptr; ++Digit)
	{
		WriteChar(static_cast<TCHAR>(*Digit));
	}
	return EJsonToken::Number;
}

EJsonToken JsonWriter::WriteValueText(bool bValue)
{
	if (bValue)
	{
		WriteChars(u"true", 4);
		return EJsonToken::True;
	}
	WriteChars(u"false", 5);
	return EJsonToken::False;
}

EJsonToken JsonWriter::WriteValueText(std::nullptr_t)
{
	WriteChars(u"null", 4);
	return EJsonToken::Null;
}

template <typename ValueType>
void JsonWriter::PutShortValue(ValueType Value)
{
	check(CanWriteValueWithoutIdentifier());
	WriteCommaIfNeeded();
	if (LastToken == EJsonToken::OpenBracket || IsShortValueToken(LastToken))
	{
		WriteChar(u' ');
	}
	else
	{
		WriteLineBreak();
	}
	LastToken = WriteValueText(Value);
	EndOperation();
}

template <typename ValueType>
void JsonWriter::PutFieldValue(const FString& Identifier, ValueType Value)
{
	check(Stack.Top() == EJson::Object);
	WriteFieldStart(Identifier);
	WriteChar(u' ');
	LastToken = WriteValueText(Value);
	EndOperation();
}

void JsonWriter::PutValue(const FString& Value)
{
	check(CanWriteValueWithoutIdentifier());
	WriteCommaIfNeeded();
	WriteLineBreak();
	LastToken = WriteValueText(Value);
	EndOperation();
}

void JsonWriter::PutValue(const TCHAR* Value)
{
	PutValue(FString(Value));
}

void JsonWriter::PutValue(double Value)
{
	PutShortValue(Value);
}

void JsonWriter::PutValue(bool bValue)
{
	PutShortValue(bValue);
}

void JsonWriter::PutValue(std::nullptr_t)
{
	PutShortValue(nullptr);
}

void JsonWriter::PutField(const FString& Identifier, const FString& Value)
{
	PutFieldValue<const FString&>(Identifier, Value);
}

void JsonWriter::PutField(const FString& Identifier, const TCHAR* Value)
{
	PutFieldValue<const FString&>(Identifier, FString(Value));
}

void JsonWriter::PutField(const FString& Identifier, double Value)
{
	PutFieldValue(Identifier, Value);
}

void JsonWriter::PutField(const FString& Identifier, bool bValue)
{
	PutFieldValue(Identifier, bValue);
}

void JsonWriter::PutField(const FString& Identifier, std::nullptr_t)
{
	PutFieldValue(Identifier, nullptr);
}

void JsonWriter::WriteQuoted(const FString& Text)
{
	// Units 0 to 13 that end a plain run: NUL ends the text, the others are escaped.
	static constexpr TCHAR Escapes[14] = {u'0', 0, 0, 0, 0, 0, 0, 0, u'b', u't', u'n', 0, u'f', u'r'};

	const TCHAR* Units = *Text;
	WriteChar(u'"');
	for (;;)
	{
		const TCHAR* Run = Units;
		while (*Units != u'"' && *Units != u'\\' && (*Units >= 14 || Escapes[*Units] == 0))
		{
			++Units;
		}
		WriteChars(Run, static_cast<SIZE_T>(Units - Run));
		const TCHAR Unit = *Units;
		if (Unit == 0)
		{
			break;
		}
		WriteChar(u'\\');
		WriteChar(Unit == u'"' || Unit == u'\\' ? Unit : Escapes[Unit]);
		++Units;
	}
	WriteChar(u'"');
}

void JsonWriter::EndOperation()
{
	// Large enough that the stream is called rarely, small enough to stay in cache.
	constexpr SIZE_T BlockUnits = 32768;
	if (Pending.size() >= BlockUnits)
	{
		FlushPending();
	}
}

void JsonWriter::FlushPending()
{
	if (!Pending.empty())
	{
		Stream->Serialize(Pending.data(), static_cast<int64>(Pending.size() * sizeof(TCHAR)));
		Pending.clear();
	}
}
