#include "Widgets/SNullWidget.h"

#include "Widgets/SLeafWidget.h"

namespace
{
	class SNullWidgetContent final : public SLeafWidget
	{
	protected:
		FVector2D ComputeDesiredSize() const override { return FVector2D(); }
		void OnPaint(const FGeometry& /*AllottedGeometry*/, FSlateSurface& /*Surface*/) const override {}
	};
}

TSharedRef<SWidget> SNullWidget::NullWidget = MakeShared<SNullWidgetContent>();
