#include "TestFormPanel.h"
#include "SlateTestHelpers.h"

TEST(CheckBox, ToggleFollowsTheBoundGetter)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	SCheckBox& Box = *Panel->HintsCheckBox;
	EXPECT_EQ(Box.GetCheckedState(), ECheckBoxState::Unchecked);

	EXPECT_TRUE(Box.OnKeyDown(FGeometry(), FKeyEvent(EKeys::Space)).IsEventHandled());
	EXPECT_TRUE(Panel->bShowHints);
	EXPECT_EQ(Box.GetCheckedState(), ECheckBoxState::Checked) << "the state is read from the getter";
	Box.OnMouseButtonDown(FGeometry(), FPointerEvent(0, 0));
	EXPECT_FALSE(Panel->bShowHints) << "toggling twice brings the first value back";
	EXPECT_EQ(Panel->StateChanges, 2);

	// The owner decides: a getter that ignores the change keeps the box where it was.
	Panel->bShowHints = true;
	EXPECT_TRUE(Box.IsChecked());
	EXPECT_FALSE(Box.OnKeyDown(FGeometry(), FKeyEvent(EKeys::Enter)).IsEventHandled());
}

TEST(CheckBox, NewStateComesFromTheCurrentOne)
{
	struct FCase
	{
		ECheckBoxState Current;
		ECheckBoxState Next;
	};
	const FCase Cases[] = {
		{ECheckBoxState::Unchecked, ECheckBoxState::Checked},
		{ECheckBoxState::Checked, ECheckBoxState::Unchecked},
		{ECheckBoxState::Undetermined, ECheckBoxState::Checked},
	};
	for (const FCase& Case : Cases)
	{
		TArray<ECheckBoxState> Raised;
		// Unbound: the box keeps its own state.
		const TSharedRef<SCheckBox> Box = SNew(SCheckBox).IsChecked(Case.Current).OnCheckStateChanged_Lambda([&Raised](ECheckBoxState State) { Raised.Add(State); });
		Box->ToggleCheckedState();
		EXPECT_EQ(Box->GetCheckedState(), Case.Next);
		ASSERT_EQ(Raised.Num(), 1);
		EXPECT_EQ(Raised[0], Case.Next);
	}
}

TEST(Bindings, DoNothingOnceTheirTargetIsGone)
{
	TSharedPtr<SEditableTextBox> NameBox;
	TSharedPtr<SCheckBox> LogBox;
	{
		const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
		Panel->bShowHints = true;
		NameBox = Panel->NameTextBox;
		LogBox = Panel->HintsCheckBox;
		EXPECT_TRUE(LogBox->IsChecked());
		EXPECT_EQ(Panel.GetSharedReferenceCount(), 1) << "the children's bindings must not keep the panel alive";
	}
	// The panel is gone: commits and toggles reach nothing, and the state falls back to the attribute's value.
	NameBox->OnKeyChar(FGeometry(), FCharacterEvent(U'a'));
	EXPECT_TRUE(NameBox->OnKeyDown(FGeometry(), FKeyEvent(EKeys::Enter)).IsEventHandled());
	EXPECT_EQ(LogBox->GetCheckedState(), ECheckBoxState::Unchecked);
	LogBox->ToggleCheckedState();
	EXPECT_EQ(LogBox->GetCheckedState(), ECheckBoxState::Checked) << "with its getter gone the box keeps its own state";
}

namespace
{
	struct FStateOwner
	{
		ECheckBoxState State = ECheckBoxState::Checked;
		ECheckBoxState GetState() const { return State; }
	};

	struct FListener : TSharedFromThis<FListener>
	{
		int32 Calls = 0;
		void OnChanged(ECheckBoxState /*NewState*/) { ++Calls; }
	};
}

TEST(Bindings, RawGetterAndSharedReferenceEvent)
{
	FStateOwner Owner;
	TSharedPtr<FListener> Listener = MakeShared<FListener>();
	const TSharedRef<SCheckBox> Box = SNew(SCheckBox).IsChecked_Raw(&Owner, &FStateOwner::GetState).OnCheckStateChanged(Listener.ToSharedRef(), &FListener::OnChanged);
	EXPECT_TRUE(Box->IsChecked());
	Owner.State = ECheckBoxState::Undetermined;
	EXPECT_EQ(Box->GetCheckedState(), ECheckBoxState::Undetermined) << "read afresh each time";

	Box->ToggleCheckedState();
	EXPECT_EQ(Listener->Calls, 1);
	const TWeakPtr<FListener> Weak = Listener;
	Listener.Reset();
	EXPECT_FALSE(Weak.IsValid()) << "the event binding does not keep its target alive";
	Box->ToggleCheckedState();
}
