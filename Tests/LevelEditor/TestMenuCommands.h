// The command set of the test menu module. Both the module library and the
// test program compile it, as a host that names a module's commands would.
#pragma once

#include "EditorStyleSet.h"
#include "Framework/Commands/Commands.h"

class FTestMenuCommands : public TCommands<FTestMenuCommands>
{
public:
	FTestMenuCommands()
		: TCommands<FTestMenuCommands>(TEXT("TestMenu"), NSLOCTEXT("Contexts", "TestMenu", "TestMenu Plugin"), NAME_None, FEditorStyle::GetStyleSetName())
	{
	}

#define LOCTEXT_NAMESPACE "FTestMenuModule"
	void RegisterCommands() override
	{
		UI_COMMAND(OpenAction, "Open Test Settings", "Execute TestMenu action", EUserInterfaceActionType::Button, FInputChord());
	}
#undef LOCTEXT_NAMESPACE

	TSharedPtr<FUICommandInfo> OpenAction;
};
