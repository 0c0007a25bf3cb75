// A module that records each call it receives; with TEST_MODULE_DEPENDENCY it
// loads that module during its start-up.
#include "TestModuleSupport.h"

#include "Modules/ModuleManager.h"

namespace
{
	const TestModule::FLibraryLifetime GLibraryLifetime;

	class FTestModule : public IModuleInterface
	{
	public:
		FTestModule() { TestModule::Record(TEXT("Initialize")); }
		~FTestModule() override { TestModule::Record(TEXT("Destroy")); }

		void StartupModule() override
		{
			TestModule::Record(TEXT("Startup"));
#ifdef TEST_MODULE_DEPENDENCY
			FModuleManager::Get().LoadModuleChecked(TEXT(TEST_MODULE_DEPENDENCY));
			TestModule::Record(TEXT("StartupDone"));
#endif
		}
		void PreUnloadCallback() override { TestModule::Record(TEXT("PreUnload")); }
		void ShutdownModule() override { TestModule::Record(TEXT("Shutdown")); }
	};
}

IMPLEMENT_MODULE(FTestModule, TestModule);
