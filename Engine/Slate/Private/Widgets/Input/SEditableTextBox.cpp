#include "Widgets/Input/SEditableTextBox.h"

#include "Text/CodePointGapBuffer.h"
#include "Text/CodePointString.h"
#include "Text/PastedText.h"
#include "Text/SingleLineTextLayout.h"
#include "Text/TextBoundaries.h"

#include <algorithm>

namespace
{
	// The cells of the field: the first row of the geometry, the brackets at both ends.
	constexpr int32 BracketColumns = 2;
	constexpr char32_t FreeCellCharacter = U'_';
	/** Fills the cells of a double-width character left out before the right mark. */
	constexpr char32_t LeftOutCellCharacter = U' ';
	constexpr char32_t CutBeforeMark = U'<';
	constexpr char32_t CutAfterMark = U'>';
	/** The base that combining marks with no character before them are shown on. */
	constexpr char32_t MarkPlaceholder = U'\u25CC';

	/** The letter keys of the editing chords, which arrive with the Control modifier. */
	struct FControlLetters
	{
		FKey A{TEXT("A")};
		FKey E{TEXT("E")};
		FKey K{TEXT("K")};
		FKey U{TEXT("U")};
		FKey W{TEXT("W")};
	};

	const FControlLetters& GetControlLetters()
	{
		static const FControlLetters Letters;
		return Letters;
	}

	bool IsControlLetter(const FKeyEvent& InKeyEvent, const FKey& Letter)
	{
		return InKeyEvent.IsControlDown() && InKeyEvent.GetKey() == Letter;
	}
}

SEditableTextBox::SEditableTextBox()
	: EditedText(std::make_unique<FCodePointGapBuffer>())
{
}

SEditableTextBox::~SEditableTextBox() = default;

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	IsReadOnly = InArgs._IsReadOnly;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	OnTextChanged = InArgs._OnTextChanged;
	OnTextCommitted = InArgs._OnTextCommitted;
	SetText(InArgs._Text.Get());
}

FText SEditableTextBox::GetText() const
{
	return FText::FromString(CodePointString::ToText(EditedText->ToString()));
}

void SEditableTextBox::SetText(const FText& InText)
{
	EditedText->Assign(CodePointString::FromText(InText.ToString()));
	CursorIndex = EditedText->Num();
	FirstShown = 0;
}

FReply SEditableTextBox::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent)
{
	if (InKeyEvent.GetKey() == EKeys::Enter)
	{
		Commit(ETextCommit::OnEnter);
		return FReply::Handled();
	}
	if (MoveCursorForKey(InKeyEvent) || (!IsReadOnly.Get() && DeleteForKey(InKeyEvent)))
	{
		return FReply::Handled();
	}
	return FReply::Unhandled();
}

bool SEditableTextBox::MoveCursorForKey(const FKeyEvent& InKeyEvent)
{
	const FKey& Key = InKeyEvent.GetKey();
	const FControlLetters& Letters = GetControlLetters();
	const bool bByWord = InKeyEvent.IsControlDown();
	if (Key == EKeys::Left)
	{
		if (CursorIndex > 0)
		{
			CursorIndex = bByWord ? TextBoundaries::PreviousWordStart(*EditedText, CursorIndex) : TextBoundaries::PreviousCharacter(*EditedText, CursorIndex);
		}
	}
	else if (Key == EKeys::Right)
	{
		if (CursorIndex < EditedText->Num())
		{
			CursorIndex = bByWord ? TextBoundaries::NextWordEnd(*EditedText, CursorIndex) : TextBoundaries::NextCharacter(*EditedText, CursorIndex);
		}
	}
	else if (Key == EKeys::Home || IsControlLetter(InKeyEvent, Letters.A))
	{
		CursorIndex = 0;
	}
	else if (Key == EKeys::End || IsControlLetter(InKeyEvent, Letters.E))
	{
		CursorIndex = EditedText->Num();
	}
	else
	{
		return false;
	}
	return true;
}

bool SEditableTextBox::DeleteForKey(const FKeyEvent& InKeyEvent)
{
	const FKey& Key = InKeyEvent.GetKey();
	const FControlLetters& Letters = GetControlLetters();
	const int32 Length = EditedText->Num();
	if (Key == EKeys::BackSpace)
	{
		RemoveRange(CursorIndex > 0 ? TextBoundaries::PreviousCharacter(*EditedText, CursorIndex) : 0, CursorIndex);
	}
	else if (Key == EKeys::Delete)
	{
		RemoveRange(CursorIndex, CursorIndex < Length ? TextBoundaries::NextCharacter(*EditedText, CursorIndex) : Length);
	}
	else if (IsControlLetter(InKeyEvent, Letters.U))
	{
		RemoveRange(0, CursorIndex);
	}
	else if (IsControlLetter(InKeyEvent, Letters.K))
	{
		RemoveRange(CursorIndex, Length);
	}
	else if (IsControlLetter(InKeyEvent, Letters.W))
	{
		RemoveRange(TextBoundaries::PreviousWordStart(*EditedText, CursorIndex), CursorIndex);
	}
	else
	{
		return false;
	}
	return true;
}

