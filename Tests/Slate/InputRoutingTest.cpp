#include "Framework/Application/IInputProcessor.h"
#include "SlateTestHelpers.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SWindow.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
	using FLog = std::vector<std::string>;

	std::string Describe(const FKeyEvent& Event)
	{
		return "key " + StringConv::ToUtf8(Event.GetKey().ToString());
	}

	std::string Describe(const FCharacterEvent& Event)
	{
		return "char " + std::string(1, static_cast<char>(Event.GetCharacter()));
	}

	std::string Describe(const char* Kind, const FPointerEvent& Event)
	{
		return std::string(Kind) + " " + std::to_string(Event.GetColumn()) + "," + std::to_string(Event.GetRow());
	}

	/** The pasted text, ASCII only in these tests, with tabs and line breaks made visible. */
	std::string Describe(std::u32string_view Text)
	{
		std::string Result = "paste ";
		for (const char32_t Character : Text)
		{
			Result += Character == U'\t' ? std::string("\\t") : Character == U'\n' ? std::string("\\n") : std::string(1, static_cast<char>(Character));
		}
		return Result;
	}

	/** A widget that logs every event it gets, as "Name:event", and handles them or not. */
	class SRecorder : public SCompoundWidget
	{
	public:
		SLATE_BEGIN_ARGS(SRecorder)
			: _Name("widget")
			, _Handles(true)
			, _Focusable(true)
		{
		}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ARGUMENT(const char*, Name)
		SLATE_ARGUMENT(FLog*, Log)
		SLATE_ARGUMENT(bool, Handles)
		SLATE_ARGUMENT(bool, Focusable)
		/** Where the content sits inside the widget. */
		SLATE_ARGUMENT(FMargin, Padding)
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs)
		{
			Name = InArgs._Name;
			Log = InArgs._Log;
			bHandles = InArgs._Handles;
			bFocusable = InArgs._Focusable;
			ChildSlot.Padding(InArgs._Padding)[InArgs._Content.Widget];
		}

		bool SupportsKeyboardFocus() const override { return bFocusable; }
		FReply OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent) override { return Record(Describe(InKeyEvent)); }
		FReply OnKeyChar(const FGeometry& /*MyGeometry*/, const FCharacterEvent& InCharacterEvent) override { return Record(Describe(InCharacterEvent)); }
		FReply OnMouseButtonDown(const FGeometry& /*MyGeometry*/, const FPointerEvent& MouseEvent) override { return Record(Describe("click", MouseEvent)); }
		FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override
		{
			EXPECT_TRUE(MyGeometry.GetCellRect().Contains(MouseEvent.GetColumn(), MouseEvent.GetRow())) << Name << " gets motion over its own cells";
			EXPECT_FALSE(MouseEvent.GetEffectingButton().IsValid()) << "motion has no button";
			return Record(Describe("move", MouseEvent));
		}
		FReply OnPaste(const FGeometry& /*MyGeometry*/, std::u32string_view Text) override { return Record(Describe(Text)); }

	private:
		FReply Record(const std::string& Event)
		{
			Log->push_back(std::string(Name) + ":" + Event);
			return bHandles ? FReply::Handled() : FReply::Unhandled();
		}

		const char* Name = "";
		FLog* Log = nullptr;
		bool bHandles = true;
		bool bFocusable = true;
	};

	/** A pre-processor that logs every event it sees, as "Name:event", consumes them or not, and can act while it sees one. */
	class FRecordingProcessor : public IInputProcessor
	{
	public:
		FRecordingProcessor(const char* InName, FLog& InLog) : Name(InName), Log(InLog) {}

		bool HandleKeyDownEvent(FSlateApplication& /*SlateApp*/, const FKeyEvent& InKeyEvent) override { return Record(Describe(InKeyEvent)); }
		bool HandleKeyCharEvent(FSlateApplication& /*SlateApp*/, const FCharacterEvent& InCharacterEvent) override { return Record(Describe(InCharacterEvent)); }
		bool HandleMouseButtonDownEvent(FSlateApplication& /*SlateApp*/, const FPointerEvent& MouseEvent) override { return Record(Describe("click", MouseEvent)); }
		bool HandlePasteEvent(FSlateApplication& /*SlateApp*/, std::u32string_view Text) override { return Record(Describe(Text)); }

		bool bConsumes = false;
		std::function<void()> WhileHandling;

	private:
		bool Record(const std::string& Event)
		{
			Log.push_back(std::string(Name) + ":" + Event);
			if (WhileHandling)
			{
				WhileHandling();
			}
			return bConsumes;
		}

		const char* Name;
		FLog& Log;
	};

	/** One event of each kind, at or over cell (1, 1). */
	struct FEventCase
	{
		const char* Description;
		FSlateEvent Event;
		/** What the widget logs when it gets the event. */
		const char* Logged;
		/** Whether pre-processors see this kind of event. */
		bool bPreProcessed;
	};

	std::vector<FEventCase> OneEventOfEachKind()
	{
		return {
			{"a key press", FSlateEvent::MakeKeyDown(EKeys::F5), "key F5", true},
			{"a typed character", FSlateEvent::MakeKeyChar(U'x'), "char x", true},
			{"a click", FSlateEvent::MakeMouseButtonDown(1, 1), "click 1,1", true},
			{"a paste", FSlateEvent::MakePaste(U"hi"), "paste hi", true},
			{"mouse motion", FSlateEvent::MakeMouseMove(1, 1), "move 1,1", false},
		};
	}
}

