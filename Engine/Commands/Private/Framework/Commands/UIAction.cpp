#include "Framework/Commands/UIAction.h"

#include <utility>

FUIAction::FUIAction(FExecuteAction InExecuteAction, EUIActionRepeatMode InRepeatMode)
	: ExecuteAction(std::move(InExecuteAction)), RepeatMode(InRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InExecuteAction, FCanExecuteAction InCanExecuteAction, EUIActionRepeatMode InRepeatMode)
	: ExecuteAction(std::move(InExecuteAction)), CanExecuteAction(std::move(InCanExecuteAction)), RepeatMode(InRepeatMode)
{
}

FUIAction::FUIAction(FExecuteAction InExecuteAction, FCanExecuteAction InCanExecuteAction, FIsActionChecked InIsActionChecked,
	EUIActionRepeatMode InRepeatMode)
	: ExecuteAction(std::move(InExecuteAction))
	, CanExecuteAction(std::move(InCanExecuteAction))
	, IsActionChecked(std::move(InIsActionChecked))
	, RepeatMode(InRepeatMode)
{
}

bool FUIAction::CanExecute() const
{
	return ExecuteAction.IsBound() && (!CanExecuteAction.IsBound() || CanExecuteAction.Execute());
}

bool FUIAction::Execute() const
{
	if (!CanExecute())
	{
		return false;
	}
	ExecuteAction.Execute();
	return true;
}

bool FUIAction::IsChecked() const
{
	return IsActionChecked.IsBound() && IsActionChecked.Execute();
}
