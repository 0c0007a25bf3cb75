#include "Misc/TextFileEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	TArray<uint8> Bytes(std::initializer_list<int> Values)
	{
		TArray<uint8> Result;
		for (const int Value : Values)
		{
			Result.Add(static_cast<uint8>(Value));
		}
		return Result;
	}

	FString Decode(const TArray<uint8>& Data)
	{
		return FTextFileEncoding::Decode(Data.GetData(), Data.Num());
	}
}

TEST(TextFileEncoding, EncodesAsciiAsBytesAndAnythingElseAsUtf16WithItsMark)
{
	struct FCase { std::u16string Text; TArray<uint8> Encoded; };
	const FCase Cases[] = {
		{u"", Bytes({})},
		{u"{\r\n}", Bytes({'{', '\r', '\n', '}'})},
		{u"\u007f", Bytes({0x7F})},
		{u"\u0080", Bytes({0xFF, 0xFE, 0x80, 0x00})},
		{u"a\u00e9", Bytes({0xFF, 0xFE, 'a', 0x00, 0xE9, 0x00})},
		{u"\U0001F600", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE})},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(FTextFileEncoding::Encode(FString(Case.Text)), Case.Encoded);
	}
}

TEST(TextFileEncoding, DecodesMarksUtf8AndSingleBytes)
{
	struct FCase { TArray<uint8> Data; std::u16string Text; };
	const FCase Cases[] = {
		{Bytes({}), u""},
		{Bytes({'{', '}'}), u"{}"},
		{Bytes({0xFF, 0xFE}), u""},
		{Bytes({0xFF, 0xFE, 'a', 0x00, 0xE9, 0x00}), u"a\u00e9"},
		{Bytes({0xFE, 0xFF, 0x00, 'a', 0x00, 0xE9}), u"a\u00e9"},
		{Bytes({0xFF, 0xFE, 'a', 0x00, 'b'}), u"a\uFFFD"},
		{Bytes({0xEF, 0xBB, 0xBF, '{', 0xC3, 0xA9}), u"{\u00e9"},
		{Bytes({0xEF, 0xBB, 0xBF, 0xE9}), u"\uFFFD"},
		{Bytes({0xEF, 0xBB}), u"\u00ef\u00bb"},
		// No mark: UTF-8 when valid, otherwise one character per byte.
		{Bytes({0xC3, 0xA9, 0xF0, 0x9F, 0x98, 0x80}), u"\u00e9\U0001F600"},
		{Bytes({0xE9, 't', 0xE9}), u"\u00e9t\u00e9"},
		{Bytes({0xED, 0xA0, 0x80}), u"\u00ed\u00a0\u0080"},
		{Bytes({'a', 0x00, 'b'}), std::u16string(u"a\0b", 3)},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Decode(Case.Data), FString(Case.Text));
	}
}

TEST(TextFileEncoding, EveryTextSurvivesARoundTrip)
{
	const std::u16string Texts[] = {
		u"{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}",
		u"\u00ff\u00fe", u"\ufeffmark", std::u16string(1, char16_t(0xD800)), std::u16string(u"\0\u00e9", 2),
	};
	for (const std::u16string& Text : Texts)
	{
		EXPECT_EQ(Decode(FTextFileEncoding::Encode(FString(Text))), FString(Text));
	}
}