class InputPreProcessor : public SlateTest::FApplicationTest
{
protected:
	void SetUp() override
	{
		SlateTest::FApplicationTest::SetUp();
		App().SetScreenSize(10, 4);
		App().AddWindow(SNew(SWindow).CreateTitleBar(false)[SNew(SRecorder).Log(&Log)]);
	}

	TSharedRef<FRecordingProcessor> MakeProcessor(const char* Name)
	{
		return MakeShared<FRecordingProcessor>(Name, Log);
	}

	FLog Log;
};

TEST_F(InputPreProcessor, SeeEachEventFirstInRegistrationOrderAndTheFirstToConsumeItEndsIt)
{
	const TSharedRef<FRecordingProcessor> First = MakeProcessor("first");
	const TSharedRef<FRecordingProcessor> Second = MakeProcessor("second");
	ASSERT_TRUE(App().RegisterInputPreProcessor(First));
	ASSERT_TRUE(App().RegisterInputPreProcessor(Second));
	for (const FEventCase& Case : OneEventOfEachKind())
	{
		const std::string Logged = Case.Logged;
		const FLog PassedOn = Case.bPreProcessed ? FLog{"first:" + Logged, "second:" + Logged, "widget:" + Logged} : FLog{"widget:" + Logged};
		const FLog Consumed = Case.bPreProcessed ? FLog{"first:" + Logged} : FLog{"widget:" + Logged};

		First->bConsumes = false;
		Log.clear();
		EXPECT_TRUE(App().ProcessEvent(Case.Event)) << Case.Description;
		EXPECT_EQ(Log, PassedOn) << Case.Description << ", let through";

		First->bConsumes = true;
		Log.clear();
		EXPECT_TRUE(App().ProcessEvent(Case.Event)) << Case.Description;
		EXPECT_EQ(Log, Consumed) << Case.Description << ", consumed by the first";
	}
}

TEST_F(InputPreProcessor, SeeEventsWhileAModalWindowIsOpenAndClicksOutsideIt)
{
	const TSharedRef<FRecordingProcessor> Processor = MakeProcessor("pre");
	App().RegisterInputPreProcessor(Processor);
	const TSharedRef<SWindow> Modal = SNew(SWindow).ClientSize(FVector2D(48.0f, 16.0f))[SNew(SRecorder).Name("modal").Log(&Log)];
	App().AddModalWindow(Modal, nullptr, true);
	ASSERT_EQ(Modal->GetScreenCellRect(), FCellRect(1, 0, 8, 3));

	EXPECT_TRUE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::F5)));
	EXPECT_EQ(Log, (FLog{"pre:key F5", "modal:key F5"}));

	Log.clear();
	EXPECT_FALSE(App().ProcessMouseButtonDownEvent(FPointerEvent(0, 0))) << "outside the modal window no widget takes it";
	EXPECT_EQ(Log, (FLog{"pre:click 0,0"}));

	// Escape on the window itself (its content takes no keys here) would close it, unless a pre-processor consumes it.
	App().ClearKeyboardFocus();
	Processor->bConsumes = true;
	EXPECT_TRUE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::Escape)));
	EXPECT_TRUE(App().IsWindowOpen(*Modal));
	Processor->bConsumes = false;
	EXPECT_TRUE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::Escape)));
	EXPECT_FALSE(App().IsWindowOpen(*Modal));
}

