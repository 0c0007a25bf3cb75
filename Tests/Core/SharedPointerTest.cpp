#include "Templates/SharedPointer.h"

#include <gtest/gtest.h>

namespace
{
	struct FCounted
	{
		explicit FCounted(int32* InDestroyed) : Destroyed(InDestroyed) {}
		virtual ~FCounted() { ++*Destroyed; }
		int32* Destroyed;
	};

	struct FDerived : FCounted
	{
		using FCounted::FCounted;
	};

	struct FSelfAware : TSharedFromThis<FSelfAware>
	{
	};
}

TEST(SharedPointer, LastSharedReferenceDestroysTheObjectOnce)
{
	int32 Destroyed = 0;
	{
		TSharedPtr<FCounted> First = MakeShared<FCounted>(&Destroyed);
		TSharedPtr<FCounted> Second = First;
		EXPECT_EQ(First.GetSharedReferenceCount(), 2);
		First.Reset();
		EXPECT_EQ(Destroyed, 0);
	}
	EXPECT_EQ(Destroyed, 1);
}

TEST(SharedPointer, WeakPointerPinsOnlyWhileTheObjectLives)
{
	int32 Destroyed = 0;
	TWeakPtr<FCounted> Weak;
	{
		TSharedRef<FCounted> Strong(new FDerived(&Destroyed));
		Weak = Strong;
		EXPECT_TRUE(Weak.Pin().IsValid());
	}
	EXPECT_EQ(Destroyed, 1);
	EXPECT_FALSE(Weak.IsValid());
	EXPECT_FALSE(Weak.Pin().IsValid());
}

TEST(SharedPointer, SharedFromThisReturnsTheOwningReference)
{
	TSharedRef<FSelfAware> Object = MakeShared<FSelfAware>();
	TSharedRef<FSelfAware> Again = Object->AsShared();
	EXPECT_EQ(&Again.Get(), &Object.Get());
	EXPECT_EQ(Object.GetSharedReferenceCount(), 2);

	TSharedPtr<FSelfAware> FromNew(new FSelfAware());
	EXPECT_TRUE(FromNew->DoesSharedInstanceExist());
}

TEST(SharedPointer, CastsShareTheCount)
{
	int32 Destroyed = 0;
	TSharedRef<FCounted> Base = MakeShared<FDerived>(&Destroyed);
	TSharedRef<FDerived> Derived = StaticCastSharedRef<FDerived>(Base);
	EXPECT_EQ(Base.GetSharedReferenceCount(), 2);
	TSharedPtr<FCounted> Null;
	EXPECT_FALSE(StaticCastSharedPtr<FDerived>(Null).IsValid());
}

TEST(SharedPointerDeathTest, ToSharedRefOfNullIsFatal)
{
	TSharedPtr<FSelfAware> Null;
	EXPECT_DEATH(Null.ToSharedRef(), "Assertion failed: IsValid\\(\\)");
}
