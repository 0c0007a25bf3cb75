// One run of the editor host, from start-up to shut-down: it loads the Level
// Editor and the OrvekHmdSettings module as the editor does, opens the main
// window (menu bar, level viewport, status line) and runs the event loop
// until the user quits, then shuts the modules down in the right order.
//
// The session keeps this run's log lines (Window > Output Log, and the
// latest message on the status line until the next key press), adds the
// Output Log, Keyboard Shortcuts and About entries to the Level Editor's
// Window and Help menus through its menu-extensibility manager, and takes
// the keys that work everywhere (F1, Ctrl+C) before any widget.
#pragma once

#include "CoreTypes.h"
#include "HmdEditor/Help/HostKeyTable.h"
#include "Internationalization/Text.h"
#include "HmdEditor/Log/HostLogHistory.h"
#include "Rendering/SlateSurface.h"
#include "Templates/SharedPointer.h"
#include "Templates/ValueOrError.h"

#include <string>

class FExtender;
class FHmdEditorInputProcessor;
class FLevelEditorModule;
class FMenuBuilder;
class ISlateEventSource;
class ISlateRenderer;
class SMainMenuBar;
class SWindow;
struct FHmdEditorOptions;

class FHmdEditorSession
{
public:
	FHmdEditorSession() = default;
	~FHmdEditorSession();

	FHmdEditorSession(const FHmdEditorSession&) = delete;
	FHmdEditorSession& operator=(const FHmdEditorSession&) = delete;

	/**
	 * Starts keeping the log, sets the documents folder (Options as
	 * CheckDocumentsFolder passed them), loads the modules and opens the main
	 * window. The error says which module cannot be loaded.
	 */
	TValueOrError<void, std::string> Startup(const FHmdEditorOptions& Options);

	/** Runs the event loop on the given input and output until quit is requested. */
	void Run(const TSharedRef<ISlateEventSource>& EventSource, const TSharedRef<ISlateRenderer>& Renderer);

	/** Quits as File > Exit does: chooses that entry of the Level Editor's menu bar. */
	void RequestExit();

	/** Closes the main window, unloads the modules (latest started first), ends the application and stops keeping the log. */
	void Shutdown();

	const FHostLogHistory& GetLogHistory() const { return LogHistory; }

	/** Where the keys the user presses now act: an open window, an open menu or the main window. */
	EHostKeyContext GetKeyContext() const;

	/** Window > Output Log: this run's log lines, newest last, opened at the end. */
	void OpenOutputLog();
	/** F1: the keys of the place the user is in. */
	void OpenKeyboardShortcutsHere();
	/** Help > Keyboard Shortcuts: the keys of the main window. */
	void OpenKeyboardShortcuts();
	/** Help > About: the program, its version and its files. */
	void OpenAbout();

private:
	FText GetStatusMessage() const;
	ESlateCellStyle GetStatusMessageStyle() const;
	TArray<FText> GetKeyHints() const;
	void OnExitRequested();
	void FillWindowMenu(FMenuBuilder& MenuBuilder);
	void FillHelpMenu(FMenuBuilder& MenuBuilder);
	void OpenKeyboardShortcutsFor(EHostKeyContext Context);
	/** The settings file the module reads and writes, for the About window; a note in its place when there is none. */
	std::string DescribeSettingsFile() const;

	FHostLogHistory LogHistory;
	TSharedPtr<FHmdEditorInputProcessor> InputProcessor;
	/** The Window and Help menus' entries, handed to the Level Editor and withdrawn at shut-down. */
	TSharedPtr<FExtender> MenuExtender;
	FLevelEditorModule* LevelEditor = nullptr;
	TSharedPtr<SWindow> MainWindow;
	TSharedPtr<SMainMenuBar> MainMenuBar;
	/** Headless runs have no log file: their log lines go to standard error. */
	bool bHeadless = false;
	bool bStarted = false;
};