TEST_F(InputPreProcessor, SeeKeysWithNoWindowOpen)
{
	FSlateApplication::Shutdown();
	const TSharedRef<FRecordingProcessor> Processor = MakeProcessor("pre");
	App().RegisterInputPreProcessor(Processor);
	EXPECT_FALSE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::F1)));
	Processor->bConsumes = true;
	EXPECT_TRUE(App().ProcessKeyCharEvent(FCharacterEvent(U'q')));
	EXPECT_EQ(Log, (FLog{"pre:key F1", "pre:char q"}));
}

TEST_F(InputPreProcessor, RegistrationAndRemoval)
{
	const TSharedRef<FRecordingProcessor> Processor = MakeProcessor("pre");
	EXPECT_FALSE(App().RegisterInputPreProcessor(nullptr)) << "nothing to register";
	EXPECT_TRUE(App().RegisterInputPreProcessor(Processor));
	EXPECT_FALSE(App().RegisterInputPreProcessor(Processor)) << "registered once only";
	App().ProcessKeyCharEvent(FCharacterEvent(U'a'));
	EXPECT_EQ(Log, (FLog{"pre:char a", "widget:char a"})) << "seen once";

	App().UnregisterInputPreProcessor(Processor);
	App().UnregisterInputPreProcessor(Processor);
	App().UnregisterInputPreProcessor(MakeProcessor("never registered"));
	Log.clear();
	App().ProcessKeyCharEvent(FCharacterEvent(U'b'));
	EXPECT_EQ(Log, (FLog{"widget:char b"}));
}

TEST_F(InputPreProcessor, ChangesMadeWhileAnEventIsHandledCountFromTheNextOne)
{
	const TSharedRef<FRecordingProcessor> First = MakeProcessor("first");
	const TSharedRef<FRecordingProcessor> Removed = MakeProcessor("removed");
	const TSharedRef<FRecordingProcessor> Added = MakeProcessor("added");
	App().RegisterInputPreProcessor(First);
	App().RegisterInputPreProcessor(Removed);
	First->WhileHandling = [this, Removed, Added] {
		App().UnregisterInputPreProcessor(Removed);
		App().RegisterInputPreProcessor(Added);
	};
	App().ProcessKeyDownEvent(FKeyEvent(EKeys::F2));
	EXPECT_EQ(Log, (FLog{"first:key F2", "widget:key F2"})) << "the one removed meanwhile and the one added meanwhile miss it";

	First->WhileHandling = nullptr;
	Log.clear();
	App().ProcessKeyDownEvent(FKeyEvent(EKeys::F3));
	EXPECT_EQ(Log, (FLog{"first:key F3", "added:key F3", "widget:key F3"}));
}

class InputRouting : public SlateTest::FApplicationTest
{
protected:
	/**
	 * A full-screen top-level window of 20 by 6 cells holding "outer", which
	 * holds "inner" from column 2 and row 1 on.
	 */
	TSharedRef<SWindow> AddNestedWindow(bool bInnerHandles)
	{
		App().SetScreenSize(20, 6);
		const TSharedRef<SWindow> Window = App().AddWindow(SNew(SWindow).CreateTitleBar(false)
			[
				SAssignNew(Outer, SRecorder).Name("outer").Log(&Log).Handles(false).Focusable(false).Padding(FMargin(16.0f, 16.0f, 0.0f, 0.0f))
				[
					SAssignNew(Inner, SRecorder).Name("inner").Log(&Log).Handles(bInnerHandles)
				]
			]);
		return Window;
	}

	TSharedPtr<SRecorder> Outer;
	TSharedPtr<SRecorder> Inner;
	FLog Log;
};

TEST_F(InputRouting, MotionGoesToTheWidgetsUnderTheCellUntilOneHandlesIt)
{
	struct FCase
	{
		const char* Description;
		bool bInnerHandles;
		int32 Column;
		int32 Row;
		FLog Expected;
		bool bHandled;
	};
	const FCase Cases[] = {
		{"over the inner widget, which handles it", true, 3, 2, {"inner:move 3,2"}, true},
		{"over the inner widget, which leaves it to its parent", false, 3, 2, {"inner:move 3,2", "outer:move 3,2"}, false},
		{"over the outer widget only", true, 1, 0, {"outer:move 1,0"}, false},
		{"outside the screen", true, 25, 0, {}, false},
	};
	for (const FCase& Case : Cases)
	{
		FSlateApplication::Shutdown();
		AddNestedWindow(Case.bInnerHandles);
		Log.clear();
		EXPECT_EQ(App().ProcessEvent(FSlateEvent::MakeMouseMove(Case.Column, Case.Row)), Case.bHandled) << Case.Description;
		EXPECT_EQ(Log, Case.Expected) << Case.Description;
	}
}

