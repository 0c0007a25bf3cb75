#include "HmdEditor/App/StopSignals.h"
#include "HmdEditor/Posix/PosixStopSignals.h"

#include <csignal>
#include <pthread.h>
#include <sys/select.h>

namespace
{
	constexpr int StopSignalNumbers[] = {SIGTERM, SIGHUP, SIGINT};
}

sigset_t StopSignals::MakeStopSignalSet()
{
	sigset_t Set;
	sigemptyset(&Set);
	for (const int Signal : StopSignalNumbers)
	{
		sigaddset(&Set, Signal);
	}
	return Set;
}

void StopSignals::Install()
{
	struct sigaction Action = {};
	Action.sa_handler = &StopSignals::OnStopSignal;
	// The handler runs with the other stop signals held back, so the first one is the one noted.
	Action.sa_mask = MakeStopSignalSet();
	// No SA_RESTART: a blocking read returns (EINTR) so that the loop waiting on it sees the signal.
	Action.sa_flags = 0;
	for (const int Signal : StopSignalNumbers)
	{
		struct sigaction Previous = {};
		if (sigaction(Signal, nullptr, &Previous) == 0 && Previous.sa_handler != SIG_IGN)
		{
			sigaction(Signal, &Action, nullptr);
		}
	}
}

bool StopSignals::Sleep(std::chrono::nanoseconds Duration)
{
	// The stop signals are held back while the note is looked at and let
	// through only inside pselect, which returns when one is handled: a
	// signal that comes just before the wait still ends it.
	const sigset_t StopSet = MakeStopSignalSet();
	sigset_t Previous;
	pthread_sigmask(SIG_BLOCK, &StopSet, &Previous);
	const auto Deadline = std::chrono::steady_clock::now() + Duration;
	while (GetReceived() == 0)
	{
		const auto Left = std::chrono::duration_cast<std::chrono::nanoseconds>(Deadline - std::chrono::steady_clock::now());
		if (Left.count() <= 0)
		{
			break;
		}
		const auto Seconds = std::chrono::duration_cast<std::chrono::seconds>(Left);
		const timespec Timeout = {static_cast<time_t>(Seconds.count()), static_cast<long>((Left - Seconds).count())};
		pselect(0, nullptr, nullptr, nullptr, &Timeout, &Previous);
	}
	pthread_sigmask(SIG_SETMASK, &Previous, nullptr);
	return GetReceived() == 0;
}
