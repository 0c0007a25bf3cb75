// The Level Editor module, loaded by the name "LevelEditor". It owns the
// editor's main menu bar, "File", "Edit", "Window" and "Help", and applies
// every extender that other modules hand to its menu-extensibility manager
// each time it builds that bar.
#pragma once

#include "CoreTypes.h"
#include "Delegates/Delegate.h"
#include "Framework/MultiBox/ExtensibilityManager.h"
#include "Framework/MultiBox/MenuModel.h"
#include "LevelEditorApi.h"
#include "Modules/ModuleInterface.h"
#include "Templates/SharedPointer.h"

class FMenuBuilder;

DECLARE_MULTICAST_DELEGATE(FOnLevelEditorExitRequested);

class LEVELEDITOR_API FLevelEditorModule : public IModuleInterface, public IHasMenuExtensibility
{
public:
	void StartupModule() override;
	void ShutdownModule() override;

	/** Set from start-up to shut-down; empty otherwise. */
	TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager() override { return MenuExtensibilityManager; }

	/**
	 * Builds the main menu bar afresh, with every extender applied at its
	 * hook. The model holds delegates of the modules that extended it: build
	 * it again rather than keep it across a module's unload.
	 */
	FMenuBarModel BuildMainMenuBar();

	/** Announced when the user chooses File > Exit; the host then quits. */
	FOnLevelEditorExitRequested& OnExitRequested() { return ExitRequested; }
	bool IsExitRequested() const { return bExitRequested; }

private:
	void FillFileMenu(FMenuBuilder& MenuBuilder);
	void RequestExit();

	TSharedPtr<FExtensibilityManager> MenuExtensibilityManager;
	FOnLevelEditorExitRequested ExitRequested;
	bool bExitRequested = false;
};