TEST_F(InputRouting, MotionNeitherFocusesNorRaises)
{
	const TSharedRef<SWindow> Lower = AddNestedWindow(true);
	App().ClearKeyboardFocus();
	const TSharedRef<SWindow> Upper = App().AddWindow(SNew(SWindow).ClientSize(FVector2D(48.0f, 16.0f))[SNew(SRecorder).Name("upper").Log(&Log)]);
	ASSERT_EQ(Upper->GetScreenCellRect(), FCellRect(0, 0, 8, 3));
	App().ClearKeyboardFocus();

	EXPECT_TRUE(App().ProcessMouseMoveEvent(FPointerEvent(10, 4, FKey())));
	EXPECT_EQ(Log, (FLog{"inner:move 10,4"}));
	EXPECT_FALSE(App().GetKeyboardFocusedWidget().IsValid());
	EXPECT_EQ(App().GetActiveWindow(), TSharedPtr<SWindow>(Upper)) << "the lower window stays below";
	Log.clear();
	EXPECT_TRUE(App().ProcessMouseMoveEvent(FPointerEvent(1, 1, FKey())));
	EXPECT_EQ(Log, (FLog{"upper:move 1,1"})) << "the upper window covers the lower one";
	EXPECT_TRUE(App().IsWindowOpen(*Lower));
}

TEST_F(InputRouting, MotionOutsideTheModalWindowGoesNowhere)
{
	AddNestedWindow(true);
	const TSharedRef<SWindow> Modal = SNew(SWindow).ClientSize(FVector2D(48.0f, 16.0f))[SNew(SRecorder).Name("modal").Log(&Log)];
	App().AddModalWindow(Modal, nullptr, true);
	ASSERT_EQ(Modal->GetScreenCellRect(), FCellRect(6, 1, 8, 3));

	EXPECT_FALSE(App().ProcessEvent(FSlateEvent::MakeMouseMove(15, 4)));
	EXPECT_TRUE(Log.empty()) << "the window below the modal one gets nothing";
	EXPECT_TRUE(App().ProcessEvent(FSlateEvent::MakeMouseMove(7, 2)));
	EXPECT_EQ(Log, (FLog{"modal:move 7,2"}));
	Log.clear();
	EXPECT_FALSE(App().ProcessEvent(FSlateEvent::MakeMouseMove(6, 1))) << "the modal window's frame handles nothing";
	EXPECT_TRUE(Log.empty());
}

TEST_F(InputRouting, PasteGoesToTheFocusedWidgetThenItsParents)
{
	struct FCase
	{
		const char* Description;
		bool bInnerHandles;
		bool bInnerFocused;
		FLog Expected;
		bool bHandled;
	};
	const FCase Cases[] = {
		{"the focused widget takes it", true, true, {"inner:paste a\\tb\\nc"}, true},
		{"the focused widget leaves it to its parent", false, true, {"inner:paste a\\tb\\nc", "outer:paste a\\tb\\nc"}, false},
		{"with nothing focused only the window is offered it", true, false, {}, false},
	};
	for (const FCase& Case : Cases)
	{
		FSlateApplication::Shutdown();
		AddNestedWindow(Case.bInnerHandles);
		if (!Case.bInnerFocused)
		{
			App().ClearKeyboardFocus();
		}
		Log.clear();
		EXPECT_EQ(App().ProcessEvent(FSlateEvent::MakePaste(U"a\tb\nc")), Case.bHandled) << Case.Description;
		EXPECT_EQ(Log, Case.Expected) << Case.Description;
	}
}

TEST_F(InputRouting, PasteGoesIntoTheModalWindowOnly)
{
	AddNestedWindow(true);
	App().AddModalWindow(SNew(SWindow).ClientSize(FVector2D(48.0f, 16.0f))[SNew(SRecorder).Name("modal").Log(&Log)], nullptr, true);
	EXPECT_TRUE(App().ProcessPasteEvent(U"x"));
	EXPECT_EQ(Log, (FLog{"modal:paste x"}));
}
