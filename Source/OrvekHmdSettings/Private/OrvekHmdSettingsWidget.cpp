#include "OrvekHmdSettingsWidget.h"

#include "Internationalization/Text.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#define LOCTEXT_NAMESPACE "FOrvekHmdSettingsWidget"

SOrvekHmdSettingsWidget::SOrvekHmdSettingsWidget()
{
	BuildConfigFilePath();
}

SOrvekHmdSettingsWidget::~SOrvekHmdSettingsWidget() = default;

void SOrvekHmdSettingsWidget::Construct(const FArguments& /*InArgs*/)
{
	LoadConfig();

	const FText HmdNameLabel = LOCTEXT("HmdName", "Hmd Name");
	const FText UndeterminedName = LOCTEXT("UndeterminedOrvekHmdName", "");
	const FText EnableLogLabel = LOCTEXT("EnableLog", "Enable Log");

	ChildSlot
	[
		SNew(SBox)
		.HAlign(HAlign_Fill)
		.VAlign(VAlign_Center)
		.Padding(FMargin(4.0f, 4.0f, 4.0f, 4.0f))
		[
			SNew(SVerticalBox)
			+ SVerticalBox::Slot()
			.AutoHeight()
			.Padding(2.0f)
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()
				.HAlign(HAlign_Left)
				.FillWidth(0.5f)
				[
					SNew(STextBlock)
					.Text(HmdNameLabel)
				]
				+ SHorizontalBox::Slot()
				.HAlign(HAlign_Fill)
				.FillWidth(0.5f)
				[
					SAssignNew(HmdNameTextBox, SEditableTextBox)
					.Text(UndeterminedName)
					.OnTextCommitted(this, &SOrvekHmdSettingsWidget::OnHmdNameCommitted)
				]
			]
			+ SVerticalBox::Slot()
			.AutoHeight()
			.Padding(2.0f)
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot()
				.HAlign(HAlign_Left)
				.FillWidth(0.5f)
				[
					SNew(STextBlock)
					.Text(EnableLogLabel)
				]
				+ SHorizontalBox::Slot()
				.HAlign(HAlign_Fill)
				.FillWidth(0.5f)
				[
					SAssignNew(EnableLogCheckBox, SCheckBox)
					.IsChecked(this, &SOrvekHmdSettingsWidget::IsEnableLogChecked)
					.OnCheckStateChanged(this, &SOrvekHmdSettingsWidget::OnEnableLogChanged)
				]
			]
		]
	];

	check(HmdNameTextBox.IsValid());
	HmdNameTextBox->SetText(FText::FromString(Config.SubjectName));
}

void SOrvekHmdSettingsWidget::OnHmdNameCommitted(const FText& InText, ETextCommit::Type /*InCommitType*/)
{
	// Every kind of commit counts the same, and the text is taken as typed.
	Config.SubjectName = InText.ToString();
}

ECheckBoxState SOrvekHmdSettingsWidget::IsEnableLogChecked() const
{
	return Config.EnableLogging ? ECheckBoxState::Checked : ECheckBoxState::Unchecked;
}

void SOrvekHmdSettingsWidget::OnEnableLogChanged(ECheckBoxState NewState)
{
	Config.EnableLogging = NewState == ECheckBoxState::Checked;
}

#undef LOCTEXT_NAMESPACE
