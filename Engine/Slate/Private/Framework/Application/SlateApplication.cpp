#include "Framework/Application/SlateApplication.h"

#include "Application/SlateEventSource.h"
#include "Framework/Application/IInputProcessor.h"
#include "Rendering/SlateRenderer.h"
#include "WidgetTree.h"
#include "Widgets/SWindow.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{
	std::unique_ptr<FSlateApplication> GSlateApplication;

	// Whole cells that hold a length in units; a hair of rounding error does not add a cell.
	int32 CellsToHold(float Units, float UnitsPerCell)
	{
		return std::max(0, static_cast<int32>(std::ceil(Units / UnitsPerCell - 1.0e-3f)));
	}

	FArrangedWidget ArrangeWindow(const TSharedRef<SWindow>& Window)
	{
		return FArrangedWidget{Window, Window->GetWindowGeometry()};
	}

	/** Offers an event to the registered pre-processors in order until one consumes it. */
	template <typename FHandler>
	bool OfferToPreProcessors(const TArray<TSharedPtr<IInputProcessor>>& Registered, FHandler&& Handler)
	{
		// A copy: handlers may register or unregister pre-processors. One unregistered meanwhile is skipped.
		const TArray<TSharedPtr<IInputProcessor>> InOrder = Registered;
		for (const TSharedPtr<IInputProcessor>& Processor : InOrder)
		{
			if (Registered.Contains(Processor) && Handler(*Processor))
			{
				return true;
			}
		}
		return false;
	}

	/** Offers an event to the deepest widget of a path, then to each widget above it, until one handles it. */
	template <typename FHandler>
	bool RouteUpThePath(const FArrangedChildren& Path, FHandler&& Handler)
	{
		for (int32 Index = Path.Num() - 1; Index >= 0; --Index)
		{
			if (Handler(Path[Index].Widget.Get(), Path[Index].Geometry).IsEventHandled())
			{
				return true;
			}
		}
		return false;
	}
}

FSlateApplication& FSlateApplication::Create()
{
	if (!GSlateApplication)
	{
		GSlateApplication.reset(new FSlateApplication());
	}
	return *GSlateApplication;
}

void FSlateApplication::Shutdown()
{
	GSlateApplication.reset();
}

bool FSlateApplication::IsInitialized()
{
	return GSlateApplication != nullptr;
}

FSlateApplication& FSlateApplication::Get()
{
	return Create();
}

FSlateApplication::FSlateApplication() = default;
FSlateApplication::~FSlateApplication() = default;

void FSlateApplication::SetScreenSize(int32 Columns, int32 Rows)
{
	ScreenColumns = std::max(0, Columns);
	ScreenRows = std::max(0, Rows);
}

const FSlateSurface& FSlateApplication::PaintToSurface()
{
	ArrangeWindows();
	Surface.Reset(ScreenColumns, ScreenRows);
	for (const TSharedRef<SWindow>& Window : GetOpenWindows())
	{
		Window->Paint(Window->GetWindowGeometry(), Surface);
	}
	return Surface;
}

TSharedRef<SWindow> FSlateApplication::AddWindow(TSharedRef<SWindow> InSlateWindow)
{
	if (FindWindowEntry(*InSlateWindow) != INDEX_NONE)
	{
		return InSlateWindow;
	}
	// Top-level windows stay below every modal window.
	int32 InsertAt = 0;
	while (InsertAt < Windows.Num() && !Windows[InsertAt].bModal)
	{
		++InsertAt;
	}
	Windows.Insert(FWindowEntry{InSlateWindow, false, nullptr, FocusedWidget}, InsertAt);
	ArrangeWindows();
	if (!GetActiveModalWindow())
	{
		FocusFirstWidgetOf(InSlateWindow);
	}
	return InSlateWindow;
}

