// The empty widget that fills a slot before anything is put in it.
#pragma once

#include "SlateApi.h"
#include "Templates/SharedPointer.h"

class SWidget;

class SLATE_API SNullWidget
{
public:
	/** One shared instance: it has no size, no children and paints nothing. */
	static TSharedRef<SWidget> NullWidget;
};
