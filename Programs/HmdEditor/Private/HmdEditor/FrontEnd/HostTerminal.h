// IHostTerminal: what the interactive mode needs of the screen it runs on,
// a POSIX terminal (Terminal/, through ncurses) or a Windows console
// (Windows/). Everything above it — turning input into the application's
// events, the main window, menus and windows — is shared by both
// (FrontEnd/TerminalFrontEnd.h).
#pragma once

#include "CoreTypes.h"
#include "HmdEditor/Input/HostInput.h"
#include "Templates/ValueOrError.h"

#include <memory>
#include <string>

class FSlateSurface;

class IHostTerminal
{
public:
	virtual ~IHostTerminal() = default;

	/**
	 * Takes the screen over: full screen, raw keys (so Ctrl+Q and Ctrl+C
	 * reach the editor), mouse and paste reporting. The error says why when
	 * standard input and output are no usable terminal.
	 */
	virtual TValueOrError<void, std::string> Start() = 0;
	/** Gives the screen back as it was before Start. Safe to call more than once. */
	virtual void Stop() = 0;

	virtual int32 GetColumns() const = 0;
	virtual int32 GetRows() const = 0;

	/** Draws the surface (one surface cell a screen column) and puts the cursor where the surface shows one. */
	virtual void Present(const FSlateSurface& Surface) = 0;

	/**
	 * Waits for the next key press, click, motion, paste or resize;
	 * EndOfInput when the input is gone or a stop signal came.
	 */
	virtual FHostInputEvent ReadInput() = 0;
};

/** The terminal of this system: the ncurses one on POSIX, the console on Windows. */
std::unique_ptr<IHostTerminal> MakePlatformTerminal();

/** Where the interactive mode writes its log file on this system. */
std::string GetHostLogFilePath();
