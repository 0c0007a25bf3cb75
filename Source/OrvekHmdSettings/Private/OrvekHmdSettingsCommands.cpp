#include "OrvekHmdSettingsCommands.h"

#include "EditorStyleSet.h"

#define LOCTEXT_NAMESPACE "FOrvekHmdSettingsModule"

FOrvekHmdSettingsCommands::FOrvekHmdSettingsCommands()
	: TCommands<FOrvekHmdSettingsCommands>(
		  TEXT("OrvekHmdSettings"),
		  NSLOCTEXT("Contexts", "OrvekHmdSettings", "OrvekHmdSettings Plugin"),
		  NAME_None,
		  FEditorStyle::GetStyleSetName())
{
}

void FOrvekHmdSettingsCommands::RegisterCommands()
{
	UI_COMMAND(PluginAction, "Orvek Hmd Settings", "Execute OrvekHmdSettings action", EUserInterfaceActionType::Button, FInputChord());
}

#undef LOCTEXT_NAMESPACE
