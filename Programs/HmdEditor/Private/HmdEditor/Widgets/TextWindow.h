// The host's read-only windows (Output Log, Keyboard Shortcuts, About): a
// modal window over the main window holding a scrolling list of lines,
// closed with Escape like the settings window.
#pragma once

#include "Containers/Array.h"
#include "Internationalization/Text.h"
#include "HmdEditor/Widgets/SScrollingTextView.h"

class SWindow;

/** Opens the window and runs it until it closes. */
void OpenModalTextWindow(const FText& Title, TArray<FScrollingTextLine> Lines, bool bScrollToEnd);

/** True for a window that OpenModalTextWindow opened. */
bool IsTextWindow(const SWindow& Window);
