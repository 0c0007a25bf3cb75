#include "JsonTestSupport.h"

#include "Containers/StringConv.h"
#include "JsonLexer.h"
#include "JsonNumberText.h"
#include "Serialization/BufferReader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

void PrintTo(const FJsonTextPosition& Position, std::ostream* Out)
{
	*Out << "Line " << Position.Line << " Ch " << Position.Ch;
}

namespace
{
	/** A lexer over its own copy of a text. */
	class FLexerOver
	{
	public:
		explicit FLexerOver(std::u16string InText)
			: Text(std::move(InText))
			, Stream(Text.data(), static_cast<int64>(Text.size() * sizeof(char16_t)))
			, Lexer(Stream)
		{
		}

		FLexerOver(const FLexerOver&) = delete;
		FLexerOver& operator=(const FLexerOver&) = delete;

		FJsonLexer* operator->() { return &Lexer; }

	private:
		std::u16string Text;
		FBufferReader Stream;
		FJsonLexer Lexer;
	};

	std::string Describe(const char* Description, const std::u16string& Text)
	{
		return std::string(Description) + " (" + StringConv::ToUtf8(Text) + ")";
	}
}

TEST(JsonLexer, CountsThePositionOfEveryTokenKind)
{
	struct FCase
	{
		const char* Description;
		std::u16string Text;
		EJsonToken Kind;
		FJsonTextPosition Start;
		FJsonTextPosition After;
	};
	const FCase Cases[] = {
		{"open brace", u"{", EJsonToken::OpenBrace, {1, 0}, {1, 1}},
		{"close brace", u"}", EJsonToken::CloseBrace, {1, 0}, {1, 1}},
		{"open bracket", u"[", EJsonToken::OpenBracket, {1, 0}, {1, 1}},
		{"close bracket", u"]", EJsonToken::CloseBracket, {1, 0}, {1, 1}},
		{"comma", u",", EJsonToken::Comma, {1, 0}, {1, 1}},
		{"colon", u":", EJsonToken::Colon, {1, 0}, {1, 1}},
		{"string", u"\"ab\"", EJsonToken::String, {1, 0}, {1, 4}},
		{"empty string", u"\"\"", EJsonToken::String, {1, 0}, {1, 2}},
		{"string with escapes, counted as written", u"\"\\n\\u0041\"", EJsonToken::String, {1, 0}, {1, 10}},
		{"number, the unit after it left", u"-12.5e+3 ", EJsonToken::Number, {1, 0}, {1, 8}},
		{"true", u"true ", EJsonToken::True, {1, 0}, {1, 4}},
		{"false in capitals", u"FALSE]", EJsonToken::False, {1, 0}, {1, 5}},
		{"null in mixed case", u"nUlL,", EJsonToken::Null, {1, 0}, {1, 4}},
		{"a word at the end of the text", u"true", EJsonToken::True, {1, 0}, {1, 4}},
		{"spaces and tabs before", u" \t {", EJsonToken::OpenBrace, {1, 3}, {1, 4}},
		{"line feeds before", u"\n\n  [", EJsonToken::OpenBracket, {3, 2}, {3, 3}},
		{"CR LF before: the CR is a character of the line it ends", u"\r\n[", EJsonToken::OpenBracket, {2, 0}, {2, 1}},
		{"a CR alone starts no line", u"\r[", EJsonToken::OpenBracket, {1, 1}, {1, 2}},
		{"a line feed in a string is a character", u"\"a\nb\"", EJsonToken::String, {1, 0}, {1, 5}},
		{"CR LF in a string", u"\"a\r\nb\"", EJsonToken::String, {1, 0}, {1, 6}},
		{"a string over lines after a line feed", u"\n \"a\n\nb\"", EJsonToken::String, {2, 1}, {2, 7}},
		{"a raw surrogate pair is two units", u"\"\U0001F600\"", EJsonToken::String, {1, 0}, {1, 4}},
		{"an escaped surrogate pair", u"\"\\uD83D\\uDE00\"", EJsonToken::String, {1, 0}, {1, 14}},
		{"a non-ASCII unit is one", u"\"\u00e9\"", EJsonToken::String, {1, 0}, {1, 3}},
	};
	for (const FCase& Case : Cases)
	{
		FLexerOver Lexer(Case.Text);
		ASSERT_TRUE(Lexer->Next()) << Describe(Case.Description, Case.Text) << ": " << StringConv::ToUtf8(FString(Lexer->ErrorMessage()));
		EXPECT_EQ(Lexer->Token().Kind, Case.Kind) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(Lexer->Token().Start, Case.Start) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(Lexer->Position(), Case.After) << Describe(Case.Description, Case.Text);
	}
}

