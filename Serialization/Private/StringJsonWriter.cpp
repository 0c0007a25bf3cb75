#include "Serialization/JsonWriter.h"

#include "Serialization/MemoryWriter.h"

#include <cstring>
#include <string>

TSharedRef<StringJsonWriter> StringJsonWriter::Create(FString* Target, int32 InitialIndent)
{
	check(Target != nullptr);
	return TSharedRef<StringJsonWriter>(new StringJsonWriter(Target, InitialIndent));
}

StringJsonWriter::StringJsonWriter(FString* InTarget, int32 InitialIndent)
	: JsonWriter(nullptr, InitialIndent), Target(InTarget)
{
	// The stream appends to this writer's own buffer, which exists only now.
	Stream = new FMemoryWriter(Bytes);
}

StringJsonWriter::~StringJsonWriter()
{
	check(this->Stream->Close());
	delete Stream;
	// Nothing is left for the base writer to hand over.
	Stream = nullptr;
}

bool StringJsonWriter::Finish()
{
	const bool bComplete = JsonWriter::Finish();
	std::u16string Text(static_cast<SIZE_T>(Bytes.Num()) / sizeof(TCHAR), u'\0');
	if (!Text.empty())
	{
		std::memcpy(Text.data(), Bytes.GetData(), Text.size() * sizeof(TCHAR));
	}
	std::erase(Text, u'\0');
	*Target = FString(std::move(Text));
	return bComplete;
}
