#include "CommandInput.h"

#include "HAL/FileManager.h"
#include "InputStream.h"

#include <utility>

FCommandInput FCommandInput::FromArgument(const FString& Argument)
{
	FCommandInput Input;
	Input.bStandardInput = Argument == TEXT("-");
	if (!Input.bStandardInput)
	{
		Input.Path = Argument;
	}
	return Input;
}

FString FCommandInput::Name() const
{
	return bStandardInput ? FString(TEXT("<stdin>")) : Path;
}

TValueOrError<TArray<uint8>, FString> FCommandInput::Read() const
{
	if (bStandardInput)
	{
		return InputStream::ReadStandardInput();
	}
	if (std::optional<InputStream::FReadResult> PipeBytes = InputStream::ReadIfPipe(Path))
	{
		return std::move(*PipeBytes);
	}
	// Windows refuses to open a folder as a file with only "access denied".
	if (IFileManager::Get().DirectoryExists(*Path))
	{
		return MakeError(TEXT("Could not read '") + Path + TEXT("': not a regular file"));
	}
	TArray<uint8> Bytes;
	FString Error;
	if (!IFileManager::Get().LoadFile(*Path, Bytes, &Error))
	{
		return MakeError(std::move(Error));
	}
	return MakeValue(std::move(Bytes));
}
