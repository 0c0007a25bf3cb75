// Releasing a tree must not recurse: a million nested containers would
// overflow the stack of a recursive destructor.
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"

#include <gtest/gtest.h>

namespace
{
	constexpr int32 Depth = 1000000;

	TSharedPtr<FJsonValue> NestArrays(int32 Levels)
	{
		TSharedPtr<FJsonValue> Value = MakeShared<FJsonValueNumber>(1.0);
		for (int32 Level = 0; Level < Levels; ++Level)
		{
			TArray<TSharedPtr<FJsonValue>> Items;
			Items.Add(std::move(Value));
			Value = MakeShared<FJsonValueArray>(std::move(Items));
		}
		return Value;
	}

	TSharedPtr<FJsonObject> NestObjects(int32 Levels)
	{
		TSharedPtr<FJsonObject> Object = MakeShared<FJsonObject>();
		for (int32 Level = 0; Level < Levels; ++Level)
		{
			TSharedPtr<FJsonObject> Outer = MakeShared<FJsonObject>();
			Outer->SetStringField(TEXT("name"), TEXT("level"));
			Outer->SetObjectField(TEXT("child"), Object);
			Object = std::move(Outer);
		}
		return Object;
	}
}

TEST(JsonTeardown, ReleasesAMillionNestedArrays)
{
	TSharedPtr<FJsonValue> Tree = NestArrays(Depth);
	Tree.Reset();
	SUCCEED();
}

TEST(JsonTeardown, ReleasesAMillionNestedObjects)
{
	TSharedPtr<FJsonObject> Tree = NestObjects(Depth);
	Tree.Reset();
	SUCCEED();
}

TEST(JsonTeardown, ReleasingASubtreeKeepsValuesHeldElsewhere)
{
	TSharedPtr<FJsonValue> Shared = NestArrays(3);
	{
		TSharedPtr<FJsonObject> Holder = MakeShared<FJsonObject>();
		Holder->SetField(TEXT("deep"), NestArrays(1000));
		Holder->SetField(TEXT("shared"), Shared);
		Holder->RemoveField(TEXT("deep"));
	}
	// Still whole: three arrays around a number.
	TSharedPtr<FJsonValue> Value = Shared;
	for (int32 Level = 0; Level < 3; ++Level)
	{
		ASSERT_EQ(Value->Type, EJson::Array);
		ASSERT_EQ(Value->AsArray().Num(), 1);
		Value = Value->AsArray()[0];
	}
	EXPECT_EQ(Value->AsNumber(), 1.0);
}

TEST(JsonTeardown, DeepTreesCompareWithoutRecursion)
{
	EXPECT_TRUE(FJsonValue::CompareEqual(NestArrays(Depth), NestArrays(Depth)));
}
