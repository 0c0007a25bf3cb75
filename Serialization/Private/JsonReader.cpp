#include "Serialization/JsonReader.h"

#include "JsonNumberText.h"
#include "JsonUnitWords.h"
#include "Serialization/BufferReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace
{
	bool IsWhitespace(TCHAR Unit)
	{
		return Unit == u' ' || Unit == u'\t' || Unit == u'\r' || Unit == u'\n';
	}

	bool IsAsciiLetter(TCHAR Unit)
	{
		return (Unit >= u'A' && Unit <= u'Z') || (Unit >= u'a' && Unit <= u'z');
	}

	/** Lower case for ASCII letters; the same as towlower for the letters of true, false and null in every locale. */
	TCHAR ToLowerAscii(TCHAR Unit)
	{
		return Unit >= u'A' && Unit <= u'Z' ? static_cast<TCHAR>(Unit + (u'a' - u'A')) : Unit;
	}

	int32 HexDigitValue(TCHAR Unit)
	{
		if (Unit >= u'0' && Unit <= u'9')
		{
			return Unit - u'0';
		}
		if (Unit >= u'a' && Unit <= u'f')
		{
			return Unit - u'a' + 10;
		}
		if (Unit >= u'A' && Unit <= u'F')
		{
			return Unit - u'A' + 10;
		}
		return -1;
	}

	EJsonEvent EventOf(EJsonToken Token)
	{
		switch (Token)
		{
		case EJsonToken::OpenBrace: return EJsonEvent::ObjectOpened;
		case EJsonToken::CloseBrace: return EJsonEvent::ObjectClosed;
		case EJsonToken::OpenBracket: return EJsonEvent::ArrayOpened;
		case EJsonToken::CloseBracket: return EJsonEvent::ArrayClosed;
		case EJsonToken::String: return EJsonEvent::StringValue;
		case EJsonToken::Number: return EJsonEvent::NumberValue;
		case EJsonToken::True:
		case EJsonToken::False: return EJsonEvent::BooleanValue;
		case EJsonToken::Null: return EJsonEvent::NullValue;
		default: return EJsonEvent::Error;
		}
	}

	/**
	 * The number grammar as a state machine. Columns: "-", "+", "0", "1" to
	 * "9", ".", "e" or "E"; -1 where the grammar has no transition. States
	 * 2, 3, 6 and 8 accept.
	 */
	constexpr int8 NumberTransitions[9][6] = {
		{1, -1, 2, 3, -1, -1},   // 0 start
		{-1, -1, 2, 3, -1, -1},  // 1 after minus
		{-1, -1, -1, -1, 4, 5},  // 2 after a leading zero
		{-1, -1, 3, 3, 4, 5},    // 3 in integer digits
		{-1, -1, 6, 6, -1, -1},  // 4 after the point
		{7, 7, 8, 8, -1, -1},    // 5 after the exponent mark
		{-1, -1, 6, 6, -1, 5},   // 6 in fraction digits
		{-1, -1, 8, 8, -1, -1},  // 7 after the exponent sign
		{-1, -1, 8, 8, -1, -1},  // 8 in exponent digits
	};

	/** The column of Unit in NumberTransitions, or -1 for a unit that is no part of any number. */
	int32 NumberColumn(TCHAR Unit)
	{
		switch (Unit)
		{
		case u'-': return 0;
		case u'+': return 1;
		case u'0': return 2;
		case u'.': return 4;
		case u'e':
		case u'E': return 5;
		default: return Unit >= u'1' && Unit <= u'9' ? 3 : -1;
		}
	}

	bool IsNumberUnit(TCHAR Unit)
	{
		return NumberColumn(Unit) >= 0;
	}

	bool IsAcceptingNumberState(int32 State)
	{
		return State == 2 || State == 3 || State == 6 || State == 8;
	}
}

inline bool JsonReader::AtEnd()
{
	return Stream->AtEnd();
}

inline TCHAR JsonReader::ReadUnit()
{
	TCHAR Unit;
	Stream->Serialize(&Unit, sizeof(Unit));
	return Unit;
}

inline void JsonReader::PushBack()
{
	Stream->Seek(Stream->Tell() - static_cast<int64>(sizeof(TCHAR)));
}

