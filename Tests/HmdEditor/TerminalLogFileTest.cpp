#include "FileBytes.h"
#include "HmdEditor/FrontEnd/LogFileOutputDevice.h"
#include "HmdEditor/Terminal/TerminalLogFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(TerminalLogFile, PathFollowsXdgStateHomeThenHome)
{
	struct FCase { const char* StateHome; const char* Home; std::string Expected; };
	const FCase Cases[] = {
		{"/var/state", "/home/u", "/var/state/hmd-editor/hmd-editor.log"},
		{nullptr, "/home/u", "/home/u/.local/state/hmd-editor/hmd-editor.log"},
		{"", "/home/u", "/home/u/.local/state/hmd-editor/hmd-editor.log"},
		{"relative/state", "/home/u", "/home/u/.local/state/hmd-editor/hmd-editor.log"},
		{nullptr, nullptr, ""},
		{"", "", ""},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(GetTerminalLogFilePath(Case.StateHome, Case.Home), Case.Expected);
	}
}

TEST(TerminalLogFile, AppendsLinesAndCreatesTheFolders)
{
	const FTempFolder Folder;
	const std::filesystem::path Path = Folder.Native() / "deeper" / "hmd-editor.log";
	for (int Session = 0; Session < 2; ++Session)
	{
		FLogFileOutputDevice Device;
		const TValueOrError<void, std::string> Opened = Device.Open(Path.string());
		ASSERT_TRUE(Opened.HasValue()) << Opened.GetError();
		Device.Serialize(TEXT("Could not save"), ELogVerbosity::Warning, FName(TEXT("LogOrvekHmdSettings")));
	}
	const std::string Content = ReadFileBytes(Path);
	const std::string Line = "LogOrvekHmdSettings: Warning: Could not save\n";
	EXPECT_NE(Content.find(Line), std::string::npos);
	EXPECT_NE(Content.find(Line, Content.find(Line) + 1), std::string::npos) << "the second session appends";
	EXPECT_EQ(Content.rfind("--- hmd-editor started ", 0), 0u);
}

TEST(TerminalLogFile, HoldsLinesWhenTheFileCannotBeOpened)
{
	FLogFileOutputDevice Device;
	const TValueOrError<void, std::string> WithoutPlace = Device.Open("");
	ASSERT_TRUE(WithoutPlace.HasError());
	EXPECT_FALSE(WithoutPlace.GetError().empty());
	EXPECT_TRUE(Device.Open("/proc/no-such-folder/hmd-editor.log").HasError());
	Device.Serialize(TEXT("held"), ELogVerbosity::Warning, FName(TEXT("LogTest")));
	::testing::internal::CaptureStderr();
	Device.ReleaseHeldLines();
	Device.ReleaseHeldLines();
	EXPECT_EQ(::testing::internal::GetCapturedStderr(), "LogTest: Warning: held\n");
}
