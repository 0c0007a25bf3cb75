// FUICommandList: maps commands to the actions that run them, so that the
// same command can do different things in different places.
#pragma once

#include "CommandsApi.h"
#include "Containers/Array.h"
#include "Framework/Commands/UIAction.h"
#include "Templates/SharedPointer.h"

class FUICommandInfo;

class COMMANDS_API FUICommandList : public TSharedFromThis<FUICommandList>
{
public:
	/** Maps the command to the action; a command mapped before gets the new action. */
	void MapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo, const FUIAction& InUIAction);
	void MapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo, FExecuteAction InExecuteAction,
		FCanExecuteAction InCanExecuteAction = FCanExecuteAction(), EUIActionRepeatMode InRepeatMode = EUIActionRepeatMode::RepeatDisabled);
	void MapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo, FExecuteAction InExecuteAction, FCanExecuteAction InCanExecuteAction,
		FIsActionChecked InIsActionChecked, EUIActionRepeatMode InRepeatMode = EUIActionRepeatMode::RepeatDisabled);

	void UnmapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo);

	bool IsActionMapped(const TSharedPtr<const FUICommandInfo>& InUICommandInfo) const;

	/** The action mapped to the command, or null. */
	const FUIAction* GetActionForCommand(const TSharedPtr<const FUICommandInfo>& InUICommandInfo) const;

	/** Runs the command's action when it is mapped and can be done now; reports whether it ran. */
	bool ExecuteAction(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const;
	bool TryExecuteAction(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const { return ExecuteAction(InUICommandInfo); }

	/** False for a command that is not mapped here. */
	bool CanExecuteAction(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const;

	bool IsChecked(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const;

private:
	struct FMapping
	{
		TSharedRef<const FUICommandInfo> Command;
		FUIAction Action;
	};

	TArray<FMapping> Mappings;
};
