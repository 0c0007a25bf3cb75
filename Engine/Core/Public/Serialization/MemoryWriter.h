// FMemoryWriter: a saving stream that writes into a caller's byte array,
// growing it as needed. It is not persistent and follows the rules of
// every in-memory sink (MemorySinkRules.h): at most MaxSize bytes.
#pragma once

#include "Containers/Array.h"
#include "CoreApi.h"
#include "Serialization/Archive.h"
#include "Serialization/MemorySinkRules.h"
#include "UObject/NameTypes.h"

class CORE_API FMemoryWriter final : public FArchive
{
public:
	/** The largest array the writer grows: 2,147,483,646 bytes. */
	static constexpr int64 MaxSize = MemorySinkRules::MaxBytes;

	/**
	 * Writes into Bytes, which must outlive the writer. Writing starts at the
	 * end of the bytes already there when bSetOffset is true, otherwise at the
	 * start, over them. ArchiveName names the writer in messages; none gives
	 * "FMemoryWriter".
	 */
	explicit FMemoryWriter(TArray<uint8>& Bytes, bool bInIsPersistent = false, bool bSetOffset = false, const FName ArchiveName = NAME_None);

	/** Copies Num bytes at the position, growing the array past its end; stops the program beyond MaxSize. */
	void Serialize(void* Data, int64 Num) override;
	int64 Tell() override { return Offset; }
	int64 TotalSize() override { return Bytes.Num(); }
	void Seek(int64 InPos) override;
	FString GetArchiveName() const override;

private:
	TArray<uint8>& Bytes;
	int64 Offset;
	FName Name;
};
