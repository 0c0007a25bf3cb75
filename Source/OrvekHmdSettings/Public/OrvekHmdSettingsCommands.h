// The module's command set: one binding context holding the command that
// opens the settings window.
#pragma once

#include "OrvekHmdSettingsApi.h"

#include "Framework/Commands/Commands.h"

class ORVEKHMDSETTINGS_API FOrvekHmdSettingsCommands : public TCommands<FOrvekHmdSettingsCommands>
{
public:
	FOrvekHmdSettingsCommands();

	virtual void RegisterCommands() override;

	/** Opens the "Hmd Setting" window. */
	TSharedPtr<FUICommandInfo> PluginAction;
};
