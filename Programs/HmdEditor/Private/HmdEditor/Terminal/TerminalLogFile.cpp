#include "HmdEditor/Terminal/TerminalLogFile.h"

#include "HmdEditor/FrontEnd/HostTerminal.h"

#include <cstdlib>

namespace
{
	bool IsUsable(const char* Variable, bool bMustBeAbsolute)
	{
		return Variable != nullptr && Variable[0] != '\0' && (!bMustBeAbsolute || Variable[0] == '/');
	}
}

std::string GetTerminalLogFilePath(const char* XdgStateHome, const char* Home)
{
	// Relative values of the XDG variables are to be ignored.
	if (IsUsable(XdgStateHome, true))
	{
		return std::string(XdgStateHome) + "/hmd-editor/hmd-editor.log";
	}
	if (IsUsable(Home, false))
	{
		return std::string(Home) + "/.local/state/hmd-editor/hmd-editor.log";
	}
	return std::string();
}

std::string GetHostLogFilePath()
{
	return GetTerminalLogFilePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}
