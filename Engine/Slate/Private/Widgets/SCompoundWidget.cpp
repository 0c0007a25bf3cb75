#include "Widgets/SCompoundWidget.h"

#include "Layout/LayoutUtils.h"

SCompoundWidget::SCompoundWidget() = default;

void SCompoundWidget::ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	LayoutUtils::ArrangeSingleChild(AllottedGeometry, ArrangedChildren, ChildSlot);
}

FVector2D SCompoundWidget::ComputeDesiredSize() const
{
	return LayoutUtils::ComputeSlotDesiredSize(ChildSlot);
}
