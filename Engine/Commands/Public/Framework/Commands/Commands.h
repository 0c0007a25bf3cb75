// TCommands: the base of a command set, a binding context whose commands are
// made by its RegisterCommands. The set is created by Register, held by the
// input binding manager while registered, and reached through Get.
#pragma once

#include "CommandsApi.h"
#include "Framework/Commands/BindingContext.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/InputChord.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Misc/AssertionMacros.h"
#include "Templates/SharedPointer.h"

#include <typeinfo>

namespace CommandsInternal
{
	/**
	 * The class-wide reference of the command-set class with this type name.
	 * It is kept here, once for the process, so that every library using the
	 * class, the one that registers it or any other, sees the same set.
	 */
	COMMANDS_API TWeakPtr<FBindingContext>& GetCommandSetReference(const char* ClassTypeName);
}

/**
 * Makes one command of a command set: its label is the friendly name keyed by
 * the command name, its tooltip the description keyed by the tooltip key,
 * both in the sub-namespace, and its icon the style named by the context's
 * name followed by the dotted name, in the context's style set.
 */
COMMANDS_API void UI_COMMAND_Function(FBindingContext* This, TSharedPtr<FUICommandInfo>& OutCommand, const TCHAR* OutSubNamespace,
	const TCHAR* OutCommandName, const TCHAR* OutCommandNameUnderscoreTooltip, const ANSICHAR* DotOutCommandName, const TCHAR* FriendlyName,
	const TCHAR* InDescription, EUserInterfaceActionType::Type CommandType, const FInputChord& InDefaultChord,
	const FInputChord& InAlternateDefaultChord = FInputChord());

/** Inside RegisterCommands, with LOCTEXT_NAMESPACE defined: makes the command member CommandId. */
#define UI_COMMAND(CommandId, FriendlyName, InDescription, CommandType, InDefaultChord, ...)                                  \
	UI_COMMAND_Function(this, CommandId, TEXT(LOCTEXT_NAMESPACE), TEXT(#CommandId), TEXT(#CommandId "_ToolTip"), "." #CommandId, \
		TEXT(FriendlyName), TEXT(InDescription), CommandType, InDefaultChord __VA_OPT__(, ) __VA_ARGS__)

template <typename CommandContextType>
class TCommands : public FBindingContext
{
public:
	/**
	 * Creates the command set and registers its commands; does nothing when it
	 * is registered already. When the input binding manager already holds a
	 * context of the same name, that context is taken as the set instead, and
	 * nothing is registered or announced.
	 */
	static void Register()
	{
		if (PinInstance().IsValid())
		{
			return;
		}
		const TSharedRef<CommandContextType> NewInstance(new CommandContextType());
		const TSharedPtr<FBindingContext> ExistingContext = FInputBindingManager::Get().GetContextByName(NewInstance->GetContextName());
		if (ExistingContext.IsValid())
		{
			// Reading another class's context as this one would use memory it does not have.
			checkf(dynamic_cast<CommandContextType*>(ExistingContext.Get()) != nullptr,
				"A binding context of this name is already registered by a different command set");
			GetInstance() = ExistingContext;
			return;
		}
		GetInstance() = NewInstance;
		// Held even when RegisterCommands makes no command, so the set stays registered.
		FInputBindingManager::Get().AddContext(NewInstance);
		NewInstance->RegisterCommands();
		CommandsChanged.Broadcast(*NewInstance);
	}

	/** Removes the command set from the input binding manager and destroys it; does nothing when unregistered. */
	static void Unregister()
	{
		const TSharedPtr<CommandContextType> LocalInstance = PinInstance();
		if (!LocalInstance.IsValid())
		{
			return;
		}
		FInputBindingManager::Get().RemoveContextByName(LocalInstance->GetContextName());
		CommandsChanged.Broadcast(*LocalInstance);
		checkf(LocalInstance.IsUnique(), "The command set is still referenced elsewhere when it is unregistered");
		// No reference to the destroyed set stays in the process-wide table.
		GetInstance().Reset();
	}

	/** The registered command set; fatal when it is not registered. */
	static const CommandContextType& Get()
	{
		const TSharedPtr<CommandContextType> LocalInstance = PinInstance();
		checkf(LocalInstance.IsValid(), "The command set is used before it is registered or after it is unregistered");
		// The input binding manager keeps it alive after this local reference goes.
		return *LocalInstance;
	}

	static bool IsRegistered() { return PinInstance().IsValid(); }

	/** Makes the set's commands, one UI_COMMAND each. */
	virtual void RegisterCommands() = 0;

protected:
	TCommands(FName InContextName, const FText& InContextDesc, FName InContextParent, FName InStyleSetName)
		: FBindingContext(InContextName, InContextDesc, InContextParent, InStyleSetName)
	{
	}

private:
	/** Only observes the set; the input binding manager owns it. */
	static TWeakPtr<FBindingContext>& GetInstance() { return CommandsInternal::GetCommandSetReference(typeid(CommandContextType).name()); }

	static TSharedPtr<CommandContextType> PinInstance()
	{
		const TSharedPtr<FBindingContext> Instance = GetInstance().Pin();
		if (!Instance.IsValid())
		{
			return nullptr;
		}
		// Classes local to different sources may share a type name; never take one for the other.
		checkf(dynamic_cast<CommandContextType*>(Instance.Get()) != nullptr, "Two command-set classes of the same name are in use");
		return StaticCastSharedPtr<CommandContextType>(Instance);
	}
};
