#include "Framework/Commands/InputBindingManager.h"

#include "Framework/Commands/BindingContext.h"
#include "Framework/Commands/UICommandInfo.h"

FInputBindingManager& FInputBindingManager::Get()
{
	static FInputBindingManager* const Manager = new FInputBindingManager();
	return *Manager;
}

void FInputBindingManager::AddContext(const TSharedRef<FBindingContext>& InBindingContext)
{
	FindOrAddEntry(InBindingContext);
}

void FInputBindingManager::CreateInputCommand(const TSharedRef<FBindingContext>& InBindingContext, const TSharedRef<FUICommandInfo>& InCommandInfo)
{
	check(InCommandInfo->GetBindingContext() == InBindingContext->GetContextName());
	TArray<TSharedRef<FUICommandInfo>>& Commands = FindOrAddEntry(InBindingContext).Commands;
	for (TSharedRef<FUICommandInfo>& Command : Commands)
	{
		if (Command->GetCommandName() == InCommandInfo->GetCommandName())
		{
			Command = InCommandInfo;
			return;
		}
	}
	Commands.Add(InCommandInfo);
}

TSharedPtr<FBindingContext> FInputBindingManager::GetContextByName(FName InContextName) const
{
	const FContextEntry* Entry = FindEntry(InContextName);
	return Entry != nullptr ? Entry->Context.ToSharedPtr() : nullptr;
}

void FInputBindingManager::RemoveContextByName(FName InContextName)
{
	for (int32 Index = 0; Index < Contexts.Num(); ++Index)
	{
		if (Contexts[Index].Context->GetContextName() == InContextName)
		{
			Contexts.RemoveAt(Index);
			return;
		}
	}
}

TSharedPtr<FUICommandInfo> FInputBindingManager::FindCommandInContext(FName InBindingContext, FName InCommandName) const
{
	if (const FContextEntry* Entry = FindEntry(InBindingContext))
	{
		for (const TSharedRef<FUICommandInfo>& Command : Entry->Commands)
		{
			if (Command->GetCommandName() == InCommandName)
			{
				return Command;
			}
		}
	}
	return nullptr;
}

void FInputBindingManager::GetCommandInfosFromContext(FName InBindingContext, TArray<TSharedPtr<FUICommandInfo>>& OutCommandInfos) const
{
	OutCommandInfos.Reset();
	if (const FContextEntry* Entry = FindEntry(InBindingContext))
	{
		for (const TSharedRef<FUICommandInfo>& Command : Entry->Commands)
		{
			OutCommandInfos.Add(Command);
		}
	}
}

void FInputBindingManager::GetKnownInputContexts(TArray<TSharedPtr<FBindingContext>>& OutInputContexts) const
{
	OutInputContexts.Reset();
	for (const FContextEntry& Entry : Contexts)
	{
		OutInputContexts.Add(Entry.Context);
	}
}

const FInputBindingManager::FContextEntry* FInputBindingManager::FindEntry(FName InContextName) const
{
	for (const FContextEntry& Entry : Contexts)
	{
		if (Entry.Context->GetContextName() == InContextName)
		{
			return &Entry;
		}
	}
	return nullptr;
}

FInputBindingManager::FContextEntry& FInputBindingManager::FindOrAddEntry(const TSharedRef<FBindingContext>& InBindingContext)
{
	for (FContextEntry& Entry : Contexts)
	{
		if (Entry.Context->GetContextName() == InBindingContext->GetContextName())
		{
			return Entry;
		}
	}
	return Contexts[Contexts.Add(FContextEntry{InBindingContext, {}})];
}
