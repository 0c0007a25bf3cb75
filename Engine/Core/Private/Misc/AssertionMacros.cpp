#include "Misc/AssertionMacros.h"

#include "Containers/StringConv.h"
#include "Misc/OutputDevice.h"

#include <cstdio>
#include <cstdlib>
#include <string>

void FDebug::AssertFailed(const char* Expr, const char* File, int32 Line, const char* Message)
{
	std::string Text = std::string("Assertion failed: ") + Expr + " [File:" + File + "] [Line: " + std::to_string(Line) + "]";
	if (Message != nullptr)
	{
		Text += std::string(" ") + Message;
	}
	GLog->Serialize(*StringConv::FromUtf8(Text), ELogVerbosity::Fatal, FName(TEXT("LogAssert")));
	GLog->Flush();
	std::fflush(nullptr);
	std::abort();
}
