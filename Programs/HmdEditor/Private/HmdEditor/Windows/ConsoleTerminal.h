// The Windows console as the interactive mode's screen: its own screen buffer
// shows the painted surface cell by cell (WriteConsoleOutputW), and the
// console's input records (ReadConsoleInputW) are the keys, clicks, mouse
// motion and size changes. The console's previous input mode and active
// screen buffer come back when it stops, and when the program crashes.
#pragma once

#include "Containers/Array.h"
#include "HmdEditor/FrontEnd/HostTerminal.h"
#include "HmdEditor/Windows/ConsoleInputDecoder.h"
#include "HmdEditor/Windows/WindowsConsoleIncludes.h"

#include <deque>

class FConsoleTerminal : public IHostTerminal
{
public:
	FConsoleTerminal();
	virtual ~FConsoleTerminal() override;

	FConsoleTerminal(const FConsoleTerminal&) = delete;
	FConsoleTerminal& operator=(const FConsoleTerminal&) = delete;

	virtual TValueOrError<void, std::string> Start() override;
	virtual void Stop() override;

	virtual int32 GetColumns() const override { return Columns; }
	virtual int32 GetRows() const override { return Rows; }

	virtual void Present(const FSlateSurface& Surface) override;
	virtual FHostInputEvent ReadInput() override;

private:
	/**
	 * Reads the console window's size and makes the screen buffer exactly as
	 * big, so that it never scrolls. True when the size changed.
	 */
	bool UpdateSize();
	/** Reads the waiting input records into PendingEvents; false when the console's input is gone. */
	bool ReadRecords();

	HANDLE Input = INVALID_HANDLE_VALUE;
	HANDLE PreviousOutput = INVALID_HANDLE_VALUE;
	HANDLE Buffer = INVALID_HANDLE_VALUE;
	DWORD PreviousInputMode = 0;
	/** The console's own colours, for Normal cells. */
	WORD NormalAttributes = 0;
	bool bColour = true;
	int32 Columns = 0;
	int32 Rows = 0;
	FConsoleInputDecoder Decoder;
	/** Events decoded from records read together, and a held key's repeats, in order. */
	std::deque<FHostInputEvent> PendingEvents;
	TArray<CHAR_INFO> Cells;
};
