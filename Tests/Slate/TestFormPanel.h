// A small form of two labelled rows, a text box and a check box, each filling
// half of its row, used by the layout, painting, focus and window tests. It
// records what its widgets report.
#pragma once

#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Text/STextBlock.h"

class STestFormPanel : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(STestFormPanel) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void OnNameCommitted(const FText& Text, ETextCommit::Type Kind);
	ECheckBoxState IsShowHintsChecked() const;
	void OnShowHintsChanged(ECheckBoxState NewState);

	TSharedPtr<SEditableTextBox> NameTextBox;
	TSharedPtr<SCheckBox> HintsCheckBox;
	TSharedPtr<SHorizontalBox> NameRow;
	TSharedPtr<SHorizontalBox> HintsRow;
	TSharedPtr<STextBlock> NameLabel;
	TSharedPtr<STextBlock> HintsLabel;
	TSharedPtr<SVerticalBox> Rows;

	FString Nickname;
	bool bShowHints = false;
	TArray<ETextCommit::Type> Commits;
	int32 StateChanges = 0;
};
