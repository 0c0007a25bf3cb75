// The terminal through ncurses: shows painted surfaces and reads keys, mouse
// clicks and size changes. Only the interactive mode uses it.
#pragma once

#include "Containers/Array.h"
#include "Input/HostInput.h"
#include "Misc/OutputDevice.h"
#include "Terminal/TerminalKeyDecoder.h"
#include "Terminal/TerminalRowLayout.h"

#include <string>

class FSlateSurface;
struct _win_st;
struct screen;

class FTerminalScreen
{
public:
	FTerminalScreen();
	~FTerminalScreen();

	FTerminalScreen(const FTerminalScreen&) = delete;
	FTerminalScreen& operator=(const FTerminalScreen&) = delete;

	/**
	 * Takes over the terminal: full screen, raw keys (so Ctrl+Q reaches the
	 * editor), mouse clicks, and a short escape delay unless $ESCDELAY sets
	 * one. Returns false with Error set when standard input and output are
	 * not a usable terminal.
	 */
	bool Start(std::string& Error);
	/** Gives the terminal back as it was. Safe to call more than once. */
	void Stop();

	int32 GetColumns() const;
	int32 GetRows() const;

	/** Draws the surface and puts the terminal's cursor where the surface shows one. */
	void Present(const FSlateSurface& Surface);

	/** Waits for the next key press, click or resize; EndOfInput when the terminal is gone or a stop signal came. */
	FHostInputEvent ReadInput();

private:
	/** Ends the full-screen mode before a fatal error's message, so that the message can be read. */
	class FFatalGuard : public FOutputDevice
	{
	public:
		explicit FFatalGuard(FTerminalScreen& InScreen) : Screen(InScreen) {}
		virtual void Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category) override;

	private:
		FTerminalScreen& Screen;
	};

	bool ReadRaw(FTerminalInput& Out, bool bWait);
	bool MakeClick(FHostInputEvent& Out);

	screen* Screen = nullptr;
	_win_st* Window = nullptr;
	FFatalGuard FatalGuard;
	/** The layout of each row as last presented, for mapping clicks back to cells. */
	TArray<FTerminalRow> PresentedRows;
	/** Input read after an Escape that turned out not to belong to it. */
	bool bHasPendingInput = false;
	FTerminalInput PendingInput;
};