inline void JsonReader::CountUnit(TCHAR Unit)
{
	if (Unit == u'\n')
	{
		++Line;
		Ch = 0;
	}
	else
	{
		++Ch;
	}
}

inline int64 JsonReader::UnitsLeft() const
{
	return Stream->GetRemainingSize() / static_cast<int64>(sizeof(TCHAR));
}

inline TCHAR JsonReader::PeekUnit(int64 Offset) const
{
	TCHAR Unit;
	std::memcpy(&Unit, Stream->GetRemainingData() + Offset * static_cast<int64>(sizeof(TCHAR)), sizeof(Unit));
	return Unit;
}

inline void JsonReader::TakeUnits(int64 Count)
{
	Stream->Seek(Stream->Tell() + Count * static_cast<int64>(sizeof(TCHAR)));
	Ch += static_cast<uint32>(Count);
}

const FString& JsonReader::CurrentIdentifier() const
{
	return Identifier;
}

const FString& JsonReader::StringToken() const
{
	check(CurrentToken == EJsonToken::String);
	return TokenText;
}

double JsonReader::NumberToken() const
{
	check(CurrentToken == EJsonToken::Number);
	return TokenNumber;
}

bool JsonReader::BoolToken() const
{
	check((CurrentToken == EJsonToken::True) || (CurrentToken == EJsonToken::False));
	return TokenBool;
}

bool JsonReader::RecordError(const TCHAR* Message)
{
	if (RecordedError.IsEmpty())
	{
		RecordedError = FString(Message) + FString::Printf(TEXT(" Line: %u Ch: %u"), Line, Ch);
	}
	return false;
}

bool JsonReader::Advance(EJsonEvent& OutEvent)
{
	if (!RecordedError.IsEmpty())
	{
		OutEvent = EJsonEvent::Error;
		return false;
	}
	if (Stream == nullptr)
	{
		OutEvent = EJsonEvent::Error;
		RecordError(TEXT("Null Stream"));
		return true;
	}
	if (AtEnd())
	{
		if (RootDone)
		{
			return false;
		}
		OutEvent = EJsonEvent::Error;
		RecordError(TEXT("Improperly formatted."));
		return true;
	}
	if (RootDone)
	{
		OutEvent = EJsonEvent::Error;
		RecordError(TEXT("Unexpected additional input found."));
		return true;
	}

	Identifier.Empty();
	bool bStepped = false;
	switch (OpenScopes.Top())
	{
	case EJson::Array: bStepped = StepInArray(); break;
	case EJson::Object: bStepped = StepInObject(); break;
	default: bStepped = StartRoot(); break;
	}

	OutEvent = EventOf(CurrentToken);
	RootDone = OpenScopes.IsEmpty();
	if (bStepped && OutEvent != EJsonEvent::Error)
	{
		// Whitespace after the root is consumed now, so that the next call finds the end.
		if (OpenScopes.IsEmpty() && !AtEnd())
		{
			SkipWhitespace();
		}
		return true;
	}
	OutEvent = EJsonEvent::Error;
	RecordError(TEXT("Unknown Error Occurred"));
	return true;
}

bool JsonReader::StartRoot()
{
	SkipWhitespace();
	CurrentToken = EJsonToken::None;
	if (!ScanToken())
	{
		return false;
	}
	if (CurrentToken != EJsonToken::OpenBrace && CurrentToken != EJsonToken::OpenBracket)
	{
		return RecordError(TEXT("Open Curly or Square Brace token expected, but not found."));
	}
	return true;
}

bool JsonReader::StepInArray()
{
	const EJsonToken Previous = CurrentToken;
	CurrentToken = EJsonToken::None;
	if (!ScanToken())
	{
		return false;
	}
	if (CurrentToken != EJsonToken::CloseBracket && Previous != EJsonToken::OpenBracket)
	{
		if (CurrentToken != EJsonToken::Comma)
		{
			return RecordError(TEXT("Comma token expected, but not found."));
		}
		return ScanToken();
	}
	return true;
}

