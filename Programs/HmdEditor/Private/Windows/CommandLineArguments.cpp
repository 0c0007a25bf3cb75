#include "CommandLineArguments.h"

#include "Containers/StringConv.h"

// The Windows headers have a TCHAR of their own; keep it out of the engine's way.
#define TCHAR WINTCHAR
#include <windows.h>
#include <shellapi.h>
#undef TCHAR

TArray<std::string> GetCommandLineArguments(int ArgumentCount, char** Arguments)
{
	// The narrow arguments are in the ANSI code page, which cannot hold every
	// path; the wide command line can. The narrow ones serve only if it fails.
	TArray<std::string> Result;
	int WideCount = 0;
	LPWSTR* WideArguments = CommandLineToArgvW(GetCommandLineW(), &WideCount);
	if (WideArguments == nullptr)
	{
		for (int Index = 1; Index < ArgumentCount; ++Index)
		{
			Result.Add(Arguments[Index]);
		}
		return Result;
	}
	for (int Index = 1; Index < WideCount; ++Index)
	{
		Result.Add(StringConv::ToUtf8(StringConv::FromWide(WideArguments[Index])));
	}
	LocalFree(WideArguments);
	return Result;
}
