// FExtender: extensions that other code adds to menus it does not own. Each
// extension names a hook (a pull-down, section or entry of the menu being
// built), a position relative to it, the command list that runs the entries
// it adds, and the delegate that adds them.
#pragma once

#include "CommandsApi.h"
#include "Containers/Array.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

class FMultiBoxBuilder;
class FUICommandList;

class COMMANDS_API FExtensionBase
{
public:
	virtual ~FExtensionBase();

	FName GetHook() const { return Hook; }
	EExtensionHook::Position GetHookPosition() const { return HookPosition; }
	const TSharedPtr<const FUICommandList>& GetCommandList() const { return CommandList; }

	/** Adds the extension's content to a menu bar; extensions of other menus add nothing. */
	virtual void ApplyToMenuBar(FMenuBarBuilder& MenuBarBuilder) const;
	/** Adds the extension's content to a menu; extensions of other menus add nothing. */
	virtual void ApplyToMenu(FMenuBuilder& MenuBuilder) const;

protected:
	FExtensionBase(FName InHook, EExtensionHook::Position InHookPosition, const TSharedPtr<const FUICommandList>& InCommandList);

private:
	friend class FExtender;

	FName Hook;
	EExtensionHook::Position HookPosition;
	TSharedPtr<const FUICommandList> CommandList;
	/** Set while the extension runs, so an extension that hooks what it adds does not run again inside itself. */
	mutable bool bApplying = false;
};

class COMMANDS_API FExtender
{
public:
	TSharedRef<const FExtensionBase> AddMenuBarExtension(FName ExtensionHook, EExtensionHook::Position HookPosition,
		const TSharedPtr<const FUICommandList>& CommandList, const FMenuBarExtensionDelegate& MenuBarExtensionDelegate);

	TSharedRef<const FExtensionBase> AddMenuExtension(FName ExtensionHook, EExtensionHook::Position HookPosition,
		const TSharedPtr<const FUICommandList>& CommandList, const FMenuExtensionDelegate& MenuExtensionDelegate);

	void RemoveExtension(const TSharedRef<const FExtensionBase>& Extension);

	int32 NumExtensions() const { return Extensions.Num(); }

	/** Runs, in the order they were added, the extensions of the hook at the position. */
	void Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBarBuilder& MenuBarBuilder) const;
	void Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBuilder& MenuBuilder) const;

	/** One extender holding the extensions of all the given ones, in their order. */
	static TSharedRef<FExtender> Combine(const TArray<TSharedPtr<FExtender>>& Extenders);

private:
	template <typename BuilderType, typename ApplyFunctionType>
	void ApplyMatching(FName ExtensionHook, EExtensionHook::Position HookPosition, BuilderType& Builder, ApplyFunctionType ApplyFunction) const;

	TArray<TSharedRef<const FExtensionBase>> Extensions;
};
