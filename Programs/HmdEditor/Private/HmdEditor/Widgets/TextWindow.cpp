#include "HmdEditor/Widgets/TextWindow.h"

#include "Framework/Application/SlateApplication.h"
#include "Framework/Docking/TabManager.h"
#include "Widgets/SWindow.h"

void OpenModalTextWindow(const FText& Title, TArray<FScrollingTextLine> Lines, bool bScrollToEnd)
{
	const TSharedRef<SWindow> Window = SNew(SWindow)
		.Title(Title)
		.SizingRule(ESizingRule::Autosized)
		.HasCloseButton(true)
		.SupportsMaximize(false)
		.SupportsMinimize(false)
		[
			SNew(SScrollingTextView)
			.Lines(std::move(Lines))
			.ScrollToEnd(bScrollToEnd)
		];
	FSlateApplication::Get().AddModalWindow(Window, FGlobalTabmanager::Get()->GetRootWindow(), false);
}

bool IsTextWindow(const SWindow& Window)
{
	return dynamic_cast<const SScrollingTextView*>(&Window.GetContent().Get()) != nullptr;
}
