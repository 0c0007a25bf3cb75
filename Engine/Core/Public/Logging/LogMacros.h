// Log categories and UE_LOG. A line is written when its verbosity is within
// its category's; a Fatal line is written and then stops the program.
#pragma once

#include "Containers/UnrealString.h"
#include "CoreApi.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

struct CORE_API FLogCategoryBase
{
	FLogCategoryBase(const TCHAR* InName, ELogVerbosity::Type InDefaultVerbosity);

	const FName& GetCategoryName() const { return CategoryName; }
	ELogVerbosity::Type GetVerbosity() const { return Verbosity; }
	void SetVerbosity(ELogVerbosity::Type InVerbosity) { Verbosity = InVerbosity; }
	/** Fatal lines are always shown. */
	bool IsSuppressed(ELogVerbosity::Type LineVerbosity) const
	{
		return LineVerbosity != ELogVerbosity::Fatal && LineVerbosity > Verbosity;
	}

private:
	FName CategoryName;
	ELogVerbosity::Type Verbosity;
};

struct CORE_API FMsg
{
	static void Log(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const FString& Message);
	[[noreturn]] static void LogFatal(const FLogCategoryBase& Category, const char* File, int32 Line, const FString& Message);
};

// The parameter is not named DefaultVerbosity: the constant's name pastes that
// word itself, which a parameter of the same name would replace.
#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, InDefaultVerbosity, CompileTimeVerbosity) \
	extern FLogCategoryBase CategoryName;                                                   \
	inline constexpr ELogVerbosity::Type CategoryName##DefaultVerbosity = ELogVerbosity::InDefaultVerbosity

#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategoryBase CategoryName(TEXT(#CategoryName), CategoryName##DefaultVerbosity)

#define DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	static FLogCategoryBase CategoryName(TEXT(#CategoryName), ELogVerbosity::DefaultVerbosity)

#define UE_LOG(CategoryName, Verbosity, Format, ...)                                                                    \
	do                                                                                                                  \
	{                                                                                                                   \
		if constexpr (ELogVerbosity::Verbosity == ELogVerbosity::Fatal)                                                 \
		{                                                                                                               \
			::FMsg::LogFatal(CategoryName, __FILE__, __LINE__, FString::Printf(Format __VA_OPT__(, ) __VA_ARGS__));      \
		}                                                                                                               \
		else if (!CategoryName.IsSuppressed(ELogVerbosity::Verbosity))                                                  \
		{                                                                                                               \
			::FMsg::Log(CategoryName, ELogVerbosity::Verbosity, FString::Printf(Format __VA_OPT__(, ) __VA_ARGS__));     \
		}                                                                                                               \
	} while (false)
