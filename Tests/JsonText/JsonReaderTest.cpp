#include "JsonTestSupport.h"

#include "Containers/StringConv.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
	/** The error text of reading Text as a document, or "no error". */
	FString ReadError(const std::u16string& Text)
	{
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(Text));
		JsonSerializer::FDocument Root;
		if (JsonSerializer::ReadTree(Reader, Root))
		{
			return FString(TEXT("no error"));
		}
		return Reader->ErrorText();
	}

	TSharedPtr<FJsonObject> ReadObject(const std::u16string& Text)
	{
		TSharedPtr<FJsonObject> Object;
		EXPECT_TRUE(JsonSerializer::ReadObject(StringJsonReader::Create(FString(Text)), Object)) << StringConv::ToUtf8(Text);
		return Object;
	}

	/** The one element of the array document Text. */
	TSharedPtr<FJsonValue> ReadOnlyElement(const std::u16string& Text)
	{
		JsonSerializer::FDocument Root;
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(Text));
		EXPECT_TRUE(JsonSerializer::ReadTree(Reader, Root)) << StringConv::ToUtf8(Reader->ErrorText());
		EXPECT_EQ(Root.Kind, EJson::Array);
		EXPECT_EQ(Root.Items.Num(), 1);
		return Root.Items.IsEmpty() ? TSharedPtr<FJsonValue>() : Root.Items[0];
	}
}

TEST(JsonReader, ReportsEveryErrorWithItsPosition)
{
	struct FCase { std::u16string Text; const TCHAR* Error; };
	const FCase Cases[] = {
		{u"", TEXT("Null Stream Line: 1 Ch: 0")},
		{u"   ", TEXT("Invalid Json Token. Line: 1 Ch: 3")},
		{u"{", TEXT("Improperly formatted. Line: 1 Ch: 1")},
		{u"[1,\n2", TEXT("Number Token Abruptly Ended. Line: 2 Ch: 1")},
		{u"{\"a\" 1}", TEXT("Colon token expected, but not found. Line: 1 Ch: 6")},
		{u"{} x", TEXT("Unexpected additional input found. Line: 1 Ch: 3")},
		{u"{\"a\":1}}", TEXT("Unexpected additional input found. Line: 1 Ch: 7")},
		{u"}", TEXT("Open Curly or Square Brace token expected, but not found. Line: 1 Ch: 1")},
		{u"]", TEXT("Open Curly or Square Brace token expected, but not found. Line: 1 Ch: 1")},
		{u"\"root\" ", TEXT("Open Curly or Square Brace token expected, but not found. Line: 1 Ch: 6")},
		{u"[1 2]", TEXT("Comma token expected, but not found. Line: 1 Ch: 4")},
		{u"{\"a\":1 \"b\":2}", TEXT("Comma token expected, but not found. Line: 1 Ch: 10")},
		{u"{\"a\":1,}", TEXT("String token expected, but not found. Line: 1 Ch: 8")},
		{u"{1:2}", TEXT("String token expected, but not found. Line: 1 Ch: 2")},
		{u"[,1]", TEXT("Unknown Error Occurred Line: 1 Ch: 2")},
		{u"[1,,2]", TEXT("Unknown Error Occurred Line: 1 Ch: 4")},
		{u"{\"a\":,}", TEXT("Unknown Error Occurred Line: 1 Ch: 6")},
		{u"{\"a\"::1}", TEXT("Unknown Error Occurred Line: 1 Ch: 6")},
		{u"{\"EnableLogging\": yes}", TEXT("Invalid Json Token. Line: 1 Ch: 19")},
		{u"// note", TEXT("Invalid Json Token. Line: 1 Ch: 1")},
		{u"{'a': 1}", TEXT("Invalid Json Token. Line: 1 Ch: 2")},
		{u"\uFEFF{}", TEXT("Invalid Json Token. Line: 1 Ch: 1")},
		{u"\u00A0{}", TEXT("Invalid Json Token. Line: 1 Ch: 1")},
		{std::u16string(u"{\0}", 3), TEXT("Invalid Json Token. Line: 1 Ch: 2")},
		{u"[1,", TEXT("Invalid Json Token. Line: 1 Ch: 3")},
		{u"{name: 1}", TEXT("Invalid Json Token. Check that your member names have quotes around them! Line: 1 Ch: 5")},
		{u"[nul]", TEXT("Invalid Json Token. Check that your member names have quotes around them! Line: 1 Ch: 4")},
		{u"[truer]", TEXT("Invalid Json Token. Check that your member names have quotes around them! Line: 1 Ch: 6")},
		{u"[true1]", TEXT("Comma token expected, but not found. Line: 1 Ch: 6")},
		{u"[1", TEXT("Number Token Abruptly Ended. Line: 1 Ch: 2")},
		{u"[12", TEXT("Number Token Abruptly Ended. Line: 1 Ch: 3")},
		{u"[01]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 3")},
		{u"[+1]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 2")},
		{u"[.5]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 2")},
		{u"[1.]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 3")},
		{u"[-]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 2")},
		{u"[1e]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 3")},
		{u"[1e+]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 4")},
		{u"[1.5.2]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 5")},
		{u"[--1]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 3")},
		// The end of the text is tested before each unit: a unit that breaks
		// the grammar as the text's last one is still poorly formed.
		{u"[0-", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 3")},
		{u"[1..", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 4")},
		{u"[1e", TEXT("Number Token Abruptly Ended. Line: 1 Ch: 3")},
		{u"[\"abc", TEXT("String Token Abruptly Ended. Line: 1 Ch: 5")},
		{u"[\"a\\", TEXT("String Token Abruptly Ended. Line: 1 Ch: 4")},
		{u"[\"\\u12", TEXT("String Token Abruptly Ended. Line: 1 Ch: 6")},
		{u"[\"\\u12G4\"]", TEXT("Invalid Hexadecimal digit parsed. Line: 1 Ch: 7")},
		{u"[\"\\x\"]", TEXT("Bad Json escaped char. Line: 1 Ch: 4")},
		{u"[\"\\U0041\"]", TEXT("Bad Json escaped char. Line: 1 Ch: 4")},
		// Lines are counted by line feeds only, and not inside strings.
		{u"{\n\t\"a\" 1\n}", TEXT("Colon token expected, but not found. Line: 2 Ch: 6")},
		{u"{\r\n\t\"a\" 1\r\n}", TEXT("Colon token expected, but not found. Line: 2 Ch: 6")},
		{u"[\"a\nb\" 1]", TEXT("Comma token expected, but not found. Line: 1 Ch: 8")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(ReadError(Case.Text), FString(Case.Error)) << "reading " << StringConv::ToUtf8(Case.Text);
	}
}

TEST(JsonReader, KeepsTheFirstErrorAndStops)
{
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(TEXT("[1 2 3]")));
	EJsonEvent Event;
	ASSERT_TRUE(Reader->Advance(Event));
	ASSERT_TRUE(Reader->Advance(Event));
	EXPECT_EQ(Event, EJsonEvent::NumberValue);
	EXPECT_TRUE(Reader->Advance(Event));
	EXPECT_EQ(Event, EJsonEvent::Error);
	const FString First = Reader->ErrorText();
	EXPECT_FALSE(Reader->Advance(Event));
	EXPECT_EQ(Event, EJsonEvent::Error);
	EXPECT_EQ(Reader->ErrorText(), First);
}

