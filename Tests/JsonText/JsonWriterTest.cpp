#include "JsonTestSupport.h"

#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using JsonTest::CrLfLines;

namespace
{
	TSharedRef<FJsonObject> SettingsObject(const TCHAR* SubjectName, bool bEnableLogging)
	{
		TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		Object->SetStringField(TEXT("SubjectName"), SubjectName);
		Object->SetBoolField(TEXT("EnableLogging"), bEnableLogging);
		return Object;
	}

	FString Quoted(const FString& Name)
	{
		TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		Object->SetStringField(TEXT("SubjectName"), Name);
		const FString Text = JsonTest::Write(Object);
		// Between `{\r\n\t"SubjectName": ` and `\r\n}`.
		return Text.Mid(19, Text.Len() - 22);
	}

	/** A stream that keeps nothing and counts the bytes it is given. */
	class FCountingArchive final : public FArchive
	{
	public:
		FCountingArchive() { SetIsSaving(true); }
		void Serialize(void* /*Data*/, int64 Num) override { Count += Num; }
		int64 Count = 0;
	};
}

TEST(JsonWriter, WritesTheSettingsFileExactly)
{
	const FString Written = JsonTest::Write(SettingsObject(TEXT("HMD1"), true));
	EXPECT_EQ(Written, CrLfLines({TEXT("{"), TEXT("\t\"SubjectName\": \"HMD1\","), TEXT("\t\"EnableLogging\": true"), TEXT("}")}));
	EXPECT_EQ(Written.Len(), 53);

	const FString Starting = JsonTest::Write(SettingsObject(TEXT(""), false));
	EXPECT_EQ(Starting, CrLfLines({TEXT("{"), TEXT("\t\"SubjectName\": \"\","), TEXT("\t\"EnableLogging\": false"), TEXT("}")}));
	EXPECT_EQ(Starting.Len(), 50);
}

TEST(JsonWriter, LaysOutEveryKindOfContainer)
{
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetArrayField(TEXT("a"), {MakeShared<FJsonValueNumber>(1.0), MakeShared<FJsonValueNumber>(2.0)});
	Object->SetArrayField(TEXT("b"), {MakeShared<FJsonValueString>(TEXT("x")), MakeShared<FJsonValueString>(TEXT("y"))});
	TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
	Inner->SetBoolField(TEXT("k"), true);
	Object->SetObjectField(TEXT("c"), Inner);
	Object->SetArrayField(TEXT("d"), {});
	Object->SetObjectField(TEXT("e"), MakeShared<FJsonObject>());
	Object->SetField(TEXT("f"), MakeShared<FJsonValueNull>());

	EXPECT_EQ(JsonTest::Write(Object), CrLfLines({
		TEXT("{"),
		TEXT("\t\"a\": [ 1, 2 ],"),
		TEXT("\t\"b\": ["),
		TEXT("\t\t\"x\","),
		TEXT("\t\t\"y\""),
		TEXT("\t],"),
		TEXT("\t\"c\":"),
		TEXT("\t{"),
		TEXT("\t\t\"k\": true"),
		TEXT("\t},"),
		TEXT("\t\"d\": [],"),
		TEXT("\t\"e\":"),
		TEXT("\t{"),
		TEXT("\t},"),
		TEXT("\t\"f\": null"),
		TEXT("}"),
	}));
}

TEST(JsonWriter, LaysOutMixedArrays)
{
	TSharedRef<FJsonObject> Element = MakeShared<FJsonObject>();
	Element->SetNumberField(TEXT("n"), 1.0);
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetArrayField(TEXT("m"), {
		MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>{MakeShared<FJsonValueBoolean>(false), MakeShared<FJsonValueNull>()}),
		MakeShared<FJsonValueObject>(Element),
		MakeShared<FJsonValueString>(TEXT("s")),
		MakeShared<FJsonValueNumber>(2.0),
		MakeShared<FJsonValueNumber>(3.0),
	});

	// Short values after a string, object or array go on a new line; the
	// closing bracket then follows the last short value after one space.
	EXPECT_EQ(JsonTest::Write(Object), CrLfLines({
		TEXT("{"),
		TEXT("\t\"m\": ["),
		TEXT("\t\t[ false, null ],"),
		TEXT("\t\t{"),
		TEXT("\t\t\t\"n\": 1"),
		TEXT("\t\t},"),
		TEXT("\t\t\"s\","),
		TEXT("\t\t2, 3 ]"),
		TEXT("}"),
	}));
}

