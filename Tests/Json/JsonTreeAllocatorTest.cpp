// Values made in blocks behave as heap-made shared values: each lives while
// referred to, whatever happens to the allocator and to its neighbours.
// Under AddressSanitizer these tests also show that every block is returned.
#include "Dom/JsonObject.h"
#include "Dom/JsonTreeAllocator.h"
#include "Dom/JsonValue.h"

#include <gtest/gtest.h>

TEST(JsonTreeAllocator, ValuesOutliveTheAllocatorAndEachOther)
{
	TArray<TSharedPtr<FJsonValue>> Kept;
	{
		FJsonTreeAllocator Allocator;
		TArray<TSharedPtr<FJsonValue>> Items;
		// Enough values to fill several blocks.
		for (int32 Index = 0; Index < 20000; ++Index)
		{
			FString Text(TEXT("a string long enough for the heap "));
			Text.AppendInt(Index);
			Items.Add(Index % 2 == 0 ? TSharedPtr<FJsonValue>(Allocator.MakeShared<FJsonValueString>(Text))
									 : TSharedPtr<FJsonValue>(Allocator.MakeShared<FJsonValueNumber>(Index)));
		}
		Kept.Add(Items[7]);
		Kept.Add(Items[15000]);
		TSharedRef<FJsonObject> Object = Allocator.MakeShared<FJsonObject>();
		Object->SetArrayField(TEXT("items"), Items);
		Kept.Add(Allocator.MakeShared<FJsonValueObject>(Object));
	}
	EXPECT_EQ(Kept[0]->AsNumber(), 7.0);
	EXPECT_EQ(Kept[1]->AsString(), FString(TEXT("a string long enough for the heap 15000")));
	const TSharedPtr<FJsonObject>& Object = Kept[2]->AsObject();
	ASSERT_EQ(Object->GetValues()[0]->AsArray().Num(), 20000);

	// Releasing the big tree leaves the two values held apart.
	Kept.RemoveAt(2);
	EXPECT_EQ(Kept[0]->AsNumber(), 7.0);
	EXPECT_EQ(Kept[1]->AsString(), FString(TEXT("a string long enough for the heap 15000")));
}

TEST(JsonTreeAllocator, WeakPointersSeeTheValueGo)
{
	FJsonTreeAllocator Allocator;
	TSharedPtr<FJsonValue> Value = Allocator.MakeShared<FJsonValueBoolean>(true);
	const TWeakPtr<FJsonValue> Weak(Value);
	EXPECT_TRUE(Weak.Pin().IsValid());
	Value.Reset();
	EXPECT_FALSE(Weak.Pin().IsValid());
}

TEST(JsonTreeAllocator, ValuesHeldApartSurviveTreesOfEverySize)
{
	// From a few heap-made values to enough blocks to fill several large regions.
	for (const int32 Count : {10, 5000, 400000})
	{
		TArray<TSharedPtr<FJsonValue>> Kept;
		{
			FJsonTreeAllocator Allocator;
			TArray<TSharedPtr<FJsonValue>> Items;
			for (int32 Index = 0; Index < Count; ++Index)
			{
				Items.Add(Allocator.MakeShared<FJsonValueNumber>(Index));
			}
			for (int32 Index = 0; Index < Count; Index += 997)
			{
				Kept.Add(Items[Index]);
			}
		}
		for (int32 Index = 0; Index < Kept.Num(); ++Index)
		{
			EXPECT_EQ(Kept[Index]->AsNumber(), Index * 997.0) << Count;
		}
		// Released newest first, so that the oldest blocks and regions go last.
		while (!Kept.IsEmpty())
		{
			Kept.Pop();
		}
	}
}
