#include "Framework/Commands/UICommandInfo.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/ExtensibilityManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"

#include "EngineTextPrinters.h"

#include <gtest/gtest.h>

namespace
{
	FText Text(const TCHAR* String) { return FText::FromString(String); }

	FNewMenuDelegate NoContent() { return FNewMenuDelegate::CreateLambda([](FMenuBuilder& /*MenuBuilder*/) {}); }

	FMenuBarExtensionDelegate AddPullDown(const TCHAR* Label)
	{
		return FMenuBarExtensionDelegate::CreateLambda([Label](FMenuBarBuilder& Builder) { Builder.AddPullDownMenu(Text(Label), Text(TEXT("")), NoContent()); });
	}

	FMenuExtensionDelegate AddEntry(const TCHAR* Label)
	{
		return FMenuExtensionDelegate::CreateLambda([Label](FMenuBuilder& Builder) { Builder.AddMenuEntry(Text(Label), Text(TEXT("")), FSlateIcon(), FUIAction()); });
	}

	/** The bar File, Edit, Help, each with its label as hook. */
	FMenuBarModel BuildBar(const TSharedPtr<FExtender>& Extender)
	{
		FMenuBarBuilder Builder(nullptr, Extender);
		for (const TCHAR* Name : {TEXT("File"), TEXT("Edit"), TEXT("Help")})
		{
			Builder.AddPullDownMenu(Text(Name), Text(TEXT("")), NoContent(), FName(Name));
		}
		return Builder.GetModel();
	}

	FString Labels(const FMenuBarModel& Bar)
	{
		FString Result;
		for (const FPullDownMenuModel& PullDown : Bar.PullDowns)
		{
			Result += (Result.IsEmpty() ? TEXT("") : TEXT(",")) + PullDown.Label.ToString();
		}
		return Result;
	}

	/** Sections as "hook:entry entry|hook:..." */
	FString Layout(const FMenuModel& Menu)
	{
		FString Result;
		for (const FMenuSectionModel& Section : Menu.Sections)
		{
			Result += (Result.IsEmpty() ? TEXT("") : TEXT("|")) + Section.ExtensionHook.ToString() + TEXT(":");
			for (int32 Index = 0; Index < Section.Entries.Num(); ++Index)
			{
				Result += (Index == 0 ? TEXT("") : TEXT(" ")) + Section.Entries[Index].Label.ToString();
			}
		}
		return Result;
	}
}

TEST(MenuBarBuilder, ExtensionsGoBeforeOrAfterTheirHook)
{
	struct FCase
	{
		const TCHAR* Hook;
		EExtensionHook::Position Position;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("Help"), EExtensionHook::After, TEXT("File,Edit,Help,Ext")},
		{TEXT("Help"), EExtensionHook::Before, TEXT("File,Edit,Ext,Help")},
		{TEXT("File"), EExtensionHook::Before, TEXT("Ext,File,Edit,Help")},
		{TEXT("Edit"), EExtensionHook::After, TEXT("File,Edit,Ext,Help")},
		{TEXT("help"), EExtensionHook::After, TEXT("File,Edit,Help,Ext")},
		{TEXT("Missing"), EExtensionHook::After, TEXT("File,Edit,Help")},
		{TEXT("Help"), EExtensionHook::First, TEXT("File,Edit,Help")},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedRef<FExtender> Extender = MakeShared<FExtender>();
		Extender->AddMenuBarExtension(Case.Hook, Case.Position, nullptr, AddPullDown(TEXT("Ext")));
		EXPECT_EQ(Labels(BuildBar(Extender)), FString(Case.Expected)) << testing::PrintToString(FName(Case.Hook));
	}
	EXPECT_EQ(static_cast<int32>(EExtensionHook::Before), 0);
	EXPECT_EQ(static_cast<int32>(EExtensionHook::After), 1);
}

