#include "Common/FileWriteFault.h"

#include "Common/PlatformFile.h"

namespace
{
	EFileWriteFault GWriteFault = EFileWriteFault::None;
}

void FFileManagerTesting::SetWriteFault(EFileWriteFault Fault)
{
	GWriteFault = Fault;
}

TValueOrError<void, FString> CheckWriteFault(EFileWriteFault Step, const TCHAR* Action, const FString& Path)
{
	if (GWriteFault != Step)
	{
		return MakeValue();
	}
	return MakeError(DescribeFileError(Action, Path, TEXT("simulated failure")));
}
