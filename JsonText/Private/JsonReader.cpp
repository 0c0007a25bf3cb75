#include "Serialization/JsonReader.h"

#include "JsonLexer.h"

#include <utility>

namespace
{
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
}

JsonReader::JsonReader(const FBufferReader* Stream)
	: Lexer(Stream != nullptr ? std::make_unique<FJsonLexer>(*Stream) : std::make_unique<FJsonLexer>())
	, bHasStream(Stream != nullptr)
{
}

JsonReader::~JsonReader() = default;

const FString& JsonReader::CurrentIdentifier() const
{
	return Identifier;
}

const FString& JsonReader::StringToken() const
{
	check(CurrentToken == EJsonToken::String);
	return Lexer->Token().Text;
}

FString JsonReader::TakeCurrentIdentifier()
{
	FString Taken;
	TakeCurrentIdentifier(Taken);
	return Taken;
}

void JsonReader::TakeCurrentIdentifier(FString& OutIdentifier)
{
	OutIdentifier = std::move(Identifier);
	Identifier.Empty();
}

FString JsonReader::TakeStringToken()
{
	check(CurrentToken == EJsonToken::String);
	return Lexer->TakeText();
}

double JsonReader::NumberToken() const
{
	check(CurrentToken == EJsonToken::Number);
	return Lexer->Token().Number;
}

bool JsonReader::BoolToken() const
{
	check((CurrentToken == EJsonToken::True) || (CurrentToken == EJsonToken::False));
	return CurrentToken == EJsonToken::True;
}

FString FJsonReadError::ToText() const
{
	return Message + FString::Printf(TEXT(" Line: %u Ch: %u"), Line, Ch);
}

bool JsonReader::RecordError(const TCHAR* Message)
{
	if (!RecordedError.has_value())
	{
		const FJsonTextPosition Position = Lexer->Position();
		RecordedError = FJsonReadError{FString(Message), Position.Line, Position.Ch};
	}
	return false;
}

bool JsonReader::Advance(EJsonEvent& OutEvent)
{
	if (RecordedError.has_value())
	{
		OutEvent = EJsonEvent::Error;
		return false;
	}
	if (!bHasStream)
	{
		OutEvent = EJsonEvent::Error;
		RecordError(TEXT("Null Stream"));
		return true;
	}
	if (Lexer->AtEnd())
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
	if (bStepped && OutEvent != EJsonEvent::Error)
	{
		FollowScopes(OutEvent);
		RootDone = OpenScopes.IsEmpty();
		// Whitespace after the root is consumed now, so that the next call finds the end.
		if (RootDone)
		{
			Lexer->SkipWhitespace();
		}
		return true;
	}
	OutEvent = EJsonEvent::Error;
	RecordError(TEXT("Unknown Error Occurred"));
	return true;
}

void JsonReader::FollowScopes(EJsonEvent Event)
{
	// Brackets are not matched by kind: either closing one closes the innermost scope.
	switch (Event)
	{
	case EJsonEvent::ObjectOpened: OpenScopes.Push(EJson::Object); break;
	case EJsonEvent::ArrayOpened: OpenScopes.Push(EJson::Array); break;
	case EJsonEvent::ObjectClosed:
	case EJsonEvent::ArrayClosed: OpenScopes.Pop(); break;
	default: break;
	}
}

bool JsonReader::ScanToken()
{
	if (!Lexer->Next())
	{
		return RecordError(Lexer->ErrorMessage());
	}
	CurrentToken = Lexer->Token().Kind;
	return true;
}

bool JsonReader::StartRoot()
{
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
	Lexer->MoveTextTo(Identifier);
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
