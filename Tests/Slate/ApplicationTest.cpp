#include "Application/QueuedSlateEventSource.h"
#include "Framework/Docking/TabManager.h"
#include "Rendering/SlateRenderer.h"
#include "TestFormPanel.h"
#include "SlateTestHelpers.h"
#include "Widgets/SWindow.h"

using SlateTest::Row;

namespace
{
	/** Keeps the text of every frame it is shown. */
	class FRecordingRenderer : public ISlateRenderer
	{
	public:
		void Present(const FSlateSurface& Surface) override
		{
			std::string Frame;
			for (int32 RowIndex = 0; RowIndex < Surface.GetRows(); ++RowIndex)
			{
				Frame += Row(Surface, RowIndex) + "\n";
			}
			Frames.push_back(Frame);
		}
		std::vector<std::string> Frames;
	};

	/** Counts closed events per window. */
	struct FCloseCounter
	{
		int32 Closed = 0;
		TArray<FString> Order;
	};

	TSharedRef<SWindow> MakeCountedWindow(FCloseCounter& Counter, const char16_t* Title, const TSharedRef<SWidget>& Content)
	{
		const TSharedRef<SWindow> Window = SNew(SWindow).Title(FText::FromString(FString(Title))).SizingRule(ESizingRule::Autosized).HasCloseButton(true).SupportsMaximize(false).SupportsMinimize(false);
		Window->SetContent(Content);
		const FString Name(Title);
		Window->SetOnWindowClosed(FOnWindowClosed::CreateLambda([&Counter, Name](const TSharedRef<SWindow>& /*Closed*/) {
			++Counter.Closed;
			Counter.Order.Add(Name);
		}));
		return Window;
	}
}

class ModalLoop : public SlateTest::FApplicationTest
{
protected:
	void SetUp() override
	{
		SlateTest::FApplicationTest::SetUp();
		Events = MakeShared<FQueuedSlateEventSource>();
		App().SetEventSource(Events);
	}

	TSharedPtr<FQueuedSlateEventSource> Events;
	FCloseCounter Counter;
};

TEST_F(ModalLoop, WindowArgumentsAndAutosize)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	const TSharedRef<SWindow> Window = MakeCountedWindow(Counter, u"Preferences", Panel);
	EXPECT_EQ(Window->GetTitle().ToString(), FString(u"Preferences"));
	EXPECT_EQ(Window->GetSizingRule(), ESizingRule::Autosized);
	EXPECT_TRUE(Window->HasCloseBox());
	EXPECT_FALSE(Window->HasMaximizeBox());
	EXPECT_FALSE(Window->HasMinimizeBox());
	EXPECT_EQ(static_cast<int>(ESizingRule::FixedSize), 0);
	EXPECT_EQ(static_cast<int>(ESizingRule::Autosized), 1);
	EXPECT_EQ(static_cast<int>(ESizingRule::UserSized), 2);
	const TSharedRef<SWindow> Defaults = SNew(SWindow);
	EXPECT_EQ(Defaults->GetSizingRule(), ESizingRule::UserSized);
	EXPECT_TRUE(Defaults->HasMaximizeBox());

	// Content plus one cell of border on every side.
	EXPECT_EQ(Window->GetDesiredSize(), Panel->GetDesiredSize() + FVector2D(16.0f, 32.0f));
	// A title wider than the content widens the window so that it and the close button fit.
	const TSharedRef<SWindow> Titled = SNew(SWindow).Title(FText::FromString(FString(u"Twelve chars"))).SizingRule(ESizingRule::Autosized)[SlateTest::FixedSize(8.0f, 16.0f)];
	EXPECT_EQ(Titled->GetDesiredSize(), FVector2D((2 + 12 + 2 + 3) * 8.0f, 48.0f));
}

