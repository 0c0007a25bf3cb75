#include "HmdEditor/App/StopSignals.h"

#include "HmdEditor/Windows/StopSignalEvent.h"

#include <algorithm>
#include <csignal>

namespace
{
	void NoteStop(int Signal)
	{
		StopSignals::OnStopSignal(Signal);
		SetEvent(StopSignals::GetStopEvent());
	}

	/** SIGTERM raised in the process. */
	void OnTerminateSignal(int Signal)
	{
		NoteStop(Signal);
	}

	/**
	 * Waits for ever, so that the system does not end the process yet: the
	 * main thread sees the note, closes and saves an open settings window
	 * and ends the process itself, within the time the system gives.
	 */
	[[noreturn]] void HoldUntilTheProcessEnds()
	{
		for (;;)
		{
			Sleep(INFINITE);
		}
	}

	// The console runs this on a thread of its own. Ctrl+C (when the console
	// delivers it as a signal, as in scripted runs) and Ctrl+Break are noted
	// like SIGINT and SIGBREAK. Closing the console, log-off and shut-down
	// end the process as soon as this returns, so the handler holds it.
	BOOL WINAPI OnConsoleControl(DWORD ControlType)
	{
		switch (ControlType)
		{
		case CTRL_C_EVENT:
			NoteStop(SIGINT);
			return TRUE;
		case CTRL_BREAK_EVENT:
			NoteStop(SIGBREAK);
			return TRUE;
		case CTRL_CLOSE_EVENT:
		case CTRL_LOGOFF_EVENT:
		case CTRL_SHUTDOWN_EVENT:
			NoteStop(SIGTERM);
			HoldUntilTheProcessEnds();
		default:
			return FALSE;
		}
	}

	/** The session may end once this has returned from WM_ENDSESSION, so it holds the process as the console handler does. */
	LRESULT CALLBACK OnSessionWindowMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
	{
		if (Message == WM_QUERYENDSESSION)
		{
			return TRUE;
		}
		if (Message == WM_ENDSESSION && WParam != FALSE)
		{
			NoteStop(SIGTERM);
			HoldUntilTheProcessEnds();
		}
		return DefWindowProcW(Window, Message, WParam, LParam);
	}

	DWORD WINAPI RunSessionWindow(void* /*Unused*/)
	{
		WNDCLASSW Class = {};
		Class.lpfnWndProc = &OnSessionWindowMessage;
		Class.hInstance = GetModuleHandleW(nullptr);
		Class.lpszClassName = L"hmd-editor session end";
		// A top-level window, never shown: message-only windows are not told of the session's end.
		if (RegisterClassW(&Class) == 0
			|| CreateWindowExW(0, Class.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, Class.hInstance, nullptr) == nullptr)
		{
			return 1;
		}
		MSG Message;
		while (GetMessageW(&Message, nullptr, 0, 0) > 0)
		{
			DispatchMessageW(&Message);
		}
		return 0;
	}
}

void StopSignals::Install()
{
	GetStopEvent();
	// A process started with Ctrl+C ignored (a new process group) is not
	// called for it here either, so it stays ignored.
	SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
	if (std::signal(SIGTERM, &OnTerminateSignal) == SIG_IGN)
	{
		std::signal(SIGTERM, SIG_IGN);
	}
}

HANDLE StopSignals::GetStopEvent()
{
	static const HANDLE StopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
	return StopEvent;
}

void StopSignals::WatchSessionEnd()
{
	static const HANDLE Thread = CreateThread(nullptr, 0, &RunSessionWindow, nullptr, 0, nullptr);
	static_cast<void>(Thread);
}

bool StopSignals::Sleep(std::chrono::nanoseconds Duration)
{
	const auto Deadline = std::chrono::steady_clock::now() + Duration;
	while (GetReceived() == 0)
	{
		const auto Left = std::chrono::ceil<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now());
		if (Left.count() <= 0)
		{
			break;
		}
		// Waits of more than a DWORD's milliseconds (49 days) go round again.
		const DWORD Slice = static_cast<DWORD>(std::min<std::chrono::milliseconds::rep>(Left.count(), INFINITE - 1));
		WaitForSingleObject(GetStopEvent(), Slice);
	}
	return GetReceived() == 0;
}
