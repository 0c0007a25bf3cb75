#include "ProgramArguments.h"

// The arguments arrive as the bytes the caller gave, meant as UTF-8 here.
TArray<std::string> ProgramArguments::Get(int ArgC, char** ArgV)
{
	TArray<std::string> Arguments;
	for (int Index = 1; Index < ArgC; ++Index)
	{
		Arguments.Add(ArgV[Index]);
	}
	return Arguments;
}
