#include "Logging/LogMacros.h"

#include "Misc/OutputDevice.h"

#include <cstdio>
#include <cstdlib>

const TCHAR* ELogVerbosity::ToString(Type Verbosity)
{
	switch (Verbosity)
	{
	case NoLogging: return TEXT("NoLogging");
	case Fatal: return TEXT("Fatal");
	case Error: return TEXT("Error");
	case Warning: return TEXT("Warning");
	case Display: return TEXT("Display");
	case Log: return TEXT("Log");
	case Verbose: return TEXT("Verbose");
	case VeryVerbose: return TEXT("VeryVerbose");
	}
	return TEXT("Unknown");
}

FLogCategoryBase::FLogCategoryBase(const TCHAR* InName, ELogVerbosity::Type InDefaultVerbosity)
	: CategoryName(InName), Verbosity(InDefaultVerbosity)
{
}

void FMsg::Log(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const FString& Message)
{
	GLog->Serialize(*Message, Verbosity, Category.GetCategoryName());
}

void FMsg::LogFatal(const FLogCategoryBase& Category, const char* File, int32 Line, const FString& Message)
{
	GLog->Serialize(*Message, ELogVerbosity::Fatal, Category.GetCategoryName());
	GLog->Flush();
	std::fprintf(stderr, "Fatal error: [File:%s] [Line: %d]\n", File, static_cast<int>(Line));
	std::fflush(nullptr);
	std::abort();
}
