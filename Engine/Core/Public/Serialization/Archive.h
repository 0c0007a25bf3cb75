// FArchive: the base of the engine's byte streams. A stream either saves
// (bytes go into it) or loads (bytes come out of it); Serialize moves bytes
// in the stream's direction at its current position.
#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Logging/LogMacros.h"

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogSerialization, Log, All);

class CORE_API FArchive
{
public:
	FArchive() = default;
	FArchive(const FArchive&) = delete;
	FArchive& operator=(const FArchive&) = delete;
	virtual ~FArchive() = default;

	bool IsSaving() const { return bIsSaving; }
	bool IsLoading() const { return bIsLoading; }
	/** True when the bytes are meant to outlive the process (a file or a package). */
	bool IsPersistent() const { return bIsPersistent; }
	/** True once an operation has failed; the stream then stays failed. */
	bool IsError() const { return bIsError; }

	/** Saving: copies Num bytes from Data into the stream. Loading: copies Num bytes out of it into Data. */
	virtual void Serialize(void* Data, int64 Num) = 0;
	/** The current position in bytes, or -1 when the stream has none. */
	virtual int64 Tell() { return -1; }
	/** The stream's size in bytes, or -1 when it has none. */
	virtual int64 TotalSize() { return -1; }
	virtual void Seek(int64 /*InPos*/) {}
	/** True when the position has reached the end of the stream's bytes. */
	virtual bool AtEnd();
	/** Ends the stream's use; true when everything it did succeeded. */
	virtual bool Close() { return !bIsError; }
	virtual FString GetArchiveName() const { return FString(TEXT("FArchive")); }

protected:
	void SetIsSaving(bool bValue) { bIsSaving = bValue; }
	void SetIsLoading(bool bValue) { bIsLoading = bValue; }
	void SetIsPersistent(bool bValue) { bIsPersistent = bValue; }
	void SetError() { bIsError = true; }

private:
	bool bIsSaving = false;
	bool bIsLoading = false;
	bool bIsPersistent = false;
	bool bIsError = false;
};
