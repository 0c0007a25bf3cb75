#include "EngineTextPrinters.h"
#include "ModuleEventLog.h"
#include "TestMenuCommands.h"

#include "Framework/Commands/BindingContext.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

namespace
{
	FString Labels(const FMenuBarModel& Bar)
	{
		FString Result;
		for (const FPullDownMenuModel& PullDown : Bar.PullDowns)
		{
			Result += (Result.IsEmpty() ? TEXT("") : TEXT(",")) + PullDown.Label.ToString();
		}
		return Result;
	}

	class LevelEditorTest : public testing::Test
	{
	protected:
		void TearDown() override { FModuleManager::Get().UnloadModulesAtShutdown(); }

		FLevelEditorModule& LevelEditor() { return FModuleManager::LoadModuleChecked<FLevelEditorModule>("LevelEditor"); }

		FModuleEventLog Log;
	};
}

TEST_F(LevelEditorTest, IsRegisteredUnderItsNameAndHasAMenuExtensibilityManager)
{
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded("LevelEditor"));
	FLevelEditorModule& Module = LevelEditor();
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded("LevelEditor"));
	const TSharedPtr<FExtensibilityManager> Manager = Module.GetMenuExtensibilityManager();
	ASSERT_TRUE(Manager.IsValid());
	EXPECT_EQ(Module.GetMenuExtensibilityManager(), Manager) << "one manager for the module's life";
	EXPECT_TRUE(Manager->GetExtenders().IsEmpty());
}

TEST_F(LevelEditorTest, TheMainMenuBar)
{
	const FMenuBarModel Bar = LevelEditor().BuildMainMenuBar();
	EXPECT_EQ(Labels(Bar), FString(TEXT("File,Edit,Window,Help")));
	for (const TCHAR* Hook : {TEXT("File"), TEXT("Edit"), TEXT("Window"), TEXT("Help")})
	{
		const int32 Index = Bar.FindPullDown(Hook);
		ASSERT_NE(Index, INDEX_NONE);
		EXPECT_EQ(Bar.PullDowns[Index].Label.ToString(), FString(Hook));
		EXPECT_FALSE(Bar.PullDowns[Index].ToolTip.IsEmpty());
	}

	const FMenuModel File = Bar.PullDowns[Bar.FindPullDown("File")].MakeContent();
	ASSERT_EQ(File.Sections.Num(), 1);
	ASSERT_EQ(File.Sections[0].Entries.Num(), 1);
	EXPECT_EQ(File.Sections[0].Entries[0].Label.ToString(), FString(TEXT("Exit")));
	EXPECT_TRUE(File.Sections[0].Entries[0].IsEnabled());
}

TEST_F(LevelEditorTest, ExitAsksTheHostToQuit)
{
	FLevelEditorModule& Module = LevelEditor();
	int32 Requests = 0;
	Module.OnExitRequested().AddLambda([&Requests] { ++Requests; });
	EXPECT_FALSE(Module.IsExitRequested());

	const FMenuBarModel Bar = Module.BuildMainMenuBar();
	const FMenuModel File = Bar.PullDowns[Bar.FindPullDown("File")].MakeContent();
	EXPECT_TRUE(File.Sections[0].Entries[0].Execute());
	EXPECT_TRUE(Module.IsExitRequested());
	EXPECT_EQ(Requests, 1);
}

TEST_F(LevelEditorTest, EveryExtenderIsAppliedAtItsHookOnEachBuild)
{
	FLevelEditorModule& Module = LevelEditor();
	const TSharedPtr<FExtender> Extender = MakeShareable(new FExtender());
	int32 Fills = 0;
	Extender->AddMenuBarExtension("Help", EExtensionHook::After, nullptr, FMenuBarExtensionDelegate::CreateLambda([&Fills](FMenuBarBuilder& Builder) {
		++Fills;
		Builder.AddPullDownMenu(FText::FromString(TEXT("After Help")), FText(), FNewMenuDelegate());
	}));
	Extender->AddMenuBarExtension("File", EExtensionHook::Before, nullptr, FMenuBarExtensionDelegate::CreateLambda([](FMenuBarBuilder& Builder) {
		Builder.AddPullDownMenu(FText::FromString(TEXT("Before File")), FText(), FNewMenuDelegate());
	}));
	Module.GetMenuExtensibilityManager()->AddExtender(Extender);

	EXPECT_EQ(Labels(Module.BuildMainMenuBar()), FString(TEXT("Before File,File,Edit,Window,Help,After Help")));
	EXPECT_EQ(Labels(Module.BuildMainMenuBar()), FString(TEXT("Before File,File,Edit,Window,Help,After Help")));
	EXPECT_EQ(Fills, 2);

	Module.GetMenuExtensibilityManager()->RemoveExtender(Extender);
	EXPECT_EQ(Labels(Module.BuildMainMenuBar()), FString(TEXT("File,Edit,Window,Help")));
	EXPECT_EQ(Fills, 2);
}

