// What the POSIX file primitives share: the system's error texts, engine
// paths as the system takes them, reading an open file whole, and the writer
// over a descriptor.
#pragma once

#include "Common/PlatformFile.h"

#include <string>

FString SystemErrorText(int Error);
FString DescribeSystemError(const TCHAR* Action, const FString& Path, int Error);

/** The path as the system takes it (UTF-8); fails for a path it would cut short. */
TValueOrError<std::string, FString> ToNativePath(const FString& Path, const TCHAR* Action);

/** Reads the open regular file Descriptor whole and closes it; Path names it in errors. */
TValueOrError<TArray<uint8>, FString> ReadAndClose(int Descriptor, const FString& Path);

/** Writes to a descriptor it owns. */
class FPosixFileWriter final : public IPlatformFileWriter
{
public:
	FPosixFileWriter(int InDescriptor, FString InPath) : Descriptor(InDescriptor), Path(std::move(InPath)) {}
	~FPosixFileWriter() override;
	FPosixFileWriter(const FPosixFileWriter&) = delete;
	FPosixFileWriter& operator=(const FPosixFileWriter&) = delete;

	TValueOrError<void, FString> Write(const uint8* Bytes, int64 Size) override;
	TValueOrError<void, FString> Flush() override;
	TValueOrError<void, FString> Close() override;

private:
	int Descriptor;
	FString Path;
};
