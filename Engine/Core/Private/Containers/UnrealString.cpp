#include "Containers/UnrealString.h"

#include <algorithm>
#include <charconv>

FString::FString(const char* Text)
{
	if (Text != nullptr)
	{
		for (const char* Cursor = Text; *Cursor != '\0'; ++Cursor)
		{
			Data.push_back(static_cast<TCHAR>(static_cast<unsigned char>(*Cursor)));
		}
	}
}

void FString::AppendInt(int32 Number)
{
	char Digits[16];
	const auto Result = std::to_chars(Digits, Digits + sizeof(Digits), Number);
	for (const char* Cursor = Digits; Cursor != Result.ptr; ++Cursor)
	{
		Data.push_back(static_cast<TCHAR>(*Cursor));
	}
}

static TCHAR ToLowerAscii(TCHAR Character)
{
	return (Character >= u'A' && Character <= u'Z') ? static_cast<TCHAR>(Character + (u'a' - u'A')) : Character;
}

bool FString::EqualsIgnoreCase(const FString& Other) const
{
	return std::equal(Data.begin(), Data.end(), Other.Data.begin(), Other.Data.end(),
		[](TCHAR A, TCHAR B) { return ToLowerAscii(A) == ToLowerAscii(B); });
}

FString FString::Left(int32 Count) const
{
	return Mid(0, Count);
}

FString FString::Mid(int32 Start, int32 Count) const
{
	const int32 First = std::clamp(Start, 0, Len());
	const int32 Available = Len() - First;
	const int32 Taken = std::clamp(Count, 0, Available);
	return FString(Data.substr(static_cast<SIZE_T>(First), static_cast<SIZE_T>(Taken)));
}
