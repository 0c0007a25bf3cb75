#include "Templates/ValueOrError.h"

#include "Containers/UnrealString.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
	using FTextResult = TValueOrError<FString, FString>;

	/** Both sides of one type: which one was made must still be told apart. */
	struct FSameTypeCase
	{
		const char* Description;
		bool bMakeError;
		const TCHAR* Text;
	};

	const FSameTypeCase SameTypeCases[] = {
		{"a value", false, TEXT("kept")},
		{"an error", true, TEXT("Could not read 'a': missing")},
		{"an empty value is still a value", false, TEXT("")},
		{"an empty error is still an error", true, TEXT("")},
	};

	FTextResult MakeTextResult(const FSameTypeCase& Case)
	{
		if (Case.bMakeError)
		{
			return MakeError(Case.Text);
		}
		return MakeValue(FString(Case.Text));
	}

	TValueOrError<void, std::string> Check(bool bSucceed)
	{
		if (!bSucceed)
		{
			return MakeError(std::string("refused"));
		}
		return MakeValue();
	}
}

TEST(ValueOrError, KeepsTheSideItWasMadeWith)
{
	for (const FSameTypeCase& Case : SameTypeCases)
	{
		SCOPED_TRACE(Case.Description);
		const FTextResult Result = MakeTextResult(Case);
		EXPECT_EQ(Result.HasError(), Case.bMakeError);
		EXPECT_EQ(Result.HasValue(), !Case.bMakeError);
		EXPECT_EQ(Case.bMakeError ? Result.GetError() : Result.GetValue(), FString(Case.Text));
	}
}

TEST(ValueOrError, WithoutAValueTellsOnlySuccessOrTheError)
{
	const TValueOrError<void, std::string> Succeeded = Check(true);
	EXPECT_TRUE(Succeeded.HasValue());
	EXPECT_FALSE(Succeeded.HasError());

	const TValueOrError<void, std::string> Failed = Check(false);
	ASSERT_TRUE(Failed.HasError());
	EXPECT_EQ(Failed.GetError(), "refused");
}

TEST(ValueOrError, StealsAValueThatCanOnlyBeMoved)
{
	TValueOrError<std::unique_ptr<int32>, FString> Result = MakeValue(std::make_unique<int32>(7));
	const std::unique_ptr<int32> Value = Result.StealValue();
	ASSERT_NE(Value, nullptr);
	EXPECT_EQ(*Value, 7);
}

TEST(ValueOrError, StealsTheErrorToHandItOn)
{
	TValueOrError<int32, FString> Inner = MakeError(FString(TEXT("no room")));
	const TValueOrError<void, FString> Outer = MakeError(Inner.StealError());
	EXPECT_EQ(Outer.GetError(), FString(TEXT("no room")));
}

TEST(ValueOrErrorDeathTest, AskingForTheMissingSideIsFatal)
{
	const TValueOrError<int32, FString> Failed = MakeError(TEXT("failed"));
	EXPECT_DEATH((void)Failed.GetValue(), "HasValue");
	const TValueOrError<int32, FString> Succeeded = MakeValue(1);
	EXPECT_DEATH((void)Succeeded.GetError(), "HasError");
}
