// The round-trip comparison must itself catch what it is there to catch.
#include "JsonReadCheck.h"

#include "Containers/StringConv.h"
#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

namespace
{
	TSharedPtr<FJsonValue> Tree(const TCHAR* Text)
	{
		TSharedPtr<FJsonObject> Object;
		EXPECT_TRUE(JsonSerializer::ReadObject(StringJsonReader::Create(Text), Object)) << StringConv::ToUtf8(std::u16string_view(Text));
		return MakeShared<FJsonValueObject>(Object);
	}
}

TEST(JsonReadCheck, FirstDifferenceNamesThePlaceAndTheFault)
{
	struct FCase
	{
		const TCHAR* Written;
		const TCHAR* ReadBack;
		const char* Expected;
	};
	const FCase Cases[] = {
		{TEXT(R"({"a": 1, "b": [true, "x", null, {}]})"), TEXT(R"({"a": 1, "b": [true, "x", null, {}]})"), ""},
		// An infinity is written as null, so a null read back is no fault; the reverse is.
		{TEXT(R"({"a": [1e400, -1e400]})"), TEXT(R"({"a": [null, null]})"), ""},
		{TEXT(R"({"a": null})"), TEXT(R"({"a": 1e400})"), "$.a: a value of kind Null read back as Number"},
		{TEXT(R"({"a": 0})"), TEXT(R"({"a": -0})"), "$.a: number 0 read back as -0"},
		{TEXT(R"({"a": 0.1})"), TEXT(R"({"a": 0.10000000000000002})"),
			"$.a: number 0.1 read back as 0.10000000000000002"},
		{TEXT(R"({"a": 1, "b": 2})"), TEXT(R"({"b": 2, "a": 1})"), "$: field 0 \"a\" read back as \"b\""},
		{TEXT(R"({"a": 1, "b": 2})"), TEXT(R"({"a": 1})"), "$: 2 fields read back as 1"},
		{TEXT(R"({"a": [[1, 2]]})"), TEXT(R"({"a": [[1]]})"), "$.a[0]: 2 elements read back as 1"},
		{TEXT(R"({"a": [{"b": "x"}]})"), TEXT(R"({"a": [{"b": "y"}]})"), "$.a[0].b: string \"x\" read back as \"y\""},
		{TEXT(R"({"a": "1"})"), TEXT(R"({"a": 1})"), "$.a: a value of kind String read back as Number"},
		{TEXT(R"({"a": true})"), TEXT(R"({"a": false})"), "$.a: boolean read back inverted"},
		// The first difference in document order is the one reported.
		{TEXT(R"({"a": [1, 2], "b": 3})"), TEXT(R"({"a": [1, 5], "b": 4})"), "$.a[1]: number 2 read back as 5"},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(JsonReadCheck::FirstDifference(Tree(Case.Written), Tree(Case.ReadBack)), Case.Expected)
			<< StringConv::ToUtf8(std::u16string_view(Case.Written)) << " against " << StringConv::ToUtf8(std::u16string_view(Case.ReadBack));
	}
}

TEST(JsonReadCheck, FirstDifferenceComparesAnyDepthWithoutRecursion)
{
	constexpr int Depth = 200000;
	std::u16string Deep = u"{\"a\": ";
	Deep.append(Depth, u'[');
	Deep += u"1";
	Deep.append(Depth, u']');
	Deep += u"}";
	std::u16string Other = Deep;
	Other[6 + Depth] = u'2';
	EXPECT_EQ(JsonReadCheck::FirstDifference(Tree(Deep.c_str()), Tree(Deep.c_str())), "");
	const std::string Difference = JsonReadCheck::FirstDifference(Tree(Deep.c_str()), Tree(Other.c_str()));
	EXPECT_TRUE(Difference.ends_with("[0][0]: number 1 read back as 2")) << Difference.substr(Difference.size() - 60);
}
