#include "Widgets/SLeafWidget.h"

void SLeafWidget::ArrangeChildren(const FGeometry& /*AllottedGeometry*/, FArrangedChildren& /*ArrangedChildren*/) const
{
}
