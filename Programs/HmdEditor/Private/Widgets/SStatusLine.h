// The main window's bottom row: a message on the left (the tool tip of the
// highlighted menu or entry) and key hints on the right. When both do not
// fit, the message wins and the hints are left out.
#pragma once

#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SStatusLine : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SStatusLine) {}
	SLATE_ATTRIBUTE(FText, Message)
	SLATE_ATTRIBUTE(FText, KeyHints)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	TAttribute<FText> Message;
	TAttribute<FText> KeyHints;
};