void FSlateApplication::AddModalWindow(TSharedRef<SWindow> InSlateWindow, const TSharedPtr<const SWidget> InParentWidget, bool bSlowTaskWindow)
{
	if (FindWindowEntry(*InSlateWindow) != INDEX_NONE)
	{
		return;
	}
	Windows.Add(FWindowEntry{InSlateWindow, true, InParentWidget, FocusedWidget});
	ArrangeWindows();
	FocusFirstWidgetOf(InSlateWindow);
	if (bSlowTaskWindow)
	{
		return;
	}
	while (IsWindowOpen(*InSlateWindow) && !bQuitRequested)
	{
		PumpEvent();
	}
	// A window opened after quit was requested closes at once, like the others did.
	RequestDestroyWindow(InSlateWindow);
}

void FSlateApplication::RequestDestroyWindow(TSharedRef<SWindow> WindowToDestroy)
{
	int32 Index = FindWindowEntry(*WindowToDestroy);
	if (Index == INDEX_NONE)
	{
		return;
	}
	if (Windows[Index].bModal)
	{
		while (Index != INDEX_NONE && Index < Windows.Num() - 1)
		{
			RequestDestroyWindow(Windows.Last().Window);
			Index = FindWindowEntry(*WindowToDestroy);
		}
		if (Index == INDEX_NONE)
		{
			return;
		}
	}
	// Take the window off the list first: whatever the handlers below do, it closes only once.
	const FWindowEntry Entry = Windows[Index];
	Windows.RemoveAt(Index);

	const TSharedPtr<SWidget> Focus = FocusedWidget.Pin();
	if (!Focus.IsValid() || !WidgetTree::FindPathToWidget(ArrangeWindow(Entry.Window), Focus.Get()).IsEmpty())
	{
		const TSharedPtr<SWidget> Restore = Entry.PreviousFocus.Pin();
		const TSharedPtr<SWindow> Active = GetActiveWindow();
		if (Restore.IsValid() && Active.IsValid() && FindWindowOf(Restore.Get()) == Active)
		{
			ChangeFocus(Restore, EFocusCause::WindowActivate);
		}
		else if (Active.IsValid())
		{
			FocusFirstWidgetOf(Active.ToSharedRef());
		}
		else
		{
			ChangeFocus(nullptr, EFocusCause::WindowActivate);
		}
	}
	Entry.Window->GetOnWindowClosed().ExecuteIfBound(Entry.Window);
}

bool FSlateApplication::IsWindowOpen(const SWindow& Window) const
{
	return FindWindowEntry(Window) != INDEX_NONE;
}

TSharedPtr<SWindow> FSlateApplication::GetActiveModalWindow() const
{
	return !Windows.IsEmpty() && Windows.Last().bModal ? TSharedPtr<SWindow>(Windows.Last().Window) : nullptr;
}

TSharedPtr<SWindow> FSlateApplication::GetActiveWindow() const
{
	return Windows.IsEmpty() ? nullptr : TSharedPtr<SWindow>(Windows.Last().Window);
}

TArray<TSharedRef<SWindow>> FSlateApplication::GetOpenWindows() const
{
	TArray<TSharedRef<SWindow>> Result;
	for (const FWindowEntry& Entry : Windows)
	{
		Result.Add(Entry.Window);
	}
	return Result;
}

void FSlateApplication::RunMainLoop()
{
	while (!bQuitRequested)
	{
		PumpEvent();
	}
}

bool FSlateApplication::PumpEvent()
{
	const TSharedPtr<ISlateEventSource> Source = EventSource;
	const TSharedPtr<ISlateRenderer> CurrentRenderer = Renderer;
	if (CurrentRenderer.IsValid() && !(Source.IsValid() && Source->HasPendingEvents()))
	{
		CurrentRenderer->Present(PaintToSurface());
	}
	FSlateEvent Event;
	if (!Source.IsValid() || !Source->WaitForNextEvent(Event))
	{
		RequestQuit();
		return false;
	}
	ProcessEvent(Event);
	return true;
}

void FSlateApplication::RequestQuit()
{
	bQuitRequested = true;
	while (const TSharedPtr<SWindow> Modal = GetActiveModalWindow())
	{
		RequestDestroyWindow(Modal.ToSharedRef());
	}
}

