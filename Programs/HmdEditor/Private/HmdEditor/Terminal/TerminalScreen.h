// The POSIX terminal: ncurses draws the painted surfaces (one surface cell a
// screen column, in colour where the terminal has it) and keeps track of the
// size; the input bytes are read here and decoded by FTerminalInputDecoder,
// as UTF-8 whatever the locale. Ctrl+Z suspends the program inside this
// class; every way out (Stop, a suspend, a fatal error or signal) gives the
// terminal back as it was.
#pragma once

#include "Containers/Array.h"
#include "HmdEditor/FrontEnd/HostTerminal.h"
#include "HmdEditor/Input/HostInput.h"
#include "HmdEditor/Terminal/TerminalInputDecoder.h"
#include "HmdEditor/Terminal/TerminalStyles.h"

#include <string>
#include <termios.h>

class FSlateSurface;
struct _win_st;
struct screen;

class FTerminalScreen : public IHostTerminal
{
public:
	FTerminalScreen();
	virtual ~FTerminalScreen() override;

	FTerminalScreen(const FTerminalScreen&) = delete;
	FTerminalScreen& operator=(const FTerminalScreen&) = delete;

	/**
	 * Takes over the terminal: full screen, raw keys, mouse and bracketed
	 * paste reporting, colours unless NO_COLOR is set. Refuses, saying why,
	 * when standard input and output are no terminal, TERM names none, or
	 * the terminal cannot move its cursor (TERM=dumb).
	 */
	virtual TValueOrError<void, std::string> Start() override;
	virtual void Stop() override;

	virtual int32 GetColumns() const override;
	virtual int32 GetRows() const override;
	virtual void Present(const FSlateSurface& Surface) override;
	virtual FHostInputEvent ReadInput() override;

private:
	/** Checks TERM and prepares what a fatal signal writes; an error for a terminal that will not do. */
	TValueOrError<void, std::string> CheckTerminal();
	void ChooseCharacters();
	void StartColours();
	/** Puts the terminal in the editor's modes; LeaveScreen undoes it. Both are used again around a suspend. */
	void EnterScreen();
	void LeaveScreen();
	void Suspend();
	/** Reads the size the terminal has now into ncurses; the Resize event for it. */
	FHostInputEvent TakeNewSize();
	/** Reads and decodes what the terminal sent, waiting first; false when the input has ended. */
	bool ReadMore();
	void DrawCell(const FSlateSurface& Surface, int32 Column, int32 Row, int32 Columns);

	screen* Screen = nullptr;
	_win_st* Window = nullptr;
	bool bEntered = false;
	/** The terminal's modes before Start, put back on a fatal signal. */
	termios SavedModes = {};
	/** What gives the terminal back on a fatal signal: modes off, normal screen, attributes, cursor. */
	std::string RestoreSequence;
	/** Standard error while it is pointed away from the screen; -1 when it is not. */
	int SavedStandardError = -1;
	/** LC_CTYPE before Start, put back by Stop. */
	std::string SavedCharacterLocale;
	/** Whether the user's locale shows line-drawing characters, and whether any non-ASCII can be drawn. */
	bool bLineDrawing = false;
	bool bUnicodeOutput = false;
	/** The colour pair and attributes of each style, chosen at Start. */
	int16 StylePairs[TerminalStyleCount] = {};
	uint32 StyleAttributes[TerminalStyleCount] = {};
	int32 EscapeDelayMilliseconds = 0;
	FTerminalInputDecoder Decoder;
	/** Decoded events not yet delivered, from PendingIndex on. */
	TArray<FHostInputEvent> Pending;
	int32 PendingIndex = 0;
};