TEST(JsonReader, KeepsTheErrorAsDataAndWordsTheTextFromIt)
{
	struct FCase
	{
		const char* Description;
		std::u16string Text;
		const TCHAR* Message;
		uint32 Line;
		uint32 Ch;
	};
	const FCase Cases[] = {
		{"no text at all", u"", TEXT("Null Stream"), 1, 0},
		{"a missing comma on the second line", u"{\n \"a\": 1 \"b\": 2}", TEXT("Comma token expected, but not found."), 2, 11},
		{"a message that itself reads like a position", u"{\"Line: 9 Ch: 9\" 1}", TEXT("Colon token expected, but not found."), 1, 18},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(Case.Text));
		JsonSerializer::FDocument Root;
		ASSERT_FALSE(JsonSerializer::ReadTree(Reader, Root));
		ASSERT_TRUE(Reader->Error().has_value());
		const FJsonReadError& Error = *Reader->Error();
		EXPECT_EQ(Error.Message, FString(Case.Message));
		EXPECT_EQ(Error.Line, Case.Line);
		EXPECT_EQ(Error.Ch, Case.Ch);
		EXPECT_EQ(Reader->ErrorText(), FString(Case.Message) + FString::Printf(TEXT(" Line: %u Ch: %u"), Case.Line, Case.Ch));
	}
}

TEST(JsonReader, AWholeDocumentLeavesNoError)
{
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(TEXT("{\"a\": [1, 2]}")));
	JsonSerializer::FDocument Root;
	ASSERT_TRUE(JsonSerializer::ReadTree(Reader, Root));
	EXPECT_FALSE(Reader->Error().has_value());
	EXPECT_TRUE(Reader->ErrorText().IsEmpty());
}

