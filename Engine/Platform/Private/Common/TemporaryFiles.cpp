#include "Common/TemporaryFiles.h"

namespace
{
	constexpr int32 RandomBytes = 8;
	const TCHAR* const TemporarySuffix = TEXT(".tmp");

	bool IsLowerHexDigit(TCHAR Character)
	{
		return (Character >= TEXT('0') && Character <= TEXT('9')) || (Character >= TEXT('a') && Character <= TEXT('f'));
	}
}

bool MakeTemporaryName(const FString& Name, FString& OutTemporary, FString& OutError)
{
	uint8 Random[RandomBytes];
	if (!FPlatformFile::FillRandomBytes(Random, RandomBytes, OutError))
	{
		return false;
	}
	OutTemporary = Name + TEXT(".");
	for (const uint8 Byte : Random)
	{
		OutTemporary += FString::Printf(TEXT("%02x"), Byte);
	}
	OutTemporary += TemporarySuffix;
	return true;
}

bool IsTemporaryNameOf(const FString& Name, const FString& Candidate)
{
	const FString Suffix(TemporarySuffix);
	const int32 Digits = 2 * RandomBytes;
	if (Candidate.Len() != Name.Len() + 1 + Digits + Suffix.Len() || !Candidate.StartsWith(Name)
		|| Candidate[Name.Len()] != TEXT('.') || !Candidate.EndsWith(Suffix))
	{
		return false;
	}
	for (int32 Index = Name.Len() + 1; Index < Name.Len() + 1 + Digits; ++Index)
	{
		if (!IsLowerHexDigit(Candidate[Index]))
		{
			return false;
		}
	}
	return true;
}

void RemoveTemporary(IPlatformFolder& Folder, const FString& Temporary, FString& InOutError)
{
	FString DeleteError;
	if (!Folder.Delete(Temporary, DeleteError))
	{
		InOutError += TEXT(". The temporary file is left behind: ") + DeleteError;
	}
}
