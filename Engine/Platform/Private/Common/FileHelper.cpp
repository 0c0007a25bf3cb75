#include "Misc/FileHelper.h"

#include "Common/PlatformFile.h"
#include "Misc/TextFileEncoding.h"

namespace
{
	TValueOrError<void, FString> SaveText(const FString& String, const FString& Filename, IFileManager& FileManager, uint32 WriteFlags,
		const FFileAccess& Access)
	{
		if (WriteFlags != 0)
		{
			return MakeError(DescribeFileError(TEXT("Could not save"), Filename, FString::Printf(TEXT("unsupported write flags 0x%x"), WriteFlags)));
		}
		const TArray<uint8> Bytes = FTextFileEncoding::Encode(String);
		FString Error;
		if (FileManager.WriteFileAtomically(*Filename, Bytes.GetData(), Bytes.Num(), &Error, Access))
		{
			return MakeValue();
		}
		if (Error.IsEmpty())
		{
			Error = DescribeFileError(TEXT("Could not save"), Filename, TEXT("the file manager gave no reason"));
		}
		return MakeError(std::move(Error));
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
	TValueOrError<void, FString> Saved = SaveText(String, FString(Filename), *FileManager, WriteFlags, Access);
	if (Saved.HasError() && OutError != nullptr)
	{
		*OutError = Saved.StealError();
	}
	return Saved.HasValue();
}
