#include "Widgets/Input/SEditableTextBox.h"

#include "Text/CodePointString.h"

#include <algorithm>

namespace
{
	// The cells of the field: the first row of the geometry, the brackets at both ends.
	constexpr int32 BracketColumns = 2;
	constexpr char32_t FreeCellCharacter = U'_';
}

SEditableTextBox::SEditableTextBox() = default;

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
	return FText::FromString(CodePointString::ToText(EditedText));
}

void SEditableTextBox::SetText(const FText& InText)
{
	EditedText = CodePointString::FromText(InText.ToString());
	CursorIndex = TextLength();
}

FReply SEditableTextBox::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent)
{
	const FKey& Key = InKeyEvent.GetKey();
	const bool bReadOnly = IsReadOnly.Get();
	if (Key == EKeys::Enter)
	{
		Commit(ETextCommit::OnEnter);
	}
	else if (Key == EKeys::Left)
	{
		CursorIndex = std::max(0, CursorIndex - 1);
	}
	else if (Key == EKeys::Right)
	{
		CursorIndex = std::min(TextLength(), CursorIndex + 1);
	}
	else if (Key == EKeys::Home)
	{
		CursorIndex = 0;
	}
	else if (Key == EKeys::End)
	{
		CursorIndex = TextLength();
	}
	else if (Key == EKeys::BackSpace && !bReadOnly)
	{
		if (CursorIndex > 0)
		{
			EditedText.erase(static_cast<SIZE_T>(--CursorIndex), 1);
			TextChanged();
		}
	}
	else if (Key == EKeys::Delete && !bReadOnly)
	{
		if (CursorIndex < TextLength())
		{
			EditedText.erase(static_cast<SIZE_T>(CursorIndex), 1);
			TextChanged();
		}
	}
	else
	{
		return FReply::Unhandled();
	}
	return FReply::Handled();
}

FReply SEditableTextBox::OnKeyChar(const FGeometry& /*MyGeometry*/, const FCharacterEvent& InCharacterEvent)
{
	const char32_t Character = InCharacterEvent.GetCharacter();
	if (IsReadOnly.Get() || !CodePointString::IsScalarValue(Character) || CodePointString::IsControl(Character))
	{
		return FReply::Unhandled();
	}
	EditedText.insert(static_cast<SIZE_T>(CursorIndex++), 1, Character);
	TextChanged();
	return FReply::Handled();
}

FReply SEditableTextBox::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	const int32 FirstTextColumn = MyGeometry.GetCellRect().Column + 1;
	CursorIndex = std::clamp(ScrollOffset + MouseEvent.GetColumn() - FirstTextColumn, 0, TextLength());
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
	const int32 VisibleColumns = std::max(0, Cells.Columns - BracketColumns);
	UpdateScroll(VisibleColumns);

	const int32 Row = Cells.Row;
	const int32 FirstTextColumn = Cells.Column + 1;
	Surface.SetCell(Cells.Column, Row, U'[');
	Surface.Fill(FCellRect(FirstTextColumn, Row, VisibleColumns, 1), FreeCellCharacter);
	const SIZE_T ShownCount = std::min(static_cast<SIZE_T>(VisibleColumns), EditedText.size() - static_cast<SIZE_T>(ScrollOffset));
	Surface.DrawText(FirstTextColumn, Row, std::u32string_view(EditedText).substr(static_cast<SIZE_T>(ScrollOffset), ShownCount));
	Surface.SetCell(Cells.GetRight() - 1, Row, U']');

	if (HasKeyboardFocus() && VisibleColumns > 0)
	{
		Surface.SetCursor(FirstTextColumn + CursorIndex - ScrollOffset, Row);
	}
}

void SEditableTextBox::TextChanged()
{
	OnTextChanged.ExecuteIfBound(GetText());
}

void SEditableTextBox::Commit(ETextCommit::Type CommitType)
{
	OnTextCommitted.ExecuteIfBound(GetText(), CommitType);
}

void SEditableTextBox::UpdateScroll(int32 VisibleColumns) const
{
	if (VisibleColumns <= 0)
	{
		ScrollOffset = 0;
		return;
	}
	// Never leave free cells at the end while text is hidden at the start
	// (the cursor after the last character needs one cell of its own).
	ScrollOffset = std::clamp(ScrollOffset, 0, std::max(0, TextLength() + 1 - VisibleColumns));
	if (CursorIndex < ScrollOffset)
	{
		ScrollOffset = CursorIndex;
	}
	else if (CursorIndex >= ScrollOffset + VisibleColumns)
	{
		ScrollOffset = CursorIndex - VisibleColumns + 1;
	}
}
