// How the host's text windows cut long lines into rows.
#include "HmdEditor/Widgets/SScrollingTextView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ScrollingTextView, LongLinesWrapBetweenWordsElseWhereTheRowIsFull)
{
	const struct
	{
		const char* Description;
		const TCHAR* Text;
		int32 WrapIndent;
		int32 Width;
		std::vector<std::u32string> Expected;
	} Cases[] = {
		{"a line that fits", TEXT("short"), 0, 10, {U"short"}},
		{"an empty line keeps its row", TEXT(""), 0, 10, {U""}},
		{"between words", TEXT("one two three"), 0, 8, {U"one two", U"three"}},
		{"a word longer than the row", TEXT("/a/long/path"), 0, 5, {U"/a/lo", U"ng/pa", U"th"}},
		{"the wrapped rows start at the indent", TEXT("F1  lists the keys"), 4, 10, {U"F1  lists", U"    the", U"    keys"}},
		{"an indent too wide for the row is dropped", TEXT("key does it"), 6, 8, {U"key does", U"it"}},
		{"a double-width character is never split", TEXT("ab\u6587\u6863"), 0, 3, {U"ab", U"\u6587", U"\u6863"}},
	};
	for (const auto& Case : Cases)
	{
		const TArray<FWrappedTextRow> Rows = WrapTextLines({FScrollingTextLine{FString(Case.Text), ESlateCellStyle::Normal, Case.WrapIndent}}, Case.Width);
		std::vector<std::u32string> Texts;
		for (const FWrappedTextRow& Row : Rows)
		{
			Texts.push_back(Row.Text);
		}
		EXPECT_EQ(Texts, Case.Expected) << Case.Description;
	}
}
