// SCheckBox: a three-state check box, drawn "[x]" (checked), "[ ]"
// (unchecked) or "[-]" (undetermined), with optional content one cell to its
// right. Space (while it has the keyboard focus) or a click anywhere on it
// toggles it: checked becomes unchecked, anything else becomes checked.
// While it has the keyboard focus the box and its content are painted in the
// Focused style.
//
// Its state comes from the IsChecked attribute. When that is bound to a
// getter, the box asks the getter each time and leaves keeping the state to
// the owner of the getter; otherwise it keeps the new state itself. Either
// way OnCheckStateChanged is raised with the new state.
#pragma once

#include "Delegates/Delegate.h"
#include "SlateApi.h"
#include "Types/SlateEnums.h"
#include "Widgets/SCompoundWidget.h"

DECLARE_DELEGATE_OneParam(FOnCheckStateChanged, ECheckBoxState);

class SLATE_API SCheckBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SCheckBox)
		: _IsChecked(ECheckBoxState::Unchecked)
	{
	}
	/** Optional content shown to the right of the box. */
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_ATTRIBUTE(ECheckBoxState, IsChecked)
	SLATE_EVENT(FOnCheckStateChanged, OnCheckStateChanged)
	SLATE_END_ARGS()

	SCheckBox();
	void Construct(const FArguments& InArgs);

	ECheckBoxState GetCheckedState() const { return IsCheckedState.Get(); }
	bool IsChecked() const { return GetCheckedState() == ECheckBoxState::Checked; }
	void SetIsChecked(const TAttribute<ECheckBoxState>& InIsChecked) { IsCheckedState = InIsChecked; }
	/** Toggles as a key press or click does, raising OnCheckStateChanged. */
	void ToggleCheckedState();

	bool SupportsKeyboardFocus() const override { return true; }
	FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	TAttribute<ECheckBoxState> IsCheckedState;
	FOnCheckStateChanged OnCheckStateChanged;
};
