// SLeafWidget: a widget without children.
#pragma once

#include "SlateApi.h"
#include "Widgets/SWidget.h"

class SLATE_API SLeafWidget : public SWidget
{
public:
	const FChildren& GetChildren() const override { return NoChildren; }
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

private:
	FNoChildren NoChildren;
};
