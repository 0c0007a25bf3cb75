#include "HmdEditor/Windows/ConsoleTerminal.h"

#include "HmdEditor/App/StopSignals.h"
#include "Rendering/SlateSurface.h"
#include "HmdEditor/Windows/ConsoleCells.h"
#include "HmdEditor/Windows/ConsoleInputQueue.h"
#include "HmdEditor/Windows/StopSignalEvent.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{
	/** How often the window's size is looked at while no input comes: resizing the window alone sends no record. */
	constexpr DWORD SizePollMilliseconds = 200;
	/** The cells written at once: older consoles refuse more than 64 KiB in one write. */
	constexpr int32 MaxCellsPerWrite = 8000;

	/** Keys, mouse and size records; no Ctrl+C processing (it is a key here), no line editing, no echo, no quick-edit selection. */
	constexpr DWORD EditorInputMode = ENABLE_WINDOW_INPUT | ENABLE_MOUSE_INPUT | ENABLE_EXTENDED_FLAGS;

	std::string DescribeLastError(const char* What)
	{
		return std::string(What) + " (Windows error " + std::to_string(GetLastError()) + ")";
	}

	/** No colour when NO_COLOR is set to anything but the empty string. */
	bool IsColourWanted()
	{
		const char* NoColour = std::getenv("NO_COLOR");
		return NoColour == nullptr || NoColour[0] == '\0';
	}

	/**
	 * Some consoles (Wine's on a Unix terminal) send Ctrl+C as a signal even
	 * with Ctrl+C processing off; while the editor runs it is the key press
	 * it is everywhere else.
	 */
	BOOL WINAPI DeliverControlCAsKey(DWORD ControlType)
	{
		if (ControlType != CTRL_C_EVENT)
		{
			return FALSE;
		}
		INPUT_RECORD Record = {};
		Record.EventType = KEY_EVENT;
		Record.Event.KeyEvent.bKeyDown = TRUE;
		Record.Event.KeyEvent.wRepeatCount = 1;
		Record.Event.KeyEvent.wVirtualKeyCode = 'C';
		Record.Event.KeyEvent.uChar.UnicodeChar = 0x03;
		Record.Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
		ConsoleInputQueue::Add(Record);
		return TRUE;
	}

	/** What a crash gives back: the input mode and the screen buffer the console had. */
	struct FConsoleBeforeStart
	{
		HANDLE Input = INVALID_HANDLE_VALUE;
		DWORD InputMode = 0;
		HANDLE Output = INVALID_HANDLE_VALUE;
	};
	FConsoleBeforeStart GConsoleBeforeStart;
	LPTOP_LEVEL_EXCEPTION_FILTER GPreviousCrashFilter = nullptr;

	/** A crash leaves a usable console: the previous mode and buffer come back before the process dies. */
	LONG WINAPI RestoreConsoleOnCrash(EXCEPTION_POINTERS* Exception)
	{
		SetConsoleMode(GConsoleBeforeStart.Input, GConsoleBeforeStart.InputMode);
		SetConsoleActiveScreenBuffer(GConsoleBeforeStart.Output);
		return GPreviousCrashFilter != nullptr ? GPreviousCrashFilter(Exception) : EXCEPTION_CONTINUE_SEARCH;
	}
}

FConsoleTerminal::FConsoleTerminal() = default;

FConsoleTerminal::~FConsoleTerminal()
{
	Stop();
}

TValueOrError<void, std::string> FConsoleTerminal::Start()
{
	Input = GetStdHandle(STD_INPUT_HANDLE);
	PreviousOutput = GetStdHandle(STD_OUTPUT_HANDLE);
	CONSOLE_SCREEN_BUFFER_INFO Info = {};
	if (!GetConsoleMode(Input, &PreviousInputMode) || !GetConsoleScreenBufferInfo(PreviousOutput, &Info))
	{
		return MakeError("standard input and output must be a console (use --script FILE to run without one)");
	}
	NormalAttributes = Info.wAttributes;
	bColour = IsColourWanted();
	// Joins the process to its desktop before any key comes. Wine's console
	// on a Unix terminal otherwise sets the desktop up from its input thread
	// at the first key, and can stall there for good.
	GetDesktopWindow();

	// A screen buffer of its own, so that what the console showed before comes back as it was.
	Buffer = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
		CONSOLE_TEXTMODE_BUFFER, nullptr);
	if (Buffer == INVALID_HANDLE_VALUE)
	{
		return MakeError(DescribeLastError("cannot create a console screen buffer"));
	}
	GConsoleBeforeStart = FConsoleBeforeStart{Input, PreviousInputMode, PreviousOutput};
	GPreviousCrashFilter = SetUnhandledExceptionFilter(&RestoreConsoleOnCrash);
	const char* const Failure = !SetConsoleActiveScreenBuffer(Buffer) ? "cannot show the console screen buffer"
		: !SetConsoleMode(Input, EditorInputMode) ? "cannot set the console's input mode"
		: !ConsoleInputQueue::Start(Input) ? "cannot start reading the console's input"
		: nullptr;
	if (Failure != nullptr)
	{
		std::string Error = DescribeLastError(Failure);
		Stop();
		return MakeError(std::move(Error));
	}
	// Registered after the stop handler, so it is asked first.
	SetConsoleCtrlHandler(&DeliverControlCAsKey, TRUE);
	StopSignals::WatchSessionEnd();
	UpdateSize();
	return MakeValue();
}

