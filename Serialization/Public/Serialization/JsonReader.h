// JsonReader: a pull parser over UTF-16 JSON text. Each Advance delivers one
// event (a container opening or closing, or a value) together with the
// field name it belongs to; the first error is recorded with its line and
// character position and ends the reading.
//
// StringJsonReader reads from its own copy of a string.
#pragma once

#include "Containers/UnrealString.h"
#include "Serialization/JsonTypes.h"
#include "Templates/SharedPointer.h"

#include <string>

class FBufferReader;

class JsonReader
{
public:
	JsonReader(const JsonReader&) = delete;
	JsonReader& operator=(const JsonReader&) = delete;
	virtual ~JsonReader() = default;

	/**
	 * Reads the next event into OutEvent. True when an event was delivered,
	 * which may be EJsonEvent::Error; false when there are no more events,
	 * because the document is complete or an error was already recorded.
	 */
	bool Advance(EJsonEvent& OutEvent);

	/** The field name of the item just delivered; empty for the root and array elements. */
	virtual const FString& CurrentIdentifier() const;
	/** The text of the string value just delivered. */
	virtual const FString& StringToken() const;
	double NumberToken() const;
	bool BoolToken() const;
	/** The recorded error, "<message> Line: <line> Ch: <count>", or empty. */
	const FString& ErrorText() const { return RecordedError; }

protected:
	JsonReader() = default;

	/** The text, two bytes per code unit; absent for an empty text. */
	FBufferReader* Stream = nullptr;

private:
	bool StartRoot();
	bool StepInArray();
	bool StepInObject();

	/** Scans the next token into CurrentToken. */
	bool ScanToken();
	bool ScanNumber(TCHAR First);
	bool ScanString();
	bool ScanWord(TCHAR First);
	void SkipWhitespace();

	/** Records Message with the position, unless an error is already recorded. Returns false, for failing steps. */
	bool RecordError(const TCHAR* Message);

	bool AtEnd();
	TCHAR ReadUnit();
	/** Steps back over the unit just read, which is then not counted. */
	void PushBack();
	/** Counts a unit read outside a string: a line feed starts a new line. */
	void CountUnit(TCHAR Unit);
	/** How many whole units are left to read, and the one Offset units past the position, without reading them. */
	int64 UnitsLeft() const;
	TCHAR PeekUnit(int64 Offset) const;
	/** Reads Count units that were peeked at, counting them as Count characters. */
	void TakeUnits(int64 Count);
	/** Appends the units up to the next quotation mark, backslash or NUL to ScannedText; they need no decoding. */
	void ScanPlainRun();

	FJsonScopeStack OpenScopes;
	EJsonToken CurrentToken = EJsonToken::None;
	FString Identifier;
	FString RecordedError;
	FString TokenText;
	/** The string being scanned; it becomes TokenText once complete. */
	FString ScannedText;
	/** The number being scanned, in ASCII. */
	std::string NumberText;
	double TokenNumber = 0.0;
	uint32 Line = 1;
	uint32 Ch = 0;
	bool TokenBool = false;
	bool RootDone = false;
};

class StringJsonReader final : public JsonReader
{
public:
	/** A reader over a copy of Text. */
	static TSharedRef<StringJsonReader> Create(const FString& Text);
	/** A reader that takes Text over, without copying it. */
	static TSharedRef<StringJsonReader> Create(FString&& Text);
	~StringJsonReader() override;

private:
	explicit StringJsonReader(FString&& InText);

	FString Content;
	TSharedPtr<FBufferReader> Reader;
};
