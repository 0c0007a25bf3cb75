// Shared by the test module libraries: logs "<module name>: <event>" on
// LogTestModule, including the loading and unloading of the library itself.
#pragma once

#include "Logging/LogMacros.h"

DEFINE_LOG_CATEGORY_STATIC(LogTestModule, Log, All);

namespace TestModule
{
	inline void Record(const TCHAR* Event)
	{
		UE_LOG(LogTestModule, Log, TEXT("%s: %s"), TEXT(TEST_MODULE_NAME), Event);
	}

	/** Made when the library is loaded and destroyed when it is unloaded. */
	struct FLibraryLifetime
	{
		FLibraryLifetime() { Record(TEXT("LibraryLoaded")); }
		~FLibraryLifetime() { Record(TEXT("LibraryUnloaded")); }
		FLibraryLifetime(const FLibraryLifetime&) = delete;
		FLibraryLifetime& operator=(const FLibraryLifetime&) = delete;
	};
}