TEST(MenuBarBuilder, ExtensionsAtOneHookRunInTheOrderAdded)
{
	FExtensibilityManager Manager;
	const TSharedRef<FExtender> First = MakeShared<FExtender>();
	First->AddMenuBarExtension(TEXT("Help"), EExtensionHook::After, nullptr, AddPullDown(TEXT("A")));
	const TSharedRef<FExtender> Second = MakeShared<FExtender>();
	Second->AddMenuBarExtension(TEXT("Help"), EExtensionHook::After, nullptr, AddPullDown(TEXT("B")));
	Manager.AddExtender(First);
	Manager.AddExtender(Second);
	Manager.AddExtender(First);
	Manager.AddExtender(nullptr);
	EXPECT_EQ(Manager.GetExtenders().Num(), 2);
	EXPECT_EQ(Labels(BuildBar(Manager.GetAllExtenders())), FString(TEXT("File,Edit,Help,A,B")));

	Manager.RemoveExtender(First);
	EXPECT_EQ(Labels(BuildBar(Manager.GetAllExtenders())), FString(TEXT("File,Edit,Help,B")));
}

TEST(MenuBarBuilder, ARemovedExtensionIsGoneFromTheNextBuild)
{
	const TSharedRef<FExtender> Extender = MakeShared<FExtender>();
	const TSharedRef<const FExtensionBase> Extension = Extender->AddMenuBarExtension(TEXT("Edit"), EExtensionHook::After, nullptr, AddPullDown(TEXT("Ext")));
	EXPECT_EQ(Extension->GetHook(), FName(TEXT("Edit")));
	EXPECT_EQ(Extension->GetHookPosition(), EExtensionHook::After);
	EXPECT_EQ(Labels(BuildBar(Extender)), FString(TEXT("File,Edit,Ext,Help")));
	Extender->RemoveExtension(Extension);
	EXPECT_EQ(Extender->NumExtensions(), 0);
	EXPECT_EQ(Labels(BuildBar(Extender)), FString(TEXT("File,Edit,Help")));
}

TEST(MenuBarBuilder, AnExtensionHookingWhatItAddsRunsOnce)
{
	const TSharedRef<FExtender> Extender = MakeShared<FExtender>();
	Extender->AddMenuBarExtension(TEXT("Help"), EExtensionHook::After, nullptr, FMenuBarExtensionDelegate::CreateLambda([](FMenuBarBuilder& Builder) {
		Builder.AddPullDownMenu(Text(TEXT("Again")), Text(TEXT("")), NoContent(), TEXT("Help"));
	}));
	EXPECT_EQ(Labels(BuildBar(Extender)), FString(TEXT("File,Edit,Help,Again")));
}

TEST(MenuBarBuilder, APullDownKeepsItsArgumentsAndTheExtensionsCommandList)
{
	const TSharedRef<FUICommandList> BarList = MakeShared<FUICommandList>();
	const TSharedRef<FUICommandList> ExtensionList = MakeShared<FUICommandList>();
	const TSharedRef<FExtender> Extender = MakeShared<FExtender>();
	Extender->AddMenuBarExtension(TEXT("Help"), EExtensionHook::After, ExtensionList, FMenuBarExtensionDelegate::CreateLambda([](FMenuBarBuilder& Builder) {
		Builder.AddPullDownMenu(Text(TEXT("Ext")), Text(TEXT("Ext tip")), NoContent(), TEXT("ExtHook"), TEXT("ExtHighlight"));
	}));
	FMenuBarBuilder Builder(BarList, Extender);
	Builder.AddPullDownMenu(Text(TEXT("Help")), Text(TEXT("Help tip")), NoContent(), TEXT("Help"));
	EXPECT_EQ(Builder.GetTopCommandList(), BarList) << "the extension's list is popped once it has run";

	const FMenuBarModel& Bar = Builder.GetModel();
	ASSERT_EQ(Bar.PullDowns.Num(), 2);
	EXPECT_EQ(Bar.PullDowns[0].CommandList, BarList);
	const FPullDownMenuModel& Ext = Bar.PullDowns[Bar.FindPullDown(TEXT("ExtHook"))];
	EXPECT_EQ(Ext.ToolTip.ToString(), FString(TEXT("Ext tip")));
	EXPECT_EQ(Ext.TutorialHighlightName, FName(TEXT("ExtHighlight")));
	EXPECT_EQ(Ext.CommandList, ExtensionList);
	EXPECT_EQ(Bar.FindPullDown(TEXT("Nowhere")), INDEX_NONE);
}

