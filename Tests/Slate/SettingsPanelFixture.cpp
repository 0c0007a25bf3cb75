#include "SettingsPanelFixture.h"

void STestSettingsPanel::Construct(const FArguments& /*InArgs*/)
{
	const FText HmdName = NSLOCTEXT("FOrvekHmdSettingsWidget", "HmdName", "Hmd Name");
	const FText EmptyName = NSLOCTEXT("FOrvekHmdSettingsWidget", "UndeterminedOrvekHmdName", "");
	const FText EnableLog = NSLOCTEXT("FOrvekHmdSettingsWidget", "EnableLog", "Enable Log");

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
					SAssignNew(NameLabel, STextBlock).Text(HmdName)
				]
				+ SHorizontalBox::Slot().HAlign(HAlign_Fill).FillWidth(0.5f)
				[
					SAssignNew(HmdNameTextBox, SEditableTextBox).Text(EmptyName).OnTextCommitted(this, &STestSettingsPanel::OnHmdNameCommitted)
				]
			]
			+ SVerticalBox::Slot().AutoHeight().Padding(2.0f)
			[
				SAssignNew(LogRow, SHorizontalBox)
				+ SHorizontalBox::Slot().HAlign(HAlign_Left).FillWidth(0.5f)
				[
					SAssignNew(LogLabel, STextBlock).Text(EnableLog)
				]
				+ SHorizontalBox::Slot().HAlign(HAlign_Fill).FillWidth(0.5f)
				[
					SAssignNew(EnableLogCheckBox, SCheckBox)
					.IsChecked(this, &STestSettingsPanel::IsEnableLogChecked)
					.OnCheckStateChanged(this, &STestSettingsPanel::OnEnableLogChanged)
				]
			]
		]
	];
	HmdNameTextBox->SetText(FText::FromString(SubjectName));
}

void STestSettingsPanel::OnHmdNameCommitted(const FText& Text, ETextCommit::Type Kind)
{
	SubjectName = Text.ToString();
	Commits.Add(Kind);
}

ECheckBoxState STestSettingsPanel::IsEnableLogChecked() const
{
	return EnableLogging ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
}

void STestSettingsPanel::OnEnableLogChanged(ECheckBoxState NewState)
{
	EnableLogging = NewState == ECheckBoxState::Checked;
	++StateChanges;
}
