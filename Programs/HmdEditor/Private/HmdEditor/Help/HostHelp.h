// What the Help menu and F1 show: the keys of the place the user is in, and
// the program's name, version and files.
#pragma once

#include "Containers/Array.h"
#include "HmdEditor/Help/HostKeyTable.h"
#include "HmdEditor/Widgets/SScrollingTextView.h"

#include <string>

/** The program's version, the project's. */
const char* GetHmdEditorVersion();

/** "hmd-editor <version>", as --version prints it. */
std::string GetHmdEditorVersionLine();

/** The places whose keys the Keyboard Shortcuts window lists for Context: Anywhere's rows come last. */
TArray<EHostKeyContext> GetShownKeyContexts(EHostKeyContext Context);

/** The Keyboard Shortcuts window's lines for Context: a heading for each place, then its keys and what they do. */
TArray<FScrollingTextLine> MakeKeyboardShortcutLines(EHostKeyContext Context);

/** The About window's lines. The paths are UTF-8 text as they are shown. */
TArray<FScrollingTextLine> MakeAboutLines(const std::string& SettingsFile, const std::string& LogFile);
