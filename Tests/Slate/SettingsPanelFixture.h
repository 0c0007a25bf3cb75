// A panel built exactly the way the editor's settings panel builds its tree,
// used by the layout, painting and window tests.
#pragma once

#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Text/STextBlock.h"

class STestSettingsPanel : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(STestSettingsPanel) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void OnHmdNameCommitted(const FText& Text, ETextCommit::Type Kind);
	ECheckBoxState IsEnableLogChecked() const;
	void OnEnableLogChanged(ECheckBoxState NewState);

	TSharedPtr<SEditableTextBox> HmdNameTextBox;
	TSharedPtr<SCheckBox> EnableLogCheckBox;
	TSharedPtr<SHorizontalBox> NameRow;
	TSharedPtr<SHorizontalBox> LogRow;
	TSharedPtr<STextBlock> NameLabel;
	TSharedPtr<STextBlock> LogLabel;
	TSharedPtr<SVerticalBox> Rows;

	FString SubjectName;
	bool EnableLogging = false;
	TArray<ETextCommit::Type> Commits;
	int32 StateChanges = 0;
};
