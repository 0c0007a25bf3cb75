#include "Framework/Commands/UICommandList.h"

#include "Framework/Commands/UICommandInfo.h"

#include <utility>

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo, const FUIAction& InUIAction)
{
	checkf(InUICommandInfo.IsValid(), "Only a registered command can be mapped");
	for (FMapping& Mapping : Mappings)
	{
		if (Mapping.Command == InUICommandInfo)
		{
			Mapping.Action = InUIAction;
			return;
		}
	}
	Mappings.Add(FMapping{InUICommandInfo.ToSharedRef(), InUIAction});
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo, FExecuteAction InExecuteAction,
	FCanExecuteAction InCanExecuteAction, EUIActionRepeatMode InRepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(std::move(InExecuteAction), std::move(InCanExecuteAction), InRepeatMode));
}

void FUICommandList::MapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo, FExecuteAction InExecuteAction,
	FCanExecuteAction InCanExecuteAction, FIsActionChecked InIsActionChecked, EUIActionRepeatMode InRepeatMode)
{
	MapAction(InUICommandInfo, FUIAction(std::move(InExecuteAction), std::move(InCanExecuteAction), std::move(InIsActionChecked), InRepeatMode));
}

void FUICommandList::UnmapAction(const TSharedPtr<const FUICommandInfo>& InUICommandInfo)
{
	for (int32 Index = 0; Index < Mappings.Num(); ++Index)
	{
		if (Mappings[Index].Command == InUICommandInfo)
		{
			Mappings.RemoveAt(Index);
			return;
		}
	}
}

bool FUICommandList::IsActionMapped(const TSharedPtr<const FUICommandInfo>& InUICommandInfo) const
{
	return GetActionForCommand(InUICommandInfo) != nullptr;
}

const FUIAction* FUICommandList::GetActionForCommand(const TSharedPtr<const FUICommandInfo>& InUICommandInfo) const
{
	for (const FMapping& Mapping : Mappings)
	{
		if (Mapping.Command == InUICommandInfo)
		{
			return &Mapping.Action;
		}
	}
	return nullptr;
}

bool FUICommandList::ExecuteAction(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo.ToSharedPtr());
	if (Action == nullptr)
	{
		return false;
	}
	// Run from a copy: the action may change this list, or let go of it.
	const FUIAction ActionToRun = *Action;
	return ActionToRun.Execute();
}

bool FUICommandList::CanExecuteAction(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo.ToSharedPtr());
	return Action != nullptr && Action->CanExecute();
}

bool FUICommandList::IsChecked(const TSharedRef<const FUICommandInfo>& InUICommandInfo) const
{
	const FUIAction* Action = GetActionForCommand(InUICommandInfo.ToSharedPtr());
	return Action != nullptr && Action->IsChecked();
}
