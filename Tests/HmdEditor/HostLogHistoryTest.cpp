// The session's log: every line kept in order up to its bound, and the
// message the status line shows until the next key press.
#include "HmdEditor/Log/HostLogHistory.h"

#include "Containers/StringConv.h"

#include <gtest/gtest.h>

namespace
{
	const FName Category(TEXT("LogTest"));

	std::string NoticeOf(const FHostLogHistory& History)
	{
		const FHostLogLine* Notice = History.GetNotice();
		return Notice == nullptr ? "<none>" : StringConv::ToUtf8(Notice->Message);
	}
}

TEST(HostLogHistory, KeepsTheLatestLinesInOrderAndCountsThoseItDropped)
{
	FHostLogHistory History(3);
	for (const TCHAR* Message : {TEXT("one"), TEXT("two"), TEXT("three"), TEXT("four"), TEXT("five")})
	{
		History.Serialize(Message, ELogVerbosity::Log, Category);
	}
	ASSERT_EQ(History.GetLines().size(), 3u);
	EXPECT_EQ(History.GetLines().front().Message, FString(TEXT("three")));
	EXPECT_EQ(History.GetLines().back().Message, FString(TEXT("five")));
	EXPECT_EQ(History.GetDroppedLineCount(), 2);
}

TEST(HostLogHistory, LinesShowTheirCategoryAndVerbosityAsTheOutputLogDoes)
{
	FHostLogHistory History;
	History.Serialize(TEXT("Could not save"), ELogVerbosity::Warning, Category);
	History.Serialize(TEXT("Saved"), ELogVerbosity::Log, Category);
	ASSERT_EQ(History.GetLines().size(), 2u);
	EXPECT_EQ(History.GetLines()[0].Format(), FString(TEXT("LogTest: Warning: Could not save")));
	EXPECT_EQ(History.GetLines()[1].Format(), FString(TEXT("LogTest: Saved")));
}

TEST(HostLogHistory, TheNoticeIsTheLatestWarningElseTheLatestMessageUntilCleared)
{
	const struct
	{
		const char* Description;
		TArray<std::pair<const TCHAR*, ELogVerbosity::Type>> Lines;
		const char* Expected;
	} Cases[] = {
		{"nothing logged", {}, "<none>"},
		{"a message", {{TEXT("saved"), ELogVerbosity::Log}}, "saved"},
		{"the latest message", {{TEXT("first"), ELogVerbosity::Display}, {TEXT("second"), ELogVerbosity::Log}}, "second"},
		{"a later message does not hide a warning", {{TEXT("failed"), ELogVerbosity::Warning}, {TEXT("saved"), ELogVerbosity::Log}}, "failed"},
		{"a later warning replaces a warning", {{TEXT("first"), ELogVerbosity::Warning}, {TEXT("broken"), ELogVerbosity::Error}}, "broken"},
		{"verbose lines are never shown", {{TEXT("detail"), ELogVerbosity::Verbose}}, "<none>"},
	};
	for (const auto& Case : Cases)
	{
		FHostLogHistory History;
		for (const auto& [Message, Verbosity] : Case.Lines)
		{
			History.Serialize(Message, Verbosity, Category);
		}
		EXPECT_EQ(NoticeOf(History), Case.Expected) << Case.Description;
		History.ClearNotice();
		EXPECT_EQ(NoticeOf(History), "<none>") << Case.Description;
		EXPECT_EQ(History.GetLines().size(), static_cast<SIZE_T>(Case.Lines.Num())) << "clearing keeps the lines: " << Case.Description;
	}
}
