#include "Framework/MultiBox/MultiBoxBuilder.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxExtender.h"

#include <utility>

FMultiBoxBuilder::FMultiBoxBuilder(const TSharedPtr<const FUICommandList>& InCommandList, const TSharedPtr<FExtender>& InExtender)
	: Extender(InExtender)
{
	CommandListStack.Add(InCommandList);
}

FMultiBoxBuilder::~FMultiBoxBuilder() = default;

void FMultiBoxBuilder::PushCommandList(const TSharedRef<const FUICommandList>& InCommandList)
{
	CommandListStack.Add(InCommandList);
}

void FMultiBoxBuilder::PopCommandList()
{
	checkf(CommandListStack.Num() > 1, "PopCommandList without a matching PushCommandList");
	CommandListStack.Pop();
}

TSharedPtr<const FUICommandList> FMultiBoxBuilder::GetTopCommandList() const
{
	return CommandListStack.Last();
}

FMenuBarBuilder::FMenuBarBuilder(const TSharedPtr<const FUICommandList>& InCommandList, const TSharedPtr<FExtender>& InExtender)
	: FMultiBoxBuilder(InCommandList, InExtender)
{
}

void FMenuBarBuilder::AddPullDownMenu(const FText& InMenuLabel, const FText& InToolTip, const FNewMenuDelegate& InPullDownMenu, FName InExtensionHook,
	FName InTutorialHighlightName)
{
	ApplyHook(InExtensionHook, EExtensionHook::Before);

	FPullDownMenuModel PullDown;
	PullDown.Label = InMenuLabel;
	PullDown.ToolTip = InToolTip;
	PullDown.ExtensionHook = InExtensionHook;
	PullDown.TutorialHighlightName = InTutorialHighlightName;
	PullDown.Content = InPullDownMenu;
	PullDown.CommandList = GetTopCommandList();
	PullDown.Extender = GetExtender();
	Model.PullDowns.Add(std::move(PullDown));

	ApplyHook(InExtensionHook, EExtensionHook::After);
}

void FMenuBarBuilder::ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition)
{
	if (GetExtender().IsValid() && !InExtensionHook.IsNone())
	{
		GetExtender()->Apply(InExtensionHook, HookPosition, *this);
	}
}

FBaseMenuBuilder::FBaseMenuBuilder(const TSharedPtr<const FUICommandList>& InCommandList, const TSharedPtr<FExtender>& InExtender)
	: FMultiBoxBuilder(InCommandList, InExtender)
{
}

void FBaseMenuBuilder::AddMenuEntry(const TSharedPtr<const FUICommandInfo>& InCommand, FName InExtensionHook, const TAttribute<FText>& InLabelOverride,
	const TAttribute<FText>& InToolTipOverride, const FSlateIcon& InIconOverride, FName InTutorialHighlightName)
{
	checkf(InCommand.IsValid(), "A menu entry needs a registered command");
	FMenuEntryModel Entry;
	Entry.Label = InLabelOverride.IsSet() ? InLabelOverride.Get() : InCommand->GetLabel();
	Entry.ToolTip = InToolTipOverride.IsSet() ? InToolTipOverride.Get() : InCommand->GetDescription();
	Entry.InputText = InCommand->GetInputText();
	Entry.Icon = InIconOverride.IsSet() ? InIconOverride : InCommand->GetIcon();
	Entry.ActionType = InCommand->GetUserInterfaceType();
	Entry.ExtensionHook = InExtensionHook;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	Entry.Command = InCommand;
	Entry.CommandList = GetTopCommandList();
	AddHookedEntry(std::move(Entry));
}

void FBaseMenuBuilder::AddMenuEntry(const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const FSlateIcon& InIcon,
	const FUIAction& InAction, FName InExtensionHook, EUserInterfaceActionType::Type InUserInterfaceActionType, FName InTutorialHighlightName)
{
	FMenuEntryModel Entry;
	Entry.Label = InLabel.Get();
	Entry.ToolTip = InToolTip.Get();
	Entry.Icon = InIcon;
	Entry.ActionType = InUserInterfaceActionType;
	Entry.ExtensionHook = InExtensionHook;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	Entry.Action = InAction;
	AddHookedEntry(std::move(Entry));
}

void FBaseMenuBuilder::AddHookedEntry(FMenuEntryModel&& Entry)
{
	const FName Hook = Entry.ExtensionHook;
	ApplyHook(Hook, EExtensionHook::Before);
	AddEntry(std::move(Entry));
	ApplyHook(Hook, EExtensionHook::After);
}

FMenuBuilder::FMenuBuilder(bool bInShouldCloseWindowAfterMenuSelection, const TSharedPtr<const FUICommandList>& InCommandList,
	const TSharedPtr<FExtender>& InExtender)
	: FBaseMenuBuilder(InCommandList, InExtender)
{
	Model.bCloseWindowAfterMenuSelection = bInShouldCloseWindowAfterMenuSelection;
}

void FMenuBuilder::BeginSection(FName InExtensionHook, const TAttribute<FText>& InHeadingText)
{
	EndSection();
	ApplyHook(InExtensionHook, EExtensionHook::Before);

	FMenuSectionModel Section;
	Section.ExtensionHook = InExtensionHook;
	Section.bHasHeading = InHeadingText.IsSet();
	Section.Heading = InHeadingText.Get();
	Model.Sections.Add(std::move(Section));
	bSectionOpen = true;

	ApplyHook(InExtensionHook, EExtensionHook::First);
}

void FMenuBuilder::EndSection()
{
	if (!bSectionOpen)
	{
		return;
	}
	ApplyHook(Model.Sections.Last().ExtensionHook, EExtensionHook::After);
	bSectionOpen = false;
}

FMenuModel FMenuBuilder::MakeModel()
{
	EndSection();
	return Model;
}

void FMenuBuilder::AddEntry(FMenuEntryModel&& Entry)
{
	if (!bSectionOpen)
	{
		Model.Sections.AddDefaulted();
		bSectionOpen = true;
	}
	Model.Sections.Last().Entries.Add(std::move(Entry));
}

void FMenuBuilder::ApplyHook(FName InExtensionHook, EExtensionHook::Position HookPosition)
{
	if (GetExtender().IsValid() && !InExtensionHook.IsNone())
	{
		GetExtender()->Apply(InExtensionHook, HookPosition, *this);
	}
}
