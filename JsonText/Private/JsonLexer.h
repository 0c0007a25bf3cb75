// FJsonLexer: the tokens of UTF-16 JSON text, one at a time. The lexer alone
// reads the text: it keeps the read position, counts lines and characters,
// looks ahead, and hands out each token with its kind, value and start
// position. The reader above it asks for tokens and never sees the text.
//
// Position: Line counts from 1, and Ch is the number of code units consumed
// on the current line. A line feed between tokens starts a new line; one
// inside a string is a character like any other. A unit the lexer looks at
// and leaves is not consumed, so it is not counted.
#pragma once

#include "Containers/UnrealString.h"
#include "Serialization/JsonTypes.h"

#include <utility>

class FBufferReader;

/** A place in the text: the line, and the code units consumed on it. */
struct FJsonTextPosition
{
	uint32 Line = 1;
	uint32 Ch = 0;

	bool operator==(const FJsonTextPosition&) const = default;
};

/** The token the lexer read last. */
struct FJsonToken
{
	EJsonToken Kind = EJsonToken::None;
	/** The position just before the token's first unit. */
	FJsonTextPosition Start;
	/** The decoded text of the last string token; a later token of another kind leaves it. */
	FString Text;
	/** The value of the last number token; a later token of another kind leaves it. */
	double Number = 0.0;
};

class FJsonLexer
{
public:
	/** A lexer over no text: at its end from the start. */
	FJsonLexer() = default;
	/**
	 * A lexer over the bytes of Stream from its position on, two per code
	 * unit. The bytes must outlive the lexer. The lexer reads them in place
	 * and keeps its own position; the stream itself is not moved.
	 */
	explicit FJsonLexer(const FBufferReader& Stream);

	/**
	 * Reads the next token, after any whitespace, as Token(). On failure
	 * Token() is left as it was, ErrorMessage() says why, and Position() is
	 * where the fault was found.
	 */
	bool Next();
	const FJsonToken& Token() const { return Current; }
	/** Moves the text of the last string token out, leaving the token's text empty. */
	FString TakeText()
	{
		FString Text;
		MoveTextTo(Text);
		return Text;
	}
	/** As TakeText, into Out: one move fewer for a caller that keeps the text in a string of its own. */
	void MoveTextTo(FString& Out)
	{
		Out = std::move(Current.Text);
		Current.Text.Empty();
	}
	/** Why the last Next failed. */
	const TCHAR* ErrorMessage() const { return Error; }

	/** Consumes the whitespace before the next other unit: space, tab, CR and LF, nothing else. */
	void SkipWhitespace();
	bool AtEnd() const { return Cursor == End; }
	FJsonTextPosition Position() const
	{
		return FJsonTextPosition{Line, static_cast<uint32>((Cursor - LineStart) / static_cast<int64>(sizeof(TCHAR)))};
	}

private:
	/** The unit at the position, without consuming it; not at the end. */
	TCHAR Peek() const;
	/** Consumes the unit at the position and returns it; not at the end. */
	TCHAR Take();
	/** Records Message as the reason Next fails; returns false. */
	bool Fail(const TCHAR* Message);

	/**
	 * A number, First being its first unit, already consumed. Well-formed
	 * numbers take the one-pass reading; the rest are read unit by unit
	 * through the grammar's state machine, which finds where the fault is and
	 * which of the two number errors it is.
	 */
	bool ScanNumber(TCHAR First);
	/**
	 * A number of the grammar followed by a unit that is no part of any
	 * number, read and converted in one pass. False, consuming nothing, for
	 * any other text, which ScanNumber then reads unit by unit.
	 */
	bool TryScanWellFormedNumber(TCHAR First);
	bool ScanString();
	/** Where the run of units from the position that need no decoding ends: at the next quotation mark, backslash or NUL, or the end. */
	const uint8* FindPlainRunEnd() const;
	/** Consumes the units up to RunEnd, appending them to Out. */
	void TakeUnitsUpTo(const uint8* RunEnd, FString& Out);
	/** A bare word: true, false or null in any case. */
	bool ScanWord(TCHAR First, EJsonToken& OutKind);

	/** The text's bytes: Cursor is the read position, End is past the last whole unit. */
	const uint8* Cursor = nullptr;
	const uint8* End = nullptr;
	/** Where the current line's units begin: Ch is counted from here. */
	const uint8* LineStart = nullptr;
	uint32 Line = 1;

	FJsonToken Current;
	/** A string with escapes being decoded; it keeps its room from one such string to the next. */
	FString Scanned;
	const TCHAR* Error = TEXT("");
};