bool FSlateApplication::ProcessEvent(const FSlateEvent& Event)
{
	switch (Event.Type)
	{
	case FSlateEvent::EType::KeyDown:
		return ProcessKeyDownEvent(FKeyEvent(Event.Key, Event.Modifiers));
	case FSlateEvent::EType::KeyChar:
		return ProcessKeyCharEvent(FCharacterEvent(Event.Character, Event.Modifiers));
	case FSlateEvent::EType::MouseButtonDown:
		return ProcessMouseButtonDownEvent(FPointerEvent(Event.Column, Event.Row, Event.Key, Event.Modifiers));
	case FSlateEvent::EType::MouseMove:
		return ProcessMouseMoveEvent(FPointerEvent(Event.Column, Event.Row, Event.Key, Event.Modifiers));
	case FSlateEvent::EType::Paste:
		return ProcessPasteEvent(Event.Text);
	case FSlateEvent::EType::Resize:
		SetScreenSize(Event.Column, Event.Row);
		return true;
	case FSlateEvent::EType::Action:
		if (Event.Action)
		{
			Event.Action();
		}
		return true;
	}
	return false;
}

bool FSlateApplication::ProcessKeyDownEvent(const FKeyEvent& InKeyEvent)
{
	if (OfferToPreProcessors(InputPreProcessors, [this, &InKeyEvent](IInputProcessor& Processor) { return Processor.HandleKeyDownEvent(*this, InKeyEvent); }))
	{
		return true;
	}
	ArrangeWindows();
	const TSharedPtr<SWindow> Active = GetActiveWindow();
	if (!Active.IsValid())
	{
		return false;
	}
	if (RouteUpThePath(FindPathToFocusedWidget(), [&InKeyEvent](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnKeyDown(Geometry, InKeyEvent); }))
	{
		return true;
	}
	if (InKeyEvent.GetKey() == EKeys::Tab)
	{
		return MoveFocus(InKeyEvent.IsShiftDown());
	}
	if (InKeyEvent.GetKey() == EKeys::Escape && Active == GetActiveModalWindow())
	{
		RequestDestroyWindow(Active.ToSharedRef());
		return true;
	}
	return false;
}

bool FSlateApplication::ProcessKeyCharEvent(const FCharacterEvent& InCharacterEvent)
{
	if (OfferToPreProcessors(InputPreProcessors, [this, &InCharacterEvent](IInputProcessor& Processor) { return Processor.HandleKeyCharEvent(*this, InCharacterEvent); }))
	{
		return true;
	}
	ArrangeWindows();
	return RouteUpThePath(FindPathToFocusedWidget(), [&InCharacterEvent](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnKeyChar(Geometry, InCharacterEvent); });
}

bool FSlateApplication::ProcessMouseButtonDownEvent(const FPointerEvent& MouseEvent)
{
	if (OfferToPreProcessors(InputPreProcessors, [this, &MouseEvent](IInputProcessor& Processor) { return Processor.HandleMouseButtonDownEvent(*this, MouseEvent); }))
	{
		return true;
	}
	ArrangeWindows();
	const int32 HitIndex = FindWindowEntryAtCell(MouseEvent.GetColumn(), MouseEvent.GetRow());
	if (HitIndex == INDEX_NONE)
	{
		return false;
	}
	const TSharedRef<SWindow> Window = Windows[HitIndex].Window;
	if (HitIndex != Windows.Num() - 1)
	{
		// A click raises a top-level window above the others.
		const FWindowEntry Entry = Windows[HitIndex];
		Windows.RemoveAt(HitIndex);
		Windows.Add(Entry);
	}

	const FArrangedChildren Path = WidgetTree::FindPathAtCell(ArrangeWindow(Window), MouseEvent.GetColumn(), MouseEvent.GetRow());
	for (int32 Index = Path.Num() - 1; Index >= 0; --Index)
	{
		if (Path[Index].Widget->SupportsKeyboardFocus())
		{
			ChangeFocus(Path[Index].Widget, EFocusCause::Mouse);
			break;
		}
	}
	return RouteUpThePath(Path, [&MouseEvent](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnMouseButtonDown(Geometry, MouseEvent); });
}

