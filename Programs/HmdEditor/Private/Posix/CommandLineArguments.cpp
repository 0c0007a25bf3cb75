#include "CommandLineArguments.h"

TArray<std::string> GetCommandLineArguments(int ArgumentCount, char** Arguments)
{
	// The arguments arrive in the locale's encoding, which is UTF-8 here.
	TArray<std::string> Result;
	for (int Index = 1; Index < ArgumentCount; ++Index)
	{
		Result.Add(Arguments[Index]);
	}
	return Result;
}
