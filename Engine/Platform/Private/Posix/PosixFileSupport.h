// What the POSIX file primitives share: the system's error texts, engine
// paths as the system takes them, reading an open file whole, and the writer
// over a descriptor.
#pragma once

#include "Common/PlatformFile.h"

#include <string>

FString SystemErrorText(int Error);
FString DescribeSystemError(const TCHAR* Action, const FString& Path, int Error);

/** The path as the system takes it (UTF-8); fails for a path it would cut short. */
bool ToNativePath(const FString& Path, std::string& OutNative, const TCHAR* Action, FString& OutError);

/**
 * Reads the open regular file Descriptor whole and closes it; Path names it
 * in errors. On failure OutBytes is left as it was.
 */
bool ReadAndClose(int Descriptor, const FString& Path, TArray<uint8>& OutBytes, FString& OutError);

/** Writes to a descriptor it owns. */
class FPosixFileWriter final : public IPlatformFileWriter
{
public:
	FPosixFileWriter(int InDescriptor, FString InPath) : Descriptor(InDescriptor), Path(std::move(InPath)) {}
	~FPosixFileWriter() override;
	FPosixFileWriter(const FPosixFileWriter&) = delete;
	FPosixFileWriter& operator=(const FPosixFileWriter&) = delete;

	bool Write(const uint8* Bytes, int64 Size, FString& OutError) override;
	bool Flush(FString& OutError) override;
	bool Close(FString& OutError) override;

private:
	int Descriptor;
	FString Path;
};
