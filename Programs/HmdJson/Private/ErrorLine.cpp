#include "ErrorLine.h"

#include "Containers/StringConv.h"

#include <cstdio>
#include <string>

void ErrorLine::Print(const FString& Message)
{
	const std::string Line = StringConv::ToUtf8(Message) + "\n";
	std::fwrite(Line.data(), 1, Line.size(), stderr);
	std::fflush(stderr);
}

void ErrorLine::PrintStandardOutputFailure()
{
	Print(FString(TEXT("hmd-json: could not write to standard output")));
}
