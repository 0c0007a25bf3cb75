// JsonWriter: a streaming writer of pretty-printed JSON text, in UTF-16 code
// units, with tabs for indentation and CR LF line ends. Each call writes one
// token with the separators, line breaks and spacing the layout asks for;
// a call in the wrong state (a field outside an object, a close that
// matches no open container) is a programming error and stops the program.
//
// The writer hands its text to a stream that the one who makes it owns: a
// caller's stream for JsonWriter itself, and for StringJsonWriter its own
// in-memory sink, which collects the text and delivers it to a caller's
// string on Finish.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Serialization/Archive.h"
#include "Serialization/JsonTypes.h"
#include "Templates/SharedPointer.h"

#include <cstddef>
#include <memory>

class FJsonTextSink;

class JsonWriter
{
public:
	/** Writes to InStream, which must outlive the writer. Every new line starts with InitialIndent tabs plus one per open container. */
	JsonWriter(FArchive& InStream, int32 InitialIndent);
	JsonWriter(const JsonWriter&) = delete;
	JsonWriter& operator=(const JsonWriter&) = delete;
	/** Hands any text not yet given to the stream over to it. */
	virtual ~JsonWriter();

	/**
	 * Hands all text written so far to the stream, and tells whether it is a
	 * complete document: nothing, or one closed container with nothing left
	 * open. Writes no characters of its own.
	 */
	virtual bool Finish();

	/** Opens an object as the root or as an array element. */
	void OpenObject();
	/** Opens an object as the value of the field Identifier. */
	void OpenObject(const FString& Identifier);
	void CloseObject();
	/** Opens an array as the root or as an array element. */
	void OpenArray();
	/** Opens an array as the value of the field Identifier. */
	void OpenArray(const FString& Identifier);
	void CloseArray();

	/** Writes an array element. A number that is not finite is written as null. */
	void PutValue(const FString& Value);
	void PutValue(const TCHAR* Value);
	void PutValue(double Value);
	void PutValue(bool bValue);
	void PutValue(std::nullptr_t);

	/** Writes the field Identifier of the innermost object. An empty name is written as "". */
	void PutField(const FString& Identifier, const FString& Value);
	void PutField(const FString& Identifier, const TCHAR* Value);
	void PutField(const FString& Identifier, double Value);
	void PutField(const FString& Identifier, bool bValue);
	void PutField(const FString& Identifier, std::nullptr_t);

protected:
	/**
	 * Writes Text as one quoted string, up to its first NUL unit: quotation
	 * mark, backslash, backspace, tab, line feed, form feed and carriage
	 * return as two-character escapes, every other unit unchanged.
	 */
	virtual void WriteQuoted(const FString& Text);

	/**
	 * Add units to the text not yet handed to the stream. The text goes to
	 * the stream in large blocks, one call each, and all of it by Finish.
	 */
	void WriteChar(TCHAR Unit) { *ReserveUnits(1) = Unit; ++PendingUnits; }
	void WriteChars(const TCHAR* Units, SIZE_T Count);
	/** Room for Count more units at the end of the pending text; CommitUnits then says how far it was filled. */
	TCHAR* ReserveUnits(SIZE_T Count)
	{
		if (Count > PendingCapacity - PendingUnits)
		{
			MakeRoom(Count);
		}
		return Pending.get() + PendingUnits;
	}
	void CommitUnits(const TCHAR* End) { PendingUnits = static_cast<SIZE_T>(End - Pending.get()); }
	/** Hands the pending text to the stream. */
	void FlushPending();

	FJsonScopeStack Stack;
	EJsonToken LastToken = EJsonToken::None;
	int32 IndentCount;

private:
	bool CanWriteValueWithoutIdentifier() const;
	bool CanWriteObjectWithoutIdentifier() const;
	/** A comma unless the last token opened a container or named a field. */
	void WriteCommaIfNeeded();
	/** As WriteCommaIfNeeded, and no comma before the first token either. */
	void WriteCommaIfNeededOrFirst();
	void WriteLineBreak();
	void WriteFieldStart(const FString& Identifier);
	void WriteOpening(TCHAR Bracket, EJson Kind, EJsonToken Token);

	EJsonToken WriteValueText(const FString& Value);
	EJsonToken WriteValueText(double Value);
	EJsonToken WriteValueText(bool bValue);
	EJsonToken WriteValueText(std::nullptr_t);
	template <typename ValueType>
	void PutShortValue(ValueType Value);
	template <typename ValueType>
	void PutFieldValue(const FString& Identifier, ValueType Value);

	/** Hands the pending text over, and grows the block when Count units would not fit even in an empty one. */
	void MakeRoom(SIZE_T Count);

	FArchive& Stream;
	std::unique_ptr<TCHAR[]> Pending;
	SIZE_T PendingUnits = 0;
	SIZE_T PendingCapacity = 0;
};

namespace JsonWriterInternals
{
	/**
	 * The in-memory sink of a StringJsonWriter. As the writer's first base
	 * it is made before the JsonWriter base that writes to it, and destroyed
	 * after it.
	 */
	struct FTextSinkOwner
	{
		FTextSinkOwner();
		~FTextSinkOwner();

		std::unique_ptr<FJsonTextSink> Sink;
	};
}

class StringJsonWriter final : private JsonWriterInternals::FTextSinkOwner, public JsonWriter
{
public:
	/** A writer whose Finish replaces *Target (which must outlive the writer) with the text written. */
	static TSharedRef<StringJsonWriter> Create(FString* Target, int32 InitialIndent = 0);
	~StringJsonWriter() override;

	/** Delivers the whole text written so far to the target string, then gives the base result. May be called again. */
	bool Finish() override;

private:
	StringJsonWriter(FString* InTarget, int32 InitialIndent);

	FString* Target;
};
