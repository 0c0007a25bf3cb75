#include "Serialization/JsonWriter.h"

#include "JsonTextSink.h"

JsonWriterInternals::FTextSinkOwner::FTextSinkOwner()
	: Sink(std::make_unique<FJsonTextSink>())
{
}

JsonWriterInternals::FTextSinkOwner::~FTextSinkOwner() = default;

TSharedRef<StringJsonWriter> StringJsonWriter::Create(FString* Target, int32 InitialIndent)
{
	check(Target != nullptr);
	return TSharedRef<StringJsonWriter>(new StringJsonWriter(Target, InitialIndent));
}

StringJsonWriter::StringJsonWriter(FString* InTarget, int32 InitialIndent)
	: JsonWriter(*Sink, InitialIndent), Target(InTarget)
{
}

StringJsonWriter::~StringJsonWriter()
{
	// All the text reaches the sink before it closes. The close happens
	// outside the assertion, which has no side effects; a failure names the
	// stream's close all the same.
	FlushPending();
	const bool bClosed = Sink->Close();
	if (!bClosed) [[unlikely]]
	{
		FDebug::AssertFailed("this->Stream->Close()", __FILE__, __LINE__);
	}
}

bool StringJsonWriter::Finish()
{
	const bool bComplete = JsonWriter::Finish();
	*Target = Sink->ToText();
	return bComplete;
}
