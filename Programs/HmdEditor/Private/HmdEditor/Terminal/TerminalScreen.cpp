#include "HmdEditor/Terminal/TerminalScreen.h"

#include "HmdEditor/App/StopSignals.h"
#include "Rendering/SlateSurface.h"
#include "HmdEditor/Terminal/TerminalCharacters.h"
#include "HmdEditor/Terminal/TerminalSignals.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <langinfo.h>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>
#include <wchar.h>
// Last: term.h defines lower-case macros (lines, columns, ...) that would clash with other headers.
#include <curses.h>
#include <term.h>

// ncurses draws wchar_t text; on the systems this front end runs on it holds
// a whole code point.
static_assert(sizeof(wchar_t) == 4, "the terminal front end needs 32-bit wchar_t");

namespace
{
	/** An escape delay short enough that Escape acts at once, long enough for a sequence over ssh. */
	constexpr int32 DefaultEscapeDelayMilliseconds = 25;
	/** The longest $ESCDELAY taken as it is. */
	constexpr int32 LongestEscapeDelayMilliseconds = 10000;
	/** Pasted text whose end marker does not come within this silence is pasted as far as it came. */
	constexpr int32 PasteSilenceMilliseconds = 2000;

	// Mouse presses and motion (1000, 1003) in the SGR form (1006), which has no column limit; bracketed paste (2004).
	constexpr std::string_view TakeOverModes = "\x1B[?1000h\x1B[?1003h\x1B[?1006h\x1B[?2004h";
	constexpr std::string_view GiveBackModes = "\x1B[?2004l\x1B[?1006l\x1B[?1003l\x1B[?1000l";

	/** UTF-8 locales to draw with when the user's locale is not one. */
	const char* const Utf8Locales[] = {"C.UTF-8", "C.utf8", "en_US.UTF-8"};

	void WriteAll(std::string_view Bytes)
	{
		while (!Bytes.empty())
		{
			const ssize_t Count = write(STDOUT_FILENO, Bytes.data(), Bytes.size());
			if (Count < 0 && errno == EINTR)
			{
				continue;
			}
			if (Count <= 0)
			{
				return;
			}
			Bytes.remove_prefix(static_cast<SIZE_T>(Count));
		}
	}

	/** A terminfo string capability without its padding ("$<5>"), empty when the terminal has none. */
	std::string GetCapability(const char* Name)
	{
		const char* Value = tigetstr(const_cast<char*>(Name));
		if (Value == nullptr || Value == reinterpret_cast<const char*>(-1))
		{
			return std::string();
		}
		std::string Text;
		for (const char* Cursor = Value; *Cursor != '\0'; ++Cursor)
		{
			if (Cursor[0] == '$' && Cursor[1] == '<')
			{
				const char* End = std::strchr(Cursor, '>');
				if (End != nullptr)
				{
					Cursor = End;
					continue;
				}
			}
			Text.push_back(*Cursor);
		}
		return Text;
	}

	int32 ReadEscapeDelay()
	{
		const char* Value = std::getenv("ESCDELAY");
		if (Value == nullptr || Value[0] == '\0')
		{
			return DefaultEscapeDelayMilliseconds;
		}
		char* End = nullptr;
		const long Milliseconds = std::strtol(Value, &End, 10);
		if (*End != '\0' || Milliseconds < 0)
		{
			return DefaultEscapeDelayMilliseconds;
		}
		return static_cast<int32>(std::min<long>(Milliseconds, LongestEscapeDelayMilliseconds));
	}

	std::string GetTermName()
	{
		const char* Term = std::getenv("TERM");
		return Term != nullptr ? Term : "";
	}

	std::string MakeUnknownTerminalError()
	{
		return "cannot use the terminal \"" + GetTermName() + "\" (is TERM set?)";
	}

	bool IsSuspendKey(const FHostInputEvent& Event)
	{
		return Event.Kind == FHostInputEvent::EKind::KeyPress && Event.Key.Key == EHostKey::Character && Event.Key.Character == U'z'
			&& Event.Key.bControl && !Event.Key.bAlt;
	}
}

