// FGlobalTabmanager: knows the editor's root (main) window, over which
// dialogs open. The host sets it once its main window is up.
#pragma once

#include "SlateApi.h"
#include "Templates/SharedPointer.h"

class SWindow;

class SLATE_API FGlobalTabmanager
{
public:
	static const TSharedRef<FGlobalTabmanager>& Get();

	/** The root window; empty until the host sets one, or once it is gone. */
	TSharedPtr<SWindow> GetRootWindow() const { return RootWindow.Pin(); }
	/** The tab manager does not keep the window alive. */
	void SetRootWindow(const TSharedPtr<SWindow>& InRootWindow) { RootWindow = InRootWindow; }

private:
	TWeakPtr<SWindow> RootWindow;
};
