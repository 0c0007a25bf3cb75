#include "Serialization/JsonWriter.h"

#include "JsonTextSink.h"

TSharedRef<StringJsonWriter> StringJsonWriter::Create(FString* Target, int32 InitialIndent)
{
	check(Target != nullptr);
	return TSharedRef<StringJsonWriter>(new StringJsonWriter(Target, InitialIndent));
}

StringJsonWriter::StringJsonWriter(FString* InTarget, int32 InitialIndent)
	: JsonWriter(nullptr, InitialIndent), Sink(std::make_unique<FJsonTextSink>()), Target(InTarget)
{
	Stream = Sink.get();
}

StringJsonWriter::~StringJsonWriter()
{
	check(this->Stream->Close());
	Sink.reset();
	// Nothing is left for the base writer to hand over.
	Stream = nullptr;
}

bool StringJsonWriter::Finish()
{
	const bool bComplete = JsonWriter::Finish();
	*Target = Sink->ToText();
	return bComplete;
}
