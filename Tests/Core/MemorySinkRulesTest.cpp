#include "Serialization/MemorySinkRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(MemorySinkRules, RunsLeaveOutEveryNulUnit)
{
	struct FCase { const char* Name; std::u16string Units; std::vector<std::u16string> Runs; };
	const FCase Cases[] = {
		{"no NUL", u"abc", {u"abc"}},
		{"empty", u"", {}},
		{"NUL in the middle", std::u16string(u"ab\0c", 4), {u"ab", u"c"}},
		{"NULs at both ends and in a row", std::u16string(u"\0a\0\0b\0", 6), {u"a", u"b"}},
		{"only NULs", std::u16string(u"\0\0", 2), {}},
		// Long runs are searched sixteen units at a time: a NUL must be found
		// on both sides of a block's edge, and units whose lanes look like a
		// NUL to a careless word test (0x0001, 0x8000, 0xFFFF) are not one.
		{"NUL last in the first block", std::u16string(15, u'a') + u'\0' + u"bc", {std::u16string(15, u'a'), u"bc"}},
		{"NUL first in the second block", std::u16string(16, u'a') + u'\0' + u"bc", {std::u16string(16, u'a'), u"bc"}},
		{"NUL ends a long run", std::u16string(33, u'a') + u'\0', {std::u16string(33, u'a')}},
		{"no NUL in two blocks of look-alikes", std::u16string(16, u'\x0001') + std::u16string(8, u'\x8000') + std::u16string(9, u'\xFFFF'),
			{std::u16string(16, u'\x0001') + std::u16string(8, u'\x8000') + std::u16string(9, u'\xFFFF')}},
		{"NUL after 0x0001 in a block", std::u16string(5, u'\x0001') + u'\0' + std::u16string(20, u'\x8000'),
			{std::u16string(5, u'\x0001'), std::u16string(20, u'\x8000')}},
	};
	for (const FCase& Case : Cases)
	{
		std::vector<std::u16string> Runs;
		MemorySinkRules::ForEachRunWithoutNul(Case.Units.data(), Case.Units.size(),
			[&Runs](const TCHAR* Units, SIZE_T Count) { Runs.emplace_back(Units, Count); });
		EXPECT_EQ(Runs, Case.Runs) << Case.Name;
	}
}

TEST(MemorySinkRulesDeathTest, StopsBeyondTheLimitWithTheSinksName)
{
	MemorySinkRules::CheckGrowth(MemorySinkRules::MaxBytes, [] { return FString(TEXT("Unused")); });
	EXPECT_DEATH(MemorySinkRules::CheckGrowth(MemorySinkRules::MaxBytes + 1, [] { return FString(TEXT("Save")); }),
		"LogSerialization: Fatal: FMemoryWriter does not support data larger than 2GB\\. Archive name: Save\\.");
	EXPECT_EQ(MemorySinkRules::DefaultArchiveName(), FString(TEXT("FMemoryWriter")));
}