TEST(JsonReader, DeliversEventsWithTheirFieldNames)
{
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(TEXT("{\"a\":[1,\"s\",true,null],\"b\":{}}")));
	struct FStep { EJsonEvent Event; const TCHAR* Identifier; };
	const FStep Steps[] = {
		{EJsonEvent::ObjectOpened, TEXT("")},
		{EJsonEvent::ArrayOpened, TEXT("a")},
		{EJsonEvent::NumberValue, TEXT("")},
		{EJsonEvent::StringValue, TEXT("")},
		{EJsonEvent::BooleanValue, TEXT("")},
		{EJsonEvent::NullValue, TEXT("")},
		{EJsonEvent::ArrayClosed, TEXT("")},
		{EJsonEvent::ObjectOpened, TEXT("b")},
		{EJsonEvent::ObjectClosed, TEXT("")},
		{EJsonEvent::ObjectClosed, TEXT("")},
	};
	for (const FStep& Step : Steps)
	{
		EJsonEvent Event;
		ASSERT_TRUE(Reader->Advance(Event));
		EXPECT_EQ(Event, Step.Event);
		EXPECT_EQ(Reader->CurrentIdentifier(), FString(Step.Identifier));
	}
	EJsonEvent Event;
	EXPECT_FALSE(Reader->Advance(Event));
	EXPECT_TRUE(Reader->ErrorText().IsEmpty());
}

TEST(JsonReader, ReadsTheLenientForms)
{
	EXPECT_EQ(ReadObject(u"{}")->Num(), 0);
	EXPECT_EQ(ReadObject(u"  {}  \t\r\n \r\n")->Num(), 0);
	// A field whose value position holds a closing bracket is dropped.
	EXPECT_EQ(ReadObject(u"{\"a\":}")->Num(), 0);
	EXPECT_EQ(ReadOnlyElement(u"[1,]")->AsNumber(), 1.0);

	struct FCase { std::u16string Text; bool bValue; };
	for (const FCase& Case : {FCase{u"{\"EnableLogging\": TRUE}", true}, FCase{u"{\"EnableLogging\": False}", false},
			 FCase{u"{\"EnableLogging\": tRuE}", true}, FCase{u"{\"EnableLogging\":\nfalse\n}", false}})
	{
		bool bValue = !Case.bValue;
		EXPECT_TRUE(ReadObject(Case.Text)->TryGetBoolField(TEXT("EnableLogging"), bValue));
		EXPECT_EQ(bValue, Case.bValue);
	}
	EXPECT_TRUE(ReadOnlyElement(u"[NULL]")->IsNull());
}

TEST(JsonReader, OnlyAnObjectRootMakesAnObject)
{
	TSharedPtr<FJsonObject> Object;
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(TEXT("[]")));
	EXPECT_FALSE(JsonSerializer::ReadObject(Reader, Object));
	EXPECT_FALSE(Object.IsValid());
	EXPECT_TRUE(Reader->ErrorText().IsEmpty());

	JsonSerializer::FDocument Root;
	EXPECT_TRUE(JsonSerializer::ReadTree(StringJsonReader::Create(FString(TEXT("[]"))), Root));
	EXPECT_EQ(Root.Kind, EJson::Array);
}

TEST(JsonReader, ReadsNumbersToTheNearestDouble)
{
	struct FCase { std::u16string Text; double Number; };
	const FCase Cases[] = {
		{u"0", 0.0},
		{u"12", 12.0},
		{u"1.5", 1.5},
		{u"1e5", 1e5},
		{u"1E+05", 1e5},
		{u"-0.25", -0.25},
		{u"0.1", 0.1},
		{u"0.10000000000000001", 0.1},
		{u"1e-007", 1e-7},
		{u"123456789012345678901234567890", 1.2345678901234568e29},
		{u"4.9406564584124654e-324", 5e-324},
		{u"2.4703282292062328e-324", 5e-324},
		{u"1.7976931348623157e308", 1.7976931348623157e308},
		// Beyond the double range: an infinity or a zero of the number's sign.
		{u"1e400", std::numeric_limits<double>::infinity()},
		{u"-1e400", -std::numeric_limits<double>::infinity()},
		{u"1.7976931348623159e308", std::numeric_limits<double>::infinity()},
		{u"100000000000000000000000000000e-10000000000000000000000", 0.0},
		{u"0.00000000000000000000000000000000001e999999999999999999", std::numeric_limits<double>::infinity()},
		{u"1e-400", 0.0},
		{u"2.4703282292062327e-324", 0.0},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedPtr<FJsonValue> Value = ReadOnlyElement(u"[" + Case.Text + u"]");
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->AsNumber(), Case.Number) << StringConv::ToUtf8(Case.Text);
	}
	EXPECT_TRUE(std::signbit(ReadOnlyElement(u"[-0]")->AsNumber()));
	EXPECT_TRUE(std::signbit(ReadOnlyElement(u"[-1e-400]")->AsNumber()));
}