TEST_F(ModalLoop, EscapeClosesTheWindowOnce)
{
	Events->PushText(FString(u"Ada"));
	Events->PushKeyDown(EKeys::Escape);
	Events->PushAction([] { ADD_FAILURE() << "the loop must stop once its window closed"; });
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	const TSharedRef<SWindow> Window = MakeCountedWindow(Counter, u"Preferences", Panel);
	App().AddModalWindow(Window, nullptr);

	EXPECT_EQ(Counter.Closed, 1);
	EXPECT_FALSE(App().IsWindowOpen(*Window));
	EXPECT_EQ(Events->NumPending(), 1);
	EXPECT_FALSE(App().IsQuitRequested());
	// Typed text was committed when the window took the focus away, before the window closed.
	EXPECT_EQ(Panel->Nickname, FString(u"Ada"));
	ASSERT_EQ(Panel->Commits.Num(), 1);
	EXPECT_EQ(Panel->Commits[0], ETextCommit::OnUserMovedFocus);
	App().RequestDestroyWindow(Window);
	EXPECT_EQ(Counter.Closed, 1) << "closing a closed window does nothing";
}

TEST_F(ModalLoop, CloseButtonByKeyAndByClick)
{
	// Tab past the name box and the check box to the close button, then Enter.
	Events->PushKeyDown(EKeys::Tab);
	Events->PushKeyDown(EKeys::Space);
	Events->PushKeyDown(EKeys::Tab);
	Events->PushKeyDown(EKeys::Enter);
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	App().AddModalWindow(MakeCountedWindow(Counter, u"Preferences", Panel), nullptr);
	EXPECT_EQ(Counter.Closed, 1);
	EXPECT_TRUE(Panel->bShowHints) << "Space on the focused check box toggled it";
	EXPECT_EQ(Events->NumPending(), 0);
	EXPECT_FALSE(App().IsQuitRequested());

	// The same window size on an 80x24 screen: 34x5 cells at column 23, row 9; the X sits at column 55.
	Events->PushMouseButtonDown(55, 9);
	const TSharedRef<SWindow> Second = MakeCountedWindow(Counter, u"Preferences", SNew(STestFormPanel));
	App().AddModalWindow(Second, nullptr);
	EXPECT_EQ(Second->GetScreenCellRect(), FCellRect(23, 9, 34, 5));
	EXPECT_EQ(Counter.Closed, 2);
	EXPECT_FALSE(App().IsQuitRequested());
}

TEST_F(ModalLoop, InputReachesOnlyTheModalWindow)
{
	FCloseCounter RootCounter;
	const TSharedRef<SEditableTextBox> RootBox = SNew(SEditableTextBox);
	const TSharedRef<SWindow> Root = App().AddWindow(SNew(SWindow).CreateTitleBar(false)[RootBox]);
	FGlobalTabmanager::Get()->SetRootWindow(Root);
	EXPECT_EQ(Root->GetScreenCellRect(), FCellRect(0, 0, 80, 24)) << "a top-level window without a size fills the screen";
	ASSERT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(RootBox));

	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	Events->PushMouseButtonDown(0, 0); // on the root window, outside the modal one
	Events->PushText(FString(u"ab"));
	Events->PushKeyDown(EKeys::Tab);
	Events->PushKeyDown(EKeys::Tab);
	Events->PushKeyDown(EKeys::Tab); // wraps to the name box, never into the root window
	Events->PushText(FString(u"c"));
	Events->PushAction([this, Panel] {
		EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Panel->NameTextBox));
		EXPECT_FALSE(App().SetKeyboardFocus(App().GetOpenWindows()[0]->GetContent())) << "the root window cannot take the focus";
	});
	Events->PushKeyDown(EKeys::Escape);
	App().AddModalWindow(MakeCountedWindow(Counter, u"Preferences", Panel), FGlobalTabmanager::Get()->GetRootWindow());

	EXPECT_EQ(Panel->NameTextBox->GetText().ToString(), FString(u"abc"));
	EXPECT_TRUE(RootBox->GetText().IsEmpty());
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(RootBox)) << "closing gives the focus back";
	EXPECT_TRUE(App().IsWindowOpen(*Root));
}

TEST_F(ModalLoop, QuitRequestClosesNestedModalsTopFirst)
{
	FCloseCounter& Shared = Counter;
	const TSharedRef<SWindow> Outer = MakeCountedWindow(Shared, u"Outer", SNew(STestFormPanel));
	const TSharedRef<SWindow> Inner = MakeCountedWindow(Shared, u"Inner", SNew(STestFormPanel));
	Events->PushAction([this, Inner, Outer] {
		Events->PushAction([this] { App().RequestQuit(); });
		Events->PushAction([] { ADD_FAILURE() << "no loop may run after the quit request"; });
		App().AddModalWindow(Inner, Outer);
	});
	App().AddModalWindow(Outer, nullptr);

	EXPECT_TRUE(App().IsQuitRequested());
	ASSERT_EQ(Shared.Order.Num(), 2);
	EXPECT_EQ(Shared.Order[0], FString(u"Inner"));
	EXPECT_EQ(Shared.Order[1], FString(u"Outer"));
	// A modal window opened after the quit request closes at once.
	const TSharedRef<SWindow> Late = MakeCountedWindow(Shared, u"Late", SNew(STestFormPanel));
	App().AddModalWindow(Late, nullptr);
	EXPECT_EQ(Shared.Closed, 3);
}

