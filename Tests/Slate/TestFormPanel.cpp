#include "TestFormPanel.h"

void STestFormPanel::Construct(const FArguments& /*InArgs*/)
{
	const FText NameText = NSLOCTEXT("SlateTestFormPanel", "Nickname", "Nickname");
	const FText HintsText = NSLOCTEXT("SlateTestFormPanel", "ShowHints", "Show Hints");

	ChildSlot
	[
		SNew(SBox).HAlign(HAlign_Fill).VAlign(VAlign_Center).Padding(FMargin(4.0f, 4.0f, 4.0f, 4.0f))
		[
			SAssignNew(Rows, SVerticalBox)
			+ SVerticalBox::Slot().AutoHeight().Padding(2.0f)
			[
				SAssignNew(NameRow, SHorizontalBox)
				+ SHorizontalBox::Slot().HAlign(HAlign_Left).FillWidth(0.5f)
				[
					SAssignNew(NameLabel, STextBlock).Text(NameText)
				]
				+ SHorizontalBox::Slot().HAlign(HAlign_Fill).FillWidth(0.5f)
				[
					SAssignNew(NameTextBox, SEditableTextBox).OnTextCommitted(this, &STestFormPanel::OnNameCommitted)
				]
			]
			+ SVerticalBox::Slot().AutoHeight().Padding(2.0f)
			[
				SAssignNew(HintsRow, SHorizontalBox)
				+ SHorizontalBox::Slot().HAlign(HAlign_Left).FillWidth(0.5f)
				[
					SAssignNew(HintsLabel, STextBlock).Text(HintsText)
				]
				+ SHorizontalBox::Slot().HAlign(HAlign_Fill).FillWidth(0.5f)
				[
					SAssignNew(HintsCheckBox, SCheckBox)
					.IsChecked(this, &STestFormPanel::IsShowHintsChecked)
					.OnCheckStateChanged(this, &STestFormPanel::OnShowHintsChanged)
				]
			]
		]
	];
	NameTextBox->SetText(FText::FromString(Nickname));
}

void STestFormPanel::OnNameCommitted(const FText& Text, ETextCommit::Type Kind)
{
	Nickname = Text.ToString();
	Commits.Add(Kind);
}

ECheckBoxState STestFormPanel::IsShowHintsChecked() const
{
	return bShowHints ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
}

void STestFormPanel::OnShowHintsChanged(ECheckBoxState NewState)
{
	bShowHints = NewState == ECheckBoxState::Checked;
	++StateChanges;
}