TEST(JsonWriter, WritesAnEmptyObjectInFourCharacters)
{
	EXPECT_EQ(JsonTest::Write(MakeShared<FJsonObject>()), FString(TEXT("{\r\n}")));
}

TEST(JsonWriter, IndentsFromTheInitialIndent)
{
	EXPECT_EQ(JsonTest::Write(SettingsObject(TEXT("HMD1"), true), 2),
		CrLfLines({TEXT("{"), TEXT("\t\t\t\"SubjectName\": \"HMD1\","), TEXT("\t\t\t\"EnableLogging\": true"), TEXT("\t\t}")}));
}

TEST(JsonWriter, EscapesOnlyTheSevenTableCharacters)
{
	struct FCase { std::u16string Name; std::u16string Written; };
	const FCase Cases[] = {
		{u"say \"hi\"", u"\"say \\\"hi\\\"\""},
		{u"C:\\dir", u"\"C:\\\\dir\""},
		{u"a\tb\nc", u"\"a\\tb\\nc\""},
		{u"\b\f\r", u"\"\\b\\f\\r\""},
		{u"a/b \u0001 \u00e9 \u007f \u000b \u001f", u"\"a/b \u0001 \u00e9 \u007f \u000b \u001f\""},
		{u"\U0001F600 " + std::u16string(1, char16_t(0xD800)), u"\"\U0001F600 " + std::u16string(1, char16_t(0xD800)) + u"\""},
		{std::u16string(u"cut\0here", 8), u"\"cut\""},
		{u"", u"\"\""},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Quoted(FString(Case.Name)), FString(Case.Written));
	}
}

TEST(JsonWriter, WritesNumbersAsPercentDot17G)
{
	struct FCase { double Number; const TCHAR* Written; };
	const FCase Cases[] = {
		{3.0, TEXT("3")},
		{-0.25, TEXT("-0.25")},
		{1e21, TEXT("1e+21")},
		{0.1, TEXT("0.10000000000000001")},
		{0.5, TEXT("0.5")},
		{-0.0, TEXT("-0")},
		{1e-7, TEXT("9.9999999999999995e-08")},
		{123456789012345678.0, TEXT("1.2345678901234568e+17")},
		{1e16, TEXT("10000000000000000")},
		{1e17, TEXT("1e+17")},
		{5e-324, TEXT("4.9406564584124654e-324")},
		{1.7976931348623157e308, TEXT("1.7976931348623157e+308")},
		// The exact decimal value ends in a 5 just past the seventeenth digit: ties go to the even digit.
		{2251799813685247.75, TEXT("2251799813685247.8")},
		{2251799813685246.25, TEXT("2251799813685246.2")},
		// The double nearest 1e-14 lies just below it, by less than half of
		// the seventeenth digit: rounding carries into a new leading digit.
		{1e-14, TEXT("1e-14")},
		{-1e-14, TEXT("-1e-14")},
		// Whole numbers from 2^53 on have seventeen digits or more.
		{99999999999999999.0, TEXT("1e+17")},
		{36028797018963971.0, TEXT("36028797018963968")},
		// Either side of where the exponent form starts, below and above.
		{0.0001, TEXT("0.0001")},
		{0.0000999, TEXT("9.9900000000000002e-05")},
		{12345678901234567.0, TEXT("12345678901234568")},
		{1e-16, TEXT("9.9999999999999998e-17")},
		{1.5e-17, TEXT("1.5e-17")},
		{-2.5e-310, TEXT("-2.5000000000000171e-310")},
		{1e100, TEXT("1e+100")},
		// Not finite: no JSON form, so null.
		{std::numeric_limits<double>::infinity(), TEXT("null")},
		{-std::numeric_limits<double>::infinity(), TEXT("null")},
		{std::numeric_limits<double>::quiet_NaN(), TEXT("null")},
	};
	for (const FCase& Case : Cases)
	{
		FString Text;
		{
			const TSharedRef<StringJsonWriter> Writer = StringJsonWriter::Create(&Text);
			Writer->OpenArray();
			Writer->PutValue(Case.Number);
			Writer->CloseArray();
			EXPECT_TRUE(Writer->Finish());
		}
		EXPECT_EQ(Text, FString(TEXT("[ ")) + Case.Written + TEXT(" ]"));
	}
}

