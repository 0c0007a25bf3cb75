// Stop signals sent to a running hmd-editor --script: the open settings
// window is closed and saved once, then the program ends with status
// 128 + the signal's number, so that callers can tell an interrupted run
// from a finished one.
#include "EndToEndSupport.h"
#include "Posix/ChildProcess.h"
#include "Posix/StopSignalCases.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace
{
	/** Generous: a run that does not get there has hung. */
	constexpr std::chrono::seconds Patience(30);

	/** Counts the times a file is put in place in its folder (renamed there, or written there and closed), as each save does. */
	class FSaveCounter
	{
	public:
		explicit FSaveCounter(const std::filesystem::path& File)
			: Name(File.filename().string()), Notify(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
		{
			inotify_add_watch(Notify, File.parent_path().c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
		}
		~FSaveCounter() { close(Notify); }

		FSaveCounter(const FSaveCounter&) = delete;
		FSaveCounter& operator=(const FSaveCounter&) = delete;

		int Count()
		{
			alignas(inotify_event) char Buffer[4096];
			for (ssize_t Read; (Read = read(Notify, Buffer, sizeof(Buffer))) > 0;)
			{
				for (ssize_t Offset = 0; Offset < Read;)
				{
					const inotify_event* Event = reinterpret_cast<const inotify_event*>(Buffer + Offset);
					Saves += Event->len > 0 && Name == Event->name ? 1 : 0;
					Offset += static_cast<ssize_t>(sizeof(inotify_event) + Event->len);
				}
			}
			return Saves;
		}

	private:
		std::string Name;
		int Notify;
		int Saves = 0;
	};

	/** The state letter of /proc/PID/stat: 'S' while the process sleeps in a system call. */
	char ProcessState(pid_t Id)
	{
		std::ifstream Stat("/proc/" + std::to_string(Id) + "/stat");
		std::string Line;
		std::getline(Stat, Line);
		const std::size_t NameEnd = Line.rfind(')');
		return NameEnd != std::string::npos && NameEnd + 2 < Line.size() ? Line[NameEnd + 2] : '?';
	}

	class HmdEditorSignals : public FHmdEditorRunTest
	{
	protected:
		void SetUp() override
		{
			FHmdEditorRunTest::SetUp();
			// The folder is there beforehand so that the saves into it can be counted.
			std::filesystem::create_directories(ConfigFile.parent_path());
		}

		/** Starts the script against the test's documents folder; standard error goes to a file. */
		void StartScript(FChildProcess& Child, const std::string& Script)
		{
			ASSERT_TRUE(Child.Start({Program().string(), "--documents", Documents.string(), "--script", WriteScript(Script).string()},
				(Folder / "stderr.txt").string()));
		}

		/** Runs the script until it has printed its screen, then sends Signal and waits for the end. */
		FChildEnd SignalAfterTheScreen(const std::string& Script, int Signal)
		{
			FChildProcess Child;
			StartScript(Child, Script);
			EXPECT_TRUE(Child.WaitForOutput(EndOfScreen, Patience)) << Errors();
			EXPECT_TRUE(Child.SendSignal(Signal));
			return Child.Wait();
		}

		std::string Errors() const { return ReadFileBytes(Folder / "stderr.txt"); }
	};
}

TEST_F(HmdEditorSignals, AStopSignalDuringASleepClosesAndSavesTheWindowOnceThenEndsWith128PlusItsNumber)
{
	for (const FStopSignalCase& Case : StopSignalCases)
	{
		std::filesystem::remove(ConfigFile);
		FSaveCounter Saves(ConfigFile);
		// Nothing after the sleep may run: the name stays as typed before it.
		const FChildEnd End =
			SignalAfterTheScreen(OpenSettings + "type Signal " + Case.Name + "\nscreen\nsleep 30\ntype  never\nkey Escape\n", Case.Signal);
		EXPECT_TRUE(End.bExited) << Case.Name << " killed the program";
		EXPECT_EQ(End.Code, Case.ExpectedStatus) << Case.Name;
		EXPECT_EQ(Errors(), "") << Case.Name;
		const std::u16string Name = u"Signal " + std::u16string(Case.Name, Case.Name + std::char_traits<char>::length(Case.Name));
		EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(Name, false)) << Case.Name;
		EXPECT_EQ(Saves.Count(), 1) << Case.Name;
	}
}

TEST_F(HmdEditorSignals, AStopSignalWithoutTheWindowOpenSavesNothingAndEndsTheSameWay)
{
	for (const FStopSignalCase& Case : StopSignalCases)
	{
		FSaveCounter Saves(ConfigFile);
		const FChildEnd End = SignalAfterTheScreen("screen\nsleep 30\n" + OpenSettings, Case.Signal);
		EXPECT_TRUE(End.bExited) << Case.Name << " killed the program";
		EXPECT_EQ(End.Code, Case.ExpectedStatus) << Case.Name;
		EXPECT_EQ(Errors(), "") << Case.Name;
		EXPECT_FALSE(std::filesystem::exists(ConfigFile)) << Case.Name;
		EXPECT_EQ(Saves.Count(), 0) << Case.Name;
	}
}

TEST_F(HmdEditorSignals, AStopSignalWhileTheScriptIsReadRunsNoneOfIt)
{
	// The script comes from a pipe that the test holds open: the program waits in its read until the signal comes.
	FChildProcess Child;
	ASSERT_TRUE(Child.Start({Program().string(), "--documents", Documents.string(), "--script", "-"}, (Folder / "stderr.txt").string()));
	ASSERT_TRUE(Child.WriteInput(OpenSettings + "type lost\n"));

	// Asleep in the read, the program is past its start and waits for the rest of the script.
	const auto Deadline = std::chrono::steady_clock::now() + Patience;
	while (ProcessState(Child.GetId()) != 'S' && std::chrono::steady_clock::now() < Deadline)
	{
		std::this_thread::sleep_for(std::chrono::milliseconds(5));
	}
	ASSERT_EQ(ProcessState(Child.GetId()), 'S');
	ASSERT_TRUE(Child.SendSignal(SIGTERM));

	const FChildEnd End = Child.Wait();
	EXPECT_TRUE(End.bExited) << "killed by signal " << End.Code;
	EXPECT_EQ(End.Code, 143);
	EXPECT_EQ(Errors(), "hmd-editor: stopped by a signal while reading the script from standard input\n");
	EXPECT_FALSE(std::filesystem::exists(ConfigFile)) << "the part read ran";
}