TEST(JsonReader, NumberReadingIgnoresADecimalCommaLocale)
{
	JsonTest::FDecimalCommaLocale Locale;
	if (!Locale.IsActive())
	{
		GTEST_SKIP() << "no decimal-comma locale installed";
	}
	EXPECT_EQ(ReadOnlyElement(u"[0.5]")->AsNumber(), 0.5);
	EXPECT_EQ(ReadOnlyElement(u"[-1234.75e-2]")->AsNumber(), -12.3475);
}

TEST(JsonReader, DecodesEscapesAndKeepsRawUnits)
{
	struct FCase { std::u16string Text; std::u16string Value; };
	const FCase Cases[] = {
		{u"\\u0041", u"A"},
		{u"\\u00E9\\u00e9", u"\u00e9\u00e9"},
		{u"a\\u0000b", u"ab"},
		{u"\\\"\\\\\\/\\b\\f\\n\\r\\t", u"\"\\/\b\f\n\r\t"},
		{u"\\uD83D\\uDE00", u"\U0001F600"},
		{u"\\uDC00\\uD800", std::u16string{char16_t(0xDC00), char16_t(0xD800)}},
		{u"raw\ttab\nline\u0001\u007f\u00e9", u"raw\ttab\nline\u0001\u007f\u00e9"},
		{std::u16string(u"nul\0dropped", 11), u"nuldropped"},
		{u"", u""},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedPtr<FJsonValue> Value = ReadOnlyElement(u"[\"" + Case.Text + u"\"]");
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->AsString(), FString(Case.Value)) << StringConv::ToUtf8(Case.Text);
	}
}

TEST(JsonReader, RepeatedFieldNamesKeepTheFirstPlaceAndTheLastValue)
{
	const TSharedPtr<FJsonObject> Object = ReadObject(u"{\"a\":1,\"b\":2,\"a\":3}");
	ASSERT_EQ(Object->Num(), 2);
	EXPECT_EQ(Object->GetKeys()[0], FString(TEXT("a")));
	EXPECT_EQ(Object->GetValues()[0]->AsNumber(), 3.0);
}

TEST(JsonReader, AContainerClosedByTheOtherBracketKeepsItsContent)
{
	// Brackets are not matched by kind: "]" in a value position closes the
	// object "a", and "}" after a comma closes the array "c". Each keeps its
	// own kind and what it held.
	const TSharedPtr<FJsonObject> Object = ReadObject(u"{\"a\":{\"b\":1,\"x\":],\"c\":[2,}}");
	const TSharedPtr<FJsonObject>* Inner = nullptr;
	ASSERT_TRUE(Object->TryGetObjectField(TEXT("a"), Inner));
	double Number = 0.0;
	EXPECT_TRUE((*Inner)->TryGetNumberField(TEXT("b"), Number));
	EXPECT_EQ(Number, 1.0);
	const TArray<TSharedPtr<FJsonValue>>* Items = nullptr;
	ASSERT_TRUE(Object->TryGetArrayField(TEXT("c"), Items));
	ASSERT_EQ(Items->Num(), 1);
	EXPECT_EQ((*Items)[0]->AsNumber(), 2.0);
}

TEST(JsonReaderDeathTest, TokenAccessorsCheckTheCurrentToken)
{
	const auto AfterOpening = []()
	{
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(TEXT("[1]")));
		EJsonEvent Event;
		Reader->Advance(Event);
		return Reader;
	};
	EXPECT_DEATH(AfterOpening()->StringToken(), "CurrentToken == EJsonToken::String");
	EXPECT_DEATH(AfterOpening()->NumberToken(), "CurrentToken == EJsonToken::Number");
	EXPECT_DEATH(AfterOpening()->BoolToken(), "\\(CurrentToken == EJsonToken::True\\) \\|\\| \\(CurrentToken == EJsonToken::False\\)");
}