void FConsoleTerminal::Stop()
{
	if (Buffer == INVALID_HANDLE_VALUE)
	{
		return;
	}
	SetConsoleCtrlHandler(&DeliverControlCAsKey, FALSE);
	SetUnhandledExceptionFilter(GPreviousCrashFilter);
	ConsoleInputQueue::Pause();
	// The cursor and output mode belong to each screen buffer: the previous
	// buffer's come back with it.
	SetConsoleMode(Input, PreviousInputMode);
	SetConsoleActiveScreenBuffer(PreviousOutput);
	CloseHandle(Buffer);
	Buffer = INVALID_HANDLE_VALUE;
}

bool FConsoleTerminal::UpdateSize()
{
	CONSOLE_SCREEN_BUFFER_INFO Info = {};
	if (!GetConsoleScreenBufferInfo(Buffer, &Info))
	{
		return false;
	}
	const SHORT Width = static_cast<SHORT>(Info.srWindow.Right - Info.srWindow.Left + 1);
	const SHORT Height = static_cast<SHORT>(Info.srWindow.Bottom - Info.srWindow.Top + 1);
	if (Info.dwSize.X != Width || Info.dwSize.Y != Height)
	{
		// The window moves to the buffer's corner first: a buffer cannot shrink past a window inside it.
		const SMALL_RECT Window = {0, 0, static_cast<SHORT>(Width - 1), static_cast<SHORT>(Height - 1)};
		SetConsoleWindowInfo(Buffer, TRUE, &Window);
		SetConsoleScreenBufferSize(Buffer, COORD{Width, Height});
	}
	if (Width == Columns && Height == Rows)
	{
		return false;
	}
	Columns = Width;
	Rows = Height;
	return true;
}

void FConsoleTerminal::Present(const FSlateSurface& Surface)
{
	MakeConsoleCells(Surface, Columns, Rows, NormalAttributes, bColour, Cells);
	const int32 RowsPerWrite = std::max(1, MaxCellsPerWrite / std::max(Columns, 1));
	for (int32 FirstRow = 0; FirstRow < Rows; FirstRow += RowsPerWrite)
	{
		const int32 WriteRows = std::min(RowsPerWrite, Rows - FirstRow);
		SMALL_RECT Region = {0, static_cast<SHORT>(FirstRow), static_cast<SHORT>(Columns - 1), static_cast<SHORT>(FirstRow + WriteRows - 1)};
		WriteConsoleOutputW(Buffer, Cells.GetData() + FirstRow * Columns, COORD{static_cast<SHORT>(Columns), static_cast<SHORT>(WriteRows)},
			COORD{0, 0}, &Region);
	}

	CONSOLE_CURSOR_INFO Cursor = {};
	GetConsoleCursorInfo(Buffer, &Cursor);
	const int32 CursorColumn = Surface.GetCursorColumn();
	const int32 CursorRow = Surface.GetCursorRow();
	Cursor.bVisible = Surface.IsCursorVisible() && CursorColumn >= 0 && CursorColumn < Columns && CursorRow >= 0 && CursorRow < Rows;
	if (Cursor.bVisible)
	{
		SetConsoleCursorPosition(Buffer, COORD{static_cast<SHORT>(CursorColumn), static_cast<SHORT>(CursorRow)});
	}
	SetConsoleCursorInfo(Buffer, &Cursor);
}

bool FConsoleTerminal::ReadRecords()
{
	std::vector<INPUT_RECORD> Records;
	if (!ConsoleInputQueue::Take(Records))
	{
		return false;
	}
	for (const INPUT_RECORD& Record : Records)
	{
		FHostInputEvent Event;
		switch (Record.EventType)
		{
		case KEY_EVENT:
			Event.Kind = FHostInputEvent::EKind::KeyPress;
			if (Decoder.DecodeKey(Record.Event.KeyEvent, Event.Key))
			{
				// A held key comes as one record with the number of its repeats.
				PendingEvents.insert(PendingEvents.end(), std::max<WORD>(Record.Event.KeyEvent.wRepeatCount, 1), Event);
			}
			break;
		case MOUSE_EVENT:
			if (Decoder.DecodeMouse(Record.Event.MouseEvent, Event))
			{
				PendingEvents.push_back(Event);
			}
			break;
		case WINDOW_BUFFER_SIZE_EVENT:
			if (UpdateSize())
			{
				PendingEvents.push_back(FHostInputEvent::Resize(Columns, Rows));
			}
			break;
		default:
			break;
		}
	}
	return true;
}

FHostInputEvent FConsoleTerminal::ReadInput()
{
	const HANDLE Handles[] = {StopSignals::GetStopEvent(), ConsoleInputQueue::GetReadyEvent()};
	for (;;)
	{
		// A stop (Ctrl+Break, closing the console) ends the input, whatever is still waiting.
		if (StopSignals::GetReceived() != 0)
		{
			return FHostInputEvent();
		}
		if (!PendingEvents.empty())
		{
			const FHostInputEvent Event = PendingEvents.front();
			PendingEvents.pop_front();
			return Event;
		}
		const DWORD Woken = WaitForMultipleObjects(2, Handles, FALSE, SizePollMilliseconds);
		if (Woken == WAIT_TIMEOUT)
		{
			if (UpdateSize())
			{
				return FHostInputEvent::Resize(Columns, Rows);
			}
		}
		else if (Woken == WAIT_OBJECT_0 + 1)
		{
			if (!ReadRecords())
			{
				return FHostInputEvent();
			}
		}
		else if (Woken != WAIT_OBJECT_0)
		{
			return FHostInputEvent();
		}
	}
}