bool JsonReader::StepInObject()
{
	const EJsonToken Previous = CurrentToken;
	CurrentToken = EJsonToken::None;
	if (!ScanToken())
	{
		return false;
	}
	if (CurrentToken == EJsonToken::CloseBrace)
	{
		return true;
	}
	if (Previous != EJsonToken::OpenBrace)
	{
		if (CurrentToken != EJsonToken::Comma)
		{
			return RecordError(TEXT("Comma token expected, but not found."));
		}
		if (!ScanToken())
		{
			return false;
		}
	}
	if (CurrentToken != EJsonToken::String)
	{
		return RecordError(TEXT("String token expected, but not found."));
	}
	Identifier = TokenText;
	if (!ScanToken())
	{
		return false;
	}
	if (CurrentToken != EJsonToken::Colon)
	{
		return RecordError(TEXT("Colon token expected, but not found."));
	}
	return ScanToken();
}

void JsonReader::SkipWhitespace()
{
	while (!AtEnd())
	{
		const TCHAR Unit = ReadUnit();
		if (!IsWhitespace(Unit))
		{
			PushBack();
			return;
		}
		CountUnit(Unit);
	}
}

bool JsonReader::ScanToken()
{
	while (!AtEnd())
	{
		const TCHAR Unit = ReadUnit();
		CountUnit(Unit);
		if (Unit == 0)
		{
			break;
		}
		if (IsWhitespace(Unit))
		{
			continue;
		}
		if (IsNumberUnit(Unit))
		{
			if (!ScanNumber(Unit))
			{
				return false;
			}
			CurrentToken = EJsonToken::Number;
			return true;
		}
		switch (Unit)
		{
		case u'"':
			if (!ScanString())
			{
				return false;
			}
			CurrentToken = EJsonToken::String;
			return true;
		case u',':
			CurrentToken = EJsonToken::Comma;
			return true;
		case u':':
			CurrentToken = EJsonToken::Colon;
			return true;
		case u'{':
			CurrentToken = EJsonToken::OpenBrace;
			OpenScopes.Push(EJson::Object);
			return true;
		case u'[':
			CurrentToken = EJsonToken::OpenBracket;
			OpenScopes.Push(EJson::Array);
			return true;
		case u'}':
			CurrentToken = EJsonToken::CloseBrace;
			OpenScopes.Pop();
			return true;
		case u']':
			CurrentToken = EJsonToken::CloseBracket;
			OpenScopes.Pop();
			return true;
		case u't':
		case u'T':
		case u'f':
		case u'F':
		case u'n':
		case u'N':
			return ScanWord(Unit);
		default:
			return RecordError(TEXT("Invalid Json Token."));
		}
	}
	return RecordError(TEXT("Invalid Json Token."));
}

bool JsonReader::ScanWord(TCHAR First)
{
	// Only words of four or five letters can match, so longer ones are
	// counted but not kept.
	constexpr int32 Kept = 5;
	TCHAR Word[Kept] = {ToLowerAscii(First)};
	int32 Length = 1;
	while (!AtEnd())
	{
		const TCHAR Unit = ReadUnit();
		if (!IsAsciiLetter(Unit))
		{
			PushBack();
			break;
		}
		++Ch;
		if (Length < Kept)
		{
			Word[Length] = ToLowerAscii(Unit);
		}
		Length = Length <= Kept ? Length + 1 : Length;
	}

	const std::u16string_view Lowered(Word, static_cast<SIZE_T>(Length <= Kept ? Length : 0));
	if (Lowered == u"false")
	{
		TokenBool = false;
		CurrentToken = EJsonToken::False;
		return true;
	}
	if (Lowered == u"true")
	{
		TokenBool = true;
		CurrentToken = EJsonToken::True;
		return true;
	}
	if (Lowered == u"null")
	{
		CurrentToken = EJsonToken::Null;
		return true;
	}
	return RecordError(TEXT("Invalid Json Token. Check that your member names have quotes around them!"));
}

