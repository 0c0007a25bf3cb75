// One run of the editor host, from start-up to shut-down: it loads the Level
// Editor and the OrvekHmdSettings module as the editor does, opens the main
// window (menu bar, level viewport, status line) and runs the event loop
// until the user quits, then shuts the modules down in the right order.
#pragma once

#include "CoreTypes.h"
#include "Internationalization/Text.h"
#include "Templates/SharedPointer.h"

#include <string>

class FLevelEditorModule;
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
	 * Sets the documents folder (Options as CheckDocumentsFolder passed them),
	 * loads the modules and opens the main window. Returns false with Error
	 * set when a module cannot be loaded.
	 */
	bool Startup(const FHmdEditorOptions& Options, std::string& Error);

	/** Runs the event loop on the given input and output until quit is requested. */
	void Run(const TSharedRef<ISlateEventSource>& EventSource, const TSharedRef<ISlateRenderer>& Renderer);

	/** Quits as File > Exit does: chooses that entry of the Level Editor's menu bar. */
	void RequestExit();

	/** Closes the main window, unloads the modules (latest started first) and ends the application. */
	void Shutdown();

private:
	FText GetStatusMessage() const;
	FText GetKeyHints() const;
	void OnExitRequested();

	FLevelEditorModule* LevelEditor = nullptr;
	TSharedPtr<SWindow> MainWindow;
	TSharedPtr<SMainMenuBar> MainMenuBar;
	bool bStarted = false;
};