bool FSlateApplication::ProcessMouseMoveEvent(const FPointerEvent& MouseEvent)
{
	ArrangeWindows();
	const int32 HitIndex = FindWindowEntryAtCell(MouseEvent.GetColumn(), MouseEvent.GetRow());
	if (HitIndex == INDEX_NONE)
	{
		return false;
	}
	const FArrangedChildren Path = WidgetTree::FindPathAtCell(ArrangeWindow(Windows[HitIndex].Window), MouseEvent.GetColumn(), MouseEvent.GetRow());
	return RouteUpThePath(Path, [&MouseEvent](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnMouseMove(Geometry, MouseEvent); });
}

bool FSlateApplication::ProcessPasteEvent(std::u32string_view Text)
{
	if (OfferToPreProcessors(InputPreProcessors, [this, Text](IInputProcessor& Processor) { return Processor.HandlePasteEvent(*this, Text); }))
	{
		return true;
	}
	ArrangeWindows();
	return RouteUpThePath(FindPathToFocusedWidget(), [Text](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnPaste(Geometry, Text); });
}

bool FSlateApplication::RegisterInputPreProcessor(TSharedPtr<IInputProcessor> InputProcessor)
{
	if (!InputProcessor.IsValid() || InputPreProcessors.Contains(InputProcessor))
	{
		return false;
	}
	InputPreProcessors.Add(InputProcessor);
	return true;
}

void FSlateApplication::UnregisterInputPreProcessor(TSharedPtr<IInputProcessor> InputProcessor)
{
	InputPreProcessors.Remove(InputProcessor);
}

bool FSlateApplication::SetKeyboardFocus(const TSharedPtr<SWidget>& Widget, EFocusCause Cause)
{
	if (!Widget.IsValid())
	{
		ClearKeyboardFocus(Cause);
		return true;
	}
	ArrangeWindows();
	const TSharedPtr<SWindow> Active = GetActiveWindow();
	if (!Widget->SupportsKeyboardFocus() || !Active.IsValid() || FindWindowOf(Widget.Get()) != Active)
	{
		return false;
	}
	ChangeFocus(Widget, Cause);
	return true;
}

void FSlateApplication::ClearKeyboardFocus(EFocusCause Cause)
{
	ChangeFocus(nullptr, Cause);
}