bool JsonReader::ScanNumber(TCHAR First)
{
	// The units after the first are looked at in place and taken all at once.
	NumberText.clear();
	const int64 Available = UnitsLeft();
	int64 Taken = 0;
	int32 State = 0;
	TCHAR Unit = First;
	int32 Column = NumberColumn(First);
	for (bool bFirst = true;; bFirst = false)
	{
		// The end is tested before each unit, the first included: the text
		// must go on after a number's last unit.
		if (Taken == Available)
		{
			TakeUnits(Taken);
			return RecordError(TEXT("Number Token Abruptly Ended."));
		}
		if (!bFirst)
		{
			Unit = PeekUnit(Taken);
			Column = NumberColumn(Unit);
			if (Column < 0)
			{
				break;
			}
			++Taken;
		}
		State = NumberTransitions[State][Column];
		if (State < 0)
		{
			TakeUnits(Taken);
			return RecordError(TEXT("Poorly formed Json Number Token."));
		}
		NumberText.push_back(static_cast<char>(Unit));
	}
	TakeUnits(Taken);
	if (!IsAcceptingNumberState(State))
	{
		return RecordError(TEXT("Poorly formed Json Number Token."));
	}
	TokenNumber = JsonNumberText::ToDouble(NumberText);
	return true;
}

void JsonReader::ScanPlainRun()
{
	const int64 Available = UnitsLeft();
	const uint8* const Units = Stream->GetRemainingData();
	int64 Run = 0;
	while (Run + JsonUnitWords::UnitsPerWord <= Available &&
		!JsonUnitWords::AnyEndsPlainRun(JsonUnitWords::Load(Units + Run * static_cast<int64>(sizeof(TCHAR)))))
	{
		Run += JsonUnitWords::UnitsPerWord;
	}
	while (Run < Available)
	{
		const TCHAR Unit = PeekUnit(Run);
		if (Unit == u'"' || Unit == u'\\' || Unit == 0)
		{
			break;
		}
		++Run;
	}
	// Copied through a small buffer, since the stream's bytes need not be aligned for code units.
	constexpr int64 ChunkUnits = 256;
	TCHAR Chunk[ChunkUnits];
	for (int64 Done = 0; Done < Run;)
	{
		const int64 Count = std::min(ChunkUnits, Run - Done);
		std::memcpy(Chunk, Units + Done * static_cast<int64>(sizeof(TCHAR)), static_cast<SIZE_T>(Count) * sizeof(TCHAR));
		ScannedText.AppendChars(Chunk, static_cast<int32>(Count));
		Done += Count;
	}
	TakeUnits(Run);
}

bool JsonReader::ScanString()
{
	ScannedText.Empty();
	for (;;)
	{
		ScanPlainRun();
		if (AtEnd())
		{
			return RecordError(TEXT("String Token Abruptly Ended."));
		}
		const TCHAR Unit = ReadUnit();
		++Ch;
		if (Unit == u'"')
		{
			std::swap(TokenText, ScannedText);
			return true;
		}
		if (Unit != u'\\')
		{
			// A NUL unit is dropped: engine text ends at its first NUL.
			if (Unit != 0)
			{
				ScannedText.AppendChar(Unit);
			}
			continue;
		}

		if (AtEnd())
		{
			return RecordError(TEXT("String Token Abruptly Ended."));
		}
		const TCHAR Escape = ReadUnit();
		++Ch;
		switch (Escape)
		{
		case u'"':
		case u'\\':
		case u'/': ScannedText.AppendChar(Escape); break;
		case u'b': ScannedText.AppendChar(u'\b'); break;
		case u'f': ScannedText.AppendChar(u'\f'); break;
		case u'n': ScannedText.AppendChar(u'\n'); break;
		case u'r': ScannedText.AppendChar(u'\r'); break;
		case u't': ScannedText.AppendChar(u'\t'); break;
		case u'u':
		{
			uint32 Value = 0;
			for (int32 Digit = 0; Digit < 4; ++Digit)
			{
				if (AtEnd())
				{
					return RecordError(TEXT("String Token Abruptly Ended."));
				}
				const TCHAR HexUnit = ReadUnit();
				++Ch;
				const int32 HexValue = HexDigitValue(HexUnit);
				if (HexValue < 0)
				{
					return RecordError(TEXT("Invalid Hexadecimal digit parsed."));
				}
				Value = Value * 16 + static_cast<uint32>(HexValue);
			}
			if (Value != 0)
			{
				ScannedText.AppendChar(static_cast<TCHAR>(Value));
			}
			break;
		}
		default:
			return RecordError(TEXT("Bad Json escaped char."));
		}
	}
}
