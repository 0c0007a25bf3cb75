// STextBlock: shows a text. Each line ('\n' separates lines) is drawn from
// the widget's left edge in the terminal columns its characters take (two
// for a double-width character, none for a combining mark); what does not
// fit is cut off. It asks for 8 units per column of its longest line and 16
// units per line.
#pragma once

#include "SlateApi.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SLATE_API STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock) {}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_END_ARGS()

	STextBlock();
	void Construct(const FArguments& InArgs);

	FText GetText() const { return BoundText.Get(); }
	void SetText(const TAttribute<FText>& InText) { BoundText = InText; }

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	TAttribute<FText> BoundText;
};
