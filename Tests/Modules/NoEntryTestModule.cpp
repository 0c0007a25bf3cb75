// A library that is not a module: it exports no InitializeModule.
#include "TestModuleSupport.h"

namespace
{
	const TestModule::FLibraryLifetime GLibraryLifetime;
}
