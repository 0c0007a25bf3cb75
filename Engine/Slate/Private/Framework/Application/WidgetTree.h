// Walks over a window's widget tree: the path to a widget or to a cell, and
// the focusable widgets in Tab order.
#pragma once

#include "Layout/ArrangedChildren.h"

class SWidget;

namespace WidgetTree
{
	/** The widgets from Root down to Target, each with its geometry; empty when Target is not in the tree. */
	FArrangedChildren FindPathToWidget(const FArrangedWidget& Root, const SWidget* Target);

	/** The widgets from Root down to the deepest one covering the cell; empty when Root does not cover it. */
	FArrangedChildren FindPathAtCell(const FArrangedWidget& Root, int32 Column, int32 Row);

	/** Every widget that supports keyboard focus, in tree order (depth first, children in order). */
	void CollectFocusable(const TSharedRef<SWidget>& Root, TArray<TSharedRef<SWidget>>& OutWidgets);
}
