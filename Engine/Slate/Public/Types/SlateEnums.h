// Enumerations shared by the widgets, with the values the engine gives them.
#pragma once

#include "CoreTypes.h"

enum EHorizontalAlignment : uint8
{
	HAlign_Fill = 0,
	HAlign_Left = 1,
	HAlign_Center = 2,
	HAlign_Right = 3,
};

enum EVerticalAlignment : uint8
{
	VAlign_Fill = 0,
	VAlign_Top = 1,
	VAlign_Center = 2,
	VAlign_Bottom = 3,
};

enum class ECheckBoxState : uint8
{
	Unchecked = 0,
	Checked = 1,
	Undetermined = 2,
};

/** How an edit of a text box was committed. */
namespace ETextCommit
{
	enum Type : uint8
	{
		/** Committed by the program rather than by the user. */
		Default = 0,
		/** The user pressed Enter. */
		OnEnter = 1,
		/** The keyboard focus moved to another widget or window. */
		OnUserMovedFocus = 2,
		/** The keyboard focus was cleared without moving anywhere. */
		OnCleared = 3,
	};
}
