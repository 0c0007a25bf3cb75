// The settings panel: the "Hmd Name" and "Enable Log" rows of the "Hmd
// Setting" window. It loads the record from the configuration file when it
// is built, follows the user's commits and toggles in memory, and writes the
// record back when the module asks it to (at window close). The file's rules
// are OrvekHmdSettingsFile's; the panel adds the file access and tells the
// user, through the log, what went wrong with the file.
#pragma once

#include "OrvekHmdSettingsApi.h"
#include "OrvekHmdSettingsConfig.h"
#include "OrvekHmdSettingsFile.h"

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

	/** Full path of the configuration file; empty when the public documents folder is unknown or missing. */
	const FString& GetConfigFilePath() const { return ConfigFilePath; }
	/** The record as the panel holds it now. */
	const OrvekHmdSettingsConfig& GetConfig() const { return Config; }
	/** What the load found in the file's content; nothing when there was no file or it could not be read. */
	const FOrvekHmdSettingsFindings& GetLoadFindings() const { return LoadFindings; }

private:
	void BuildConfigFilePath();
	void LoadConfig();

	void OnHmdNameCommitted(const FText& InText, ETextCommit::Type InCommitType);
	ECheckBoxState IsEnableLogChecked() const;
	void OnEnableLogChanged(ECheckBoxState NewState);

	TSharedPtr<SEditableTextBox> HmdNameTextBox;
	TSharedPtr<SCheckBox> EnableLogCheckBox;
	/** The public documents folder, as the shell gave it; empty when unknown or missing. */
	FString DocumentsFolder;
	FString ConfigFilePath;
	OrvekHmdSettingsConfig Config;
	FOrvekHmdSettingsFindings LoadFindings;
	/**
	 * The file was there when the panel was built but could not be read.
	 * Nothing of it is known, so the save must not replace it.
	 */
	bool bFileUnreadable = false;
	/** Why the file could not be read. */
	FString ReadError;
};
