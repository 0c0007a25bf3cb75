#include "Containers/StringConv.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	FString Name(int32 Number)
	{
		FString Text(TEXT("field"));
		Text.AppendInt(Number);
		return Text;
	}
}

TEST(JsonObject, KeepsFieldsInTheOrderTheyWereFirstSet)
{
	FJsonObject Object;
	Object.SetStringField(TEXT("SubjectName"), TEXT("HMD1"));
	Object.SetBoolField(TEXT("EnableLogging"), true);
	Object.SetNumberField(TEXT("Rate"), 90.0);
	// Setting an existing name replaces the value where it stands.
	Object.SetStringField(TEXT("SubjectName"), TEXT("HMD2"));

	ASSERT_EQ(Object.Num(), 3);
	EXPECT_EQ(Object.GetKeys()[0], FString(TEXT("SubjectName")));
	EXPECT_EQ(Object.GetKeys()[1], FString(TEXT("EnableLogging")));
	EXPECT_EQ(Object.GetKeys()[2], FString(TEXT("Rate")));
	EXPECT_EQ(Object.GetValues()[0]->AsString(), FString(TEXT("HMD2")));
}

TEST(JsonObject, NamesAreCaseSensitiveAndMayBeEmpty)
{
	FJsonObject Object;
	Object.SetBoolField(TEXT("a"), true);
	Object.SetBoolField(TEXT("A"), false);
	Object.SetStringField(TEXT(""), TEXT("empty"));
	EXPECT_EQ(Object.Num(), 3);
	FString Text;
	EXPECT_TRUE(Object.TryGetStringField(TEXT(""), Text));
	EXPECT_EQ(Text, FString(TEXT("empty")));
}

TEST(JsonObject, GettersAcceptOnlyTheirOwnKind)
{
	FJsonObject Object;
	Object.SetStringField(TEXT("String"), TEXT("true"));
	Object.SetBoolField(TEXT("Bool"), true);
	Object.SetNumberField(TEXT("Number"), 1.0);
	Object.SetField(TEXT("Null"), MakeShared<FJsonValueNull>());
	Object.SetField(TEXT("Empty"), TSharedPtr<FJsonValue>());

	const TCHAR* const Names[] = {TEXT("String"), TEXT("Bool"), TEXT("Number"), TEXT("Null"), TEXT("Empty"), TEXT("Missing")};
	for (const TCHAR* FieldName : Names)
	{
		SCOPED_TRACE(StringConv::ToUtf8(FString(FieldName)));
		FString Text(TEXT("kept"));
		bool bValue = false;
		double Number = -1.0;
		const bool bIsString = FString(FieldName) == TEXT("String");
		const bool bIsBool = FString(FieldName) == TEXT("Bool");
		const bool bIsNumber = FString(FieldName) == TEXT("Number");
		EXPECT_EQ(Object.TryGetStringField(FieldName, Text), bIsString);
		EXPECT_EQ(Object.TryGetBoolField(FieldName, bValue), bIsBool);
		EXPECT_EQ(Object.TryGetNumberField(FieldName, Number), bIsNumber);
		// A failed getter leaves its output alone.
		EXPECT_EQ(Text, FString(bIsString ? TEXT("true") : TEXT("kept")));
		EXPECT_EQ(bValue, bIsBool);
		EXPECT_EQ(Number, bIsNumber ? 1.0 : -1.0);
	}
}

TEST(JsonObject, LargeObjectsFindEveryFieldAfterReplacingAndRemoving)
{
	constexpr int32 Count = 1000;
	FJsonObject Object;
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Object.SetNumberField(Name(Index), Index);
	}
	for (int32 Index = 0; Index < Count; Index += 3)
	{
		Object.SetNumberField(Name(Index), -Index);
	}
	for (int32 Index = 1; Index < Count; Index += 2)
	{
		Object.RemoveField(Name(Index));
	}

	ASSERT_EQ(Object.Num(), Count / 2);
	for (int32 Index = 0; Index < Count; ++Index)
	{
		double Number = 0.0;
		const bool bKept = Index % 2 == 0;
		ASSERT_EQ(Object.TryGetNumberField(Name(Index), Number), bKept) << Index;
		if (bKept)
		{
			EXPECT_EQ(Number, Index % 3 == 0 ? -Index : Index);
			EXPECT_EQ(Object.GetKeys()[Index / 2], Name(Index));
		}
	}
}

