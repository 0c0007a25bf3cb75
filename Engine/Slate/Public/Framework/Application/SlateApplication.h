// FSlateApplication: the process-wide owner of the open windows, the keyboard
// focus, the screen surface and the event loop. Main thread only.
//
// Windows are painted in order onto a surface of the screen's size: the
// top-level windows in the order they were added (the last is on top and
// takes input), then the modal windows, each on top of the one before. While
// a modal window is open only the topmost modal window gets input: keys go
// to the focused widget inside it, clicks and mouse motion elsewhere are
// ignored.
//
// Registered input pre-processors (IInputProcessor) see every key press,
// typed character, click and paste first, in registration order; the first
// that returns true consumes the event.
//
// Key events and pastes go to the focused widget and, while unhandled, to
// each of its parents up to its window. Still unhandled, Tab and Shift+Tab
// move the focus to the next or previous focusable widget of the active
// window (wrapping), and Escape closes the active window when it is modal. A
// click focuses the deepest focusable widget under it and raises its
// top-level window, then goes to the widget under it and up through its
// parents until handled; mouse motion goes the same way, without focusing or
// raising anything.
//
// The event loop paints, hands the surface to the renderer, then waits for
// the event source's next event and handles it. When the input ends (or no
// event source is set) the application requests quit; a quit request closes
// every modal window, so their loops return.
#pragma once

#include "Application/SlateEvent.h"
#include "Containers/Array.h"
#include "Layout/ArrangedChildren.h"
#include "Rendering/SlateSurface.h"
#include "SlateApi.h"
#include "Templates/SharedPointer.h"

#include <string_view>

class SWidget;
class SWindow;
class IInputProcessor;
class ISlateEventSource;
class ISlateRenderer;

class SLATE_API FSlateApplication
{
public:
	/** The screen size until the host sets one. */
	static constexpr int32 DefaultScreenColumns = 80;
	static constexpr int32 DefaultScreenRows = 24;

	/** Creates the application when there is none, and returns it. */
	static FSlateApplication& Create();
	/** Destroys the application: open windows are dropped without closed events. */
	static void Shutdown();
	static bool IsInitialized();
	/** The application, created on first use. */
	static FSlateApplication& Get();

	FSlateApplication(const FSlateApplication&) = delete;
	FSlateApplication& operator=(const FSlateApplication&) = delete;
	~FSlateApplication();

	// Screen, presentation and input.
	void SetScreenSize(int32 Columns, int32 Rows);
	int32 GetScreenColumns() const { return ScreenColumns; }
	int32 GetScreenRows() const { return ScreenRows; }
	void SetRenderer(const TSharedPtr<ISlateRenderer>& InRenderer) { Renderer = InRenderer; }
	void SetEventSource(const TSharedPtr<ISlateEventSource>& InEventSource) { EventSource = InEventSource; }
	/** Lays out and paints every window onto the screen surface, and returns it. */
	const FSlateSurface& PaintToSurface();

	// Windows.
	/** Opens a top-level window (for example the host's main window) on top of the others. */
	TSharedRef<SWindow> AddWindow(TSharedRef<SWindow> InSlateWindow);
	/**
	 * Opens a modal window centred over the window that holds InParentWidget
	 * (over the screen when there is none) and runs the event loop until the
	 * window closes. With bSlowTaskWindow the window opens the same way but
	 * the call returns at once; the caller closes it.
	 */
	void AddModalWindow(TSharedRef<SWindow> InSlateWindow, const TSharedPtr<const SWidget> InParentWidget, bool bSlowTaskWindow = false);
	/** Closes an open window: windows modal over it close first, then its closed event fires, once. */
	void RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy);
	bool IsWindowOpen(const SWindow& Window) const;
	/** The topmost modal window, if any. */
	TSharedPtr<SWindow> GetActiveModalWindow() const;
	/** The window that gets input: the topmost modal window, else the topmost top-level window. */
	TSharedPtr<SWindow> GetActiveWindow() const;
	/** Every open window in paint order. */
	TArray<TSharedRef<SWindow>> GetOpenWindows() const;

	// The event loop.
	/** Runs the event loop until quit is requested. */
	void RunMainLoop();
	/** Paints and presents, then waits for one event and handles it; false (and a quit request) at the end of input. */
	bool PumpEvent();
	/** Closes every modal window (top first) and makes every event loop return. */
	void RequestQuit();
	bool IsQuitRequested() const { return bQuitRequested; }

	// Input. Each returns whether the event was handled.
	bool ProcessEvent(const FSlateEvent& Event);
	bool ProcessKeyDownEvent(const FKeyEvent& InKeyEvent);
	bool ProcessKeyCharEvent(const FCharacterEvent& InCharacterEvent);
	bool ProcessMouseButtonDownEvent(const FPointerEvent& MouseEvent);
	/** The mouse moved onto a cell: SWidget::OnMouseMove for the widgets under it. */
	bool ProcessMouseMoveEvent(const FPointerEvent& MouseEvent);
	/** Text pasted in one piece: SWidget::OnPaste for the focused widget and its parents. */
	bool ProcessPasteEvent(std::u32string_view Text);

	/** Adds a pre-processor after those already registered; false for a null or already registered one. */
	bool RegisterInputPreProcessor(TSharedPtr<IInputProcessor> InputProcessor);
	/** Removes a registered pre-processor; it sees no further events, not even the rest of the current one. */
	void UnregisterInputPreProcessor(TSharedPtr<IInputProcessor> InputProcessor);

	// Keyboard focus.
	TSharedPtr<SWidget> GetKeyboardFocusedWidget() const { return FocusedWidget.Pin(); }
	/** Focuses a widget that supports focus and lies in the active window; false otherwise. */
	bool SetKeyboardFocus(const TSharedPtr<SWidget>& Widget, EFocusCause Cause = EFocusCause::SetDirectly);
	void ClearKeyboardFocus(EFocusCause Cause = EFocusCause::Cleared);

private:
	struct FWindowEntry
	{
		TSharedRef<SWindow> Window;
		bool bModal = false;
		TWeakPtr<const SWidget> ParentWidget;
		/** The focus to give back when this window closes. */
		TWeakPtr<SWidget> PreviousFocus;
	};

	FSlateApplication();

	int32 FindWindowEntry(const SWindow& Window) const;
	/** The window entry that takes mouse input at a cell: the topmost under it, never one below a modal window. */
	int32 FindWindowEntryAtCell(int32 Column, int32 Row) const;
	/** Places every window on the screen, in paint order. */
	void ArrangeWindows();
	FCellRect ComputeWindowRect(const FWindowEntry& Entry) const;
	/** The open window whose tree holds Widget. */
	TSharedPtr<SWindow> FindWindowOf(const SWidget* Widget) const;
	FArrangedChildren FindPathToFocusedWidget() const;
	/** Moves the focus, telling the old widget it lost it and the new one it got it. */
	void ChangeFocus(const TSharedPtr<SWidget>& NewFocus, EFocusCause Cause);
	void FocusFirstWidgetOf(const TSharedRef<SWindow>& Window);
	bool MoveFocus(bool bBackwards);

	TArray<FWindowEntry> Windows;
	TArray<TSharedPtr<IInputProcessor>> InputPreProcessors;
	TWeakPtr<SWidget> FocusedWidget;
	TSharedPtr<ISlateRenderer> Renderer;
	TSharedPtr<ISlateEventSource> EventSource;
	FSlateSurface Surface;
	int32 ScreenColumns = DefaultScreenColumns;
	int32 ScreenRows = DefaultScreenRows;
	bool bQuitRequested = false;
};
