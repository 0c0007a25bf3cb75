// SWindow: a window on the character-cell screen, holding one content widget.
//
// Chrome: with a title bar (the default) the window is framed by a one-cell
// border, and its top border row is the title bar: the title from the third
// column, and the close button "[X]" just left of the top-right corner. The
// content fills the cells inside the border, so the chrome adds 2 columns
// (16 units) and 2 rows (32 units). Without a title bar there is no chrome.
// The border and title bar are painted in the Frame style, the cells inside
// in the Normal one; the close button shows Focused while it has the focus.
//
// Size: an autosized window (and any window without a client size) asks for
// its content's desired size plus the chrome, widened when needed so that the
// title and close button fit; the application rounds that up to whole cells
// and cuts it down to the screen. Terminal windows cannot be maximised or
// minimised; those flags are kept and reported only.
//
// The close button is focusable and follows the content in the Tab order;
// Enter, Space or a click on it closes the window through the application.
#pragma once

#include "Delegates/Delegate.h"
#include "Math/Vector2D.h"
#include "Rendering/CellRect.h"
#include "SlateApi.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SWidget.h"

class SWindow;

enum class ESizingRule : uint8
{
	/** The client size given at creation, never changed. */
	FixedSize = 0,
	/** Sized to the content's desired size. */
	Autosized = 1,
	/** The client size given at creation, which the user may change. */
	UserSized = 2,
};

DECLARE_DELEGATE_OneParam(FOnWindowClosed, const TSharedRef<SWindow>&);

class SLATE_API SWindow : public SWidget
{
public:
	SLATE_BEGIN_ARGS(SWindow)
		: _SizingRule(ESizingRule::UserSized)
		, _HasCloseButton(true)
		, _SupportsMaximize(true)
		, _SupportsMinimize(true)
		, _CreateTitleBar(true)
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_ATTRIBUTE(FText, Title)
	SLATE_ARGUMENT(ESizingRule, SizingRule)
	/** For fixed and user-sized windows: the size of the content area in units; zero for none. */
	SLATE_ARGUMENT(FVector2D, ClientSize)
	SLATE_ARGUMENT(bool, HasCloseButton)
	SLATE_ARGUMENT(bool, SupportsMaximize)
	SLATE_ARGUMENT(bool, SupportsMinimize)
	/** False for a window without border and title bar (for example a host's full-screen main window). */
	SLATE_ARGUMENT(bool, CreateTitleBar)
	SLATE_END_ARGS()

	SWindow();
	~SWindow() override;
	void Construct(const FArguments& InArgs);

	FText GetTitle() const { return Title.Get(); }
	void SetTitle(const TAttribute<FText>& InTitle) { Title = InTitle; }
	ESizingRule GetSizingRule() const { return SizingRule; }
	bool HasCloseBox() const { return bHasCloseButton; }
	bool HasMaximizeBox() const { return bSupportsMaximize; }
	bool HasMinimizeBox() const { return bSupportsMinimize; }
	/** True for a fixed or user-sized window given a client size; it then asks for that size instead of its content's. */
	bool HasClientSize() const { return SizingRule != ESizingRule::Autosized && ClientSize.X > 0.0f && ClientSize.Y > 0.0f; }

	void SetContent(const TSharedRef<SWidget>& InContent);
	TSharedRef<SWidget> GetContent() const { return Content; }

	/** Called once when the window closes, however it is closed. */
	void SetOnWindowClosed(const FOnWindowClosed& InDelegate) { OnWindowClosed = InDelegate; }
	const FOnWindowClosed& GetOnWindowClosed() const { return OnWindowClosed; }

	/** The size the chrome adds to the content, in units. */
	FVector2D GetChromeSize() const;
	/** Where the application placed the window on the screen, in cells (empty while it is not shown). */
	FCellRect GetScreenCellRect() const { return ScreenCellRect; }
	FGeometry GetWindowGeometry() const;
	void SetScreenCellRect(const FCellRect& InRect) { ScreenCellRect = InRect; }

	const FChildren& GetChildren() const override { return WindowChildren; }
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	/** The content, then the close button when there is one. */
	class FWindowChildren final : public FChildren
	{
	public:
		explicit FWindowChildren(const SWindow& InOwner) : Owner(InOwner) {}
		int32 Num() const override;
		TSharedRef<SWidget> GetChildAt(int32 Index) const override;

	private:
		const SWindow& Owner;
	};

	bool ShowsCloseButton() const { return bCreateTitleBar && bHasCloseButton; }

	TAttribute<FText> Title;
	ESizingRule SizingRule = ESizingRule::UserSized;
	FVector2D ClientSize;
	bool bHasCloseButton = true;
	bool bSupportsMaximize = true;
	bool bSupportsMinimize = true;
	bool bCreateTitleBar = true;
	TSharedRef<SWidget> Content;
	TSharedRef<SWidget> CloseButton;
	FWindowChildren WindowChildren;
	FOnWindowClosed OnWindowClosed;
	FCellRect ScreenCellRect;
};
