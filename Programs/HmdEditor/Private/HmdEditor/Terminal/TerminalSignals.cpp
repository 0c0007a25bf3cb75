#include "HmdEditor/Terminal/TerminalSignals.h"

#include "HmdEditor/App/StopSignals.h"
#include "HmdEditor/Posix/PosixStopSignals.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <pthread.h>
#include <sys/select.h>
#include <unistd.h>

namespace
{
	constexpr int NotedSignals[] = {SIGWINCH, SIGTSTP, SIGCONT};
	constexpr int FatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

	std::atomic<bool> GResized = false;
	std::atomic<bool> GSuspendRequested = false;
	std::atomic<bool> GContinued = false;
	static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only touch a lock-free atomic");

	// What the fatal handler writes, prepared before any signal can come.
	char GRestoreSequence[256] = {};
	SIZE_T GRestoreLength = 0;
	termios GSavedModes = {};
	volatile sig_atomic_t GTakenOver = 0;

	// The fatal handler runs on a stack of its own, so that a stack overflow can still give the terminal back.
	alignas(16) char GFatalStack[64 * 1024];
	stack_t GPreviousStack = {};

	struct sigaction GPreviousNoted[std::size(NotedSignals)] = {};
	struct sigaction GPreviousFatal[std::size(FatalSignals)] = {};
	bool GInstalled = false;

	void OnNotedSignal(int Signal)
	{
		switch (Signal)
		{
		case SIGWINCH: GResized = true; break;
		case SIGTSTP: GSuspendRequested = true; break;
		case SIGCONT: GContinued = true; break;
		default: break;
		}
	}

	void OnFatalSignal(int Signal)
	{
		if (GTakenOver != 0)
		{
			// write(2) and tcsetattr are async-signal-safe; nothing here touches ncurses or the heap.
			for (SIZE_T Written = 0; Written < GRestoreLength;)
			{
				const ssize_t Count = write(STDOUT_FILENO, GRestoreSequence + Written, GRestoreLength - Written);
				if (Count <= 0 && errno != EINTR)
				{
					break;
				}
				Written += Count > 0 ? static_cast<SIZE_T>(Count) : 0;
			}
			tcsetattr(STDIN_FILENO, TCSANOW, &GSavedModes);
		}
		// SA_RESETHAND gave the signal its default action back and SA_NODEFER lets it through at once:
		// the process ends here, of this signal.
		raise(Signal);
	}

	sigset_t MakeHeldSet()
	{
		sigset_t Set = StopSignals::MakeStopSignalSet();
		for (const int Signal : NotedSignals)
		{
			sigaddset(&Set, Signal);
		}
		return Set;
	}

	bool HasNote()
	{
		return StopSignals::GetReceived() != 0 || GResized || GSuspendRequested || GContinued;
	}

	void InstallNotedHandler(int Signal, struct sigaction* Previous)
	{
		struct sigaction Action = {};
		Action.sa_handler = &OnNotedSignal;
		sigemptyset(&Action.sa_mask);
		// No SA_RESTART: the wait returns so that the loop sees the note.
		Action.sa_flags = 0;
		sigaction(Signal, &Action, Previous);
	}
}

void TerminalSignals::Install(std::string_view RestoreSequence, const termios& Saved)
{
	if (GInstalled)
	{
		return;
	}
	GInstalled = true;
	GRestoreLength = std::min(RestoreSequence.size(), sizeof(GRestoreSequence));
	std::memcpy(GRestoreSequence, RestoreSequence.data(), GRestoreLength);
	GSavedModes = Saved;
	GResized = false;
	GSuspendRequested = false;
	GContinued = false;

	for (SIZE_T Index = 0; Index < std::size(NotedSignals); ++Index)
	{
		InstallNotedHandler(NotedSignals[Index], &GPreviousNoted[Index]);
	}

	stack_t Stack = {};
	Stack.ss_sp = GFatalStack;
	Stack.ss_size = sizeof(GFatalStack);
	sigaltstack(&Stack, &GPreviousStack);
	struct sigaction Fatal = {};
	Fatal.sa_handler = &OnFatalSignal;
	sigemptyset(&Fatal.sa_mask);
	Fatal.sa_flags = SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
	for (SIZE_T Index = 0; Index < std::size(FatalSignals); ++Index)
	{
		sigaction(FatalSignals[Index], &Fatal, &GPreviousFatal[Index]);
	}
}

void TerminalSignals::Uninstall()
{
	if (!GInstalled)
	{
		return;
	}
	GInstalled = false;
	GTakenOver = 0;
	for (SIZE_T Index = 0; Index < std::size(FatalSignals); ++Index)
	{
		sigaction(FatalSignals[Index], &GPreviousFatal[Index], nullptr);
	}
	sigaltstack(&GPreviousStack, nullptr);
	for (SIZE_T Index = 0; Index < std::size(NotedSignals); ++Index)
	{
		sigaction(NotedSignals[Index], &GPreviousNoted[Index], nullptr);
	}
}

void TerminalSignals::SetTakenOver(bool bTakenOver)
{
	GTakenOver = bTakenOver ? 1 : 0;
}

TerminalSignals::EWaitResult TerminalSignals::WaitForReadable(int FileDescriptor, int32 TimeoutMilliseconds)
{
	const sigset_t Held = MakeHeldSet();
	sigset_t Previous;
	pthread_sigmask(SIG_BLOCK, &Held, &Previous);
	EWaitResult Result = EWaitResult::Signalled;
	if (!HasNote())
	{
		fd_set Readable;
		FD_ZERO(&Readable);
		FD_SET(FileDescriptor, &Readable);
		const timespec Timeout = {TimeoutMilliseconds / 1000, static_cast<long>(TimeoutMilliseconds % 1000) * 1000000L};
		const int Ready = pselect(FileDescriptor + 1, &Readable, nullptr, nullptr, TimeoutMilliseconds >= 0 ? &Timeout : nullptr, &Previous);
		if (Ready > 0)
		{
			Result = EWaitResult::Readable;
		}
		else if (Ready == 0)
		{
			Result = EWaitResult::TimedOut;
		}
		else if (errno != EINTR)
		{
			Result = EWaitResult::Failed;
		}
	}
	pthread_sigmask(SIG_SETMASK, &Previous, nullptr);
	return Result;
}

bool TerminalSignals::TakeResized()
{
	return GResized.exchange(false);
}

bool TerminalSignals::TakeSuspendRequest()
{
	return GSuspendRequested.exchange(false);
}

bool TerminalSignals::TakeContinued()
{
	return GContinued.exchange(false);
}

void TerminalSignals::StopProcess()
{
	struct sigaction Default = {};
	Default.sa_handler = SIG_DFL;
	sigemptyset(&Default.sa_mask);
	struct sigaction Ours = {};
	sigaction(SIGTSTP, &Default, &Ours);
	// The whole process group stops, as when the terminal sends the signal itself.
	kill(0, SIGTSTP);
	// Here once continued.
	sigaction(SIGTSTP, &Ours, nullptr);
	GSuspendRequested = false;
	GContinued = false;
}
