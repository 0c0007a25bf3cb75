// The step at which the tests' hook (FFileManagerTesting) makes saves fail.
#pragma once

#include "Containers/UnrealString.h"
#include "HAL/FileManagerTesting.h"
#include "Templates/ValueOrError.h"

/** Fails when the test hook wants Step to fail, with an error naming Path as the system would. */
TValueOrError<void, FString> CheckWriteFault(EFileWriteFault Step, const TCHAR* Action, const FString& Path);
