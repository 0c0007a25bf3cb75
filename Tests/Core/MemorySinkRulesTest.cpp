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
