// Menu builders: the menu bar builder adds pull-downs, the menu builder adds
// sections and entries. At each hook they pass, they run the extensions of
// their extender; entries take the command list on top of the builder's
// stack, which is the extension's own list while an extension runs.
#pragma once

#include "CommandsApi.h"
#include "Containers/Array.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/MultiBox/MenuModel.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Internationalization/Text.h"
#include "Misc/Attribute.h"
#include "Templates/SharedPointer.h"
#include "Textures/SlateIcon.h"
#include "UObject/NameTypes.h"

class FExtender;
class FUICommandList;

class COMMANDS_API FMultiBoxBuilder
{
public:
	FMultiBoxBuilder(const TSharedPtr<const FUICommandList>& InCommandList, const TSharedPtr<FExtender>& InExtender);
	virtual ~FMultiBoxBuilder();

	/** Entries added from now on run through this list, until it is popped. */
	void PushCommandList(const TSharedRef<const FUICommandList>& InCommandList);
	/** Pops a list pushed with PushCommandList; the builder's own list stays. */
	void PopCommandList();
	/** The list that entries added now run through; may be null. */
	TSharedPtr<const FUICommandList> GetTopCommandList() const;

	const TSharedPtr<FExtender>& GetExtender() const { return Extender; }

private:
	TArray<TSharedPtr<const FUICommandList>> CommandListStack;
	TSharedPtr<FExtender> Extender;
};

class COMMANDS_API FMenuBarBuilder : public FMultiBoxBuilder
{
public:
	FMenuBarBuilder(const TSharedPtr<const FUICommandList>& InCommandList, const TSharedPtr<FExtender>& InExtender = nullptr);

	/**
	 * Adds a pull-down whose content the delegate fills when it opens.
	 * Extensions hooked to InExtensionHook run before and after it.
	 */
	void AddPullDownMenu(const FText& InMenuLabel, const FText& InToolTip, const FNewMenuDelegate& InPullDownMenu, FName InExtensionHook = NAME_None,
		FName InTutorialHighlightName = NAME_None);

	const FMenuBarModel& GetModel() const { return Model; }

private:
	void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition);

	FMenuBarModel Model;
};

class COMMANDS_API FBaseMenuBuilder : public FMultiBoxBuilder
{
public:
	FBaseMenuBuilder(const TSharedPtr<const FUICommandList>& InCommandList, const TSharedPtr<FExtender>& InExtender);

	/**
	 * Adds an entry that runs the command through the current command list.
	 * It shows the command's label, tooltip and icon unless overridden (an
	 * unset attribute or an empty icon keeps the command's own).
	 */
	void AddMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, FName InExtensionHook = NAME_None,
		const TAttribute<FText>& InLabelOverride = TAttribute<FText>(), const TAttribute<FText>& InToolTipOverride = TAttribute<FText>(),
		const FSlateIcon& InIconOverride = FSlateIcon(), FName InTutorialHighlightName = NAME_None);

	/** Adds an entry that runs an action of its own rather than a command. */
	void AddMenuEntry(const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon, const FUIAction& InAction,
		FName InExtensionHook = NAME_None, EUserInterfaceActionType::Type InUserInterfaceActionType = EUserInterfaceActionType::Button,
		FName InTutorialHighlightName = NAME_None);

protected:
	/** Places a finished entry in the menu being built. */
	virtual void AddEntry(FMenuEntryModel&& Entry) = 0;
	virtual void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) = 0;

private:
	void AddHookedEntry(FMenuEntryModel&& Entry);
};

class COMMANDS_API FMenuBuilder : public FBaseMenuBuilder
{
public:
	FMenuBuilder(bool bInShouldCloseWindowAfterMenuSelection, const TSharedPtr<const FUICommandList>& InCommandList,
		const TSharedPtr<FExtender>& InExtender = nullptr);

	/**
	 * Starts a section, ending any open one. Extensions hooked to the section
	 * run before it (Before), first inside it (First), and last inside it at
	 * EndSection (After). Entries added outside any section go to a section
	 * without a hook of their own.
	 */
	void BeginSection(FName InExtensionHook, const TAttribute<FText>& InHeadingText = TAttribute<FText>());
	void EndSection();

	/** Ends any open section and returns the menu built. */
	FMenuModel MakeModel();

protected:
	void AddEntry(FMenuEntryModel&& Entry) override;
	void ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition) override;

private:
	FMenuModel Model;
	bool bSectionOpen = false;
};
