#include "HmdEditor/FrontEnd/TerminalFatalGuard.h"

#include "Containers/StringConv.h"
#include "HmdEditor/FrontEnd/HostTerminal.h"

#include <cstdio>

FTerminalFatalGuard::FTerminalFatalGuard(IHostTerminal& InTerminal) : Terminal(InTerminal)
{
	GLog->AddOutputDevice(this);
}

FTerminalFatalGuard::~FTerminalFatalGuard()
{
	GLog->RemoveOutputDevice(this);
}

void FTerminalFatalGuard::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	if (Verbosity != ELogVerbosity::Fatal)
	{
		return;
	}
	Terminal.Stop();
	std::fprintf(stderr, "%s\n", StringConv::ToUtf8(FormatLogLine(Message, Verbosity, Category)).c_str());
}