TEST(MenuBuilder, SectionAndEntryHooks)
{
	struct FCase
	{
		const TCHAR* Hook;
		EExtensionHook::Position Position;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("Second"), EExtensionHook::Before, TEXT("First:a|:Ext|Second:b c")},
		{TEXT("Second"), EExtensionHook::First, TEXT("First:a|Second:Ext b c")},
		{TEXT("Second"), EExtensionHook::After, TEXT("First:a|Second:b c Ext")},
		{TEXT("EntryB"), EExtensionHook::Before, TEXT("First:a|Second:Ext b c")},
		{TEXT("EntryB"), EExtensionHook::After, TEXT("First:a|Second:b Ext c")},
		{TEXT("First"), EExtensionHook::Before, TEXT(":Ext|First:a|Second:b c")},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedRef<FExtender> Extender = MakeShared<FExtender>();
		Extender->AddMenuExtension(Case.Hook, Case.Position, nullptr, AddEntry(TEXT("Ext")));
		FMenuBuilder Builder(true, nullptr, Extender);
		Builder.BeginSection(TEXT("First"));
		Builder.AddMenuEntry(Text(TEXT("a")), Text(TEXT("")), FSlateIcon(), FUIAction());
		Builder.BeginSection(TEXT("Second"));
		Builder.AddMenuEntry(Text(TEXT("b")), Text(TEXT("")), FSlateIcon(), FUIAction(), TEXT("EntryB"));
		Builder.AddMenuEntry(Text(TEXT("c")), Text(TEXT("")), FSlateIcon(), FUIAction());
		Builder.EndSection();
		EXPECT_EQ(Layout(Builder.MakeModel()), FString(Case.Expected)) << testing::PrintToString(FName(Case.Hook)) << " " << Case.Position;
	}
}

TEST(MenuBuilder, HeadingsAndEntriesOutsideSections)
{
	FMenuBuilder Builder(false, nullptr);
	Builder.AddMenuEntry(Text(TEXT("loose")), Text(TEXT("")), FSlateIcon(), FUIAction());
	Builder.BeginSection(TEXT("Titled"), Text(TEXT("Heading")));
	Builder.AddMenuEntry(Text(TEXT("x")), Text(TEXT("")), FSlateIcon(), FUIAction());
	Builder.BeginSection(TEXT("Plain"));
	const FMenuModel Menu = Builder.MakeModel();

	EXPECT_EQ(Layout(Menu), FString(TEXT(":loose|Titled:x|Plain:")));
	EXPECT_FALSE(Menu.bCloseWindowAfterMenuSelection);
	EXPECT_FALSE(Menu.Sections[0].bHasHeading);
	EXPECT_TRUE(Menu.Sections[1].bHasHeading);
	EXPECT_EQ(Menu.Sections[1].Heading.ToString(), FString(TEXT("Heading")));
	EXPECT_FALSE(Menu.Sections[2].bHasHeading);
}

TEST(MenuBuilder, ACommandEntryShowsTheCommandUnlessOverridden)
{
	const TSharedRef<FUICommandInfo> Command = MakeShared<FUICommandInfo>(FName(TEXT("Ctx")), FName(TEXT("Cmd")), Text(TEXT("Label")), Text(TEXT("Tip")),
		FSlateIcon(TEXT("Style"), TEXT("Ctx.Cmd")), EUserInterfaceActionType::ToggleButton, FInputChord(TEXT("K"), false, true), FInputChord());
	FMenuBuilder Builder(true, nullptr);
	Builder.AddMenuEntry(Command);
	Builder.AddMenuEntry(Command, TEXT("Hook"), Text(TEXT("Other label")), Text(TEXT("Other tip")), FSlateIcon(TEXT("Style"), TEXT("Other")), TEXT("Tutorial"));
	const FMenuModel Menu = Builder.MakeModel();
	ASSERT_EQ(Menu.Sections.Num(), 1);
	const FMenuEntryModel& Plain = Menu.Sections[0].Entries[0];
	EXPECT_EQ(Plain.Label.ToString(), FString(TEXT("Label")));
	EXPECT_EQ(Plain.ToolTip.ToString(), FString(TEXT("Tip")));
	EXPECT_EQ(Plain.InputText.ToString(), FString(TEXT("Ctrl+K")));
	EXPECT_EQ(Plain.Icon.GetStyleName(), FName(TEXT("Ctx.Cmd")));
	EXPECT_EQ(Plain.ActionType, EUserInterfaceActionType::ToggleButton);
	EXPECT_FALSE(Plain.IsEnabled()) << "no command list maps it";
	EXPECT_FALSE(Plain.Execute());

	const FMenuEntryModel& Overridden = Menu.Sections[0].Entries[1];
	EXPECT_EQ(Overridden.Label.ToString(), FString(TEXT("Other label")));
	EXPECT_EQ(Overridden.ToolTip.ToString(), FString(TEXT("Other tip")));
	EXPECT_EQ(Overridden.Icon.GetStyleName(), FName(TEXT("Other")));
	EXPECT_EQ(Overridden.ExtensionHook, FName(TEXT("Hook")));
	EXPECT_EQ(Overridden.TutorialHighlightName, FName(TEXT("Tutorial")));
}

