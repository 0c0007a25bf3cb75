#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"
#include "UObject/NameTypes.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(String, AppendIntWritesSignedDecimal)
{
	struct FCase { int32 Number; const TCHAR* Expected; };
	for (const FCase& Case : {FCase{0, TEXT("0")}, FCase{4, TEXT("4")}, FCase{20, TEXT("20")}, FCase{-7, TEXT("-7")},
			 FCase{INT32_MIN, TEXT("-2147483648")}})
	{
		FString Text(TEXT("v"));
		Text.AppendInt(Case.Number);
		EXPECT_EQ(Text, FString(TEXT("v")) + Case.Expected);
	}
}

TEST(String, PrintfFormatsLikeTheCLocale)
{
	struct FCase { FString Actual; const TCHAR* Expected; };
	const FCase Cases[] = {
		{FString::Printf(TEXT(" Line: %u Ch: %u"), 1u, 6u), TEXT(" Line: 1 Ch: 6")},
		{FString::Printf(TEXT("%s=%d"), TEXT("a"), -3), TEXT("a=-3")},
		{FString::Printf(TEXT("%.17g"), 0.1), TEXT("0.10000000000000001")},
		{FString::Printf(TEXT("%.17g"), 1e21), TEXT("1e+21")},
		{FString::Printf(TEXT("%5d|%-3s|%03d"), 42, TEXT("x"), 7), TEXT("   42|x  |007")},
		{FString::Printf(TEXT("%x %%"), 255), TEXT("ff %")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Case.Actual, FString(Case.Expected));
	}
}

TEST(String, PrintfIgnoresADecimalCommaLocale)
{
	const char* Previous = std::setlocale(LC_ALL, nullptr);
	const std::string Saved = Previous ? Previous : "C";
	// POSIX and Windows name the German locale differently.
	if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "German_Germany.1252") == nullptr)
	{
		GTEST_SKIP() << "no decimal-comma locale installed";
	}
	EXPECT_EQ(FString::Printf(TEXT("%.17g"), 0.5), FString(TEXT("0.5")));
	std::setlocale(LC_ALL, Saved.c_str());
}

TEST(StringConv, Utf8RoundTripKeepsEveryUnit)
{
	const std::u16string Cases[] = {
		u"plain", u"C:\\Users\\\u00d6ffentlich\\\u6587\u6863", u"\U0001F600 astral",
		std::u16string(1, char16_t(0xD800)) + u"lone high", u"lone low" + std::u16string(1, char16_t(0xDC00)),
		std::u16string(1, char16_t(0xDC00)) + std::u16string(1, char16_t(0xD800)),
	};
	for (const std::u16string& Case : Cases)
	{
		EXPECT_EQ(StringConv::FromUtf8(StringConv::ToUtf8(Case)).GetStdString(), Case);
		EXPECT_EQ(StringConv::FromWide(StringConv::ToWide(Case)).GetStdString(), Case);
	}
}

TEST(StringConv, ValidatesUtf8Strictly)
{
	EXPECT_TRUE(StringConv::IsValidUtf8("ascii \xC3\xA9 \xF0\x9F\x98\x80"));
	EXPECT_FALSE(StringConv::IsValidUtf8("\xC3"));           // truncated
	EXPECT_FALSE(StringConv::IsValidUtf8("\xC0\xAF"));       // overlong
	EXPECT_FALSE(StringConv::IsValidUtf8("\xED\xA0\x80"));   // encoded surrogate
	EXPECT_FALSE(StringConv::IsValidUtf8("\xE9t\xE9"));      // Latin-1
	EXPECT_EQ(StringConv::FromUtf8("\xFF" "a").GetStdString(), u"\uFFFDa");
}

TEST(StringConv, LosslessDecodingRefusesWhatWouldBecomeALookAlike)
{
	struct FCase
	{
		const char* Description;
		std::string Bytes;
		bool bDecodes;
	};
	const FCase Cases[] = {
		{"ASCII", "/tmp/Docs", true},
		{"well-formed UTF-8", "/tmp/Dok\xC3\xBCmente", true},
		{"an unpaired surrogate in its three-byte form", "/tmp/\xED\xA0\x80", true},
		{"a stray continuation byte", "/tmp/Docs-\xFF", false},
		{"an overlong form", "/tmp/\xC0\xAF", false},
		{"a cut-off sequence", "/tmp/\xE2\x82", false},
	};
	for (const FCase& Case : Cases)
	{
		FString Text(TEXT("untouched"));
		EXPECT_EQ(StringConv::TryFromUtf8Lossless(Case.Bytes, Text), Case.bDecodes) << Case.Description;
		EXPECT_EQ(StringConv::ToUtf8(Text), Case.bDecodes ? Case.Bytes : std::string("untouched")) << Case.Description;
	}
}

TEST(Name, ComparesWithoutCaseAndKeepsFirstSpelling)
{
	const FName First(TEXT("LevelEditor"));
	EXPECT_EQ(First, FName(TEXT("leveleditor")));
	EXPECT_EQ(FName(TEXT("LEVELEDITOR")).ToString(), FString(TEXT("LevelEditor")));
	EXPECT_TRUE(FName().IsNone());
	EXPECT_TRUE(FName(TEXT("")).IsNone());
	EXPECT_FALSE(First == FName(TEXT("Help")));
}
