// FUIAction: what a command or menu entry does, whether it can be done now,
// and whether it shows as ticked.
#pragma once

#include "CommandsApi.h"
#include "Delegates/Delegate.h"

DECLARE_DELEGATE(FExecuteAction);
DECLARE_DELEGATE_RetVal(bool, FCanExecuteAction);
DECLARE_DELEGATE_RetVal(bool, FIsActionChecked);

/** Whether holding the action's chord down repeats it. */
enum class EUIActionRepeatMode
{
	RepeatDisabled,
	RepeatEnabled
};

struct COMMANDS_API FUIAction
{
	FExecuteAction ExecuteAction;
	/** Unbound means the action can always be done. */
	FCanExecuteAction CanExecuteAction;
	/** Unbound means the action never shows as ticked. */
	FIsActionChecked IsActionChecked;
	EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled;

	FUIAction() = default;
	explicit FUIAction(FExecuteAction InExecuteAction, EUIActionRepeatMode InRepeatMode = EUIActionRepeatMode::RepeatDisabled);
	FUIAction(FExecuteAction InExecuteAction, FCanExecuteAction InCanExecuteAction, EUIActionRepeatMode InRepeatMode = EUIActionRepeatMode::RepeatDisabled);
	FUIAction(FExecuteAction InExecuteAction, FCanExecuteAction InCanExecuteAction, FIsActionChecked InIsActionChecked,
		EUIActionRepeatMode InRepeatMode = EUIActionRepeatMode::RepeatDisabled);

	/** True when there is something to run and the can-execute delegate, if bound, allows it. */
	bool CanExecute() const;

	/** Runs the action when it can be done; reports whether it ran. */
	bool Execute() const;

	bool IsChecked() const;
};
