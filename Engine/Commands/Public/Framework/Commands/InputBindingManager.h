// FInputBindingManager: the process's one registry of binding contexts and
// their commands. It holds every registered context and command.
#pragma once

#include "CommandsApi.h"
#include "Containers/Array.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

class FBindingContext;
class FUICommandInfo;

class COMMANDS_API FInputBindingManager
{
public:
	static FInputBindingManager& Get();

	FInputBindingManager(const FInputBindingManager&) = delete;
	FInputBindingManager& operator=(const FInputBindingManager&) = delete;

	/**
	 * Holds the context under its name, unless a context of that name is
	 * already held, which is then kept.
	 */
	void AddContext(const TSharedRef<FBindingContext>& InBindingContext);

	/**
	 * Registers a command of the context, holding the context too. A command
	 * of the same name in that context is replaced.
	 */
	void CreateInputCommand(const TSharedRef<FBindingContext>& InBindingContext, const TSharedRef<FUICommandInfo>& InCommandInfo);

	TSharedPtr<FBindingContext> GetContextByName(FName InContextName) const;

	/** Lets go of the context and its commands; nothing happens for an unknown name. */
	void RemoveContextByName(FName InContextName);

	TSharedPtr<FUICommandInfo> FindCommandInContext(FName InBindingContext, FName InCommandName) const;

	/** The context's commands, in the order they were registered. */
	void GetCommandInfosFromContext(FName InBindingContext, TArray<TSharedPtr<FUICommandInfo>>& OutCommandInfos) const;

	void GetKnownInputContexts(TArray<TSharedPtr<FBindingContext>>& OutInputContexts) const;

private:
	struct FContextEntry
	{
		TSharedRef<FBindingContext> Context;
		TArray<TSharedRef<FUICommandInfo>> Commands;
	};

	// Never destroyed: contexts may belong to module libraries that are gone
	// by the time the process tears down its own statics.
	FInputBindingManager() = default;
	~FInputBindingManager() = default;

	const FContextEntry* FindEntry(FName InContextName) const;
	FContextEntry& FindOrAddEntry(const TSharedRef<FBindingContext>& InBindingContext);

	TArray<FContextEntry> Contexts;
};
