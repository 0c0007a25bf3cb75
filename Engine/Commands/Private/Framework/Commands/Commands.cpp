#include "Framework/Commands/Commands.h"

#include <string>
#include <unordered_map>

TWeakPtr<FBindingContext>& CommandsInternal::GetCommandSetReference(const char* ClassTypeName)
{
	// Never destroyed, like the input binding manager; entries are stable in an unordered map.
	static auto* const References = new std::unordered_map<std::string, TWeakPtr<FBindingContext>>();
	return (*References)[ClassTypeName];
}

void UI_COMMAND_Function(FBindingContext* This, TSharedPtr<FUICommandInfo>& OutCommand, const TCHAR* OutSubNamespace, const TCHAR* OutCommandName,
	const TCHAR* OutCommandNameUnderscoreTooltip, const ANSICHAR* DotOutCommandName, const TCHAR* FriendlyName, const TCHAR* InDescription,
	EUserInterfaceActionType::Type CommandType, const FInputChord& InDefaultChord, const FInputChord& InAlternateDefaultChord)
{
	check(This != nullptr);
	const FText Label = FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(FriendlyName, OutSubNamespace, OutCommandName);
	const FText ToolTip =
		FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(InDescription, OutSubNamespace, OutCommandNameUnderscoreTooltip);
	const FSlateIcon Icon(This->GetStyleSetName(), FName(This->GetContextName().ToString() + FString(DotOutCommandName)));
	FUICommandInfo::MakeCommandInfo(This->AsShared(), OutCommand, FName(OutCommandName), Label, ToolTip, Icon, CommandType, InDefaultChord,
		InAlternateDefaultChord);
}
