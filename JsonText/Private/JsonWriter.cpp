#include "Serialization/JsonWriter.h"

#include "JsonNumberFormat.h"
#include "JsonUnitWords.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
	constexpr SIZE_T WordUnits = static_cast<SIZE_T>(Utf16Lanes::UnitsPerWord);
}

JsonWriter::JsonWriter(FArchive& InStream, int32 InitialIndent)
	: IndentCount(InitialIndent), Stream(InStream)
{
}

JsonWriter::~JsonWriter()
{
	FlushPending();
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
	const SIZE_T Tabs = IndentCount > 0 ? static_cast<SIZE_T>(IndentCount) : 0;
	// The tabs go down a word of four at a time, so there is room for up to three more.
	TCHAR* Out = ReserveUnits(2 + Tabs + WordUnits - 1);
	*Out++ = u'\r';
	*Out++ = u'\n';
	constexpr uint64 FourTabs = Utf16Lanes::Lanes(u'\t');
	for (SIZE_T Tab = 0; Tab < Tabs; Tab += WordUnits)
	{
		std::memcpy(Out + Tab, &FourTabs, sizeof(FourTabs));
	}
	CommitUnits(Out + Tabs);
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
	CommitUnits(JsonNumberFormat::Write(Value, ReserveUnits(JsonNumberFormat::MaxUnits)));
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

EJsonToken JsonWriter::WriteValueText(std::nullptr_t /*Null*/)
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
}

template <typename ValueType>
void JsonWriter::PutFieldValue(const FString& Identifier, ValueType Value)
{
	check(Stack.Top() == EJson::Object);
	WriteFieldStart(Identifier);
	WriteChar(u' ');
	LastToken = WriteValueText(Value);
}

void JsonWriter::PutValue(const FString& Value)
{
	check(CanWriteValueWithoutIdentifier());
	WriteCommaIfNeeded();
	WriteLineBreak();
	LastToken = WriteValueText(Value);
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

void JsonWriter::PutValue(std::nullptr_t /*Null*/)
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

void JsonWriter::PutField(const FString& Identifier, std::nullptr_t /*Null*/)
{
	PutFieldValue(Identifier, nullptr);
}

void JsonWriter::WriteQuoted(const FString& Text)
{
	// The escape letter of each unit up to the backslash, or 0 for a unit written as it is.
	static constexpr TCHAR Escapes[u'\\' + 1] = {
		0, 0, 0, 0, 0, 0, 0, 0, u'b', u't', u'n', 0, u'f', u'r', 0, 0,
		0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
		0, 0, u'"', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
		0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
		0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
		0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u'\\',
	};

	// The text ends at its first NUL unit; every unit takes at most two.
	const SIZE_T Length = static_cast<SIZE_T>(Text.Len());
	TCHAR* Out = ReserveUnits(2 + 2 * Length);
	*Out++ = u'"';
	const TCHAR* Units = *Text;
	const TCHAR* const End = Units + Length;
	// Runs that need no escape, the bulk of most text, are copied a word at a time.
	while (End - Units >= Utf16Lanes::UnitsPerWord)
	{
		const uint64 Word = Utf16Lanes::Load(Units);
		if (JsonUnitWords::AnyNeedsEscape(Word))
		{
			break;
		}
		std::memcpy(Out, &Word, sizeof(Word));
		Out += Utf16Lanes::UnitsPerWord;
		Units += Utf16Lanes::UnitsPerWord;
	}
	for (; *Units != 0; ++Units)
	{
		const TCHAR Unit = *Units;
		const TCHAR Escape = Unit <= u'\\' ? Escapes[Unit] : 0;
		if (Escape == 0)
		{
			*Out++ = Unit;
		}
		else
		{
			*Out++ = u'\\';
			*Out++ = Escape;
		}
	}
	*Out++ = u'"';
	CommitUnits(Out);
}

void JsonWriter::WriteChars(const TCHAR* Units, SIZE_T Count)
{
	TCHAR* Out = ReserveUnits(Count);
	std::copy(Units, Units + Count, Out);
	CommitUnits(Out + Count);
}

void JsonWriter::MakeRoom(SIZE_T Count)
{
	// The block starts small, for small documents, and grows to a size that
	// calls the stream rarely yet stays in cache; then it is handed over
	// whenever it fills.
	constexpr SIZE_T FirstBlockUnits = 256;
	constexpr SIZE_T BlockUnits = 32768;
	if (PendingCapacity >= BlockUnits)
	{
		FlushPending();
	}
	const SIZE_T Needed = PendingUnits + Count;
	if (Needed > PendingCapacity)
	{
		const SIZE_T NewCapacity = std::max({Needed, PendingCapacity * 2, FirstBlockUnits});
		std::unique_ptr<TCHAR[]> Grown = std::make_unique_for_overwrite<TCHAR[]>(NewCapacity);
		std::copy(Pending.get(), Pending.get() + PendingUnits, Grown.get());
		Pending = std::move(Grown);
		PendingCapacity = NewCapacity;
	}
}

void JsonWriter::FlushPending()
{
	if (PendingUnits > 0)
	{
		Stream.Serialize(Pending.get(), static_cast<int64>(PendingUnits * sizeof(TCHAR)));
		PendingUnits = 0;
	}
}
