// The interactive program in a real terminal: tmux runs it, send-keys types
// and capture-pane reads the screen, from start to quit.
#include "Containers/StringConv.h"
#include "HAL/PlatformProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace
{
	std::string Quote(const std::string& Text)
	{
		std::string Quoted = "'";
		for (const char Character : Text)
		{
			Quoted += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
		}
		return Quoted + "'";
	}

	std::string ReadCommandOutput(const std::string& CommandLine)
	{
		std::string Output;
		if (std::FILE* Pipe = popen(CommandLine.c_str(), "r"))
		{
			char Buffer[4096];
			for (SIZE_T Count; (Count = std::fread(Buffer, 1, sizeof(Buffer), Pipe)) > 0;)
			{
				Output.append(Buffer, Count);
			}
			pclose(Pipe);
		}
		return Output;
	}

	/** A tmux server of the test's own, so that no user session is touched. */
	class FTmux
	{
	public:
		FTmux() : Socket("hmd-editor-test-" + std::to_string(getpid())) {}
		~FTmux() { Run("kill-server"); }

		int Run(const std::string& Arguments) const
		{
			return std::system(("tmux -L " + Socket + " " + Arguments + " > /dev/null 2>&1").c_str());
		}
		std::string CapturePane() const { return ReadCommandOutput("tmux -L " + Socket + " capture-pane -p -t editor 2>/dev/null"); }
		void SendKeys(const std::string& Keys) const { Run("send-keys -t editor " + Keys); }
		bool IsRunning() const { return Run("has-session -t editor") == 0; }

		/** Waits, up to a generous limit, until the screen satisfies Condition. */
		template <typename ConditionType>
		bool WaitFor(ConditionType Condition) const
		{
			const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
			while (std::chrono::steady_clock::now() < Deadline)
			{
				if (Condition(CapturePane()))
				{
					return true;
				}
				std::this_thread::sleep_for(std::chrono::milliseconds(50));
			}
			return false;
		}
		bool WaitForText(const std::string& Text) const
		{
			return WaitFor([&Text](const std::string& Screen) { return Screen.find(Text) != std::string::npos; });
		}
		bool WaitForExit() const
		{
			const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
			while (IsRunning() && std::chrono::steady_clock::now() < Deadline)
			{
				std::this_thread::sleep_for(std::chrono::milliseconds(50));
			}
			return !IsRunning();
		}

	private:
		std::string Socket;
	};
}

TEST(HmdEditorInteractive, TheMainJobInATerminalFromStartToQuit)
{
	if (std::system("tmux -V > /dev/null 2>&1") != 0)
	{
		GTEST_SKIP() << "tmux is not installed";
	}
	const std::filesystem::path Folder = std::filesystem::temp_directory_path() / ("hmd-editor-tmux-" + std::to_string(getpid()));
	const std::filesystem::path Documents = Folder / "Documents";
	std::filesystem::create_directories(Documents);
	const std::filesystem::path Program = std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / HMD_EDITOR_FILE_NAME;

	FTmux Tmux;
	const std::string Command = "env XDG_STATE_HOME=" + Quote((Folder / "state").string()) + " " + Quote(Program.string()) + " --documents "
		+ Quote(Documents.string());
	ASSERT_EQ(Tmux.Run("new-session -d -s editor -x 100 -y 30 " + Quote(Command)), 0);

	ASSERT_TRUE(Tmux.WaitForText("Level Viewport")) << Tmux.CapturePane();
	EXPECT_NE(Tmux.CapturePane().find(" File  Edit  Window  Help  Orvek Hmd"), std::string::npos) << Tmux.CapturePane();

	Tmux.SendKeys("F10 Right Right Right Right");
	ASSERT_TRUE(Tmux.WaitForText("> Orvek Hmd Settings")) << Tmux.CapturePane();
	EXPECT_NE(Tmux.CapturePane().find("Execute OrvekHmdSettings action"), std::string::npos) << "the status line shows the entry's tool tip";
	Tmux.SendKeys("Enter");
	ASSERT_TRUE(Tmux.WaitForText("Hmd Setting")) << Tmux.CapturePane();

	Tmux.SendKeys("-l " + Quote("Tracker 7"));
	ASSERT_TRUE(Tmux.WaitForText("[Tracker 7_")) << Tmux.CapturePane();
	Tmux.SendKeys("Tab Space");
	ASSERT_TRUE(Tmux.WaitForText("[x]")) << Tmux.CapturePane();
	Tmux.SendKeys("Escape");
	ASSERT_TRUE(Tmux.WaitFor([](const std::string& Screen) { return Screen.find("Hmd Name") == std::string::npos; })) << Tmux.CapturePane();

	Tmux.SendKeys("C-q");
	ASSERT_TRUE(Tmux.WaitForExit()) << Tmux.CapturePane();

	std::ifstream Stream(Documents / "Orvek" / "Skellan_4.20" / "Config" / "OHeadSetConfig.json", std::ios::binary);
	std::stringstream Saved;
	Saved << Stream.rdbuf();
	EXPECT_EQ(Saved.str(), "{\r\n\t\"SubjectName\": \"Tracker 7\",\r\n\t\"EnableLogging\": true\r\n}");
	EXPECT_TRUE(std::filesystem::exists(Folder / "state" / "hmd-editor" / "hmd-editor.log"));

	std::error_code Ignored;
	std::filesystem::remove_all(Folder, Ignored);
}
