// Slots: the places in a widget that hold one child each, filled with
// operator[] in the declarative syntax.
#pragma once

#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "SlateApi.h"
#include "Types/SlateEnums.h"
#include "Widgets/SNullWidget.h"

#include <utility>

/** The child of a slot; the empty widget until one is attached. */
class FSlotBase
{
public:
	const TSharedRef<SWidget>& GetWidget() const { return Widget; }
	void AttachWidget(TSharedRef<SWidget> InWidget) { Widget = std::move(InWidget); }

private:
	TSharedRef<SWidget> Widget = SNullWidget::NullWidget;
};

template <typename SlotType>
class TSlotBase : public FSlotBase
{
public:
	SlotType& operator[](TSharedRef<SWidget> InWidget)
	{
		AttachWidget(std::move(InWidget));
		return static_cast<SlotType&>(*this);
	}
};

/** A single slot with padding and alignment: the child slot of compound widgets and boxes. */
class SLATE_API FSimpleSlot final : public TSlotBase<FSimpleSlot>, public FChildren
{
public:
	FSimpleSlot& HAlign(EHorizontalAlignment InAlignment)
	{
		HAlignment = InAlignment;
		return *this;
	}
	FSimpleSlot& VAlign(EVerticalAlignment InAlignment)
	{
		VAlignment = InAlignment;
		return *this;
	}
	FSimpleSlot& Padding(const FMargin& InPadding)
	{
		SlotPadding = InPadding;
		return *this;
	}

	EHorizontalAlignment GetHAlign() const { return HAlignment; }
	EVerticalAlignment GetVAlign() const { return VAlignment; }
	const FMargin& GetPadding() const { return SlotPadding; }

	int32 Num() const override { return 1; }
	TSharedRef<SWidget> GetChildAt(int32 Index) const override;

private:
	EHorizontalAlignment HAlignment = HAlign_Fill;
	EVerticalAlignment VAlignment = VAlign_Fill;
	FMargin SlotPadding;
};
