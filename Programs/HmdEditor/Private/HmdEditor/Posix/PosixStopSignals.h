// The stop signals as a signal set, for POSIX waits that hold them back
// while the note is looked at and let them through only inside pselect or
// ppoll, so that a signal coming just before the wait still ends it.
#pragma once

#include <csignal>

namespace StopSignals
{
	sigset_t MakeStopSignalSet();
}
