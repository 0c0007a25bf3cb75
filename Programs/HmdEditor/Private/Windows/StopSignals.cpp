#include "App/StopSignals.h"

#include <algorithm>
#include <csignal>
#include <thread>

namespace
{
	// Ctrl+C, Ctrl+Break, and SIGTERM raised in the process.
	constexpr int StopSignalNumbers[] = {SIGINT, SIGBREAK, SIGTERM};

	/** How often a sleep looks at the note: the handlers run on a thread of their own here. */
	constexpr std::chrono::milliseconds SleepSlice(20);
}

void StopSignals::Install()
{
	for (const int Signal : StopSignalNumbers)
	{
		if (std::signal(Signal, &StopSignals::OnStopSignal) == SIG_IGN)
		{
			std::signal(Signal, SIG_IGN);
		}
	}
}

bool StopSignals::Sleep(std::chrono::nanoseconds Duration)
{
	const auto Deadline = std::chrono::steady_clock::now() + Duration;
	while (GetReceived() == 0)
	{
		const auto Left = Deadline - std::chrono::steady_clock::now();
		if (Left.count() <= 0)
		{
			break;
		}
		std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(Left, SleepSlice));
	}
	return GetReceived() == 0;
}
