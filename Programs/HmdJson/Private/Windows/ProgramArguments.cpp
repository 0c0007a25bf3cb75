#include "ProgramArguments.h"

#include "Containers/StringConv.h"

// The Windows headers have a TCHAR of their own; keep it out of the engine's way.
#define TCHAR WINTCHAR
#include <windows.h>
#include <shellapi.h>
#undef TCHAR

// The narrow arguments are in the ANSI code page, which cannot hold every
// path; the wide command line can. The narrow ones serve only if it fails.
TArray<std::string> ProgramArguments::Get(int ArgC, char** ArgV)
{
	TArray<std::string> Arguments;
	int WideCount = 0;
	LPWSTR* const WideArguments = ::CommandLineToArgvW(::GetCommandLineW(), &WideCount);
	if (WideArguments == nullptr)
	{
		for (int Index = 1; Index < ArgC; ++Index)
		{
			Arguments.Add(ArgV[Index]);
		}
		return Arguments;
	}
	for (int Index = 1; Index < WideCount; ++Index)
	{
		Arguments.Add(StringConv::ToUtf8(StringConv::FromWide(WideArguments[Index])));
	}
	::LocalFree(WideArguments);
	return Arguments;
}