TEST(JsonReader, CountsPositionsThroughLongStringsAndNumbers)
{
	// Strings and numbers are scanned as whole runs of units; errors after
	// such runs still report exactly how many units were consumed.
	const std::u16string Run(300, u'x');
	const std::u16string Digits(300, u'7');
	struct FCase { std::u16string Text; const TCHAR* Error; };
	const FCase Cases[] = {
		{u"[\"" + Run, TEXT("String Token Abruptly Ended. Line: 1 Ch: 302")},
		{u"[\"" + Run + u"\\", TEXT("String Token Abruptly Ended. Line: 1 Ch: 303")},
		{u"[\"" + Run + u"\\q\"]", TEXT("Bad Json escaped char. Line: 1 Ch: 304")},
		{u"[\"" + Run + u"\n" + Run + u"\" 2]", TEXT("Comma token expected, but not found. Line: 1 Ch: 606")},
		{std::u16string(u"[\"a\0b", 5) + Run + u"\", 1 2]", TEXT("Comma token expected, but not found. Line: 1 Ch: 311")},
		{u"[" + Digits, TEXT("Number Token Abruptly Ended. Line: 1 Ch: 301")},
		{u"[" + Digits + u"-1]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 302")},
		{u"[" + Digits + u".]", TEXT("Poorly formed Json Number Token. Line: 1 Ch: 302")},
		{u"[" + Digits + u" 2]", TEXT("Comma token expected, but not found. Line: 1 Ch: 303")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(ReadError(Case.Text), FString(Case.Error)) << StringConv::ToUtf8(Case.Text.substr(0, 8));
	}
}

TEST(JsonReader, KeepsEveryUnitOfLongStringsAroundEscapesAndNuls)
{
	const std::u16string Run(1000, u'\u00e9');
	const TSharedPtr<FJsonValue> Value = ReadOnlyElement(u"[\"" + Run + u"\\n" + std::u16string(u"a\0b", 3) + Run + u"\"]");
	ASSERT_TRUE(Value.IsValid());
	EXPECT_EQ(Value->AsString(), FString(Run + u"\nab" + Run));
}

TEST(JsonReader, FindsTheEndOfPlainTextAtEveryPositionInAWord)
{
	// Plain text is looked at several units at a time; a quotation mark,
	// escape or NUL must end the run wherever it falls.
	for (const auto& [Before, After] : JsonTest::AtEveryWordPosition())
	{
		struct FCase { std::u16string Text; std::u16string Value; };
		const FCase Cases[] = {
			{Before + u"\\\"" + After, Before + u"\"" + After},
			{Before + u"\\n" + After, Before + u"\n" + After},
			{Before + std::u16string(1, u'\0') + After, Before + After},
			{Before, Before},
		};
		for (const FCase& Case : Cases)
		{
			const TSharedPtr<FJsonValue> Value = ReadOnlyElement(u"[\"" + Case.Text + u"\"]");
			ASSERT_TRUE(Value.IsValid());
			EXPECT_EQ(Value->AsString(), FString(Case.Value)) << "offset " << Before.size();
		}
	}
}

TEST(JsonReader, ShortNumbersReadAsTheGeneralConversionReadsThem)
{
	// Short numbers take a quicker way to their double; it must give the same
	// double as the general conversion, bit for bit, on both sides of where
	// the quick way stops applying.
	std::vector<std::string> Texts = {
		"123456789012345", "1234567890123456", "999999999999999", "9007199254740993", "-9007199254740991",
		"1e22", "1e23", "1e-22", "1e-23", "123456789012345e22", "123456789012345e-22", "0.000000000000000000001",
		"0.0000000000000000000001", "4.35", "0.3", "2.675", "1.7976931348623157e308", "0e999", "-0.0e-5",
		"0.001", "7.0e-10", "12345.6789012345", "1234567.89012345678",
	};
	for (int Digits = 1; Digits <= 17; ++Digits)
	{
		const std::string Mantissa = std::string("98765432109876543").substr(0, static_cast<SIZE_T>(Digits));
		for (int Exponent = -25; Exponent <= 25; Exponent += 3)
		{
			Texts.push_back(Mantissa + "e" + std::to_string(Exponent));
			Texts.push_back("-0." + Mantissa + "E+" + std::to_string(Exponent < 0 ? -Exponent : Exponent));
		}
	}
	for (const std::string& Text : Texts)
	{
		double Expected = 0.0;
		std::from_chars(Text.data(), Text.data() + Text.size(), Expected);
		const TSharedPtr<FJsonValue> Value = ReadOnlyElement(u"[" + std::u16string(Text.begin(), Text.end()) + u"]");
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(std::bit_cast<uint64>(Value->AsNumber()), std::bit_cast<uint64>(Expected)) << Text;
	}
}
