// The OrvekHmdSettings editor module: adds the "Orvek Hmd" menu after the
// Level Editor's "Help" menu, and opens the modal "Hmd Setting" window from
// its one entry.
#pragma once

#include "OrvekHmdSettingsApi.h"

#include "Modules/ModuleInterface.h"
#include "Templates/SharedPointer.h"

class FExtender;
class FMenuBarBuilder;
class FMenuBuilder;
class FUICommandList;
class SOrvekHmdSettingsWidget;
class SWindow;

class ORVEKHMDSETTINGS_API FOrvekHmdSettingsModule : public IModuleInterface
{
public:
	virtual ~FOrvekHmdSettingsModule() override;

	/** Registers the command set, maps its command and installs the menu-bar extension. */
	virtual void StartupModule() override;
	/** Withdraws the menu-bar extension and unregisters the command set. */
	virtual void ShutdownModule() override;

	/** Opens the modal settings window around a new settings panel. */
	void PluginButtonClicked();
	/** Saves the panel's values whenever the settings window closes. */
	void OnSettingsWindowClosed(const TSharedRef<SWindow>& Window);

	/** Adds the "Orvek Hmd" pull-down to the Level Editor's menu bar. */
	void FillMenuBar(FMenuBarBuilder& MenuBarBuilder);
	/** Fills the pull-down with its one section and entry. */
	static void FillPullDownMenu(FMenuBuilder& MenuBuilder);

	/** The panel of the latest opening, kept after its window closed. */
	const TSharedPtr<SOrvekHmdSettingsWidget>& GetSettingsWidget() const { return SettingsWidget; }

private:
	TSharedPtr<FUICommandList> CommandList;
	TSharedPtr<SOrvekHmdSettingsWidget> SettingsWidget;
	/**
	 * The extender handed to the Level Editor, which alone keeps it alive. It
	 * is withdrawn at shut-down, so no menu delegate can reach this object
	 * after it is gone.
	 */
	TWeakPtr<FExtender> MenuExtender;
};
