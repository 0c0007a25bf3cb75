#include "Layout/Children.h"

#include "Layout/SlotBase.h"
#include "Misc/AssertionMacros.h"
#include "Widgets/SWidget.h"

TSharedRef<SWidget> FNoChildren::GetChildAt(int32 /*Index*/) const
{
	checkNoEntry();
}

TSharedRef<SWidget> FSimpleSlot::GetChildAt(int32 Index) const
{
	check(Index == 0);
	return GetWidget();
}
