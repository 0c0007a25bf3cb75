// A widget together with the geometry its parent gave it.
#pragma once

#include "Containers/Array.h"
#include "Layout/Geometry.h"
#include "Templates/SharedPointer.h"

class SWidget;

struct FArrangedWidget
{
	TSharedRef<SWidget> Widget;
	FGeometry Geometry;
};

using FArrangedChildren = TArray<FArrangedWidget>;
