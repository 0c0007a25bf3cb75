#include "HmdEditor/Terminal/TerminalStyles.h"

#include <curses.h>

namespace
{
	// In the order of ESlateCellStyle. Without colours the menu bar and an
	// open pull-down are reversed and what is highlighted in them shows as a
	// bold gap in the reverse; the focused widget is reversed in its window.
	const FTerminalStyle Styles[TerminalStyleCount] = {
		/* Normal */ {-1, -1, A_NORMAL, A_NORMAL},
		/* Bar */ {COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_REVERSE},
		/* Menu */ {COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_REVERSE},
		/* Selected */ {COLOR_WHITE, COLOR_BLUE, A_BOLD, A_BOLD},
		/* Frame */ {COLOR_CYAN, -1, A_BOLD, A_BOLD},
		/* Focused */ {COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_REVERSE | A_UNDERLINE},
		/* Warning */ {COLOR_WHITE, COLOR_RED, A_BOLD, A_BOLD | A_UNDERLINE},
	};
}

bool ShouldUseColour(bool bTerminalHasColours, const char* NoColor)
{
	return bTerminalHasColours && (NoColor == nullptr || NoColor[0] == '\0');
}

const FTerminalStyle& GetTerminalStyle(ESlateCellStyle Style)
{
	const int32 Index = static_cast<int32>(Style);
	return Styles[Index >= 0 && Index < TerminalStyleCount ? Index : 0];
}
