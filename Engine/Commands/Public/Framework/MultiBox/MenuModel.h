// The plain model that the menu builders fill and a front end draws: a menu
// bar of pull-downs, each filled on demand with sections of entries. An entry
// runs through its own command list: for an entry added by an extension,
// that extension's list.
#pragma once

#include "CommandsApi.h"
#include "Containers/Array.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "Internationalization/Text.h"
#include "Templates/SharedPointer.h"
#include "Textures/SlateIcon.h"
#include "UObject/NameTypes.h"

class FExtender;
class FUICommandList;

struct COMMANDS_API FMenuEntryModel
{
	FText Label;
	FText ToolTip;
	/** The command's key chord as shown beside the label; empty when it has none. */
	FText InputText;
	FSlateIcon Icon;
	EUserInterfaceActionType::Type ActionType = EUserInterfaceActionType::Button;
	FName ExtensionHook;
	FName TutorialHighlightName;

	/** For a command entry: the command, run through CommandList. */
	TSharedPtr<const FUICommandInfo> Command;
	TSharedPtr<const FUICommandList> CommandList;
	/** For an entry made from an action rather than a command. */
	FUIAction Action;

	/** Whether the entry can be chosen now; a command not mapped in its list cannot. */
	bool IsEnabled() const;
	bool IsChecked() const;
	/** Runs the entry when it is enabled; reports whether it ran. */
	bool Execute() const;
};

struct FMenuSectionModel
{
	FName ExtensionHook;
	bool bHasHeading = false;
	FText Heading;
	TArray<FMenuEntryModel> Entries;
};

/** The content of an opened menu. */
struct FMenuModel
{
	TArray<FMenuSectionModel> Sections;
	bool bCloseWindowAfterMenuSelection = true;
};

struct COMMANDS_API FPullDownMenuModel
{
	FText Label;
	FText ToolTip;
	FName ExtensionHook;
	FName TutorialHighlightName;
	/** Fills the pull-down each time it opens. */
	FNewMenuDelegate Content;
	/** The command list in force where the pull-down was added. */
	TSharedPtr<const FUICommandList> CommandList;
	/** The menu bar's extenders, applied inside the pull-down too. */
	TSharedPtr<FExtender> Extender;

	/** Builds the pull-down's content afresh. */
	FMenuModel MakeContent() const;
};

struct COMMANDS_API FMenuBarModel
{
	TArray<FPullDownMenuModel> PullDowns;

	/** The index of the pull-down added with this extension hook, or INDEX_NONE. */
	int32 FindPullDown(FName ExtensionHook) const;
};
