// What the writer writes, the reader reads back unchanged; and neither
// reading nor releasing depends on the stack for deep nesting.
#include "JsonTestSupport.h"

#include "Containers/StringConv.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{
	FString ReadBackSubjectName(const FString& Name)
	{
		TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		Object->SetStringField(TEXT("SubjectName"), Name);
		Object->SetBoolField(TEXT("EnableLogging"), true);

		TSharedPtr<FJsonObject> Read;
		const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(JsonTest::Write(Object));
		EXPECT_TRUE(JsonSerializer::ReadObject(Reader, Read)) << StringConv::ToUtf8(Reader->ErrorText());
		FString ReadName(TEXT("<missing>"));
		if (Read.IsValid())
		{
			Read->TryGetStringField(TEXT("SubjectName"), ReadName);
		}
		return ReadName;
	}

	/** Random text without NUL, weighted towards the units the writer and reader treat specially. */
	std::u16string RandomName(std::mt19937& Random)
	{
		static constexpr char16_t Special[] = {u'"', u'\\', u'/', u'\b', u'\t', u'\n', u'\f', u'\r', u'\u0001', u'\u001f', u'\u007f',
			u'u', u'{', u'}', u'[', u']', u',', u':', u' ', u'\u00e9', u'\u2028', u'\ufeff', u'\uffff'};
		std::uniform_int_distribution<int> Length(0, 40);
		std::uniform_int_distribution<int> Kind(0, 3);
		std::uniform_int_distribution<int> Pick(0, static_cast<int>(std::size(Special)) - 1);
		std::uniform_int_distribution<int> AnyUnit(1, 0xFFFF);
		std::u16string Name;
		for (int Index = Length(Random); Index > 0; --Index)
		{
			Name.push_back(Kind(Random) == 0 ? static_cast<char16_t>(AnyUnit(Random)) : Special[Pick(Random)]);
		}
		return Name;
	}

	TSharedRef<FJsonObject> MixedTree()
	{
		TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
		Inner->SetStringField(TEXT("quote\"name"), TEXT("line\r\nbreak"));
		Inner->SetArrayField(TEXT("empty"), {});
		Inner->SetObjectField(TEXT(""), MakeShared<FJsonObject>());

		TSharedRef<FJsonObject> Root = MakeShared<FJsonObject>();
		Root->SetArrayField(TEXT("numbers"), {MakeShared<FJsonValueNumber>(0.1), MakeShared<FJsonValueNumber>(-0.0),
			MakeShared<FJsonValueNumber>(5e-324), MakeShared<FJsonValueNumber>(1.7976931348623157e308), MakeShared<FJsonValueNumber>(-123456789.0)});
		Root->SetArrayField(TEXT("mixed"), {MakeShared<FJsonValueString>(TEXT("s")), MakeShared<FJsonValueBoolean>(true),
			MakeShared<FJsonValueNull>(), MakeShared<FJsonValueObject>(Inner),
			MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>{MakeShared<FJsonValueBoolean>(false)})});
		Root->SetObjectField(TEXT("inner"), Inner);
		for (int32 Index = 0; Index < 20; ++Index)
		{
			FString Name(TEXT("k"));
			Name.AppendInt(Index);
			Root->SetNumberField(Name, Index * 0.5);
		}
		return Root;
	}
}

TEST(JsonRoundTrip, SubjectNamesReadBackUnchanged)
{
	const std::u16string Names[] = {
		u"HMD1", u"", u"say \"hi\"", u"C:\\path\\", u"a/b", u"tab\there", u"two\nlines\r\n", u"\b\f",
		u"\u0001\u0002\u001f\u007f", u"\u00e9t\u00e9", u"\u6587\u6863", u"\U0001F600",
		std::u16string(1, char16_t(0xD800)), std::u16string(1, char16_t(0xDFFF)) + u"x", u"\ufeff", u"\\u0041", u"{\"a\":1}",
	};
	for (const std::u16string& Name : Names)
	{
		EXPECT_EQ(ReadBackSubjectName(FString(Name)), FString(Name));
	}

	std::mt19937 Random(20240611);
	for (int32 Index = 0; Index < 500; ++Index)
	{
		const FString Name(RandomName(Random));
		ASSERT_EQ(ReadBackSubjectName(Name), Name);
	}
}

TEST(JsonRoundTrip, WholeTreesReadBackEqual)
{
	const TSharedRef<FJsonObject> Tree = MixedTree();
	const FString Text = JsonTest::Write(Tree);
	TSharedPtr<FJsonObject> Read;
	ASSERT_TRUE(JsonSerializer::ReadObject(StringJsonReader::Create(Text), Read));
	EXPECT_TRUE(FJsonValue::CompareEqual(MakeShared<FJsonValueObject>(Tree), MakeShared<FJsonValueObject>(Read)));
	// And the text is a fixed point.
	EXPECT_EQ(JsonTest::Write(Read.ToSharedRef()), Text);
}

TEST(JsonDepth, ReadsAndReleasesAMillionNestedArrays)
{
	constexpr int32 Depth = 1000000;
	std::u16string Text(Depth, u'[');
	Text.append(Depth, u']');

	JsonSerializer::FDocument Root;
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(std::move(Text)));
	ASSERT_TRUE(JsonSerializer::ReadTree(Reader, Root)) << StringConv::ToUtf8(Reader->ErrorText());
	int32 Levels = 1;
	for (const TArray<TSharedPtr<FJsonValue>>* Items = &Root.Items; !Items->IsEmpty(); Items = &(*Items)[0]->AsArray())
	{
		++Levels;
	}
	EXPECT_EQ(Levels, Depth);
}

TEST(JsonDepth, ReadsAndReleasesAMillionNestedObjects)
{
	constexpr int32 Depth = 1000000;
	std::u16string Text;
	for (int32 Level = 1; Level < Depth; ++Level)
	{
		Text += u"{\"a\":";
	}
	Text += u"{}";
	Text.append(Depth - 1, u'}');

	TSharedPtr<FJsonObject> Object;
	ASSERT_TRUE(JsonSerializer::ReadObject(StringJsonReader::Create(FString(std::move(Text))), Object));
	int32 Levels = 1;
	for (const FJsonObject* Level = Object.Get(); Level->Num() > 0; Level = Level->GetValues()[0]->AsObject().Get())
	{
		++Levels;
	}
	EXPECT_EQ(Levels, Depth);
}

TEST(JsonDepth, ReleasesAnUnfinishedDeepDocumentAfterAnError)
{
	constexpr int32 Depth = 1000000;
	std::u16string Text;
	for (int32 Level = 0; Level < Depth; ++Level)
	{
		Text += u"[1,{\"a\":";
	}
	Text += u"[";
	const TSharedRef<StringJsonReader> Reader = StringJsonReader::Create(FString(std::move(Text)));
	JsonSerializer::FDocument Root;
	EXPECT_FALSE(JsonSerializer::ReadTree(Reader, Root));
	EXPECT_EQ(Reader->ErrorText(), FString(TEXT("Improperly formatted. Line: 1 Ch: 8000001")));
}