std::unique_ptr<IHostTerminal> MakePlatformTerminal()
{
	return std::make_unique<FTerminalScreen>();
}

FTerminalScreen::FTerminalScreen() = default;

FTerminalScreen::~FTerminalScreen()
{
	Stop();
}

TValueOrError<void, std::string> FTerminalScreen::Start()
{
	if (Screen != nullptr)
	{
		return MakeValue();
	}
	if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
	{
		return MakeError("standard input and output must be a terminal (use --script FILE to run without one)");
	}
	if (TValueOrError<void, std::string> Checked = CheckTerminal(); Checked.HasError())
	{
		return Checked;
	}
	tcgetattr(STDIN_FILENO, &SavedModes);
	EscapeDelayMilliseconds = ReadEscapeDelay();
	ChooseCharacters();

	// Before newterm, which then leaves SIGWINCH and SIGTSTP to these handlers.
	TerminalSignals::Install(RestoreSequence, SavedModes);
	Screen = newterm(nullptr, stdout, stdin);
	if (Screen == nullptr)
	{
		TerminalSignals::Uninstall();
		std::setlocale(LC_CTYPE, SavedCharacterLocale.c_str());
		return MakeError(MakeUnknownTerminalError());
	}
	set_term(Screen);
	Window = stdscr;
	raw();
	noecho();
	nonl();
	// Eight-bit input, for UTF-8; the bytes are read and decoded here, not by ncurses.
	meta(Window, TRUE);
	StartColours();
	EnterScreen();
	return MakeValue();
}

TValueOrError<void, std::string> FTerminalScreen::CheckTerminal()
{
	int Status = 0;
	if (setupterm(nullptr, STDOUT_FILENO, &Status) != OK)
	{
		return MakeError(MakeUnknownTerminalError());
	}
	const bool bAddressable = !GetCapability("cup").empty();
	RestoreSequence = std::string(GiveBackModes) + GetCapability("rmcup") + GetCapability("sgr0") + GetCapability("cnorm");
	del_curterm(cur_term);
	if (!bAddressable)
	{
		return MakeError("the terminal \"" + GetTermName() + "\" cannot move its cursor, which the editor needs; "
			"use a terminal such as xterm, or --script FILE to run without one");
	}
	return MakeValue();
}

