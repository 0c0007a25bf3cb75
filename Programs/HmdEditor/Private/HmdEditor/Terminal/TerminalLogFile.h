// Where the log file of the interactive mode lives on POSIX systems: in the
// XDG state folder (GetHostLogFilePath in FrontEnd/HostTerminal.h).
#pragma once

#include <string>

/**
 * The log file's path: $XDG_STATE_HOME/hmd-editor/hmd-editor.log when that
 * variable holds an absolute path, else $HOME/.local/state/hmd-editor/hmd-editor.log.
 * Empty when neither variable helps. Either argument may be null.
 */
std::string GetTerminalLogFilePath(const char* XdgStateHome, const char* Home);