TEST(JsonLexer, HandsOutTheTokensOfAMultiLineText)
{
	FLexerOver Lexer(u"{\r\n\t\"a\": [1, true],\r\n\t\"b\"\n:\"x\ny\"}");
	struct FStep
	{
		EJsonToken Kind;
		FJsonTextPosition Start;
	};
	const FStep Steps[] = {
		{EJsonToken::OpenBrace, {1, 0}},
		{EJsonToken::String, {2, 1}},
		{EJsonToken::Colon, {2, 4}},
		{EJsonToken::OpenBracket, {2, 6}},
		{EJsonToken::Number, {2, 7}},
		{EJsonToken::Comma, {2, 8}},
		{EJsonToken::True, {2, 10}},
		{EJsonToken::CloseBracket, {2, 14}},
		{EJsonToken::Comma, {2, 15}},
		{EJsonToken::String, {3, 1}},
		{EJsonToken::Colon, {4, 0}},
		{EJsonToken::String, {4, 1}},
		{EJsonToken::CloseBrace, {4, 6}},
	};
	for (const FStep& Step : Steps)
	{
		ASSERT_TRUE(Lexer->Next()) << StringConv::ToUtf8(FString(Lexer->ErrorMessage()));
		EXPECT_EQ(Lexer->Token().Kind, Step.Kind);
		EXPECT_EQ(Lexer->Token().Start, Step.Start);
	}
	EXPECT_TRUE(Lexer->AtEnd());
	EXPECT_EQ(Lexer->Position(), (FJsonTextPosition{4, 7}));
}

TEST(JsonLexer, LeavesTheUnitThatEndsAToken)
{
	// Numbers and words end at a unit they look at and leave; it is the
	// next token's first unit, counted once, even when it is a line feed.
	struct FCase
	{
		const char* Description;
		std::u16string Text;
		FJsonTextPosition AfterFirst;
		EJsonToken Second;
		FJsonTextPosition SecondStart;
	};
	const FCase Cases[] = {
		{"a word before a bracket", u"true]", {1, 4}, EJsonToken::CloseBracket, {1, 4}},
		{"a word before a digit", u"null1 ", {1, 4}, EJsonToken::Number, {1, 4}},
		{"a word before a line feed", u"false\n]", {1, 5}, EJsonToken::CloseBracket, {2, 0}},
		{"a number before a comma", u"12,", {1, 2}, EJsonToken::Comma, {1, 2}},
		{"a number before a line feed", u"0\n1 ", {1, 1}, EJsonToken::Number, {2, 0}},
		{"a number before a quotation mark", u"5\"s\"", {1, 1}, EJsonToken::String, {1, 1}},
	};
	for (const FCase& Case : Cases)
	{
		FLexerOver Lexer(Case.Text);
		ASSERT_TRUE(Lexer->Next()) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(Lexer->Position(), Case.AfterFirst) << Describe(Case.Description, Case.Text);
		ASSERT_TRUE(Lexer->Next()) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(Lexer->Token().Kind, Case.Second) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(Lexer->Token().Start, Case.SecondStart) << Describe(Case.Description, Case.Text);
	}
}

