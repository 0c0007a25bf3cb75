// Kinds shared by the JSON text writer and reader: the tokens of the text,
// the events the reader delivers, and the stack of open containers.
#pragma once

#include "Containers/Array.h"
#include "JsonGlobals.h"

/** A token of JSON text. Number, True, False and Null (8 to 11) are the short values. */
enum class EJsonToken : uint8
{
	None = 0,
	Comma = 1,
	OpenBrace = 2,
	CloseBrace = 3,
	OpenBracket = 4,
	CloseBracket = 5,
	Colon = 6,
	String = 7,
	Number = 8,
	True = 9,
	False = 10,
	Null = 11,
	Identifier = 12,
};

inline bool IsShortValueToken(EJsonToken Token)
{
	return Token >= EJsonToken::Number && Token <= EJsonToken::Null;
}

/** What one step of the reader found. */
enum class EJsonEvent : uint8
{
	ObjectOpened = 0,
	ObjectClosed = 1,
	ArrayOpened = 2,
	ArrayClosed = 3,
	BooleanValue = 4,
	StringValue = 5,
	NumberValue = 6,
	NullValue = 7,
	Error = 8,
};

/** The containers opened and not yet closed, innermost last: EJson::Object or EJson::Array. */
class FJsonScopeStack
{
public:
	void Push(EJson Kind) { Scopes.Add(Kind); }
	/** Removes the innermost container; does nothing when none is open. */
	void Pop()
	{
		if (!Scopes.IsEmpty())
		{
			Scopes.Pop();
		}
	}
	/** The innermost container's kind, or EJson::None when none is open. */
	EJson Top() const { return Scopes.IsEmpty() ? EJson::None : Scopes.Top(); }
	bool IsEmpty() const { return Scopes.IsEmpty(); }
	int32 Num() const { return Scopes.Num(); }

private:
	TArray<EJson> Scopes;
};
