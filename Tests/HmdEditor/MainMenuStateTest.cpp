#include "HmdEditor/Menus/MainMenuState.h"

#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Textures/SlateIcon.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
	struct FTestEntry
	{
		const TCHAR* Label;
		bool bEnabled;
	};

	/** A menu bar of pull-downs named by Labels; each pull-down gets the entries given for it. */
	class FTestMenus
	{
	public:
		TArray<FString> Ran;
		bool bOpenWhenRun = false;
		const FMainMenuState* State = nullptr;

		FMenuBarModel Build(const TArray<const TCHAR*>& Labels, const TArray<TArray<FTestEntry>>& Entries)
		{
			FMenuBarBuilder Builder(nullptr);
			for (int32 Index = 0; Index < Labels.Num(); ++Index)
			{
				const TArray<FTestEntry> MenuEntries = Entries[Index];
				Builder.AddPullDownMenu(FText::FromString(Labels[Index]), FText::FromString(FString(Labels[Index]) + TEXT(" tip")),
					FNewMenuDelegate::CreateLambda([this, MenuEntries](FMenuBuilder& MenuBuilder)
					{
						MenuBuilder.BeginSection(TEXT("Main"));
						for (const FTestEntry& Entry : MenuEntries)
						{
							const FString Label = Entry.Label;
							const bool bEnabled = Entry.bEnabled;
							MenuBuilder.AddMenuEntry(FText::FromString(Label), FText::FromString(Label + TEXT(" entry tip")), FSlateIcon(),
								FUIAction(FExecuteAction::CreateLambda([this, Label]()
								{
									Ran.Add(Label);
									bOpenWhenRun = State != nullptr && State->IsOpen();
								}),
								FCanExecuteAction::CreateLambda([bEnabled]() { return bEnabled; })));
						}
						MenuBuilder.EndSection();
					}));
			}
			return Builder.GetModel();
		}
	};

	FString HighlightedLabel(const FMainMenuState& State)
	{
		const FMenuEntryModel* Entry = State.GetHighlightedEntry();
		return Entry != nullptr ? Entry->Label.ToString() : FString(TEXT("<none>"));
	}
}

TEST(MainMenuState, OpeningHighlightsTheFirstEnabledEntryAndUpDownSkipDisabledOnesWrapping)
{
	FTestMenus Menus;
	FMainMenuState State;
	State.SetMenuBar(Menus.Build({TEXT("File")}, {{{TEXT("Off"), false}, {TEXT("New"), true}, {TEXT("Gone"), false}, {TEXT("Exit"), true}}}));
	EXPECT_FALSE(State.IsOpen());

	State.Open(0);
	ASSERT_TRUE(State.IsOpen());
	EXPECT_EQ(HighlightedLabel(State), FString(TEXT("New")));

	const struct { int32 Direction; const TCHAR* Expected; } Steps[] = {
		{1, TEXT("Exit")}, {1, TEXT("New")}, {-1, TEXT("Exit")}, {-1, TEXT("New")},
	};
	for (const auto& Step : Steps)
	{
		State.MoveToEntry(Step.Direction);
		EXPECT_EQ(HighlightedLabel(State), FString(Step.Expected));
	}

	State.HighlightEntry(0, 2);
	EXPECT_EQ(HighlightedLabel(State), FString(TEXT("New"))) << "a disabled entry cannot be highlighted";
	State.HighlightEntry(0, 3);
	EXPECT_EQ(HighlightedLabel(State), FString(TEXT("Exit")));
}

TEST(MainMenuState, LeftAndRightWrapAcrossTheMenusAndOpenThem)
{
	FTestMenus Menus;
	FMainMenuState State;
	State.SetMenuBar(Menus.Build({TEXT("File"), TEXT("Edit"), TEXT("Help")}, {{{TEXT("Exit"), true}}, {}, {}}));

	State.Open(0);
	const struct { int32 Direction; int32 Expected; } Steps[] = {{-1, 2}, {-1, 1}, {1, 2}, {1, 0}, {1, 1}};
	for (const auto& Step : Steps)
	{
		State.MoveToMenu(Step.Direction);
		EXPECT_EQ(State.GetOpenIndex(), Step.Expected);
	}
	// An empty pull-down highlights nothing and shows its own tool tip.
	EXPECT_EQ(State.GetHighlightedEntry(), nullptr);
	EXPECT_EQ(State.GetHighlightedToolTip().ToString(), FString(TEXT("Edit tip")));
	State.MoveToEntry(1);
	EXPECT_EQ(State.GetHighlightedEntry(), nullptr);

	State.MoveToMenu(-1);
	EXPECT_EQ(State.GetHighlightedToolTip().ToString(), FString(TEXT("Exit entry tip")));
	State.Close();
	EXPECT_TRUE(State.GetHighlightedToolTip().IsEmpty());
}

