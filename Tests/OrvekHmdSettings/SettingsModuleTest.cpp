// The module as the editor uses it: loaded from its shared library by the
// module manager, reached through the Level Editor's menu bar, and unloaded.
#include "SettingsTestFixture.h"

#include "OrvekHmdSettings.h"
#include "OrvekHmdSettingsCommands.h"
#include "OrvekHmdSettingsWidget.h"

#include "Application/QueuedSlateEventSource.h"
#include "Framework/Application/SlateApplication.h"
#include "Framework/Commands/BindingContext.h"
#include "Framework/Commands/InputBindingManager.h"
#include "Framework/MultiBox/MenuModel.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Widgets/SWindow.h"

namespace
{
	const TCHAR* const ModuleName = TEXT("OrvekHmdSettings");
	const std::string Hmd1File = "{\r\n\t\"SubjectName\": \"HMD1\",\r\n\t\"EnableLogging\": true\r\n}";

	TArray<FString> Labels(const FMenuBarModel& MenuBar)
	{
		TArray<FString> Result;
		for (const FPullDownMenuModel& PullDown : MenuBar.PullDowns)
		{
			Result.Add(PullDown.Label.ToString());
		}
		return Result;
	}
}

class FSettingsModuleTest : public FSettingsTest
{
protected:
	void SetUp() override
	{
		FSettingsTest::SetUp();
		Events = MakeShared<FQueuedSlateEventSource>();
		FSlateApplication::Get().SetEventSource(Events);
		Module = static_cast<FOrvekHmdSettingsModule*>(FModuleManager::Get().LoadModule(ModuleName));
		ASSERT_NE(Module, nullptr);
	}

	void TearDown() override
	{
		FModuleManager::Get().UnloadModule(ModuleName);
		FSettingsTest::TearDown();
	}

	FMenuBarModel BuildMenuBar() const
	{
		return FModuleManager::LoadModuleChecked<FLevelEditorModule>(TEXT("LevelEditor")).BuildMainMenuBar();
	}

	/** The "Orvek Hmd Settings" entry as the menu bar offers it. */
	FMenuEntryModel SettingsEntry() const
	{
		const FMenuBarModel MenuBar = BuildMenuBar();
		const int32 Index = MenuBar.FindPullDown(FName(TEXT("OrvekHmd")));
		check(Index != INDEX_NONE);
		const FMenuModel Content = MenuBar.PullDowns[Index].MakeContent();
		check(Content.Sections.Num() == 1 && Content.Sections[0].Entries.Num() == 1);
		return Content.Sections[0].Entries[0];
	}

	TSharedPtr<FQueuedSlateEventSource> Events;
	FOrvekHmdSettingsModule* Module = nullptr;
};

TEST_F(FSettingsModuleTest, StartupAddsTheOrvekHmdMenuRightAfterHelp)
{
	const FMenuBarModel MenuBar = BuildMenuBar();
	const TArray<FString> Names = Labels(MenuBar);
	const int32 Help = Names.Find(FString(TEXT("Help")));
	ASSERT_NE(Help, INDEX_NONE);
	ASSERT_LT(Help + 1, Names.Num());
	EXPECT_EQ(Names[Help + 1], FString(TEXT("Orvek Hmd")));
	EXPECT_EQ(Names.Find(FString(TEXT("Orvek Hmd"))), Help + 1) << "exactly one Orvek Hmd menu";

	const FPullDownMenuModel& PullDown = MenuBar.PullDowns[Help + 1];
	EXPECT_EQ(PullDown.ToolTip.ToString(), FString(TEXT("Open the Orvek hmd settings menu")));
	EXPECT_EQ(FTextInspector::GetNamespace(PullDown.Label), FString(TEXT("FOrvekHmdSettingsModule")));
	EXPECT_EQ(FTextInspector::GetKey(PullDown.Label), FString(TEXT("OrvekMenu")));
	EXPECT_EQ(FTextInspector::GetKey(PullDown.ToolTip), FString(TEXT("OrvekMenu_ToolTip")));
	EXPECT_EQ(PullDown.ExtensionHook, FName(TEXT("OrvekHmd")));
	EXPECT_EQ(PullDown.TutorialHighlightName, FName(TEXT("OrvekHmd")));

	const FMenuModel Content = PullDown.MakeContent();
	ASSERT_EQ(Content.Sections.Num(), 1);
	EXPECT_EQ(Content.Sections[0].ExtensionHook, FName(TEXT("OrvekHmdSettings")));
	EXPECT_FALSE(Content.Sections[0].bHasHeading);
	ASSERT_EQ(Content.Sections[0].Entries.Num(), 1);
	const FMenuEntryModel& Entry = Content.Sections[0].Entries[0];
	EXPECT_EQ(Entry.Label.ToString(), FString(TEXT("Orvek Hmd Settings")));
	EXPECT_EQ(Entry.ToolTip.ToString(), FString(TEXT("Execute OrvekHmdSettings action")));
	EXPECT_TRUE(Entry.InputText.IsEmpty()) << "no key chord";
	EXPECT_TRUE(Entry.IsEnabled());
	EXPECT_FALSE(Entry.IsChecked());
	EXPECT_EQ(Entry.ActionType, EUserInterfaceActionType::Button);
}

