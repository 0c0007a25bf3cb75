#include "Misc/FileHelper.h"

#include "Common/PlatformFile.h"
#include "Misc/TextFileEncoding.h"

namespace
{
	FString GLastSaveError;
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions /*VerifyFlags*/)
{
	TArray<uint8> Bytes;
	if (!IFileManager::Get().LoadFile(Filename, Bytes))
	{
		return false;
	}
	Result = FTextFileEncoding::Decode(Bytes.GetData(), Bytes.Num());
	return true;
}

bool FFileHelper::SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions /*EncodingOptions*/,
	IFileManager* FileManager, uint32 WriteFlags)
{
	check(FileManager != nullptr);
	GLastSaveError.Empty();
	if (WriteFlags != 0)
	{
		GLastSaveError = DescribeFileError(
			TEXT("Could not save"), FString(Filename), FString::Printf(TEXT("unsupported write flags 0x%x"), WriteFlags));
		return false;
	}
	const TArray<uint8> Bytes = FTextFileEncoding::Encode(String);
	if (FileManager->WriteFileAtomically(Filename, Bytes.GetData(), Bytes.Num(), &GLastSaveError))
	{
		return true;
	}
	if (GLastSaveError.IsEmpty())
	{
		GLastSaveError = DescribeFileError(TEXT("Could not save"), FString(Filename), TEXT("the file manager gave no reason"));
	}
	return false;
}

const FString& FFileHelper::GetLastSaveError()
{
	return GLastSaveError;
}
