// Gives the screen back before a fatal error's message is printed, so that
// the message can be read: while the editor shows, standard error is kept
// off the screen and would otherwise be lost with the process.
#pragma once

#include "Misc/OutputDevice.h"

class IHostTerminal;

class FTerminalFatalGuard : public FOutputDevice
{
public:
	/** Listens to GLog from construction to destruction. */
	explicit FTerminalFatalGuard(IHostTerminal& InTerminal);
	virtual ~FTerminalFatalGuard() override;

	FTerminalFatalGuard(const FTerminalFatalGuard&) = delete;
	FTerminalFatalGuard& operator=(const FTerminalFatalGuard&) = delete;

	virtual void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;

private:
	IHostTerminal& Terminal;
};