TEST(JsonObject, MadeFromFieldsSettlesRepeatedNamesAsSettingThemWould)
{
	struct FCase
	{
		const char* Description;
		/** Field names by number, in order; each field's value is its position. */
		std::vector<int32> Names;
	};
	const FCase Cases[] = {
		{"no fields", {}},
		{"a few distinct names", {1, 2, 3}},
		{"a repeat among a few", {1, 2, 1, 3, 2}},
		{"many distinct names, indexed", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
		{"a repeat among many", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 3, 19}},
		{"a repeat at the very end of many", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 19}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		TArray<FString> Names;
		TArray<TSharedPtr<FJsonValue>> Values;
		FJsonObject Expected;
		for (SIZE_T Position = 0; Position < Case.Names.size(); ++Position)
		{
			Names.Add(Name(Case.Names[Position]));
			Values.Add(MakeShared<FJsonValueNumber>(static_cast<double>(Position)));
			Expected.SetNumberField(Name(Case.Names[Position]), static_cast<double>(Position));
		}

		const FJsonObject Made(std::move(Names), std::move(Values));
		ASSERT_EQ(Made.GetKeys(), Expected.GetKeys());
		for (const FString& Key : Expected.GetKeys())
		{
			double Number = -1.0;
			EXPECT_TRUE(Made.TryGetNumberField(Key, Number));
			EXPECT_EQ(Number, Expected.GetField(Key)->AsNumber());
		}
		EXPECT_FALSE(Made.HasField(Name(99)));
	}
}

TEST(JsonObject, MadeFromFieldsTellsAlikeNamesApart)
{
	struct FCase
	{
		const char* Description;
		std::vector<const char16_t*> Names;
		/** The names the object keeps, in order. */
		std::vector<const char16_t*> Kept;
	};
	const FCase Cases[] = {
		{"same length, first, middle and last units", {u"Name", u"Nome", u"Nume"}, {u"Name", u"Nome", u"Nume"}},
		{"a repeat among names alike", {u"Name", u"Nome", u"Name"}, {u"Name", u"Nome"}},
		{"the empty name and a one-unit name", {u"", u"a", u""}, {u"", u"a"}},
		{"names differing only inside", {u"abcXdef", u"abcYdef", u"abZYdef"}, {u"abcXdef", u"abcYdef", u"abZYdef"}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Description);
		TArray<FString> Names;
		TArray<TSharedPtr<FJsonValue>> Values;
		for (SIZE_T Position = 0; Position < Case.Names.size(); ++Position)
		{
			Names.Add(FString(Case.Names[Position]));
			Values.Add(MakeShared<FJsonValueNumber>(static_cast<double>(Position)));
		}
		const FJsonObject Made(std::move(Names), std::move(Values));
		TArray<FString> Kept;
		for (const char16_t* Name : Case.Kept)
		{
			Kept.Add(FString(Name));
		}
		EXPECT_EQ(Made.GetKeys(), Kept);
	}
}

TEST(JsonValue, AsGettersGiveEmptyResultsForOtherKinds)
{
	const TSharedRef<FJsonValue> Number = MakeShared<FJsonValueNumber>(2.5);
	EXPECT_EQ(Number->AsNumber(), 2.5);
	EXPECT_TRUE(Number->AsString().IsEmpty());
	EXPECT_FALSE(Number->AsBool());
	EXPECT_TRUE(Number->AsArray().IsEmpty());
	EXPECT_FALSE(Number->AsObject().IsValid());
	EXPECT_EQ(MakeShared<FJsonValueString>(TEXT("1"))->AsNumber(), 0.0);
	EXPECT_TRUE(MakeShared<FJsonValueNull>()->IsNull());
}

TEST(JsonValue, ObjectValueNeverHoldsAnEmptyPointer)
{
	const TSharedRef<FJsonValue> Value = MakeShared<FJsonValueObject>(TSharedPtr<FJsonObject>());
	ASSERT_TRUE(Value->AsObject().IsValid());
	EXPECT_EQ(Value->AsObject()->Num(), 0);
}

TEST(JsonValue, CompareEqualWalksWholeTrees)
{
	const auto MakeTree = [](const TCHAR* Leaf, bool bSwapFieldOrder)
	{
		TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
		if (bSwapFieldOrder)
		{
			Inner->SetBoolField(TEXT("b"), true);
			Inner->SetStringField(TEXT("a"), Leaf);
		}
		else
		{
			Inner->SetStringField(TEXT("a"), Leaf);
			Inner->SetBoolField(TEXT("b"), true);
		}
		TArray<TSharedPtr<FJsonValue>> Items{MakeShared<FJsonValueNumber>(1.0), MakeShared<FJsonValueObject>(Inner)};
		return TSharedPtr<FJsonValue>(MakeShared<FJsonValueArray>(Items));
	};
	EXPECT_TRUE(FJsonValue::CompareEqual(MakeTree(TEXT("x"), false), MakeTree(TEXT("x"), true)));
	EXPECT_FALSE(FJsonValue::CompareEqual(MakeTree(TEXT("x"), false), MakeTree(TEXT("y"), false)));
	EXPECT_FALSE(FJsonValue::CompareEqual(MakeShared<FJsonValueNumber>(0.0), MakeShared<FJsonValueBoolean>(false)));
	EXPECT_TRUE(FJsonValue::CompareEqual(TSharedPtr<FJsonValue>(), MakeShared<FJsonValueNull>()));
}