TEST(JsonLexer, ReportsWhereEachFaultWasFound)
{
	struct FCase
	{
		const char* Description;
		std::u16string Text;
		const TCHAR* Message;
		FJsonTextPosition Where;
	};
	const FCase Cases[] = {
		{"no text", u"", TEXT("Invalid Json Token."), {1, 0}},
		{"only whitespace", u" \t\r", TEXT("Invalid Json Token."), {1, 3}},
		{"only line feeds", u"\n\n", TEXT("Invalid Json Token."), {3, 0}},
		{"a unit that starts no token", u"  x", TEXT("Invalid Json Token."), {1, 3}},
		{"a NUL", std::u16string(u"\0{", 2), TEXT("Invalid Json Token."), {1, 1}},
		{"a byte-order mark", u"\uFEFF{", TEXT("Invalid Json Token."), {1, 1}},
		{"a surrogate pair outside a string, its first unit taken", u" \U0001F600", TEXT("Invalid Json Token."), {1, 2}},
		{"an unknown word", u"nope", TEXT("Invalid Json Token. Check that your member names have quotes around them!"), {1, 4}},
		{"a word cut short at the end", u"tru", TEXT("Invalid Json Token. Check that your member names have quotes around them!"), {1, 3}},
		{"a word too long", u"truer]", TEXT("Invalid Json Token. Check that your member names have quotes around them!"), {1, 5}},
		{"a number at the end of the text", u"12", TEXT("Number Token Abruptly Ended."), {1, 2}},
		{"a one-unit number at the end", u"\n7", TEXT("Number Token Abruptly Ended."), {2, 1}},
		{"a sign at the end", u"+", TEXT("Number Token Abruptly Ended."), {1, 1}},
		{"a leading zero before a digit", u"01 ", TEXT("Poorly formed Json Number Token."), {1, 2}},
		{"a number in a non-accepting state", u"1. ", TEXT("Poorly formed Json Number Token."), {1, 2}},
		{"a number breaking the grammar as the last unit", u"0-", TEXT("Poorly formed Json Number Token."), {1, 2}},
		{"a string without its end", u"\"ab", TEXT("String Token Abruptly Ended."), {1, 3}},
		{"a string over a line feed without its end", u"\"a\nb", TEXT("String Token Abruptly Ended."), {1, 4}},
		{"a backslash at the end", u"\"\\", TEXT("String Token Abruptly Ended."), {1, 2}},
		{"an escape cut short", u"\"\\u12", TEXT("String Token Abruptly Ended."), {1, 5}},
		{"a bad hexadecimal digit", u"\"\\uD83D\\uZ", TEXT("Invalid Hexadecimal digit parsed."), {1, 10}},
		{"an unknown escape", u"\"\\q\"", TEXT("Bad Json escaped char."), {1, 3}},
	};
	for (const FCase& Case : Cases)
	{
		FLexerOver Lexer(Case.Text);
		EXPECT_FALSE(Lexer->Next()) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(FString(Lexer->ErrorMessage()), FString(Case.Message)) << Describe(Case.Description, Case.Text);
		EXPECT_EQ(Lexer->Position(), Case.Where) << Describe(Case.Description, Case.Text);
	}
}

TEST(JsonLexer, StopsAtTheEndOfTheText)
{
	FLexerOver Lexer(u"[true \r\n");
	ASSERT_TRUE(Lexer->Next());
	ASSERT_TRUE(Lexer->Next());
	EXPECT_EQ(Lexer->Token().Kind, EJsonToken::True);
	EXPECT_FALSE(Lexer->AtEnd());
	Lexer->SkipWhitespace();
	EXPECT_TRUE(Lexer->AtEnd());
	EXPECT_EQ(Lexer->Position(), (FJsonTextPosition{2, 0}));
	// Nothing is read past the end, however often it is asked.
	EXPECT_FALSE(Lexer->Next());
	EXPECT_FALSE(Lexer->Next());
	EXPECT_EQ(FString(Lexer->ErrorMessage()), FString(TEXT("Invalid Json Token.")));
	EXPECT_EQ(Lexer->Position(), (FJsonTextPosition{2, 0}));
}

TEST(JsonLexer, SkipsOnlyTheFourWhitespaceUnits)
{
	FLexerOver Lexer(u" \t\r\n\f{");
	Lexer->SkipWhitespace();
	EXPECT_EQ(Lexer->Position(), (FJsonTextPosition{2, 0}));
	EXPECT_FALSE(Lexer->Next());
	EXPECT_EQ(Lexer->Position(), (FJsonTextPosition{2, 1}));
}

TEST(JsonLexer, AFailedTokenLeavesTheLastOne)
{
	FLexerOver Lexer(u"\"kept\" 2 \"cut");
	ASSERT_TRUE(Lexer->Next());
	ASSERT_TRUE(Lexer->Next());
	EXPECT_EQ(Lexer->Token().Number, 2.0);
	EXPECT_FALSE(Lexer->Next());
	EXPECT_EQ(Lexer->Token().Kind, EJsonToken::Number);
	EXPECT_EQ(Lexer->Token().Start, (FJsonTextPosition{1, 7}));
	EXPECT_EQ(Lexer->Token().Text, FString(TEXT("kept")));
}

TEST(JsonLexer, DecodesStringsAndNumbers)
{
	FLexerOver Lexer(std::u16string(u"\"a\\tb\\u00e9\0c\" -0.5e1 ", 22));
	ASSERT_TRUE(Lexer->Next());
	EXPECT_EQ(Lexer->Token().Text, FString(u"a\tb\u00e9c"));
	ASSERT_TRUE(Lexer->Next());
	EXPECT_EQ(Lexer->Token().Number, -5.0);
}