void FTerminalScreen::ChooseCharacters()
{
	const char* Current = std::setlocale(LC_CTYPE, nullptr);
	SavedCharacterLocale = Current != nullptr ? Current : "C";
	// The user's own locale decides whether frames are drawn with line-drawing characters; when it is not
	// installed, its name still tells what the terminal is set up for.
	if (std::setlocale(LC_CTYPE, "") != nullptr)
	{
		bLineDrawing = IsUtf8Codeset(nl_langinfo(CODESET));
	}
	else
	{
		bLineDrawing = IsUtf8LocaleName(GetRequestedCharacterLocale(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
	}
	bUnicodeOutput = bLineDrawing && IsUtf8Codeset(nl_langinfo(CODESET));
	if (bUnicodeOutput)
	{
		return;
	}
	// Terminals show UTF-8 today whatever the locale says, but ncurses writes only what the locale can encode.
	for (const char* Locale : Utf8Locales)
	{
		if (std::setlocale(LC_CTYPE, Locale) != nullptr && IsUtf8Codeset(nl_langinfo(CODESET)))
		{
			bUnicodeOutput = true;
			return;
		}
	}
	// No UTF-8 at all: ASCII only, frames included.
	std::setlocale(LC_CTYPE, "");
	bLineDrawing = false;
}

void FTerminalScreen::StartColours()
{
	bool bColour = ShouldUseColour(has_colors(), std::getenv("NO_COLOR"));
	bool bDefaultColours = false;
	if (bColour)
	{
		// The numbers of colours and pairs are known once colours are started.
		start_color();
		bColour = COLORS >= 8 && COLOR_PAIRS > TerminalStyleCount;
		bDefaultColours = use_default_colors() == OK;
	}
	for (int32 Index = 0; Index < TerminalStyleCount; ++Index)
	{
		const FTerminalStyle& Style = GetTerminalStyle(static_cast<ESlateCellStyle>(Index));
		if (!bColour || Index == 0)
		{
			StylePairs[Index] = 0;
			StyleAttributes[Index] = bColour ? Style.ColourAttributes : Style.MonochromeAttributes;
			continue;
		}
		// Without the terminal's default colours, white on black stands in for them.
		const int16 Foreground = Style.Foreground >= 0 || bDefaultColours ? Style.Foreground : COLOR_WHITE;
		const int16 Background = Style.Background >= 0 || bDefaultColours ? Style.Background : COLOR_BLACK;
		init_pair(static_cast<short>(Index), Foreground, Background);
		StylePairs[Index] = static_cast<int16>(Index);
		StyleAttributes[Index] = Style.ColourAttributes;
	}
}

void FTerminalScreen::EnterScreen()
{
	if (bEntered)
	{
		return;
	}
	// A line written to standard error now would scribble over the screen; the log file has them.
	if (isatty(STDERR_FILENO))
	{
		SavedStandardError = dup(STDERR_FILENO);
		const int Null = open("/dev/null", O_WRONLY | O_CLOEXEC);
		if (Null >= 0)
		{
			dup2(Null, STDERR_FILENO);
			close(Null);
		}
	}
	WriteAll(TakeOverModes);
	bEntered = true;
	TerminalSignals::SetTakenOver(true);
}

void FTerminalScreen::LeaveScreen()
{
	if (!bEntered)
	{
		return;
	}
	TerminalSignals::SetTakenOver(false);
	bEntered = false;
	WriteAll(GiveBackModes);
	endwin();
	if (SavedStandardError >= 0)
	{
		dup2(SavedStandardError, STDERR_FILENO);
		close(SavedStandardError);
		SavedStandardError = -1;
	}
}

void FTerminalScreen::Stop()
{
	if (Screen == nullptr)
	{
		return;
	}
	LeaveScreen();
	delscreen(Screen);
	Screen = nullptr;
	Window = nullptr;
	TerminalSignals::Uninstall();
	std::setlocale(LC_CTYPE, SavedCharacterLocale.c_str());
}

void FTerminalScreen::Suspend()
{
	LeaveScreen();
	TerminalSignals::StopProcess();
	EnterScreen();
	// The shell drew over the screen meanwhile: all of it is drawn again.
	clearok(curscr, TRUE);
	wrefresh(Window);
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
	const int32 Rows = std::min(Surface.GetRows(), static_cast<int32>(LINES));
	const int32 Columns = std::min(Surface.GetColumns(), static_cast<int32>(COLS));
	for (int32 Row = 0; Row < Rows; ++Row)
	{
		for (int32 Column = 0; Column < Columns; ++Column)
		{
			DrawCell(Surface, Column, Row, Columns);
		}
	}

	const int32 CursorRow = Surface.GetCursorRow();
	const int32 CursorColumn = Surface.GetCursorColumn();
	if (Surface.IsCursorVisible() && CursorRow >= 0 && CursorRow < Rows && CursorColumn >= 0 && CursorColumn < Columns)
	{
		wmove(Window, CursorRow, CursorColumn);
		curs_set(1);
	}
	else
	{
		curs_set(0);
	}
	wrefresh(Window);
}

void FTerminalScreen::DrawCell(const FSlateSurface& Surface, int32 Column, int32 Row, int32 Columns)
{
	const FSlateCell& Cell = Surface.GetCellData(Column, Row);
	if (Cell.Character == FSlateSurface::WideCharacterTail)
	{
		// The right half of a double-width character, drawn with its left half.
		return;
	}
	const bool bWide = Column + 1 < Columns && Surface.GetCell(Column + 1, Row) == FSlateSurface::WideCharacterTail;
	char32_t Character = bLineDrawing ? Cell.Character : ToAsciiLineDrawing(Cell.Character);
	if (!bUnicodeOutput && Character >= 0x80)
	{
		Character = U'?';
	}
	// ncurses lays characters out by the locale's widths: one it would give more columns than the surface did is not drawn.
	const int Width = wcwidth(static_cast<wchar_t>(Character));
	const bool bFits = Width == 1 || (Width == 2 && bWide);
	wchar_t Text[1 + std::size(FSlateCell().Marks) + 1] = {};
	int32 Length = 0;
	Text[Length++] = static_cast<wchar_t>(bFits ? Character : (bUnicodeOutput ? U'\uFFFD' : U'?'));
	if (bFits && bUnicodeOutput)
	{
		for (const char32_t Mark : Cell.Marks)
		{
			if (Mark != 0 && wcwidth(static_cast<wchar_t>(Mark)) == 0)
			{
				Text[Length++] = static_cast<wchar_t>(Mark);
			}
		}
	}
	const int32 StyleIndex = std::clamp(static_cast<int32>(Cell.Style), 0, TerminalStyleCount - 1);
	cchar_t Drawn = {};
	if (setcchar(&Drawn, Text, static_cast<attr_t>(StyleAttributes[StyleIndex]), StylePairs[StyleIndex], nullptr) == OK)
	{
		mvwadd_wch(Window, Row, Column, &Drawn);
	}
}

FHostInputEvent FTerminalScreen::ReadInput()
{
	for (;;)
	{
		while (PendingIndex < Pending.Num())
		{
			FHostInputEvent Event = std::move(Pending[PendingIndex++]);
			// Of motion reported in a burst only where the mouse ended up matters.
			if (Event.Kind == FHostInputEvent::EKind::MouseMove && PendingIndex < Pending.Num()
				&& Pending[PendingIndex].Kind == FHostInputEvent::EKind::MouseMove)
			{
				continue;
			}
			if (IsSuspendKey(Event))
			{
				Suspend();
				return TakeNewSize();
			}
			return Event;
		}
		Pending.Empty();
		PendingIndex = 0;

		if (StopSignals::GetReceived() != 0)
		{
			FHostInputEvent End;
			End.Kind = FHostInputEvent::EKind::EndOfInput;
			return End;
		}
		if (TerminalSignals::TakeSuspendRequest())
		{
			Suspend();
			return TakeNewSize();
		}
		if (TerminalSignals::TakeContinued())
		{
			// Stopped from outside (SIGSTOP): the modes and the screen may be gone.
			WriteAll(TakeOverModes);
			clearok(curscr, TRUE);
			return TakeNewSize();
		}
		if (TerminalSignals::TakeResized())
		{
			return TakeNewSize();
		}
		if (!ReadMore())
		{
			FHostInputEvent End;
			End.Kind = FHostInputEvent::EKind::EndOfInput;
			return End;
		}
	}
}

bool FTerminalScreen::ReadMore()
{
	int32 Timeout = -1;
	switch (Decoder.GetWait())
	{
	case FTerminalInputDecoder::EWait::None: Timeout = -1; break;
	case FTerminalInputDecoder::EWait::Sequence: Timeout = EscapeDelayMilliseconds; break;
	case FTerminalInputDecoder::EWait::Paste: Timeout = PasteSilenceMilliseconds; break;
	}
	switch (TerminalSignals::WaitForReadable(STDIN_FILENO, Timeout))
	{
	case TerminalSignals::EWaitResult::Readable:
	{
		char Buffer[4096];
		const ssize_t Count = read(STDIN_FILENO, Buffer, sizeof(Buffer));
		if (Count > 0)
		{
			Decoder.Feed(std::string_view(Buffer, static_cast<SIZE_T>(Count)), Pending);
			return true;
		}
		// No bytes: the terminal is gone, unless a signal interrupted the read.
		return Count < 0 && (errno == EINTR || errno == EAGAIN);
	}
	case TerminalSignals::EWaitResult::TimedOut:
		Decoder.Flush(Pending);
		return true;
	case TerminalSignals::EWaitResult::Signalled:
		return true;
	case TerminalSignals::EWaitResult::Failed:
		break;
	}
	return false;
}

FHostInputEvent FTerminalScreen::TakeNewSize()
{
	winsize Size = {};
	if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &Size) == 0 && Size.ws_col > 0 && Size.ws_row > 0)
	{
		resizeterm(Size.ws_row, Size.ws_col);
	}
	return FHostInputEvent::Resize(COLS, LINES);
}
