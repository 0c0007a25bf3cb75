#include "Framework/MultiBox/MenuModel.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"

bool FMenuEntryModel::IsEnabled() const
{
	if (Command.IsValid())
	{
		return CommandList.IsValid() && CommandList->CanExecuteAction(Command.ToSharedRef());
	}
	return Action.CanExecute();
}

bool FMenuEntryModel::IsChecked() const
{
	if (Command.IsValid())
	{
		return CommandList.IsValid() && CommandList->IsChecked(Command.ToSharedRef());
	}
	return Action.IsChecked();
}

bool FMenuEntryModel::Execute() const
{
	if (Command.IsValid())
	{
		return CommandList.IsValid() && CommandList->ExecuteAction(Command.ToSharedRef());
	}
	return Action.Execute();
}

FMenuModel FPullDownMenuModel::MakeContent() const
{
	FMenuBuilder Builder(true, CommandList, Extender);
	Content.ExecuteIfBound(Builder);
	return Builder.MakeModel();
}

int32 FMenuBarModel::FindPullDown(FName ExtensionHook) const
{
	for (int32 Index = 0; Index < PullDowns.Num(); ++Index)
	{
		if (PullDowns[Index].ExtensionHook == ExtensionHook)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}