TEST_F(FSettingsModuleTest, TheCommandIsRegisteredWithoutAKeyChord)
{
	ASSERT_TRUE(FOrvekHmdSettingsCommands::IsRegistered());
	const TSharedPtr<FUICommandInfo> Command = FOrvekHmdSettingsCommands::Get().PluginAction;
	ASSERT_TRUE(Command.IsValid());
	EXPECT_FALSE(Command->HasDefaultChord());
	EXPECT_EQ(FTextInspector::GetNamespace(Command->GetLabel()), FString(TEXT("FOrvekHmdSettingsModule")));
	EXPECT_EQ(FTextInspector::GetKey(Command->GetLabel()), FString(TEXT("PluginAction")));
	EXPECT_EQ(FTextInspector::GetKey(Command->GetDescription()), FString(TEXT("PluginAction_ToolTip")));
	const TSharedPtr<FBindingContext> Context = FInputBindingManager::Get().GetContextByName(FName(TEXT("OrvekHmdSettings")));
	ASSERT_TRUE(Context.IsValid());
	EXPECT_EQ(Context->GetContextDesc().ToString(), FString(TEXT("OrvekHmdSettings Plugin")));
	EXPECT_EQ(FTextInspector::GetNamespace(Context->GetContextDesc()), FString(TEXT("Contexts")));
}

TEST_F(FSettingsModuleTest, RegisteringTwiceKeepsOneCommandSetAndReRegisteringMakesANewOne)
{
	int32 Broadcasts = 0;
	const FDelegateHandle Handle = FBindingContext::CommandsChanged.AddLambda([&Broadcasts](const FBindingContext& /*Context*/) { ++Broadcasts; });

	const FOrvekHmdSettingsCommands* First = &FOrvekHmdSettingsCommands::Get();
	FOrvekHmdSettingsCommands::Register();
	EXPECT_EQ(&FOrvekHmdSettingsCommands::Get(), First);
	EXPECT_EQ(Broadcasts, 0);

	FOrvekHmdSettingsCommands::Unregister();
	FOrvekHmdSettingsCommands::Unregister();
	EXPECT_FALSE(FOrvekHmdSettingsCommands::IsRegistered());
	EXPECT_EQ(Broadcasts, 1) << "unregistering when unregistered broadcasts nothing";

	FOrvekHmdSettingsCommands::Register();
	EXPECT_TRUE(FOrvekHmdSettingsCommands::Get().PluginAction.IsValid());
	EXPECT_EQ(Broadcasts, 2);
	FBindingContext::CommandsChanged.Remove(Handle);
}

