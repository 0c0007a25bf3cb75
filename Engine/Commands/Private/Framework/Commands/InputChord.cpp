#include "Framework/Commands/InputChord.h"

FText FInputChord::GetInputText() const
{
	if (!IsValidChord())
	{
		return FText::GetEmpty();
	}
	FString Text;
	if (bCtrl)
	{
		Text += TEXT("Ctrl+");
	}
	if (bAlt)
	{
		Text += TEXT("Alt+");
	}
	if (bShift)
	{
		Text += TEXT("Shift+");
	}
	if (bCmd)
	{
		Text += TEXT("Cmd+");
	}
	Text += Key.GetFName().ToString();
	return FText::FromString(Text);
}
