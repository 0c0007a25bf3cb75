#include "HmdEditor/App/StopSignals.h"

#include <atomic>

namespace
{
	std::atomic<int> GReceivedSignal = 0;
	static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch a lock-free atomic");
}

void StopSignals::OnStopSignal(int Signal)
{
	int None = 0;
	GReceivedSignal.compare_exchange_strong(None, Signal);
}

int StopSignals::GetReceived()
{
	return GReceivedSignal.load();
}

int StopSignals::GetExitStatus(int ExitCode)
{
	const int Signal = GetReceived();
	return Signal != 0 ? 128 + Signal : ExitCode;
}