TEST_F(ModalLoop, ClosingAnOuterModalClosesTheOnesAboveItFirst)
{
	const TSharedRef<SWindow> Outer = MakeCountedWindow(Counter, u"Outer", SNew(STestFormPanel));
	const TSharedRef<SWindow> Inner = MakeCountedWindow(Counter, u"Inner", SNew(STestFormPanel));
	Events->PushAction([this, Inner, Outer] {
		Events->PushAction([this, Outer] { App().RequestDestroyWindow(Outer); });
		App().AddModalWindow(Inner, Outer);
	});
	App().AddModalWindow(Outer, nullptr);
	ASSERT_EQ(Counter.Order.Num(), 2);
	EXPECT_EQ(Counter.Order[0], FString(u"Inner"));
	EXPECT_FALSE(App().IsQuitRequested());
}

TEST_F(ModalLoop, EndOfInputRequestsQuitAndClosesTheWindow)
{
	App().AddModalWindow(MakeCountedWindow(Counter, u"Preferences", SNew(STestFormPanel)), nullptr);
	EXPECT_EQ(Counter.Closed, 1);
	EXPECT_TRUE(App().IsQuitRequested());
}

TEST_F(ModalLoop, FramesArePresentedBeforeEachWaitAndFollowResizes)
{
	const TSharedRef<FRecordingRenderer> Renderer = MakeShared<FRecordingRenderer>();
	App().SetRenderer(Renderer);
	App().SetScreenSize(40, 7);
	Events->PushResize(38, 5);
	Events->PushKeyDown(EKeys::Escape);
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	Panel->NameTextBox->SetText(FText::FromString(FString(u"Ada1")));
	App().AddModalWindow(MakeCountedWindow(Counter, u"Preferences", Panel), nullptr);

	ASSERT_EQ(Renderer->Frames.size(), 2u);
	EXPECT_NE(Renderer->Frames[0].find("│ Nickname       [Ada1_________] │"), std::string::npos) << Renderer->Frames[0];
	// The second frame has the new size: 5 rows of 38 cells, the window centred in it.
	EXPECT_EQ(Renderer->Frames[1].substr(0, Renderer->Frames[1].find('\n')), "  ┌ Preferences ────────────────[X]┐  ");
	EXPECT_EQ(std::count(Renderer->Frames[1].begin(), Renderer->Frames[1].end(), '\n'), 5);
}

TEST_F(ModalLoop, ModalWindowIsCentredOverItsParent)
{
	const TSharedRef<SWindow> Root = App().AddWindow(SNew(SWindow).ClientSize(FVector2D(240.0f, 160.0f))[SNew(STextBlock)]);
	EXPECT_EQ(Root->GetScreenCellRect(), FCellRect(0, 0, 32, 12));
	const TSharedRef<SWindow> Dialog = MakeCountedWindow(Counter, u"D", SlateTest::FixedSize(64.0f, 32.0f));
	Events->PushAction([Dialog] { EXPECT_EQ(Dialog->GetScreenCellRect(), FCellRect(11, 4, 10, 4)); });
	Events->PushAction([this] { App().RequestQuit(); });
	App().AddModalWindow(Dialog, Root);
	EXPECT_EQ(Counter.Closed, 1);
}

TEST_F(ModalLoop, TabManagerDoesNotKeepTheRootWindowAlive)
{
	{
		const TSharedRef<SWindow> Root = SNew(SWindow);
		FGlobalTabmanager::Get()->SetRootWindow(Root);
		EXPECT_EQ(FGlobalTabmanager::Get()->GetRootWindow(), TSharedPtr<SWindow>(Root));
	}
	EXPECT_FALSE(FGlobalTabmanager::Get()->GetRootWindow().IsValid());
}
