// The level viewport of the main window. The host edits no level, so it is
// an empty framed area; the box it sits in gives it what the other rows leave.
#pragma once

#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SLevelViewport : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SLevelViewport) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	FText Caption;
};
