#include "Serialization/JsonReader.h"

#include "Serialization/BufferReader.h"

#include <utility>

TSharedRef<StringJsonReader> StringJsonReader::Create(const FString& Text)
{
	return Create(FString(Text));
}

TSharedRef<StringJsonReader> StringJsonReader::Create(FString&& Text)
{
	return TSharedRef<StringJsonReader>(new StringJsonReader(std::move(Text)));
}

StringJsonReader::StringJsonReader(FString&& InText)
	: Content(std::move(InText))
{
	// An empty text has no stream; the first Advance reports that.
	if (!Content.IsEmpty())
	{
		Reader = MakeShared<FBufferReader>(*Content, static_cast<int64>(Content.Len()) * static_cast<int64>(sizeof(TCHAR)));
		check(Reader.IsValid());
		Stream = Reader.Get();
	}
}

StringJsonReader::~StringJsonReader() = default;