TEST_F(LevelEditorTest, ShutDownLetsGoOfTheExtenders)
{
	const TSharedPtr<FExtender> Extender = MakeShareable(new FExtender());
	LevelEditor().GetMenuExtensibilityManager()->AddExtender(Extender);
	EXPECT_EQ(Extender.GetSharedReferenceCount(), 2);
	FModuleManager::Get().UnloadModule("LevelEditor");
	EXPECT_EQ(Extender.GetSharedReferenceCount(), 1);
}

TEST_F(LevelEditorTest, AModuleLibraryExtendsTheMenuBarUntilItIsUnloaded)
{
	int32 Announcements = 0;
	const FDelegateHandle Handle = FBindingContext::CommandsChanged.AddLambda([&Announcements](const FBindingContext& /*Context*/) { ++Announcements; });

	FModuleManager& Manager = FModuleManager::Get();
	ASSERT_NE(Manager.LoadModule("HmdTestMenuModule"), nullptr);
	EXPECT_TRUE(Manager.IsModuleLoaded("LevelEditor")) << "loaded by the module's start-up";
	EXPECT_EQ(Announcements, 1) << "the module registers through the process's one binding context";
	EXPECT_TRUE(FInputBindingManager::Get().GetContextByName("TestMenu").IsValid());
	ASSERT_TRUE(FTestMenuCommands::IsRegistered()) << "the set the module registered is the one this program sees";
	EXPECT_EQ(FTestMenuCommands::Get().OpenAction, FInputBindingManager::Get().FindCommandInContext("TestMenu", "OpenAction"));
	FTestMenuCommands::Register();
	EXPECT_EQ(Announcements, 1) << "registering again from here does nothing";
	Log.Take();
	{
		const FMenuBarModel Bar = LevelEditor().BuildMainMenuBar();
		EXPECT_EQ(Labels(Bar), FString(TEXT("File,Edit,Window,Help,Test Menu")));
		const FPullDownMenuModel& PullDown = Bar.PullDowns[4];
		EXPECT_EQ(PullDown.ToolTip.ToString(), FString(TEXT("Open the test menu")));
		EXPECT_EQ(PullDown.ExtensionHook, FName("TestMenu"));
		EXPECT_EQ(PullDown.TutorialHighlightName, FName("TestMenu"));

		const FMenuModel Content = PullDown.MakeContent();
		ASSERT_EQ(Content.Sections.Num(), 1);
		EXPECT_EQ(Content.Sections[0].ExtensionHook, FName("TestMenuSection"));
		EXPECT_FALSE(Content.Sections[0].bHasHeading);
		ASSERT_EQ(Content.Sections[0].Entries.Num(), 1);
		const FMenuEntryModel& Entry = Content.Sections[0].Entries[0];
		EXPECT_EQ(Entry.Label.ToString(), FString(TEXT("Open Test Settings")));
		EXPECT_EQ(Entry.ToolTip.ToString(), FString(TEXT("Execute TestMenu action")));
		EXPECT_TRUE(Entry.InputText.IsEmpty());
		EXPECT_TRUE(Entry.IsEnabled());
		EXPECT_FALSE(Entry.IsChecked());
		EXPECT_TRUE(Entry.Execute());
		EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestMenuModule: OpenClicked")));
	}

	EXPECT_TRUE(Manager.UnloadModule("HmdTestMenuModule"));
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestMenuModule: ExtenderWithdrawn, HmdTestMenuModule: Shutdown, HmdTestMenuModule: LibraryUnloaded")));
	EXPECT_EQ(Announcements, 2);
	EXPECT_FALSE(FInputBindingManager::Get().GetContextByName("TestMenu").IsValid());
	EXPECT_FALSE(FTestMenuCommands::IsRegistered());
	EXPECT_EQ(Labels(LevelEditor().BuildMainMenuBar()), FString(TEXT("File,Edit,Window,Help")));
	FBindingContext::CommandsChanged.Remove(Handle);
}

TEST_F(LevelEditorTest, AtExitTheExtendingModuleIsShutDownBeforeTheLevelEditor)
{
	ASSERT_NE(FModuleManager::Get().LoadModule("HmdTestMenuModule"), nullptr);
	Log.Take();
	FModuleManager::Get().UnloadModulesAtShutdown();
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestMenuModule: ExtenderWithdrawn, HmdTestMenuModule: Shutdown, HmdTestMenuModule: LibraryUnloaded")));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded("LevelEditor"));
}
