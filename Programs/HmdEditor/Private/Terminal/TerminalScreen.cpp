#include "Terminal/TerminalScreen.h"

#include "App/StopSignals.h"
#include "Containers/StringConv.h"
#include "Rendering/SlateSurface.h"
#include "Terminal/TerminalKeyDecoder.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <curses.h>
#include <unistd.h>
#include <wchar.h>

// ncurses draws wchar_t text; on the systems this front end runs on it holds
// a whole code point.
static_assert(sizeof(wchar_t) == 4, "the terminal front end needs 32-bit wchar_t");

namespace
{
	/** An escape delay short enough that Escape acts at once, long enough for a sequence over ssh. */
	constexpr int ShortEscapeDelayMilliseconds = 25;

	int TerminalCharacterWidth(char32_t Character)
	{
		return wcwidth(static_cast<wchar_t>(Character));
	}
}

FTerminalScreen::FTerminalScreen() : FatalGuard(*this)
{
}

FTerminalScreen::~FTerminalScreen()
{
	Stop();
}

bool FTerminalScreen::Start(std::string& Error)
{
	if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
	{
		Error = "standard input and output must be a terminal (use --script FILE to run without one)";
		return false;
	}
	std::setlocale(LC_ALL, "");

	// newterm, unlike initscr, reports an unknown terminal instead of exiting.
	Screen = newterm(nullptr, stdout, stdin);
	if (Screen == nullptr)
	{
		const char* Term = std::getenv("TERM");
		Error = std::string("cannot use the terminal \"") + (Term != nullptr ? Term : "") + "\" (is TERM set?)";
		return false;
	}
	set_term(Screen);
	Window = stdscr;
	if (std::getenv("ESCDELAY") == nullptr)
	{
		set_escdelay(ShortEscapeDelayMilliseconds);
	}
	raw();
	noecho();
	nonl();
	keypad(Window, TRUE);
	mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
	// Report presses at once rather than waiting to see whether a click follows.
	mouseinterval(0);
	GLog->AddOutputDevice(&FatalGuard);
	return true;
}

void FTerminalScreen::Stop()
{
	if (Screen == nullptr)
	{
		return;
	}
	GLog->RemoveOutputDevice(&FatalGuard);
	endwin();
	delscreen(Screen);
	Screen = nullptr;
	Window = nullptr;
}

int32 FTerminalScreen::GetColumns() const
{
	return COLS;
}

int32 FTerminalScreen::GetRows() const
{
	return LINES;
}

void FTerminalScreen::Present(const FSlateSurface& Surface)
{
	werase(Window);
	PresentedRows.Empty(Surface.GetRows());
	const int32 Rows = std::min(Surface.GetRows(), static_cast<int32>(LINES));
	for (int32 Row = 0; Row < Rows; ++Row)
	{
		FTerminalRow Layout = LayoutTerminalRow(Surface.GetRowText(Row), COLS, &TerminalCharacterWidth);
		const std::wstring Text(Layout.Text.begin(), Layout.Text.end());
		mvwaddnwstr(Window, Row, 0, Text.c_str(), static_cast<int>(Text.size()));
		PresentedRows.Add(std::move(Layout));
	}

	const int32 CursorRow = Surface.GetCursorRow();
	if (Surface.IsCursorVisible() && PresentedRows.IsValidIndex(CursorRow))
	{
		wmove(Window, CursorRow, GetTerminalColumnOfCell(PresentedRows[CursorRow], Surface.GetCursorColumn()));
		curs_set(1);
	}
	else
	{
		curs_set(0);
	}
	wrefresh(Window);
}

bool FTerminalScreen::ReadRaw(FTerminalInput& Out, bool bWait)
{
	if (bHasPendingInput)
	{
		bHasPendingInput = false;
		Out = PendingInput;
		return true;
	}
	wtimeout(Window, bWait ? -1 : 0);
	wint_t Character = 0;
	const int Result = wget_wch(Window, &Character);
	wtimeout(Window, -1);
	if (Result == ERR)
	{
		return false;
	}
	Out = FTerminalInput{Result == KEY_CODE_YES, static_cast<uint32>(Character)};
	return true;
}

bool FTerminalScreen::MakeClick(FHostInputEvent& Out)
{
	MEVENT Mouse = {};
	if (getmouse(&Mouse) != OK || (Mouse.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) == 0)
	{
		return false;
	}
	Out.Kind = FHostInputEvent::EKind::MouseClick;
	Out.Click.Row = Mouse.y;
	Out.Click.Column = PresentedRows.IsValidIndex(Mouse.y) ? GetCellAtTerminalColumn(PresentedRows[Mouse.y], Mouse.x) : Mouse.x;
	return true;
}

FHostInputEvent FTerminalScreen::ReadInput()
{
	FHostInputEvent Event;
	for (;;)
	{
		// A stop signal ends the input, whether it came before the read or interrupted it.
		FTerminalInput Input;
		if (StopSignals::GetReceived() != 0 || !ReadRaw(Input, true))
		{
			// Any other interrupted read is retried; any other failure means the terminal is gone.
			if (StopSignals::GetReceived() == 0 && errno == EINTR)
			{
				continue;
			}
			Event.Kind = FHostInputEvent::EKind::EndOfInput;
			return Event;
		}
		if (Input.bKeyCode && Input.Value == static_cast<uint32>(KEY_RESIZE))
		{
			Event.Kind = FHostInputEvent::EKind::Resize;
			Event.Columns = COLS;
			Event.Rows = LINES;
			return Event;
		}
		if (Input.bKeyCode && Input.Value == static_cast<uint32>(KEY_MOUSE))
		{
			if (MakeClick(Event))
			{
				return Event;
			}
			continue;
		}

		Event.Kind = FHostInputEvent::EKind::KeyPress;
		if (IsTerminalEscape(Input))
		{
			// Alt+<key> comes as Escape and the key together: look for it without waiting.
			FTerminalInput Following;
			if (ReadRaw(Following, false))
			{
				if (DecodeAltSequence(Following, Event.Key))
				{
					return Event;
				}
				bHasPendingInput = true;
				PendingInput = Following;
			}
		}
		if (DecodeTerminalInput(Input, Event.Key))
		{
			return Event;
		}
	}
}

void FTerminalScreen::FFatalGuard::Serialize(const TCHAR* Message, ELogVerbosity::Type Verbosity, const FName& Category)
{
	if (Verbosity != ELogVerbosity::Fatal)
	{
		return;
	}
	Screen.Stop();
	std::fprintf(stderr, "%s\n", StringConv::ToUtf8(FormatLogLine(Message, Verbosity, Category)).c_str());
}
