// A temporary public documents folder, a running application and a log
// capture for each test of the settings module.
#pragma once

#include "Containers/UnrealString.h"
#include "Input/Events.h"
#include "Misc/OutputDevice.h"
#include "Templates/SharedPointer.h"

#include "EngineTextPrinters.h"
#include "FileBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class SOrvekHmdSettingsWidget;
class SWindow;

/** Keeps every log line written while it is attached. */
class FLogCapture : public FOutputDevice
{
public:
	void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;
	/** Lines of the given verbosity, formatted as the log shows them. */
	TArray<FString> LinesOf(ELogVerbosity::Type Verbosity) const;
	/** The warnings, one a line, in UTF-8. */
	std::string Warnings() const;
	/** Forgets the lines kept so far. */
	void Clear();

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
	/** Where a save keeps the content of a file that did not load cleanly. */
	std::filesystem::path BackupFile() const;
	void WriteConfig(const std::string& Bytes) const;
	std::string ReadConfig() const;
	/** The names in the folder that holds the file, sorted. */
	std::vector<std::string> ConfigFolderEntries() const;

	/**
	 * Runs Body as an ordinary user and returns what it returns. When this
	 * process is root, Body runs in a child that owns the temporary root and
	 * has dropped to user and group 65534; nothing, when privileges cannot be
	 * dropped. Body must not use test assertions: its text is the report.
	 */
	std::optional<std::string> RunAsOrdinaryUser(const std::function<std::string()>& Body);

	/** Builds a panel inside an open window, as the settings window holds it; the name box has the focus. */
	TSharedRef<SOrvekHmdSettingsWidget> OpenPanel();
	/** Closes the window and saves, as the module does at close. */
	void ClosePanel(const TSharedRef<SOrvekHmdSettingsWidget>& Panel);

	void Type(const FString& Text) const;
	void Press(const FKey& Key, bool bShift = false) const;
	/** The painted screen, one string per row. */
	TArray<FString> Screen() const;
	bool ScreenShows(const FString& Text) const;

	FTempFolder Temp;
	const std::filesystem::path& Root = Temp.Native();
	std::filesystem::path Documents;
	FLogCapture Log;
	TSharedPtr<SWindow> Window;
};

/** Engine text from a UTF-8 literal. */
FString Utf8(const char* Text);

/** The bytes of a file written in UTF-16 little-endian with its byte-order mark. */
std::string Utf16File(const std::u16string& Text);
