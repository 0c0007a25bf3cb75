// FSlateIcon: names an icon by its style set and its style names. The empty
// icon means "no icon" or, as an override, "keep the command's own".
#pragma once

#include "UObject/NameTypes.h"

class FSlateIcon
{
public:
	FSlateIcon() = default;
	FSlateIcon(FName InStyleSetName, FName InStyleName, FName InSmallStyleName = NAME_None)
		: StyleSetName(InStyleSetName), StyleName(InStyleName), SmallStyleName(InSmallStyleName), bIsSet(true)
	{
	}

	bool IsSet() const { return bIsSet; }
	FName GetStyleSetName() const { return StyleSetName; }
	FName GetStyleName() const { return StyleName; }
	FName GetSmallStyleName() const { return SmallStyleName; }

	bool operator==(const FSlateIcon& Other) const = default;

private:
	FName StyleSetName;
	FName StyleName;
	FName SmallStyleName;
	bool bIsSet = false;
};