TEST(MainMenuState, FirstLetterOpensTheFirstMatchingMenuInAnyCase)
{
	FTestMenus Menus;
	FMainMenuState State;
	State.SetMenuBar(Menus.Build({TEXT("File"), TEXT("Window"), TEXT("Orvek Hmd"), TEXT("other")}, {{}, {}, {}, {}}));
	const struct { char32_t Letter; bool bOpens; int32 Index; } Cases[] = {
		{U'f', true, 0}, {U'W', true, 1}, {U'o', true, 2}, {U'O', true, 2}, {U'x', false, 2},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(State.OpenByFirstLetter(Case.Letter), Case.bOpens);
		EXPECT_EQ(State.GetOpenIndex(), Case.Index);
	}
}

TEST(MainMenuState, ChoosingClosesTheMenuBeforeTheEntryRuns)
{
	FTestMenus Menus;
	FMainMenuState State;
	Menus.State = &State;
	State.SetMenuBar(Menus.Build({TEXT("Orvek Hmd")}, {{{TEXT("Orvek Hmd Settings"), true}}}));

	EXPECT_FALSE(State.ChooseHighlighted()) << "nothing is open";
	State.Open(0);
	EXPECT_TRUE(State.ChooseHighlighted());
	ASSERT_EQ(Menus.Ran.Num(), 1);
	EXPECT_EQ(Menus.Ran[0], FString(TEXT("Orvek Hmd Settings")));
	EXPECT_FALSE(Menus.bOpenWhenRun) << "an entry that opens a modal window must not find the menu still open";
	EXPECT_FALSE(State.IsOpen());
}

TEST(MainMenuState, ANewMenuBarClosesTheOpenMenu)
{
	FTestMenus Menus;
	FMainMenuState State;
	State.SetMenuBar(Menus.Build({TEXT("File")}, {{{TEXT("Exit"), true}}}));
	State.Open(0);
	State.SetMenuBar(Menus.Build({TEXT("File"), TEXT("Help")}, {{{TEXT("Exit"), true}}, {}}));
	EXPECT_FALSE(State.IsOpen());
	EXPECT_EQ(State.GetMenuBar().PullDowns.Num(), 2);
	State.Open(5);
	EXPECT_FALSE(State.IsOpen()) << "an index past the bar opens nothing";
}

TEST(MainMenuState, ALetterChoosesTheFirstEnabledEntryStartingWithItInAnyCase)
{
	const struct
	{
		const char* Description;
		char32_t Letter;
		const TCHAR* ExpectedRun;
	} Cases[] = {
		{"the first of two entries with the letter", U'a', TEXT("About")},
		{"upper case finds a lower-case label", U'K', TEXT("keys")},
		{"a disabled entry is passed over", U'd', TEXT("Docs")},
		{"no entry starts with it", U'z', nullptr},
	};
	for (const auto& Case : Cases)
	{
		FTestMenus Menus;
		FMainMenuState State;
		State.SetMenuBar(Menus.Build({TEXT("Help")},
			{{{TEXT("Disabled docs"), false}, {TEXT("About"), true}, {TEXT("keys"), true}, {TEXT("Docs"), true}, {TEXT("Again"), true}}}));
		State.Open(0);
		EXPECT_EQ(State.ChooseByFirstLetter(Case.Letter), Case.ExpectedRun != nullptr) << Case.Description;
		if (Case.ExpectedRun != nullptr)
		{
			ASSERT_EQ(Menus.Ran.Num(), 1) << Case.Description;
			EXPECT_EQ(Menus.Ran[0], FString(Case.ExpectedRun)) << Case.Description;
			EXPECT_FALSE(State.IsOpen()) << Case.Description;
		}
		else
		{
			EXPECT_TRUE(Menus.Ran.IsEmpty()) << Case.Description;
			EXPECT_TRUE(State.IsOpen()) << "the menu stays open: " << Case.Description;
			EXPECT_EQ(HighlightedLabel(State), FString(TEXT("About"))) << Case.Description;
		}
	}
}
