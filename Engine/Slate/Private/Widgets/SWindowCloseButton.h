// The close button of a window's title bar: "[X]", focusable (then painted
// in the Focused style); Enter, Space or a click asks the application to
// close the window.
#pragma once

#include "Widgets/SLeafWidget.h"

class SWindow;

class SWindowCloseButton final : public SLeafWidget
{
public:
	explicit SWindowCloseButton(const TWeakPtr<SWidget>& InOwner) : Owner(InOwner) {}

	bool SupportsKeyboardFocus() const override { return true; }
	FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;
	FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

	static constexpr int32 Columns = 3;

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	void CloseOwner() const;

	TWeakPtr<SWidget> Owner;
};
