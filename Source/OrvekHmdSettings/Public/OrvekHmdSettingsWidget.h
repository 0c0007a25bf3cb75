// The settings panel: the "Hmd Name" and "Enable Log" rows of the "Hmd
// Setting" window. It loads the record from the configuration file when it
// is built, follows the user's commits and toggles in memory, and writes the
// record back when the module asks it to (at window close).
#pragma once

#include "OrvekHmdSettingsApi.h"
#include "OrvekHmdSettingsConfig.h"

#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SCompoundWidget.h"

class ORVEKHMDSETTINGS_API SOrvekHmdSettingsWidget : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SOrvekHmdSettingsWidget) {}
	SLATE_END_ARGS()

	/** Computes the configuration file's path; the record starts empty and off. */
	SOrvekHmdSettingsWidget();
	virtual ~SOrvekHmdSettingsWidget() override;

	/** Loads the record, then builds the two rows and shows the loaded name. */
	void Construct(const FArguments& InArgs);

	/** Takes the name box's current text into the record and writes the record to the file. */
	void SaveConfig();

	/** Full path of the configuration file; empty when the public documents folder is unknown. */
	const FString& GetConfigFilePath() const { return ConfigFilePath; }
	/** The record as the panel holds it now. */
	const OrvekHmdSettingsConfig& GetConfig() const { return Config; }

private:
	void BuildConfigFilePath();
	void LoadConfig();

	void OnHmdNameCommitted(const FText& InText, ETextCommit::Type InCommitType);
	ECheckBoxState IsEnableLogChecked() const;
	void OnEnableLogChanged(ECheckBoxState NewState);

	TSharedPtr<SEditableTextBox> HmdNameTextBox;
	TSharedPtr<SCheckBox> EnableLogCheckBox;
	FString ConfigFilePath;
	OrvekHmdSettingsConfig Config;
};
