// Unit tests of the program's text outputs, fed in pieces as no whole
// document would cut them: the saved form and UTF-8 must not depend on where
// the writer's pieces end.
#include "ByteSink.h"
#include "SavedFormOutput.h"
#include "Utf8Output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	/** Hands Output the pieces, each in one call, and gives the bytes that reached Sink. */
	std::string Feed(FTextOutput& Output, const FMemorySink& Sink, const std::vector<std::u16string>& Pieces)
	{
		for (const std::u16string& Piece : Pieces)
		{
			Output.Serialize(const_cast<char16_t*>(Piece.data()), static_cast<int64>(Piece.size() * sizeof(char16_t)));
		}
		EXPECT_TRUE(Output.Finish());
		return std::string(Sink.GetBytes().begin(), Sink.GetBytes().end());
	}
}

TEST(HmdJsonTextOutput, Utf8KeepsSurrogatePairsWhereverThePiecesEnd)
{
	struct FCase { const char* Name; std::vector<std::u16string> Pieces; std::string Bytes; };
	const FCase Cases[] = {
		{"pair in one piece", {u"a\xD83D\xDE00" u"b"}, "a\xF0\x9F\x98\x80" "b"},
		{"pair across two pieces", {u"a\xD83D", u"\xDE00" u"b"}, "a\xF0\x9F\x98\x80" "b"},
		{"pair across a dropped NUL", {std::u16string(u"\xD83D\0\xDE00", 3)}, "\xF0\x9F\x98\x80"},
		{"pair across an empty piece", {u"\xD83D", u"", u"\xDE00"}, "\xF0\x9F\x98\x80"},
		{"high surrogate ends the text", {u"a", u"\xD800"}, "a\xED\xA0\x80"},
		{"high surrogate before a letter in the next piece", {u"\xD800", u"b"}, "\xED\xA0\x80" "b"},
		{"two high surrogates, then a low one", {u"\xD800", u"\xD83D", u"\xDE00"}, "\xED\xA0\x80\xF0\x9F\x98\x80"},
		// ASCII goes out eight units at a time: wide units and pairs after and between such runs.
		{"wide unit after nine ASCII units", {u"abcdefghi\x00E9" u"jk"}, "abcdefghi\xC3\xA9" "jk"},
		{"wide unit after eight ASCII units", {u"abcdefgh\x00E9"}, "abcdefgh\xC3\xA9"},
		{"pair after five ASCII units, then more", {u"abcde\xD83D\xDE00" u"fghijklm"}, "abcde\xF0\x9F\x98\x80" "fghijklm"},
		{"wide runs between ASCII runs", {u"\x00E9\x20AC" u"abcd\x00E9" u"efghijk\x7F"}, "\xC3\xA9\xE2\x82\xAC" "abcd\xC3\xA9" "efghijk\x7F"},
	};
	for (const FCase& Case : Cases)
	{
		FMemorySink Sink;
		FUtf8Output Output(Sink);
		EXPECT_EQ(Feed(Output, Sink, Case.Pieces), Case.Bytes) << Case.Name;
	}
}

TEST(HmdJsonTextOutput, SavedFormWritesTheStatedFormWithoutNulUnits)
{
	struct FCase { const char* Name; ETextFileForm Form; std::vector<std::u16string> Pieces; std::string Bytes; };
	const FCase Cases[] = {
		{"ASCII in pieces", ETextFileForm::Ascii, {u"ab", u"c"}, "abc"},
		{"wide in the last piece", ETextFileForm::Utf16, {u"ab", u"\x00E9"}, std::string("\xFF\xFE" "a\0b\0\xE9\0", 8)},
		{"NUL units dropped", ETextFileForm::Ascii, {std::u16string(u"a\0b", 3)}, "ab"},
		{"NUL units dropped from UTF-16", ETextFileForm::Utf16, {std::u16string(u"\0\x00E9\0", 3)}, std::string("\xFF\xFE\xE9\0", 4)},
		{"an empty text in UTF-16 is its mark", ETextFileForm::Utf16, {}, "\xFF\xFE"},
	};
	for (const FCase& Case : Cases)
	{
		FMemorySink Sink;
		FSavedFormOutput Output(Sink, Case.Form);
		EXPECT_EQ(Feed(Output, Sink, Case.Pieces), Case.Bytes) << Case.Name;
		EXPECT_EQ(Output.IsUtf16(), Case.Form == ETextFileForm::Utf16) << Case.Name;
	}
}
