// SEditableTextBox: a one-line text field.
//
// It is drawn as "[text______]": brackets at both ends and the free part of
// the field filled with '_'. Text longer than the field scrolls sideways so
// that the insertion point stays in view; while the box has the keyboard
// focus the surface's cursor sits at the insertion point.
//
// Editing works on code points, so any Unicode character (astral ones
// included) is one step of the cursor and one cell. Typed characters insert
// at the cursor; BackSpace and Delete remove the character before or after
// it; Left, Right, Home and End move it; a click puts it at the clicked cell.
// Enter commits with ETextCommit::OnEnter; losing the keyboard focus commits
// with OnUserMovedFocus (OnCleared when the focus was cleared outright).
// SetText replaces the text without raising any event.
#pragma once

#include "Delegates/Delegate.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

#include <string>

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
	void OnFocusLost(const FFocusEvent& InFocusEvent) override;

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	int32 TextLength() const { return static_cast<int32>(EditedText.size()); }
	void TextChanged();
	void Commit(ETextCommit::Type CommitType);
	/** Keeps the first shown character such that the cursor is inside a text area of the given width. */
	void UpdateScroll(int32 VisibleColumns) const;

	std::u32string EditedText;
	int32 CursorIndex = 0;
	/** Index of the first character shown; painting moves it to follow the cursor. */
	mutable int32 ScrollOffset = 0;
	TAttribute<bool> IsReadOnly;
	float MinDesiredWidth = DefaultMinDesiredWidth;
	FOnTextChanged OnTextChanged;
	FOnTextCommitted OnTextCommitted;
};
