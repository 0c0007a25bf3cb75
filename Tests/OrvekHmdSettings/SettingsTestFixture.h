// A temporary public documents folder, a running application and a log
// capture for each test of the settings module.
#pragma once

#include "Containers/UnrealString.h"
#include "Input/Events.h"
#include "Misc/OutputDevice.h"
#include "Templates/SharedPointer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

class SOrvekHmdSettingsWidget;
class SWindow;

/** Keeps every log line written while it is attached. */
class FLogCapture : public FOutputDevice
{
public:
	void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;
	/** Lines of the given verbosity, formatted as the log shows them. */
	TArray<FString> LinesOf(ELogVerbosity::Type Verbosity) const;

private:
	TArray<FString> Lines;
	TArray<ELogVerbosity::Type> Verbosities;
};

class FSettingsTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	/** Makes the documents folder a new folder below the temporary root, by this name. */
	void UseDocumentsFolder(const std::u16string& Name);

	std::filesystem::path ConfigFile() const;
	FString ConfigFilePath() const;
	void WriteConfig(const std::string& Bytes) const;
	std::string ReadConfig() const;

	/** Builds a panel inside an open window, as the settings window holds it; the name box has the focus. */
	TSharedRef<SOrvekHmdSettingsWidget> OpenPanel();
	/** Closes the window and saves, as the module does at close. */
	void ClosePanel(const TSharedRef<SOrvekHmdSettingsWidget>& Panel);

	void Type(const FString& Text) const;
	void Press(const FKey& Key, bool bShift = false) const;
	/** The painted screen, one string per row. */
	TArray<FString> Screen() const;
	bool ScreenShows(const FString& Text) const;

	std::filesystem::path Root;
	std::filesystem::path Documents;
	FLogCapture Log;
	TSharedPtr<SWindow> Window;
};

/** Shows engine text readably in test failures. */
void PrintTo(const FString& Text, std::ostream* Out);

/** Engine text from a UTF-8 literal. */
FString Utf8(const char* Text);
