// JsonReader: a pull parser over UTF-16 JSON text. Each Advance delivers one
// event (a container opening or closing, or a value) together with the
// field name it belongs to; the first error is recorded with its line and
// character position and ends the reading.
//
// StringJsonReader reads from its own copy of a string. A derived reader
// owns the stream of its text and hands it to the base at construction; a
// reader is made for one text and used on one thread.
#pragma once

#include "Containers/UnrealString.h"
#include "Serialization/JsonTypes.h"
#include "Templates/SharedPointer.h"

#include <memory>
#include <optional>

class FBufferReader;
class FJsonLexer;

/** The first error a reader met: what is wrong, and where in the text the reading stopped. */
struct FJsonReadError
{
	FString Message;
	/** The line, counted from 1. */
	uint32 Line = 0;
	/** The code units taken on that line. */
	uint32 Ch = 0;

	/** "<message> Line: <line> Ch: <count>". */
	FString ToText() const;
};

class JsonReader
{
public:
	JsonReader(const JsonReader&) = delete;
	JsonReader& operator=(const JsonReader&) = delete;
	virtual ~JsonReader();

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
	/** Moves the field name of the item just delivered out of the reader, for a caller that keeps it; CurrentIdentifier() is then empty. */
	FString TakeCurrentIdentifier();
	/** As TakeCurrentIdentifier, into OutIdentifier: one move fewer for a caller that keeps the name in a string of its own. */
	void TakeCurrentIdentifier(FString& OutIdentifier);
	/** Moves the text of the string value just delivered out of the reader, for a caller that keeps it; StringToken() is then empty. */
	FString TakeStringToken();
	double NumberToken() const;
	bool BoolToken() const;
	/** The recorded error, or nothing. */
	const std::optional<FJsonReadError>& Error() const { return RecordedError; }
	/** The recorded error as text, "<message> Line: <line> Ch: <count>", or empty. */
	FString ErrorText() const { return RecordedError.has_value() ? RecordedError->ToText() : FString(); }

protected:
	/**
	 * A reader of Stream's text, two bytes per code unit. The derived reader
	 * owns the stream and keeps it alive as long as this base; null when
	 * there is no text, which the first Advance reports.
	 */
	explicit JsonReader(const FBufferReader* Stream);

private:
	bool StartRoot();
	bool StepInArray();
	bool StepInObject();

	/** Takes the next token from the lexer as CurrentToken. */
	bool ScanToken();
	/** Opens or closes a scope for an event just delivered. */
	void FollowScopes(EJsonEvent Event);

	/** Records Message with the position, unless an error is already recorded. Returns false, for failing steps. */
	bool RecordError(const TCHAR* Message);

	/** The tokens of the text; over no text when there is no stream. */
	const std::unique_ptr<FJsonLexer> Lexer;
	const bool bHasStream;
	FJsonScopeStack OpenScopes;
	EJsonToken CurrentToken = EJsonToken::None;
	FString Identifier;
	std::optional<FJsonReadError> RecordedError;
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
	/** The reader's own copy of the text and the stream over it, made before the reader that reads it. */
	class FSource;

	explicit StringJsonReader(std::unique_ptr<FSource> InSource);

	const std::unique_ptr<FSource> Source;
};
