// SCompoundWidget: a widget made of other widgets, held in its single child
// slot. It takes the size of its content plus the slot's padding, and places
// the content by the slot's alignment.
#pragma once

#include "Layout/SlotBase.h"
#include "SlateApi.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SWidget.h"

class SLATE_API SCompoundWidget : public SWidget
{
public:
	const FChildren& GetChildren() const override { return ChildSlot; }
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

protected:
	SCompoundWidget();
	FVector2D ComputeDesiredSize() const override;

	/** The one slot that holds the widget's content. */
	FSimpleSlot ChildSlot;
};
