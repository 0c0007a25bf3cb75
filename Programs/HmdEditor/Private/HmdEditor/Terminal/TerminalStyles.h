// How each cell style looks on a terminal: colour pairs where the terminal
// has colours, video attributes (reverse, bold, underline) where it has none
// or the user asked for none with NO_COLOR.
#pragma once

#include "CoreTypes.h"
#include "Rendering/SlateSurface.h"

/** Whether to use colours: the terminal has them and NO_COLOR is unset or empty (NoColor may be null). */
bool ShouldUseColour(bool bTerminalHasColours, const char* NoColor);

struct FTerminalStyle
{
	/** The colour pair's curses colours; -1 is the terminal's own default. */
	int16 Foreground = -1;
	int16 Background = -1;
	/** Attributes (A_BOLD and the like) drawn with the colours. */
	uint32 ColourAttributes = 0;
	/** Attributes drawn instead of colours. */
	uint32 MonochromeAttributes = 0;
};

/** The look of a style; Normal is the terminal's own colours and no attributes. */
const FTerminalStyle& GetTerminalStyle(ESlateCellStyle Style);

/** How many styles there are, for a colour pair each (pair 0 is Normal). */
inline constexpr int32 TerminalStyleCount = static_cast<int32>(ESlateCellStyle::Warning) + 1;
