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

TValueOrError<FString, FString> MakeTemporaryName(const FString& Name)
{
	uint8 Random[RandomBytes];
	if (TValueOrError<void, FString> Filled = FPlatformFile::FillRandomBytes(Random, RandomBytes); Filled.HasError())
	{
		return MakeError(Filled.StealError());
	}
	FString Temporary = Name + TEXT(".");
	for (const uint8 Byte : Random)
	{
		Temporary += FString::Printf(TEXT("%02x"), Byte);
	}
	Temporary += TemporarySuffix;
	return MakeValue(std::move(Temporary));
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

FString RemoveTemporary(IPlatformFolder& Folder, const FString& Temporary, FString Error)
{
	if (const TValueOrError<void, FString> Deleted = Folder.Delete(Temporary); Deleted.HasError())
	{
		Error += TEXT(". The temporary file is left behind: ") + Deleted.GetError();
	}
	return Error;
}