TEST(JsonWriter, NumberTextIgnoresADecimalCommaLocale)
{
	JsonTest::FDecimalCommaLocale Locale;
	if (!Locale.IsActive())
	{
		GTEST_SKIP() << "no decimal-comma locale installed";
	}
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetNumberField(TEXT("x"), 0.5);
	Object->SetNumberField(TEXT("y"), -1234.75e10);
	EXPECT_EQ(JsonTest::Write(Object), CrLfLines({TEXT("{"), TEXT("\t\"x\": 0.5,"), TEXT("\t\"y\": -12347500000000"), TEXT("}")}));
}

TEST(JsonWriter, WritesFieldsWithAnEmptyName)
{
	TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
	Inner->SetStringField(TEXT(""), TEXT("v"));
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetObjectField(TEXT(""), Inner);
	Object->SetArrayField(TEXT("a"), {MakeShared<FJsonValueObject>(Inner)});

	EXPECT_EQ(JsonTest::Write(Object), CrLfLines({
		TEXT("{"),
		TEXT("\t\"\":"),
		TEXT("\t{"),
		TEXT("\t\t\"\": \"v\""),
		TEXT("\t},"),
		TEXT("\t\"a\": ["),
		TEXT("\t\t{"),
		TEXT("\t\t\t\"\": \"v\""),
		TEXT("\t\t}"),
		TEXT("\t]"),
		TEXT("}"),
	}));
}

TEST(JsonWriter, WritesEmptyValueSlotsAsNull)
{
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetField(TEXT("field"), TSharedPtr<FJsonValue>());
	Object->SetArrayField(TEXT("items"), {TSharedPtr<FJsonValue>()});
	EXPECT_EQ(JsonTest::Write(Object), CrLfLines({TEXT("{"), TEXT("\t\"field\": null,"), TEXT("\t\"items\": [ null ]"), TEXT("}")}));
}

TEST(JsonWriter, FinishReportsAnIncompleteDocumentAndStillDelivers)
{
	FString Text(TEXT("old"));
	const TSharedRef<StringJsonWriter> Writer = StringJsonWriter::Create(&Text);
	EXPECT_TRUE(Writer->Finish());
	EXPECT_TRUE(Text.IsEmpty());

	Writer->OpenObject();
	Writer->PutField(TEXT("a"), 1.0);
	EXPECT_FALSE(Writer->Finish());
	EXPECT_EQ(Text, FString(TEXT("{\r\n\t\"a\": 1")));

	Writer->CloseObject();
	EXPECT_TRUE(Writer->Finish());
	EXPECT_EQ(Text, FString(TEXT("{\r\n\t\"a\": 1\r\n}")));

	// A bare value as the root is not a complete document.
	FString Bare;
	const TSharedRef<StringJsonWriter> BareWriter = StringJsonWriter::Create(&Bare);
	BareWriter->PutValue(true);
	EXPECT_FALSE(BareWriter->Finish());
}

TEST(JsonWriter, WriteObjectWithoutFinishLeavesTheTargetAlone)
{
	FString Text(TEXT("kept"));
	EXPECT_TRUE(JsonSerializer::WriteObject(MakeShared<FJsonObject>(), StringJsonWriter::Create(&Text), false));
	EXPECT_EQ(Text, FString(TEXT("kept")));
}

