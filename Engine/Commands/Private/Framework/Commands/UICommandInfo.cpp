#include "Framework/Commands/UICommandInfo.h"

#include "Framework/Commands/BindingContext.h"
#include "Framework/Commands/InputBindingManager.h"

FUICommandInfo::FUICommandInfo(FName InBindingContext, FName InCommandName, const FText& InLabel, const FText& InDescription,
	const FSlateIcon& InIcon, EUserInterfaceActionType::Type InUserInterfaceType, const FInputChord& InDefaultChord,
	const FInputChord& InAlternateDefaultChord)
	: BindingContext(InBindingContext)
	, CommandName(InCommandName)
	, Label(InLabel)
	, Description(InDescription)
	, Icon(InIcon)
	, UserInterfaceType(InUserInterfaceType)
	, DefaultChords{InDefaultChord, InAlternateDefaultChord}
{
}

void FUICommandInfo::MakeCommandInfo(const TSharedRef<FBindingContext>& InContext, TSharedPtr<FUICommandInfo>& OutCommand, FName InCommandName,
	const FText& InLabel, const FText& InDescription, const FSlateIcon& InIcon, EUserInterfaceActionType::Type InUserInterfaceType,
	const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord)
{
	check(!InCommandName.IsNone());
	const TSharedRef<FUICommandInfo> Command = MakeShared<FUICommandInfo>(
		InContext->GetContextName(), InCommandName, InLabel, InDescription, InIcon, InUserInterfaceType, InDefaultChord, InAlternateDefaultChord);
	OutCommand = Command;
	FInputBindingManager::Get().CreateInputCommand(InContext, Command);
}

const FInputChord& FUICommandInfo::GetDefaultChord(EMultipleKeyBindingIndex InChordIndex) const
{
	check(InChordIndex != EMultipleKeyBindingIndex::NumChords);
	return DefaultChords[static_cast<int32>(InChordIndex)];
}

const FInputChord& FUICommandInfo::GetFirstValidChord() const
{
	const FInputChord& Secondary = GetDefaultChord(EMultipleKeyBindingIndex::Secondary);
	const FInputChord& Primary = GetDefaultChord(EMultipleKeyBindingIndex::Primary);
	return !Primary.IsValidChord() && Secondary.IsValidChord() ? Secondary : Primary;
}
