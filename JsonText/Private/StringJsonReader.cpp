#include "Serialization/JsonReader.h"

#include "Serialization/BufferReader.h"

#include <utility>

/**
 * The text a StringJsonReader reads and the stream over its code units. It
 * is made first, so that the reader can hand its stream to the base at
 * construction; the stream does not free the text it reads.
 */
class StringJsonReader::FSource
{
public:
	explicit FSource(FString&& InText)
		: Content(std::move(InText))
	{
		// An empty text has no stream; the first Advance reports that.
		if (!Content.IsEmpty())
		{
			Reader = MakeShared<FBufferReader>(*Content, static_cast<int64>(Content.Len()) * static_cast<int64>(sizeof(TCHAR)));
			check(Reader.IsValid());
		}
	}

	/** The stream, or null for an empty text. */
	const FBufferReader* Stream() const { return Reader.Get(); }

private:
	FString Content;
	TSharedPtr<FBufferReader> Reader;
};

TSharedRef<StringJsonReader> StringJsonReader::Create(const FString& Text)
{
	return Create(FString(Text));
}

TSharedRef<StringJsonReader> StringJsonReader::Create(FString&& Text)
{
	return TSharedRef<StringJsonReader>(new StringJsonReader(std::make_unique<FSource>(std::move(Text))));
}

StringJsonReader::StringJsonReader(std::unique_ptr<FSource> InSource)
	: JsonReader(InSource->Stream())
	, Source(std::move(InSource))
{
}

StringJsonReader::~StringJsonReader() = default;
