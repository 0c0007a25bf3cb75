#include "Misc/FileHelper.h"

#include "Common/PlatformFile.h"
#include "Misc/TextFileEncoding.h"

namespace
{
	bool SaveText(const FString& String, const FString& Filename, IFileManager& FileManager, uint32 WriteFlags, const FFileAccess& Access,
		FString& OutError)
	{
		if (WriteFlags != 0)
		{
			OutError = DescribeFileError(TEXT("Could not save"), Filename, FString::Printf(TEXT("unsupported write flags 0x%x"), WriteFlags));
			return false;
		}
		const TArray<uint8> Bytes = FTextFileEncoding::Encode(String);
		if (FileManager.WriteFileAtomically(*Filename, Bytes.GetData(), Bytes.Num(), &OutError, Access))
		{
			return true;
		}
		if (OutError.IsEmpty())
		{
			OutError = DescribeFileError(TEXT("Could not save"), Filename, TEXT("the file manager gave no reason"));
		}
		return false;
	}
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions /*VerifyFlags*/, const FFileAccess& Access,
	FString* OutError)
{
	TArray<uint8> Bytes;
	if (!IFileManager::Get().LoadFile(Filename, Bytes, OutError, Access))
	{
		return false;
	}
	Result = FTextFileEncoding::Decode(Bytes.GetData(), Bytes.Num());
	return true;
}

bool FFileHelper::SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions /*EncodingOptions*/,
	IFileManager* FileManager, uint32 WriteFlags, const FFileAccess& Access, FString* OutError)
{
	check(FileManager != nullptr);
	FString Error;
	const bool bSaved = SaveText(String, FString(Filename), *FileManager, WriteFlags, Access, Error);
	if (!bSaved && OutError != nullptr)
	{
		*OutError = Error;
	}
	return bSaved;
}
