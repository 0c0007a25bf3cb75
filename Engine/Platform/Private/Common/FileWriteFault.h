// The step at which the tests' hook (FFileManagerTesting) makes saves fail.
#pragma once

#include "Containers/UnrealString.h"
#include "HAL/FileManagerTesting.h"

/** True when the test hook wants Step to fail; OutError then says so, naming Path as the system would. */
bool IsWriteFaultInjected(EFileWriteFault Step, const TCHAR* Action, const FString& Path, FString& OutError);
