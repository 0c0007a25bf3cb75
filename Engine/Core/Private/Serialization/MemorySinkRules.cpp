#include "Serialization/MemorySinkRules.h"

#include "Serialization/Archive.h"

FString MemorySinkRules::DefaultArchiveName()
{
	return FString(TEXT("FMemoryWriter"));
}

void MemorySinkRules::FailBeyondMaxBytes(const FString& ArchiveName)
{
	UE_LOG(LogSerialization, Fatal, TEXT("FMemoryWriter does not support data larger than 2GB. Archive name: %s."), *ArchiveName);
}
