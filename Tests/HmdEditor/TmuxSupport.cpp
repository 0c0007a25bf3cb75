#include "TmuxSupport.h"

#include "Containers/StringConv.h"
#include "FileBytes.h"
#include "HAL/PlatformProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace
{
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

	int NextServer = 0;
}

std::string QuoteForShell(const std::string& Text)
{
	std::string Quoted = "'";
	for (const char Character : Text)
	{
		Quoted += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
	}
	return Quoted + "'";
}

bool WaitUntil(const std::function<bool()>& Condition)
{
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
	while (std::chrono::steady_clock::now() < Deadline)
	{
		if (Condition())
		{
			return true;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(50));
	}
	return Condition();
}

FTmux::FTmux() : Socket("hmd-editor-test-" + std::to_string(getpid()) + "-" + std::to_string(NextServer++))
{
}

FTmux::~FTmux()
{
	Run("kill-server");
}

int FTmux::Run(const std::string& Arguments) const
{
	return std::system(("tmux -L " + Socket + " " + Arguments + " > /dev/null 2>&1").c_str());
}

std::string FTmux::CapturePane() const
{
	return ReadCommandOutput("tmux -L " + Socket + " capture-pane -p -t editor 2>/dev/null");
}

std::string FTmux::CaptureStyledPane() const
{
	return ReadCommandOutput("tmux -L " + Socket + " capture-pane -p -e -t editor 2>/dev/null");
}

void FTmux::SendKeys(const std::string& Keys) const
{
	Run("send-keys -t editor " + Keys);
}

void FTmux::Paste(const std::string& Text) const
{
	Run("set-buffer -b pasted -- " + QuoteForShell(Text));
	Run("paste-buffer -p -d -b pasted -t editor");
}

bool FTmux::IsRunning() const
{
	return Run("has-session -t editor") == 0;
}

std::string FTmux::Query(const std::string& Format) const
{
	std::string Value = ReadCommandOutput("tmux -L " + Socket + " display-message -p -t editor " + QuoteForShell(Format) + " 2>/dev/null");
	while (!Value.empty() && Value.back() == '\n')
	{
		Value.pop_back();
	}
	return Value;
}

bool FTmux::WaitFor(const std::function<bool(const std::string&)>& Condition) const
{
	return WaitUntil([this, &Condition]() { return Condition(CapturePane()); });
}

bool FTmux::WaitForText(const std::string& Text) const
{
	return WaitFor([&Text](const std::string& Screen) { return Screen.find(Text) != std::string::npos; });
}

bool FTmux::WaitForExit() const
{
	return WaitUntil([this]() { return !IsRunning(); });
}

bool FTmux::WaitForQuery(const std::string& Format, const std::string& Value) const
{
	return WaitUntil([this, &Format, &Value]() { return Query(Format) == Value; });
}

void HmdEditorInteractive::SetUp()
{
	if (std::system("tmux -V > /dev/null 2>&1") != 0)
	{
		GTEST_SKIP() << "tmux is not installed";
	}
	Documents = Folder / "Documents";
	std::filesystem::create_directories(Documents);
	ConfigFile = Documents / "Orvek" / "Skellan_4.20" / "Config" / "OHeadSetConfig.json";
}

void HmdEditorInteractive::StartEditor(const FTmux& Tmux, const std::string& Environment, int Columns) const
{
	StartInPane(Tmux, EditorCommand(Environment) + "; echo $? > " + QuoteForShell(StatusFile().string()), Columns);
	ASSERT_TRUE(Tmux.WaitForText("Level Viewport")) << Tmux.CapturePane();
}

std::string HmdEditorInteractive::EditorCommand(const std::string& Environment) const
{
	const std::filesystem::path Program = std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / HMD_EDITOR_FILE_NAME;
	return "env " + Environment + " XDG_STATE_HOME=" + QuoteForShell((Folder / "state").string()) + " " + QuoteForShell(Program.string())
		+ " --documents " + QuoteForShell(Documents.string());
}

void HmdEditorInteractive::StartInPane(const FTmux& Tmux, const std::string& Command, int Columns)
{
	ASSERT_EQ(Tmux.Run("new-session -d -s editor -x " + std::to_string(Columns) + " -y 30 " + QuoteForShell(Command)), 0);
}

void HmdEditorInteractive::OpenSettings(const FTmux& Tmux)
{
	Tmux.SendKeys("F10 Right Right Right Right Enter");
	ASSERT_TRUE(Tmux.WaitForText("Hmd Name")) << Tmux.CapturePane();
}

void HmdEditorInteractive::CloseSettings(const FTmux& Tmux)
{
	Tmux.SendKeys("Escape");
	ASSERT_TRUE(Tmux.WaitFor([](const std::string& Screen) { return Screen.find("Hmd Name") == std::string::npos; })) << Tmux.CapturePane();
}

std::string HmdEditorInteractive::ReadSettings() const
{
	const std::string Bytes = ReadFileBytes(ConfigFile);
	return Bytes.starts_with("\xFF\xFE") ? ReadCommandOutput("iconv -f UTF-16 -t UTF-8 " + QuoteForShell(ConfigFile.string())) : Bytes;
}

pid_t HmdEditorInteractive::EditorProcess(const FTmux& Tmux)
{
	const std::string Shell = Tmux.Query("#{pane_pid}");
	std::ifstream Children("/proc/" + Shell + "/task/" + Shell + "/children");
	pid_t Child = -1;
	Children >> Child;
	return Child;
}

std::string HmdEditorInteractive::WaitForExitStatus() const
{
	std::string Status;
	WaitUntil([this, &Status]()
	{
		Status = ReadFileBytes(StatusFile());
		return Status.find('\n') != std::string::npos;
	});
	return Status.substr(0, Status.find('\n'));
}
