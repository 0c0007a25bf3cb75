// Hook positions and the delegates that fill menus.
#pragma once

#include "Delegates/Delegate.h"

class FMenuBarBuilder;
class FMenuBuilder;

namespace EExtensionHook
{
	/**
	 * Where an extension goes relative to its hook: before or after the
	 * hooked pull-down, section or entry, or first inside the hooked section.
	 */
	enum Position
	{
		Before,
		After,
		First
	};
}

/** Fills a pull-down menu when it is opened. */
DECLARE_DELEGATE_OneParam(FNewMenuDelegate, FMenuBuilder&);
/** Adds pull-down menus to a menu bar at an extension's hook. */
DECLARE_DELEGATE_OneParam(FMenuBarExtensionDelegate, FMenuBarBuilder&);
/** Adds sections or entries to a menu at an extension's hook. */
DECLARE_DELEGATE_OneParam(FMenuExtensionDelegate, FMenuBuilder&);
