// FChildren: the list of child widgets a widget exposes, in layout, paint and
// keyboard-focus order.
#pragma once

#include "CoreTypes.h"
#include "SlateApi.h"
#include "Templates/SharedPointer.h"

class SWidget;

class FChildren
{
public:
	virtual ~FChildren() = default;
	virtual int32 Num() const = 0;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) const = 0;
};

/** The children of a widget that has none. */
class SLATE_API FNoChildren final : public FChildren
{
public:
	int32 Num() const override { return 0; }
	TSharedRef<SWidget> GetChildAt(int32 Index) const override;
};
