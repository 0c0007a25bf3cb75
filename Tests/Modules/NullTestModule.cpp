// A module whose entry point fails, as when allocating the module object fails.
#include "TestModuleSupport.h"

#include "Modules/ModuleManager.h"

namespace
{
	const TestModule::FLibraryLifetime GLibraryLifetime;
}

extern "C" HMD_DLLEXPORT IModuleInterface* InitializeModule()
{
	TestModule::Record(TEXT("InitializeFailed"));
	return nullptr;
}
