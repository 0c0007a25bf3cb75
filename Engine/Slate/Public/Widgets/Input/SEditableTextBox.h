// SEditableTextBox: a one-line text field.
//
// It is drawn as "[text______]": brackets at both ends and the free part of
// the field filled with '_'. Text is measured in terminal cells, as the
// surface draws it: a double-width character takes two, a combining mark
// joins the character before it. Text wider than the field scrolls sideways
// so that the insertion point stays in view, the brackets staying in place;
// where text is cut off, the cell inside the bracket on that side shows '<'
// or '>', and a double-width character that does not fit at the edge is left
// out, never shown in half. While the box has the keyboard focus its cells
// are painted Focused and the surface's cursor sits at the insertion point.
//
// The cursor steps over a character with its combining marks as one. Typed
// and pasted characters insert at the cursor; BackSpace and Delete remove the
// character before or after it; Left, Right, Home and End move it, as do
// Ctrl+A (start) and Ctrl+E (end); Ctrl+Left and Ctrl+Right move to the start
// of the word before and the end of the word after; Ctrl+U, Ctrl+K and Ctrl+W
// delete to the start, to the end and the word before the cursor. Words are
// runs of letters and digits. A click puts the cursor on the clicked
// character (either half of a double-width one), after the text when the
// cell is free, and on the hidden character next to a cut-off mark.
// Enter commits with ETextCommit::OnEnter; losing the keyboard focus commits
// with OnUserMovedFocus (OnCleared when the focus was cleared outright).
// SetText replaces the text without raising any event.
//
// Typing, deleting and moving by a character cost the same whatever the
// length of the text: it is kept in a gap buffer at the cursor, and painting
// lays out only the cells of the field from a first shown character that
// follows the cursor.
#pragma once

#include "Delegates/Delegate.h"
#include "SlateApi.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

#include <memory>
#include <string_view>

class FCodePointGapBuffer;
struct FSingleLineTextLayout;

DECLARE_DELEGATE_OneParam(FOnTextChanged, const FText&);
DECLARE_DELEGATE_TwoParams(FOnTextCommitted, const FText&, ETextCommit::Type);

class SLATE_API SEditableTextBox : public SLeafWidget
{
public:
	/** The width the field asks for by default: room for 20 characters. */
	static constexpr float DefaultMinDesiredWidth = 20.0f * FCellMetrics::UnitsPerColumn;

	SLATE_BEGIN_ARGS(SEditableTextBox)
		: _IsReadOnly(false)
		, _MinDesiredWidth(DefaultMinDesiredWidth)
	{
	}
	/** The starting text; read once, when the box is built. */
	SLATE_ATTRIBUTE(FText, Text)
	/** A read-only box moves its cursor but does not change its text. */
	SLATE_ATTRIBUTE(bool, IsReadOnly)
	/** The width of the text area, in units (the brackets come on top). */
	SLATE_ARGUMENT(float, MinDesiredWidth)
	/** Raised after every edit, with the whole text. */
	SLATE_EVENT(FOnTextChanged, OnTextChanged)
	/** Raised on Enter and on losing the focus, with the whole text and the kind of commit. */
	SLATE_EVENT(FOnTextCommitted, OnTextCommitted)
	SLATE_END_ARGS()

	SEditableTextBox();
	~SEditableTextBox() override;
	void Construct(const FArguments& InArgs);

	/** The current text, committed or not. */
	FText GetText() const;
	/** Replaces the text, puts the cursor after its last character and raises no event. */
	void SetText(const FText& InText);
	/** The insertion point, in code points from the start. */
	int32 GetCursorIndex() const { return CursorIndex; }

	bool SupportsKeyboardFocus() const override { return true; }
	FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) override;
	FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	/**
	 * Inserts the text at the cursor as if typed, on one line: each line break
	 * and tab becomes a space, other control characters are dropped. Nothing
	 * is committed. Read-only boxes leave it unhandled.
	 */
	FReply OnPaste(const FGeometry& MyGeometry, std::u32string_view Text) override;
	void OnFocusLost(const FFocusEvent& InFocusEvent) override;

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	/** A key that moves the cursor: true, with the cursor moved, when it is one. */
	bool MoveCursorForKey(const FKeyEvent& InKeyEvent);
	/** A key that deletes text: true, with the text edited, when it is one. */
	bool DeleteForKey(const FKeyEvent& InKeyEvent);
	void InsertAtCursor(std::u32string_view Characters);
	/** Removes [Start, End) and puts the cursor at Start. */
	void RemoveRange(int32 Start, int32 End);
	/** Lays out the text area of a geometry, scrolled to show the cursor, and keeps where it starts. */
	FSingleLineTextLayout LayOutTextArea(const FCellRect& Cells) const;
	void TextChanged();
	void Commit(ETextCommit::Type CommitType);

	std::unique_ptr<FCodePointGapBuffer> EditedText;
	int32 CursorIndex = 0;
	/** Index of the first character shown; laying out the field moves it to follow the cursor. */
	mutable int32 FirstShown = 0;
	TAttribute<bool> IsReadOnly;
	float MinDesiredWidth = DefaultMinDesiredWidth;
	FOnTextChanged OnTextChanged;
	FOnTextCommitted OnTextCommitted;
};
