// SHorizontalBox and SVerticalBox: children side by side or one above the
// other, each in a slot.
//
// Along the box's direction a slot is either automatic, taking its child's
// desired size, or fills, sharing the space the automatic slots and all
// paddings leave in proportion to its stretch coefficient (FillWidth /
// FillHeight; a new slot fills with 1.0). Across the box every slot takes the
// box's whole extent. Inside its slot a child is placed by the slot's padding
// and alignment. The box asks for the sum of its slots' desired sizes
// (child plus padding, fill slots included) along its direction and the
// largest across it.
#pragma once

#include "Containers/Array.h"
#include "Layout/SlotBase.h"
#include "SlateApi.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SWidget.h"

#include <utility>

enum class EOrientation : uint8
{
	Orient_Horizontal,
	Orient_Vertical,
};

class SLATE_API SBoxPanel : public SWidget
{
public:
	enum class ESizeRule : uint8
	{
		Auto,
		Stretch,
	};

	/** What a box keeps of each slot. */
	class FSlot : public FSlotBase
	{
	public:
		EHorizontalAlignment HAlignment = HAlign_Fill;
		EVerticalAlignment VAlignment = VAlign_Fill;
		FMargin SlotPadding;
		ESizeRule SizeRule = ESizeRule::Stretch;
		/** The stretch coefficient of a filling slot. */
		float SizeValue = 1.0f;
	};

	/** The declarative form of a slot; each box adds the setters of its own direction. */
	template <typename SlotType>
	class TSlot : public FSlot
	{
	public:
		SlotType& HAlign(EHorizontalAlignment InAlignment)
		{
			HAlignment = InAlignment;
			return Self();
		}
		SlotType& VAlign(EVerticalAlignment InAlignment)
		{
			VAlignment = InAlignment;
			return Self();
		}
		SlotType& Padding(const FMargin& InPadding)
		{
			SlotPadding = InPadding;
			return Self();
		}
		SlotType& operator[](TSharedRef<SWidget> InWidget)
		{
			AttachWidget(std::move(InWidget));
			return Self();
		}

	protected:
		SlotType& SetSize(ESizeRule InRule, float InValue)
		{
			SizeRule = InRule;
			SizeValue = InValue;
			return Self();
		}

	private:
		SlotType& Self() { return static_cast<SlotType&>(*this); }
	};

	const FChildren& GetChildren() const override { return Children; }
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

	/** Appends a slot (the setters of SHorizontalBox::Slot / SVerticalBox::Slot give its layout). */
	void AddSlot(const FSlot& InSlot) { Children.Slots.Add(InSlot); }
	/** Removes every slot, for widgets that rebuild their content. */
	void ClearChildren() { Children.Slots.Reset(); }

protected:
	explicit SBoxPanel(EOrientation InOrientation);
	FVector2D ComputeDesiredSize() const override;

	template <typename SlotType>
	void AddSlots(const TArray<SlotType>& Slots)
	{
		for (const SlotType& Slot : Slots)
		{
			AddSlot(Slot);
		}
	}

private:
	class FSlotChildren final : public FChildren
	{
	public:
		int32 Num() const override { return Slots.Num(); }
		TSharedRef<SWidget> GetChildAt(int32 Index) const override { return Slots[Index].GetWidget(); }
		TArray<FSlot> Slots;
	};

	EOrientation Orientation;
	FSlotChildren Children;
};

class SLATE_API SHorizontalBox : public SBoxPanel
{
public:
	class FSlot : public SBoxPanel::TSlot<FSlot>
	{
	public:
		FSlot& AutoWidth() { return SetSize(ESizeRule::Auto, 0.0f); }
		FSlot& FillWidth(float StretchCoefficient) { return SetSize(ESizeRule::Stretch, StretchCoefficient); }
	};

	/** A new slot: fill width 1.0, fill alignment, no padding. */
	static FSlot Slot() { return FSlot(); }

	SLATE_BEGIN_ARGS(SHorizontalBox) {}
	SLATE_SUPPORTS_SLOT(SHorizontalBox::FSlot)
	SLATE_END_ARGS()

	SHorizontalBox();
	void Construct(const FArguments& InArgs);
};

class SLATE_API SVerticalBox : public SBoxPanel
{
public:
	class FSlot : public SBoxPanel::TSlot<FSlot>
	{
	public:
		FSlot& AutoHeight() { return SetSize(ESizeRule::Auto, 0.0f); }
		FSlot& FillHeight(float StretchCoefficient) { return SetSize(ESizeRule::Stretch, StretchCoefficient); }
	};

	/** A new slot: fill height 1.0, fill alignment, no padding. */
	static FSlot Slot() { return FSlot(); }

	SLATE_BEGIN_ARGS(SVerticalBox) {}
	SLATE_SUPPORTS_SLOT(SVerticalBox::FSlot)
	SLATE_END_ARGS()

	SVerticalBox();
	void Construct(const FArguments& InArgs);
};