TEST(JsonLexer, ReadsWholeUnitsOnly)
{
	// A stream whose size is odd ends with half a unit, which is no text.
	const char16_t Units[] = {u'[', u']', u'x'};
	const FBufferReader Stream(Units, 2 * sizeof(char16_t) + 1);
	FJsonLexer Lexer(Stream);
	ASSERT_TRUE(Lexer.Next());
	ASSERT_TRUE(Lexer.Next());
	EXPECT_EQ(Lexer.Token().Kind, EJsonToken::CloseBracket);
	EXPECT_TRUE(Lexer.AtEnd());
}

TEST(JsonLexer, OverNoTextIsAtItsEnd)
{
	FJsonLexer Lexer;
	EXPECT_TRUE(Lexer.AtEnd());
	EXPECT_EQ(Lexer.Position(), FJsonTextPosition{});
	EXPECT_FALSE(Lexer.Next());
	EXPECT_EQ(Lexer.Position(), FJsonTextPosition{});
}

TEST(JsonLexer, ReadsEveryNumberShapeUpToTheUnitAfterIt)
{
	// Well-formed numbers are read in one pass; the token must end where
	// reading unit by unit would end it, and hold the general conversion's double.
	const std::string Texts[] = {"0", "-0", "7", "-12", "0.5", "-0.001", "1e5", "1E+5", "2.5e-3", "0.0e-0",
		"123456789012345", "1234567890123456", "98765432109876543210", "0e999", "1e400", "-1e-400", "4.35e-22"};
	const std::u16string Ends[] = {u",", u" ", u"\n", u"]", u"x"};
	for (const std::string& Text : Texts)
	{
		for (const std::u16string& End : Ends)
		{
			const std::u16string Units(Text.begin(), Text.end());
			FLexerOver Lexer(Units + End);
			SCOPED_TRACE(Text);
			ASSERT_TRUE(Lexer->Next());
			EXPECT_EQ(Lexer->Token().Kind, EJsonToken::Number);
			EXPECT_EQ(Lexer->Position(), (FJsonTextPosition{1, static_cast<uint32>(Text.size())}));
			EXPECT_EQ(std::bit_cast<uint64>(Lexer->Token().Number), std::bit_cast<uint64>(JsonNumberText::ToDouble(Text)));
		}
	}
}

TEST(JsonNumberText, GeneralConversionGivesTheNearestDoubleOrTheLimitOfItsSign)
{
	struct FCase
	{
		const char* Text;
		double Expected;
	};
	constexpr double Infinity = std::numeric_limits<double>::infinity();
	const FCase Cases[] = {
		{"0.59008966719419209", 0.59008966719419209},
		{"1.0478027277614266e-08", 1.0478027277614266e-08},
		{"-98765432109876543210", -98765432109876543210.0},
		{"1e400", Infinity},
		{"-1e400", -Infinity},
		{"1e-400", 0.0},
		{"-1e-400", -0.0},
		{"0.000000000000000000000000000001e-400", 0.0},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Text);
		EXPECT_EQ(std::bit_cast<uint64>(JsonNumberText::ToDoubleInGeneral(Case.Text)), std::bit_cast<uint64>(Case.Expected));
		EXPECT_EQ(std::bit_cast<uint64>(JsonNumberText::ToDouble(Case.Text)), std::bit_cast<uint64>(Case.Expected));
	}
}

TEST(JsonLexer, ReadsTextThatIsNotAlignedForCodeUnits)
{
	// One byte in front puts every code unit at an odd address.
	const std::u16string Text = u"\"plain\" \"with \\\"escape\\\"\" ";
	std::vector<uint8> Bytes(1 + Text.size() * sizeof(char16_t));
	std::memcpy(Bytes.data() + 1, Text.data(), Text.size() * sizeof(char16_t));
	FBufferReader Stream(Bytes.data() + 1, static_cast<int64>(Text.size() * sizeof(char16_t)));
	FJsonLexer Lexer(Stream);

	ASSERT_TRUE(Lexer.Next());
	EXPECT_EQ(Lexer.Token().Text, FString(TEXT("plain")));
	ASSERT_TRUE(Lexer.Next());
	EXPECT_EQ(Lexer.Token().Text, FString(TEXT("with \"escape\"")));
	EXPECT_EQ(Lexer.Position(), (FJsonTextPosition{1, static_cast<uint32>(Text.size() - 1)}));
}