FReply SEditableTextBox::OnKeyChar(const FGeometry& /*MyGeometry*/, const FCharacterEvent& InCharacterEvent)
{
	const char32_t Character = InCharacterEvent.GetCharacter();
	if (IsReadOnly.Get() || !CodePointString::IsScalarValue(Character) || CodePointString::IsControl(Character))
	{
		return FReply::Unhandled();
	}
	InsertAtCursor(std::u32string_view(&Character, 1));
	return FReply::Handled();
}

FReply SEditableTextBox::OnPaste(const FGeometry& /*MyGeometry*/, std::u32string_view Text)
{
	if (IsReadOnly.Get())
	{
		return FReply::Unhandled();
	}
	InsertAtCursor(PastedText::ToTypedText(Text));
	return FReply::Handled();
}

FReply SEditableTextBox::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	const FCellRect Cells = MyGeometry.GetCellRect();
	const FSingleLineTextLayout Layout = LayOutTextArea(Cells);
	CursorIndex = Layout.GetCursorAtColumn(MouseEvent.GetColumn() - (Cells.Column + 1));
	return FReply::Handled();
}

void SEditableTextBox::OnFocusLost(const FFocusEvent& InFocusEvent)
{
	Commit(InFocusEvent.GetCause() == EFocusCause::Cleared ? ETextCommit::OnCleared : ETextCommit::OnUserMovedFocus);
}

FVector2D SEditableTextBox::ComputeDesiredSize() const
{
	return FVector2D(std::max(0.0f, MinDesiredWidth), 0.0f) + FCellMetrics::ToUnits(BracketColumns, 1);
}

void SEditableTextBox::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	if (Cells.IsEmpty())
	{
		return;
	}
	const FSingleLineTextLayout Layout = LayOutTextArea(Cells);
	const int32 Row = Cells.Row;
	const int32 FirstTextColumn = Cells.Column + 1;
	Surface.SetCell(Cells.Column, Row, U'[');
	Surface.Fill(FCellRect(FirstTextColumn, Row, Layout.Columns, 1), FreeCellCharacter);
	for (const FShownCharacter& Shown : Layout.Characters)
	{
		int32 Column = FirstTextColumn + Shown.Column;
		if (Shown.bBaseless)
		{
			Column = Surface.SetCell(Column, Row, MarkPlaceholder);
		}
		for (int32 Index = Shown.Index; Index < Shown.End; ++Index)
		{
			Column = Surface.SetCell(Column, Row, (*EditedText)[Index]);
		}
	}
	if (Layout.bCutBefore)
	{
		Surface.SetCell(FirstTextColumn, Row, CutBeforeMark);
	}
	if (Layout.bCutAfter)
	{
		const int32 MarkColumn = FirstTextColumn + Layout.Columns - 1;
		Surface.Fill(FCellRect(FirstTextColumn + Layout.EndColumn, Row, MarkColumn - (FirstTextColumn + Layout.EndColumn), 1), LeftOutCellCharacter);
		Surface.SetCell(MarkColumn, Row, CutAfterMark);
	}
	Surface.SetCell(Cells.GetRight() - 1, Row, U']');

	if (HasKeyboardFocus())
	{
		Surface.SetStyle(FCellRect(Cells.Column, Row, Cells.Columns, 1), ESlateCellStyle::Focused);
		if (Layout.Columns > 0)
		{
			Surface.SetCursor(FirstTextColumn + Layout.GetCursorColumn(CursorIndex), Row);
		}
	}
}

FSingleLineTextLayout SEditableTextBox::LayOutTextArea(const FCellRect& Cells) const
{
	FSingleLineTextLayout Layout = FSingleLineTextLayout::LayOutAroundCursor(*EditedText, FirstShown, CursorIndex, std::max(0, Cells.Columns - BracketColumns));
	FirstShown = Layout.FirstShown;
	return Layout;
}

void SEditableTextBox::InsertAtCursor(std::u32string_view Characters)
{
	if (Characters.empty())
	{
		return;
	}
	EditedText->Insert(CursorIndex, Characters);
	CursorIndex += static_cast<int32>(Characters.size());
	TextChanged();
}

void SEditableTextBox::RemoveRange(int32 Start, int32 End)
{
	if (Start >= End)
	{
		return;
	}
	EditedText->Remove(Start, End - Start);
	CursorIndex = Start;
	TextChanged();
}

void SEditableTextBox::TextChanged()
{
	// The whole text is built only for a listener: typing must not cost in proportion to its length.
	if (OnTextChanged.IsBound())
	{
		OnTextChanged.Execute(GetText());
	}
}

void SEditableTextBox::Commit(ETextCommit::Type CommitType)
{
	OnTextCommitted.ExecuteIfBound(GetText(), CommitType);
}