TEST(JsonWriter, HandsItsLastTextToTheCallersStreamWhenDestroyed)
{
	// Without Finish, the text still pending reaches the stream as the writer goes.
	FCountingArchive Sink;
	{
		JsonWriter Writer(Sink, 0);
		Writer.OpenObject();
		Writer.PutField(TEXT("a"), true);
		EXPECT_EQ(Sink.Count, 0);
	}
	// "{", CR LF, tab, "\"a\": true".
	EXPECT_EQ(Sink.Count, 13 * 2);
}

TEST(JsonWriter, WritesTenThousandLevelsOfNesting)
{
	constexpr int64 Depth = 10000;
	TSharedPtr<FJsonValue> Value = MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>());
	for (int64 Level = 1; Level < Depth; ++Level)
	{
		Value = MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>{Value});
	}
	TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetField(TEXT("d"), Value);

	// The text grows with the square of the depth, so only its length is kept:
	// "{", the field line, one line per inner opening and closing, "}".
	FCountingArchive Sink;
	EXPECT_TRUE(JsonSerializer::WriteObject(Object, MakeShared<JsonWriter>(Sink, 0)));
	const int64 Characters = 13 + 6 * (Depth - 1) + Depth * Depth;
	EXPECT_EQ(Sink.Count, Characters * 2);
}

TEST(JsonWriterDeathTest, StopsOnCallsInTheWrongState)
{
	const auto Attempt = [](auto&& Calls)
	{
		FString Text;
		const TSharedRef<StringJsonWriter> Writer = StringJsonWriter::Create(&Text);
		Calls(*Writer);
	};
	EXPECT_DEATH(Attempt([](JsonWriter& Writer) { Writer.PutField(TEXT("a"), true); }), "Stack\\.Top\\(\\) == EJson::Object");
	EXPECT_DEATH(Attempt([](JsonWriter& Writer) { Writer.OpenArray(); Writer.CloseObject(); }), "Stack\\.Top\\(\\) == EJson::Object");
	EXPECT_DEATH(Attempt([](JsonWriter& Writer) { Writer.OpenObject(); Writer.CloseArray(); }), "Stack\\.Top\\(\\) == EJson::Array");
	EXPECT_DEATH(Attempt([](JsonWriter& Writer) { Writer.OpenObject(); Writer.PutValue(1.0); }), "CanWriteValueWithoutIdentifier\\(\\)");
	EXPECT_DEATH(Attempt([](JsonWriter& Writer) { Writer.OpenObject(); Writer.OpenObject(); }), "CanWriteObjectWithoutIdentifier\\(\\)");
	EXPECT_DEATH(Attempt([](JsonWriter& Writer) { Writer.OpenObject(); Writer.OpenArray(); }), "CanWriteValueWithoutIdentifier\\(\\)");
}

TEST(JsonWriter, WritesWholeNumbersAsPercentDot17GDoes)
{
	// Whole numbers take a quicker way to their text; on both sides of
	// where it stops applying the text must be "%.17g"'s, in the C locale
	// the test runs in.
	std::vector<double> Numbers = {0.0, -0.0, 1.0, -1.0, 1e15, 1e16, 1e17, 4503599627370496.5, 123456789.0, -987654321.0};
	for (double Base : {9007199254740992.0, 1e15, 1e16, 1e17})
	{
		for (double Step = -4.0; Step <= 4.0; Step += 1.0)
		{
			Numbers.push_back(Base + Step);
			Numbers.push_back(-(Base + Step));
		}
	}
	for (const double Number : Numbers)
	{
		char Expected[64];
		std::snprintf(Expected, sizeof(Expected), "%.17g", Number);
		FString Text;
		{
			const TSharedRef<StringJsonWriter> Writer = StringJsonWriter::Create(&Text);
			Writer->OpenArray();
			Writer->PutValue(Number);
			Writer->CloseArray();
			Writer->Finish();
		}
		EXPECT_EQ(Text, FString(TEXT("[ ")) + FString(std::u16string(Expected, Expected + std::strlen(Expected))) + TEXT(" ]")) << Expected;
	}
}

