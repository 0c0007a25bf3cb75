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

bool IsWriteFaultInjected(EFileWriteFault Step, const TCHAR* Action, const FString& Path, FString& OutError)
{
	if (GWriteFault != Step)
	{
		return false;
	}
	OutError = DescribeFileError(Action, Path, TEXT("simulated failure"));
	return true;
}