TEST(MenuBuilder, AnExtensionEntryRunsThroughTheExtensionsCommandList)
{
	const TSharedRef<FUICommandInfo> Command = MakeShared<FUICommandInfo>(FName(TEXT("Ctx")), FName(TEXT("Cmd")), Text(TEXT("Run")), Text(TEXT("")),
		FSlateIcon(), EUserInterfaceActionType::Button, FInputChord(), FInputChord());
	int32 MenuListRuns = 0;
	int32 ExtensionListRuns = 0;
	const TSharedRef<FUICommandList> MenuList = MakeShared<FUICommandList>();
	MenuList->MapAction(Command, FExecuteAction::CreateLambda([&MenuListRuns] { ++MenuListRuns; }));
	const TSharedRef<FUICommandList> ExtensionList = MakeShared<FUICommandList>();
	ExtensionList->MapAction(Command, FExecuteAction::CreateLambda([&ExtensionListRuns] { ++ExtensionListRuns; }));

	const TSharedRef<FExtender> Extender = MakeShared<FExtender>();
	Extender->AddMenuBarExtension(TEXT("Help"), EExtensionHook::After, ExtensionList, FMenuBarExtensionDelegate::CreateLambda([Command](FMenuBarBuilder& Bar) {
		Bar.AddPullDownMenu(Text(TEXT("Ext")), Text(TEXT("")), FNewMenuDelegate::CreateLambda([Command](FMenuBuilder& Menu) {
			Menu.BeginSection(TEXT("ExtSection"));
			Menu.AddMenuEntry(Command);
			Menu.EndSection();
		}));
	}));
	FMenuBarBuilder Bar(MenuList, Extender);
	Bar.AddPullDownMenu(Text(TEXT("Help")), Text(TEXT("")), NoContent(), TEXT("Help"));

	const FMenuModel Content = Bar.GetModel().PullDowns[1].MakeContent();
	ASSERT_EQ(Content.Sections.Num(), 1);
	ASSERT_EQ(Content.Sections[0].Entries.Num(), 1);
	const FMenuEntryModel& Entry = Content.Sections[0].Entries[0];
	EXPECT_TRUE(Entry.IsEnabled());
	EXPECT_FALSE(Entry.IsChecked());
	EXPECT_TRUE(Entry.Execute());
	EXPECT_EQ(ExtensionListRuns, 1);
	EXPECT_EQ(MenuListRuns, 0);
}

TEST(MenuBuilder, PullDownContentIsBuiltAfreshOnEachOpening)
{
	int32 Fills = 0;
	FMenuBarBuilder Bar(nullptr);
	Bar.AddPullDownMenu(Text(TEXT("Menu")), Text(TEXT("")), FNewMenuDelegate::CreateLambda([&Fills](FMenuBuilder& Menu) {
		++Fills;
		Menu.AddMenuEntry(Text(TEXT("Entry")), Text(TEXT("")), FSlateIcon(), FUIAction(FExecuteAction::CreateLambda([] {}),
			FCanExecuteAction::CreateLambda([] { return false; })));
	}));
	EXPECT_EQ(Fills, 0) << "nothing is filled until the pull-down opens";
	const FPullDownMenuModel& PullDown = Bar.GetModel().PullDowns[0];
	EXPECT_FALSE(PullDown.MakeContent().Sections[0].Entries[0].IsEnabled());
	PullDown.MakeContent();
	EXPECT_EQ(Fills, 2);
}

TEST(MenuBuilderDeathTest, AnEntryForANullCommandIsFatal)
{
	FMenuBuilder Builder(true, nullptr);
	EXPECT_DEATH(Builder.AddMenuEntry(TSharedPtr<const FUICommandInfo>()), "registered command");
}

TEST(MenuBuilderDeathTest, PoppingTheBuildersOwnCommandListIsFatal)
{
	FMenuBarBuilder Builder(nullptr);
	EXPECT_DEATH(Builder.PopCommandList(), "PopCommandList");
}
