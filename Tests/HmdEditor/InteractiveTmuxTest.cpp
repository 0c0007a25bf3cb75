// The interactive program in a real terminal: tmux runs it, send-keys types
// and capture-pane reads the screen, from start to quit.
#include "Containers/StringConv.h"
#include "FileBytes.h"
#include "HAL/PlatformProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
		/** A value of the pane, through a tmux format such as "#{pane_pid}". */
		std::string Query(const std::string& Format) const
		{
			std::string Value = ReadCommandOutput("tmux -L " + Socket + " display-message -p -t editor " + Quote(Format) + " 2>/dev/null");
			while (!Value.empty() && Value.back() == '\n')
			{
				Value.pop_back();
			}
			return Value;
		}

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

	/** The program in a tmux pane against a documents folder of the test's own. */
	class HmdEditorInteractive : public testing::Test
	{
	protected:
		void SetUp() override
		{
			if (std::system("tmux -V > /dev/null 2>&1") != 0)
			{
				GTEST_SKIP() << "tmux is not installed";
			}
			Folder = std::filesystem::temp_directory_path() / ("hmd-editor-tmux-" + std::to_string(getpid()));
			Documents = Folder / "Documents";
			std::filesystem::create_directories(Documents);
			ConfigFile = Documents / "Orvek" / "Skellan_4.20" / "Config" / "OHeadSetConfig.json";
		}

		void TearDown() override
		{
			std::error_code Ignored;
			std::filesystem::remove_all(Folder, Ignored);
		}

		/**
		 * Starts the program in the pane through a shell that writes its exit
		 * status to StatusFile when it ends (tmux's own record of it comes
		 * late, or never, when the terminal closes first).
		 */
		void StartEditor(const FTmux& Tmux) const
		{
			const std::filesystem::path Program = std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / HMD_EDITOR_FILE_NAME;
			const std::string Command = "env XDG_STATE_HOME=" + Quote((Folder / "state").string()) + " " + Quote(Program.string())
				+ " --documents " + Quote(Documents.string()) + "; echo $? > " + Quote(StatusFile().string());
			ASSERT_EQ(Tmux.Run("new-session -d -s editor -x 100 -y 30 " + Quote(Command)), 0);
			ASSERT_TRUE(Tmux.WaitForText("Level Viewport")) << Tmux.CapturePane();
		}

		std::filesystem::path StatusFile() const { return Folder / "status"; }

		/** The program's process: the one child of the pane's shell. */
		static pid_t EditorProcess(const FTmux& Tmux)
		{
			const std::string Shell = Tmux.Query("#{pane_pid}");
			std::ifstream Children("/proc/" + Shell + "/task/" + Shell + "/children");
			pid_t Child = -1;
			Children >> Child;
			return Child;
		}

		/** The status the shell wrote when the program ended; empty when it did not end in time. */
		std::string WaitForExitStatus() const
		{
			const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
			std::string Status = ReadFileBytes(StatusFile());
			while (Status.find('\n') == std::string::npos && std::chrono::steady_clock::now() < Deadline)
			{
				std::this_thread::sleep_for(std::chrono::milliseconds(50));
				Status = ReadFileBytes(StatusFile());
			}
			return Status.substr(0, Status.find('\n'));
		}

		std::filesystem::path Folder;
		std::filesystem::path Documents;
		std::filesystem::path ConfigFile;
	};
}

TEST_F(HmdEditorInteractive, TheMainJobInATerminalFromStartToQuit)
{
	FTmux Tmux;
	StartEditor(Tmux);
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

	EXPECT_EQ(ReadFileBytes(ConfigFile), "{\r\n\t\"SubjectName\": \"Tracker 7\",\r\n\t\"EnableLogging\": true\r\n}");
	EXPECT_TRUE(std::filesystem::exists(Folder / "state" / "hmd-editor" / "hmd-editor.log"));
}

TEST_F(HmdEditorInteractive, SigtermWithTheWindowOpenSavesItAndEndsWith143)
{
	FTmux Tmux;
	StartEditor(Tmux);
	Tmux.SendKeys("F10 Right Right Right Right Enter");
	ASSERT_TRUE(Tmux.WaitForText("Hmd Setting")) << Tmux.CapturePane();
	Tmux.SendKeys("-l " + Quote("Stopped"));
	ASSERT_TRUE(Tmux.WaitForText("[Stopped_")) << Tmux.CapturePane();

	const pid_t Editor = EditorProcess(Tmux);
	ASSERT_GT(Editor, 0);
	ASSERT_EQ(kill(Editor, SIGTERM), 0);
	EXPECT_EQ(WaitForExitStatus(), "143") << Tmux.CapturePane();
	EXPECT_EQ(ReadFileBytes(ConfigFile), "{\r\n\t\"SubjectName\": \"Stopped\",\r\n\t\"EnableLogging\": false\r\n}");
}
