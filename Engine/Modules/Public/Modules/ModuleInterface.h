// The interface every module implements. The module manager creates the
// module object, starts it, shuts it down and destroys it.
#pragma once

#include "CoreTypes.h"

class IModuleInterface
{
public:
	/** The module manager destroys the object through this destructor, after shut-down. */
	virtual ~IModuleInterface() = default;

	/** Called once, right after the object is created. */
	virtual void StartupModule() {}

	/** Called before any module is shut down when the application exits. */
	virtual void PreUnloadCallback() {}

	/** Called after the module's library has been reloaded. */
	virtual void PostLoadCallback() {}

	/** Called once, before the object is destroyed. */
	virtual void ShutdownModule() {}

	virtual bool SupportsDynamicReloading() { return true; }

	/** Whether the manager may unload the module when the application exits. */
	virtual bool SupportsAutomaticShutdown() { return true; }

	virtual bool IsGameModule() const { return false; }
};
