// The one line that tells the user where a save went: logged at Log
// verbosity after the file is written, and only then.
#include "SettingsTestFixture.h"

#include "OrvekHmdSettingsWidget.h"

#include "HAL/FileManagerTesting.h"
#include "Shell/PlatformShell.h"

#include <filesystem>

class FSavedLineTest : public FSettingsTest
{
public:
	// The ways a case sets the save up.
	void LeaveAsItIs() {}
	void WriteStartingFile() { WriteConfig("{\"SubjectName\": \"A\", \"EnableLogging\": false}"); }
	void BlockTheFile() { std::filesystem::create_directories(ConfigFile()); }
	void RemoveTheDocumentsFolder() { FPlatformShell::SetKnownFolderOverride(FString()); }
};

namespace
{
	struct FSaveCase
	{
		const char* Description;
		/** Makes the save go the way the case wants, before the panel opens. */
		void (FSavedLineTest::*Prepare)();
		bool bWritten;
	};
}

TEST_F(FSavedLineTest, OneLogLineNamesTheFileAfterEachWrittenSaveAndNoneOtherwise)
{
	const FSaveCase Cases[] = {
		{"a new file", &FSavedLineTest::LeaveAsItIs, true},
		{"a file replaced", &FSavedLineTest::WriteStartingFile, true},
		{"a folder in the file's place", &FSavedLineTest::BlockTheFile, false},
		{"no documents folder", &FSavedLineTest::RemoveTheDocumentsFolder, false},
	};
	for (const FSaveCase& Case : Cases)
	{
		std::filesystem::remove_all(Documents);
		std::filesystem::create_directories(Documents);
		FPlatformShell::SetKnownFolderOverride(FString(Documents.u16string()));
		(this->*Case.Prepare)();
		const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
		Log.Clear();
		ClosePanel(Panel);

		const TArray<FString> Lines = Log.LinesOf(ELogVerbosity::Log);
		if (Case.bWritten)
		{
			ASSERT_EQ(Lines.Num(), 1) << Case.Description;
			EXPECT_EQ(Lines[0], FString(TEXT("LogOrvekHmdSettings: Saved the HMD settings to ")) + ConfigFilePath()) << Case.Description;
		}
		else
		{
			EXPECT_TRUE(Lines.IsEmpty()) << Case.Description;
		}
	}
}

TEST_F(FSavedLineTest, AFailedWriteLogsTheWarningAndNoSavedLine)
{
	const TSharedRef<SOrvekHmdSettingsWidget> Panel = OpenPanel();
	Log.Clear();
	FFileManagerTesting::SetWriteFault(EFileWriteFault::Rename);
	ClosePanel(Panel);
	FFileManagerTesting::SetWriteFault(EFileWriteFault::None);
	EXPECT_TRUE(Log.LinesOf(ELogVerbosity::Log).IsEmpty());
	EXPECT_EQ(Log.LinesOf(ELogVerbosity::Warning).Num(), 1);
}
