#include "Misc/FileHelper.h"

#include "Common/PlatformFile.h"
#include "Misc/TextFileEncoding.h"

namespace
{
	FString GLastSaveError;
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
	GLastSaveError.Empty();
	if (WriteFlags != 0)
	{
		GLastSaveError = DescribeFileError(
			TEXT("Could not save"), FString(Filename), FString::Printf(TEXT("unsupported write flags 0x%x"), WriteFlags));
		if (OutError != nullptr)
		{
			*OutError = GLastSaveError;
		}
		return false;
	}
	const TArray<uint8> Bytes = FTextFileEncoding::Encode(String);
	if (FileManager->WriteFileAtomically(Filename, Bytes.GetData(), Bytes.Num(), &GLastSaveError, Access))
	{
		return true;
	}
	if (GLastSaveError.IsEmpty())
	{
		GLastSaveError = DescribeFileError(TEXT("Could not save"), FString(Filename), TEXT("the file manager gave no reason"));
	}
	if (OutError != nullptr)
	{
		*OutError = GLastSaveError;
	}
	return false;
}

const FString& FFileHelper::GetLastSaveError()
{
	return GLastSaveError;
}
