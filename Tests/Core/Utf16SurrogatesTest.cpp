#include "Containers/Utf16Surrogates.h"

#include <gtest/gtest.h>

#include <string>

TEST(Utf16Surrogates, CodePointsSplitIntoPairsAndJoinBack)
{
	struct FCase
	{
		const char* Name;
		char32_t CodePoint;
		char16_t High;
		char16_t Low;
	};
	const FCase Cases[] = {
		{"the first supplementary code point", 0x10000, 0xD800, 0xDC00},
		{"an emoji", 0x1F600, 0xD83D, 0xDE00},
		{"the last half of a plane", 0x103FF, 0xD800, 0xDFFF},
		{"the last code point", 0x10FFFF, 0xDBFF, 0xDFFF},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		EXPECT_EQ(Utf16Surrogates::HighOf(Case.CodePoint), Case.High);
		EXPECT_EQ(Utf16Surrogates::LowOf(Case.CodePoint), Case.Low);
		EXPECT_EQ(Utf16Surrogates::Join(Case.High, Case.Low), Case.CodePoint);
		EXPECT_TRUE(Utf16Surrogates::IsHigh(Case.High));
		EXPECT_TRUE(Utf16Surrogates::IsLow(Case.Low));
		EXPECT_FALSE(Utf16Surrogates::IsLow(Case.High));
		EXPECT_FALSE(Utf16Surrogates::IsHigh(Case.Low));
		EXPECT_TRUE(Utf16Surrogates::IsSurrogate(Case.High));
		EXPECT_TRUE(Utf16Surrogates::IsSurrogate(Case.Low));
	}
	for (const char32_t Outside : {char32_t(0xD7FF), char32_t(0xE000), char32_t(0x1D800)})
	{
		EXPECT_FALSE(Utf16Surrogates::IsSurrogate(Outside)) << std::hex << static_cast<unsigned>(Outside);
	}
}

TEST(Utf16Surrogates, APairStartsOnlyAtAHighHalfWithALowHalfAfterIt)
{
	struct FCase
	{
		const char* Name;
		std::u16string Units;
		std::size_t Index;
		bool bExpected;
	};
	const FCase Cases[] = {
		{"a pair", u"\U0001F600", 0, true},
		{"the second half of a pair", u"\U0001F600", 1, false},
		{"a high half at the end", std::u16string(u"a") + char16_t(0xD800), 1, false},
		{"halves in the wrong order", std::u16string{char16_t(0xDC00), char16_t(0xD800)}, 0, false},
		{"two high halves", std::u16string{char16_t(0xD800), char16_t(0xDBFF)}, 0, false},
		{"units just outside the ranges", std::u16string{char16_t(0xD7FF), char16_t(0xE000)}, 0, false},
		{"past the end", u"a", 1, false},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Utf16Surrogates::StartsPair(Case.Units, Case.Index), Case.bExpected) << Case.Name;
	}
}
