#include "Delegates/Delegate.h"
#include "Internationalization/Text.h"
#include "Misc/Attribute.h"

#include <gtest/gtest.h>

namespace
{
	struct FTarget : TSharedFromThis<FTarget>
	{
		int32 Calls = 0;
		void Hit(int32 Amount) { Calls += Amount; }
		int32 Value() const { return 7; }
	};

	int32 GStaticCalls = 0;
	void StaticHit(int32 Amount) { GStaticCalls += Amount; }
}

TEST(Delegate, WeakBindingDoesNothingOnceTheTargetIsGone)
{
	TDelegate<void(int32)> Delegate;
	{
		TSharedRef<FTarget> Target = MakeShared<FTarget>();
		Delegate = TDelegate<void(int32)>::CreateSP(&Target.Get(), &FTarget::Hit);
		EXPECT_TRUE(Delegate.ExecuteIfBound(2));
		EXPECT_EQ(Target->Calls, 2);
		EXPECT_EQ(Target.GetSharedReferenceCount(), 1) << "the delegate must not own its target";
	}
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Delegate.ExecuteIfBound(3));
}

TEST(Delegate, RawAndStaticBindings)
{
	FTarget Target;
	auto Raw = TDelegate<void(int32)>::CreateRaw(&Target, &FTarget::Hit);
	Raw.Execute(5);
	EXPECT_EQ(Target.Calls, 5);

	GStaticCalls = 0;
	TDelegate<void(int32)>::CreateStatic(&StaticHit).Execute(4);
	EXPECT_EQ(GStaticCalls, 4);
	EXPECT_FALSE(TDelegate<void(int32)>().IsBound());
}

TEST(Delegate, MulticastRunsInOrderAndRemoves)
{
	TMulticastDelegate<int32> Event;
	TArray<int32> Order;
	const FDelegateHandle First = Event.AddLambda([&Order](int32 Value) { Order.Add(Value); });
	Event.AddLambda([&Order](int32 Value) { Order.Add(Value * 10); });
	Event.Broadcast(1);
	EXPECT_TRUE(Event.Remove(First));
	Event.Broadcast(2);
	EXPECT_EQ(Order, (TArray<int32>{1, 10, 20}));
}

TEST(Attribute, GetterWinsWhileBound)
{
	TSharedRef<FTarget> Target = MakeShared<FTarget>();
	TAttribute<int32> Fixed(3);
	EXPECT_EQ(Fixed.Get(), 3);
	TAttribute<int32> Bound = TAttribute<int32>::Create(&Target.Get(), &FTarget::Value);
	EXPECT_EQ(Bound.Get(), 7);
}

TEST(Text, LocalisableTextShowsItsSourceAndKeepsItsIdentity)
{
	const FText Text = NSLOCTEXT("FOrvekHmdSettingsWidget", "HmdName", "Hmd Name");
	EXPECT_EQ(Text.ToString(), FString(TEXT("Hmd Name")));
	EXPECT_EQ(FTextInspector::GetNamespace(Text), FString(TEXT("FOrvekHmdSettingsWidget")));
	EXPECT_EQ(FTextInspector::GetKey(Text), FString(TEXT("HmdName")));
	EXPECT_FALSE(Text.IsCultureInvariant());
	EXPECT_EQ(FText::FromString(FString(TEXT(" x "))).ToString(), FString(TEXT(" x ")));
	EXPECT_TRUE(FText().IsEmpty());
}
