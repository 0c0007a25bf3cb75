#include "CommandInput.h"

#include "HAL/FileManager.h"
#include "InputStream.h"

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

bool FCommandInput::Read(TArray<uint8>& OutBytes, FString& OutError) const
{
	if (bStandardInput)
	{
		return InputStream::ReadStandardInput(OutBytes, OutError);
	}
	switch (InputStream::ReadIfPipe(Path, OutBytes, OutError))
	{
	case InputStream::EPipeRead::Read:
		return true;
	case InputStream::EPipeRead::Failed:
		return false;
	case InputStream::EPipeRead::NotAPipe:
		break;
	}
	// Windows refuses to open a folder as a file with only "access denied".
	if (IFileManager::Get().DirectoryExists(*Path))
	{
		OutError = TEXT("Could not read '") + Path + TEXT("': not a regular file");
		return false;
	}
	return IFileManager::Get().LoadFile(*Path, OutBytes, &OutError);
}