int32 FSlateApplication::FindWindowEntry(const SWindow& Window) const
{
	for (int32 Index = 0; Index < Windows.Num(); ++Index)
	{
		if (&Windows[Index].Window.Get() == &Window)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 FSlateApplication::FindWindowEntryAtCell(int32 Column, int32 Row) const
{
	// While a modal window is open only it takes the mouse; otherwise the topmost window under the cell.
	for (int32 Index = Windows.Num() - 1; Index >= 0; --Index)
	{
		if (Windows[Index].Window->GetScreenCellRect().Contains(Column, Row))
		{
			return Index;
		}
		if (Windows[Index].bModal)
		{
			break;
		}
	}
	return INDEX_NONE;
}

void FSlateApplication::ArrangeWindows()
{
	for (const FWindowEntry& Entry : Windows)
	{
		Entry.Window->SetScreenCellRect(ComputeWindowRect(Entry));
	}
}

FCellRect FSlateApplication::ComputeWindowRect(const FWindowEntry& Entry) const
{
	const FCellRect Screen(0, 0, ScreenColumns, ScreenRows);
	const SWindow& Window = Entry.Window.Get();
	const bool bHasOwnSize = Window.GetSizingRule() == ESizingRule::Autosized || Window.HasClientSize();
	if (!Entry.bModal && !bHasOwnSize)
	{
		return Screen;
	}
	const FVector2D Desired = Window.GetDesiredSize();
	const int32 Columns = std::min(CellsToHold(Desired.X, FCellMetrics::UnitsPerColumn), ScreenColumns);
	const int32 Rows = std::min(CellsToHold(Desired.Y, FCellMetrics::UnitsPerRow), ScreenRows);
	if (!Entry.bModal)
	{
		return FCellRect(0, 0, Columns, Rows);
	}
	// Centred over the parent's window (placed earlier, as it comes earlier in paint order), kept on screen.
	const TSharedPtr<const SWidget> Parent = Entry.ParentWidget.Pin();
	const TSharedPtr<SWindow> ParentWindow = Parent.IsValid() ? FindWindowOf(Parent.Get()) : nullptr;
	const FCellRect Over = ParentWindow.IsValid() && ParentWindow != Entry.Window ? ParentWindow->GetScreenCellRect() : Screen;
	const int32 Column = std::clamp(Over.Column + (Over.Columns - Columns) / 2, 0, ScreenColumns - Columns);
	const int32 Row = std::clamp(Over.Row + (Over.Rows - Rows) / 2, 0, ScreenRows - Rows);
	return FCellRect(Column, Row, Columns, Rows);
}

TSharedPtr<SWindow> FSlateApplication::FindWindowOf(const SWidget* Widget) const
{
	for (const FWindowEntry& Entry : Windows)
	{
		if (!WidgetTree::FindPathToWidget(ArrangeWindow(Entry.Window), Widget).IsEmpty())
		{
			return Entry.Window;
		}
	}
	return nullptr;
}

FArrangedChildren FSlateApplication::FindPathToFocusedWidget() const
{
	const TSharedPtr<SWindow> Active = GetActiveWindow();
	if (!Active.IsValid())
	{
		return FArrangedChildren();
	}
	const FArrangedWidget Root = ArrangeWindow(Active.ToSharedRef());
	FArrangedChildren Path = WidgetTree::FindPathToWidget(Root, FocusedWidget.Pin().Get());
	if (Path.IsEmpty())
	{
		// Without a focused widget inside it, the window itself gets the keys.
		Path.Add(Root);
	}
	return Path;
}

void FSlateApplication::ChangeFocus(const TSharedPtr<SWidget>& NewFocus, EFocusCause Cause)
{
	const TSharedPtr<SWidget> OldFocus = FocusedWidget.Pin();
	if (OldFocus == NewFocus)
	{
		return;
	}
	FocusedWidget = NewFocus;
	if (OldFocus.IsValid())
	{
		OldFocus->OnFocusLost(FFocusEvent(Cause));
	}
	// The old widget's handler may have moved the focus again.
	if (NewFocus.IsValid() && FocusedWidget.Pin() == NewFocus)
	{
		NewFocus->OnFocusReceived(FFocusEvent(Cause));
	}
}

void FSlateApplication::FocusFirstWidgetOf(const TSharedRef<SWindow>& Window)
{
	TArray<TSharedRef<SWidget>> Focusable;
	WidgetTree::CollectFocusable(Window, Focusable);
	ChangeFocus(Focusable.IsEmpty() ? nullptr : TSharedPtr<SWidget>(Focusable[0]), EFocusCause::WindowActivate);
}

bool FSlateApplication::MoveFocus(bool bBackwards)
{
	const TSharedPtr<SWindow> Active = GetActiveWindow();
	if (!Active.IsValid())
	{
		return false;
	}
	TArray<TSharedRef<SWidget>> Focusable;
	WidgetTree::CollectFocusable(Active.ToSharedRef(), Focusable);
	if (Focusable.IsEmpty())
	{
		return false;
	}
	const int32 Count = Focusable.Num();
	int32 Current = INDEX_NONE;
	const TSharedPtr<SWidget> Focus = FocusedWidget.Pin();
	for (int32 Index = 0; Index < Count; ++Index)
	{
		if (Focusable[Index] == Focus)
		{
			Current = Index;
		}
	}
	int32 Next = 0;
	if (Current == INDEX_NONE)
	{
		Next = bBackwards ? Count - 1 : 0;
	}
	else
	{
		Next = (Current + (bBackwards ? Count - 1 : 1)) % Count;
	}
	ChangeFocus(Focusable[Next], EFocusCause::Navigation);
	return true;
}