TEST(JsonWriter, WritesAnyDoubleAsPercentDot17GDoes)
{
	// Doubles of every magnitude and of the common ones, from fixed seeds, all
	// in one array, against the C library's own text in the C locale.
	std::vector<double> Numbers;
	uint64 State = 0x9E3779B97F4A7C15ull;
	const auto Next = [&State]
	{
		State = State * 6364136223846793005ull + 1442695040888963407ull;
		return State;
	};
	for (int32 Index = 0; Index < 20000; ++Index)
	{
		double Number = 0.0;
		const uint64 Bits = Next();
		std::memcpy(&Number, &Bits, sizeof(Number));
		if (std::isfinite(Number))
		{
			Numbers.push_back(Number);
		}
		Numbers.push_back(std::ldexp(static_cast<double>(Next() >> 11), static_cast<int>(Next() % 120) - 110));
		Numbers.push_back(static_cast<double>(Next() % 10000000) / 100.0);
	}
	FString Expected = TEXT("[");
	const TCHAR* Separator = TEXT(" ");
	for (const double Number : Numbers)
	{
		char Text[64];
		std::snprintf(Text, sizeof(Text), "%.17g", Number);
		Expected += Separator;
		Expected += FString(std::u16string(Text, Text + std::strlen(Text)));
		Separator = TEXT(", ");
	}
	Expected += TEXT(" ]");
	FString Written;
	{
		const TSharedRef<StringJsonWriter> Writer = StringJsonWriter::Create(&Written);
		Writer->OpenArray();
		for (const double Number : Numbers)
		{
			Writer->PutValue(Number);
		}
		Writer->CloseArray();
		EXPECT_TRUE(Writer->Finish());
	}
	EXPECT_EQ(Written, Expected);
}

TEST(JsonWriter, IndentsEveryDepthWithTabs)
{
	// Tabs are laid down several at a time; each depth must still get exactly its own.
	for (int32 Depth = 1; Depth <= 10; ++Depth)
	{
		TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		for (int32 Level = 1; Level < Depth; ++Level)
		{
			TSharedRef<FJsonObject> Outer = MakeShared<FJsonObject>();
			Outer->SetObjectField(TEXT("a"), Object);
			Object = Outer;
		}
		FString Expected = TEXT("{");
		for (int32 Level = 1; Level < Depth; ++Level)
		{
			Expected += TEXT("\r\n") + FString(std::u16string(static_cast<SIZE_T>(Level), u'\t')) + TEXT("\"a\":");
			Expected += TEXT("\r\n") + FString(std::u16string(static_cast<SIZE_T>(Level), u'\t')) + TEXT("{");
		}
		for (int32 Level = Depth - 1; Level >= 0; --Level)
		{
			Expected += TEXT("\r\n") + FString(std::u16string(static_cast<SIZE_T>(Level), u'\t')) + TEXT("}");
		}
		EXPECT_EQ(JsonTest::Write(Object), Expected) << "depth " << Depth;
	}
}

TEST(JsonWriter, EscapesAtEveryPositionInAWord)
{
	// Text that needs no escape is copied several units at a time; a unit
	// that needs one, or a NUL that ends the text, must be found wherever it falls.
	for (const auto& [Before, After] : JsonTest::AtEveryWordPosition())
	{
		struct FCase { std::u16string Name; std::u16string Written; };
		const FCase Cases[] = {
			{Before + u"\"" + After, u"\"" + Before + u"\\\"" + After + u"\""},
			{Before + u"\\" + After, u"\"" + Before + u"\\\\" + After + u"\""},
			{Before + u"\u001f" + After, u"\"" + Before + u"\u001f" + After + u"\""},
			{Before + u"\r" + After, u"\"" + Before + u"\\r" + After + u"\""},
			{Before + std::u16string(1, u'\0') + After, u"\"" + Before + u"\""},
		};
		for (const FCase& Case : Cases)
		{
			EXPECT_EQ(Quoted(FString(Case.Name)), FString(Case.Written)) << "offset " << Before.size();
		}
	}
}
