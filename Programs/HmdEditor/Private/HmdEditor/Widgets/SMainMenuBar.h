// The main window's menu bar: the Level Editor's pull-down titles on the top
// row, the window's content below them, and the open pull-down drawn over
// that content. It holds the main window's keyboard focus, so the menu keys
// reach it whatever the pointer is over:
//
//   F10 or F9            open the first menu (again: close it)
//   Alt+<first letter>   open that menu
//   Left / Right         the neighbouring menu, wrapping
//   Up / Down            the neighbouring entry, wrapping
//   a letter             choose the entry whose label starts with it
//   Enter                choose the entry
//   Escape               close the menu
//   Ctrl+Q               quit
//
// While a menu is open, moving the pointer onto another title opens that
// menu. The menu row is painted in the Bar style, the open title and the
// highlighted entry Selected, and the open pull-down Menu.
#pragma once

#include "Delegates/Delegate.h"
#include "HmdEditor/Menus/MainMenuState.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** Builds the menu bar afresh, as the Level Editor does whenever it is asked. */
DECLARE_DELEGATE_RetVal(FMenuBarModel, FOnBuildMenuBar);
DECLARE_DELEGATE(FOnQuitRequested);

class SMainMenuBar : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SMainMenuBar) {}
	/** What the window shows below the menu row. */
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_EVENT(FOnBuildMenuBar, OnBuildMenuBar)
	/** Ctrl+Q. */
	SLATE_EVENT(FOnQuitRequested, OnQuitRequested)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	const FMainMenuState& GetMenuState() const { return MenuState; }
	/** For the status line: the tool tip of the highlighted menu or entry. */
	FText GetHighlightedToolTip() const { return MenuState.GetHighlightedToolTip(); }

	bool SupportsKeyboardFocus() const override { return true; }
	FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) override;
	FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

protected:
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	/** Takes the menu bar afresh, so that extensions added or withdrawn since show up as they are now. */
	void RebuildMenuBar();
	/** Opens a pull-down of a freshly built menu bar. */
	void OpenMenu(int32 Index);
	/** The menu row's titles for the widget's geometry. */
	TArray<FCellRect> LayoutTitles(const FGeometry& MyGeometry) const;

	FMainMenuState MenuState;
	FOnBuildMenuBar OnBuildMenuBar;
	FOnQuitRequested OnQuitRequested;
};
