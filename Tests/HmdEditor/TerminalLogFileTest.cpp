#include "FileBytes.h"
#include "FrontEnd/LogFileOutputDevice.h"
#include "Terminal/TerminalLogFile.h"

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
	const std::filesystem::path Folder = std::filesystem::temp_directory_path() / ("hmd-editor-log-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + std::to_string(reinterpret_cast<uintptr_t>(&Folder)));
	const std::filesystem::path Path = Folder / "deeper" / "hmd-editor.log";
	for (int Session = 0; Session < 2; ++Session)
	{
		FLogFileOutputDevice Device;
		std::string Error;
		ASSERT_TRUE(Device.Open(Path.string(), Error)) << Error;
		Device.Serialize(TEXT("Could not save"), ELogVerbosity::Warning, FName(TEXT("LogOrvekHmdSettings")));
	}
	const std::string Content = ReadFileBytes(Path);
	const std::string Line = "LogOrvekHmdSettings: Warning: Could not save\n";
	EXPECT_NE(Content.find(Line), std::string::npos);
	EXPECT_NE(Content.find(Line, Content.find(Line) + 1), std::string::npos) << "the second session appends";
	EXPECT_EQ(Content.rfind("--- hmd-editor started ", 0), 0u);
	std::filesystem::remove_all(Folder);
}

TEST(TerminalLogFile, HoldsLinesWhenTheFileCannotBeOpened)
{
	FLogFileOutputDevice Device;
	std::string Error;
	EXPECT_FALSE(Device.Open("", Error));
	EXPECT_FALSE(Error.empty());
	EXPECT_FALSE(Device.Open("/proc/no-such-folder/hmd-editor.log", Error));
	Device.Serialize(TEXT("held"), ELogVerbosity::Warning, FName(TEXT("LogTest")));
	::testing::internal::CaptureStderr();
	Device.ReleaseHeldLines();
	Device.ReleaseHeldLines();
	EXPECT_EQ(::testing::internal::GetCapturedStderr(), "LogTest: Warning: held\n");
}