TEST_F(FSettingsModuleTest, TheEntryOpensTheModalSettingsWindowAndClosingItSaves)
{
	TSharedPtr<SOrvekHmdSettingsWidget> FirstPanel;
	Events->PushAction([this, &FirstPanel]() {
		const TSharedPtr<SWindow> SettingsWindow = FSlateApplication::Get().GetActiveModalWindow();
		ASSERT_TRUE(SettingsWindow.IsValid());
		EXPECT_EQ(SettingsWindow->GetTitle().ToString(), FString(TEXT("Hmd Setting")));
		EXPECT_EQ(FTextInspector::GetKey(SettingsWindow->GetTitle()), FString(TEXT("HmdSettingTitle")));
		EXPECT_EQ(SettingsWindow->GetSizingRule(), ESizingRule::Autosized);
		EXPECT_TRUE(SettingsWindow->HasCloseBox());
		EXPECT_FALSE(SettingsWindow->HasMaximizeBox());
		EXPECT_FALSE(SettingsWindow->HasMinimizeBox());
		EXPECT_EQ(SettingsWindow->GetDesiredSize(), SettingsWindow->GetContent()->GetDesiredSize() + SettingsWindow->GetChromeSize());
		FirstPanel = Module->GetSettingsWidget();
		EXPECT_EQ(&SettingsWindow->GetContent().Get(), FirstPanel.Get());
		EXPECT_TRUE(ScreenShows(TEXT("Hmd Setting")));
	});
	Events->PushText(FString(TEXT("HMD1")));
	Events->PushKeyDown(EKeys::Tab);
	Events->PushKeyDown(EKeys::Space);
	Events->PushAction([this]() { EXPECT_FALSE(std::filesystem::exists(ConfigFile())) << "editing does not save"; });
	Events->PushKeyDown(EKeys::Escape);

	ASSERT_TRUE(SettingsEntry().Execute());
	EXPECT_FALSE(FSlateApplication::Get().GetActiveModalWindow().IsValid());
	EXPECT_EQ(ReadConfig(), Hmd1File);

	Events->PushAction([this, &FirstPanel]() {
		EXPECT_NE(Module->GetSettingsWidget(), FirstPanel) << "each opening makes a new panel";
		EXPECT_EQ(Module->GetSettingsWidget()->GetConfig().SubjectName, FString(TEXT("HMD1")));
		EXPECT_TRUE(ScreenShows(TEXT("[x]")));
	});
	Events->PushAction([]() { FSlateApplication::Get().RequestDestroyWindow(FSlateApplication::Get().GetActiveModalWindow().ToSharedRef()); });
	ASSERT_TRUE(SettingsEntry().Execute());
	EXPECT_EQ(ReadConfig(), Hmd1File) << "closing without edits rewrites the same values";
}

TEST_F(FSettingsModuleTest, QuittingWhileTheWindowIsOpenClosesItAndSaves)
{
	Events->PushText(FString(TEXT("Q")));
	Events->PushAction([]() { FSlateApplication::Get().RequestQuit(); });
	ASSERT_TRUE(SettingsEntry().Execute());
	EXPECT_FALSE(FSlateApplication::Get().GetActiveModalWindow().IsValid());
	EXPECT_EQ(ReadConfig(), "{\r\n\t\"SubjectName\": \"Q\",\r\n\t\"EnableLogging\": false\r\n}");
}

TEST_F(FSettingsModuleTest, ShutdownWithdrawsTheMenuAndTheCommandSet)
{
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(ModuleName));
	EXPECT_EQ(Labels(BuildMenuBar()).Find(FString(TEXT("Orvek Hmd"))), INDEX_NONE);
	EXPECT_FALSE(FInputBindingManager::Get().GetContextByName(FName(TEXT("OrvekHmdSettings"))).IsValid());

	Module = static_cast<FOrvekHmdSettingsModule*>(FModuleManager::Get().LoadModule(ModuleName));
	ASSERT_NE(Module, nullptr);
	EXPECT_NE(Labels(BuildMenuBar()).Find(FString(TEXT("Orvek Hmd"))), INDEX_NONE) << "loading again brings the menu back";
}
