// FUICommandInfo: one command of a binding context, with what menus show of
// it: its label, tooltip, icon, kind and key chords.
#pragma once

#include "CommandsApi.h"
#include "Framework/Commands/InputChord.h"
#include "Internationalization/Text.h"
#include "Templates/SharedPointer.h"
#include "Textures/SlateIcon.h"
#include "UObject/NameTypes.h"

class FBindingContext;

/** How a command shows in a menu. */
namespace EUserInterfaceActionType
{
	enum Type
	{
		None,
		Button,
		ToggleButton,
		RadioButton,
		Check,
		CollapsedButton
	};
}

class COMMANDS_API FUICommandInfo
{
public:
	FUICommandInfo(FName InBindingContext, FName InCommandName, const FText& InLabel, const FText& InDescription, const FSlateIcon& InIcon,
		EUserInterfaceActionType::Type InUserInterfaceType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord);

	/**
	 * Makes a command of the context, stores it in OutCommand and registers it
	 * with the input binding manager, which from then on holds the context and
	 * the command.
	 */
	static void MakeCommandInfo(const TSharedRef<FBindingContext>& InContext, TSharedPtr<FUICommandInfo>& OutCommand, FName InCommandName,
		const FText& InLabel, const FText& InDescription, const FSlateIcon& InIcon, EUserInterfaceActionType::Type InUserInterfaceType,
		const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord = FInputChord());

	FName GetBindingContext() const { return BindingContext; }
	FName GetCommandName() const { return CommandName; }
	const FText& GetLabel() const { return Label; }
	/** The tooltip. */
	const FText& GetDescription() const { return Description; }
	const FSlateIcon& GetIcon() const { return Icon; }
	EUserInterfaceActionType::Type GetUserInterfaceType() const { return UserInterfaceType; }
	const FInputChord& GetDefaultChord(EMultipleKeyBindingIndex InChordIndex) const;
	/** The primary chord when it names a key, else the secondary; empty when neither does. */
	const FInputChord& GetFirstValidChord() const;
	bool HasDefaultChord() const { return GetFirstValidChord().IsValidChord(); }
	/** The first valid chord as a menu shows it; empty for none. */
	FText GetInputText() const { return GetFirstValidChord().GetInputText(); }

private:
	FName BindingContext;
	FName CommandName;
	FText Label;
	FText Description;
	FSlateIcon Icon;
	EUserInterfaceActionType::Type UserInterfaceType;
	FInputChord DefaultChords[static_cast<int32>(EMultipleKeyBindingIndex::NumChords)];
};
