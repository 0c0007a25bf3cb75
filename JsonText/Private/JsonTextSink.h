// FJsonTextSink: the in-memory stream that collects a StringJsonWriter's
// text. The code units live in one block that grows through realloc, which
// can extend a large block in place instead of copying it, so a document of
// many megabytes is not copied while it is written. It follows the rules of
// every in-memory sink (MemorySinkRules.h): its size limit, its name in
// messages, and text delivered without NUL units.
#pragma once

#include "Containers/UnrealString.h"
#include "Serialization/Archive.h"

class FJsonTextSink final : public FArchive
{
public:
	FJsonTextSink();
	~FJsonTextSink() override;

	/** Appends Num bytes, which must be whole code units. */
	void Serialize(void* Data, int64 Num) override;
	int64 Tell() override { return NumUnits * static_cast<int64>(sizeof(TCHAR)); }
	int64 TotalSize() override { return Tell(); }
	FString GetArchiveName() const override;

	/** The text written so far, without its NUL units. */
	FString ToText() const;

private:
	TCHAR* Units = nullptr;
	int64 NumUnits = 0;
	int64 CapacityUnits = 0;
};
