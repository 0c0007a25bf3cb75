#include "Widgets/Layout/SBox.h"

#include <algorithm>

namespace
{
	// The content's length along one axis, after the override and the bounds.
	float ApplySizeRules(float ContentSize, const FOptionalSize& Override, const FOptionalSize& Min, const FOptionalSize& Max)
	{
		if (Override.IsSet())
		{
			return Override.Get();
		}
		float Size = ContentSize;
		if (Min.IsSet())
		{
			Size = std::max(Size, Min.Get());
		}
		if (Max.IsSet())
		{
			Size = std::min(Size, Max.Get());
		}
		return Size;
	}
}

SBox::SBox() = default;

void SBox::Construct(const FArguments& InArgs)
{
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding)[InArgs._Content.Widget];
	WidthOverride = InArgs._WidthOverride;
	HeightOverride = InArgs._HeightOverride;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	MinDesiredHeight = InArgs._MinDesiredHeight;
	MaxDesiredWidth = InArgs._MaxDesiredWidth;
	MaxDesiredHeight = InArgs._MaxDesiredHeight;
}

void SBox::SetContent(const TSharedRef<SWidget>& InContent)
{
	ChildSlot[InContent];
}

FVector2D SBox::ComputeDesiredSize() const
{
	const FVector2D Content = SCompoundWidget::ComputeDesiredSize();
	return FVector2D(
		ApplySizeRules(Content.X, WidthOverride.Get(), MinDesiredWidth.Get(), MaxDesiredWidth.Get()),
		ApplySizeRules(Content.Y, HeightOverride.Get(), MinDesiredHeight.Get(), MaxDesiredHeight.Get()));
}
