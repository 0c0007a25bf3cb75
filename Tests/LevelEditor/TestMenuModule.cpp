// A module that adds a "Test Menu" pull-down after the Level Editor's "Help"
// menu, with one entry running its one command, and withdraws it again at
// shut-down. It records what happens to it on LogTestModule.
#include "TestModuleSupport.h"

#include "TestMenuCommands.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Textures/SlateIcon.h"

#define LOCTEXT_NAMESPACE "FTestMenuModule"

namespace
{
	const TestModule::FLibraryLifetime GLibraryLifetime;

	class FTestMenuModule : public IModuleInterface
	{
	public:
		void StartupModule() override
		{
			FTestMenuCommands::Register();
			CommandList = MakeShareable(new FUICommandList);
			CommandList->MapAction(FTestMenuCommands::Get().OpenAction, FExecuteAction::CreateRaw(this, &FTestMenuModule::OpenClicked), FCanExecuteAction(),
				EUIActionRepeatMode::RepeatDisabled);

			FLevelEditorModule& LevelEditorModule = FModuleManager::Get().LoadModuleChecked<FLevelEditorModule>("LevelEditor");
			MenuExtender = MakeShareable(new FExtender());
			MenuExtender->AddMenuBarExtension("Help", EExtensionHook::After, CommandList,
				FMenuBarExtensionDelegate::CreateRaw(this, &FTestMenuModule::FillMenuBar));
			LevelEditorModule.GetMenuExtensibilityManager()->AddExtender(MenuExtender);
			TestModule::Record(TEXT("Startup"));
		}

		void ShutdownModule() override
		{
			if (FLevelEditorModule* LevelEditorModule = FModuleManager::GetModulePtr<FLevelEditorModule>("LevelEditor"))
			{
				LevelEditorModule->GetMenuExtensibilityManager()->RemoveExtender(MenuExtender);
				TestModule::Record(TEXT("ExtenderWithdrawn"));
			}
			MenuExtender.Reset();
			FTestMenuCommands::Unregister();
			TestModule::Record(TEXT("Shutdown"));
		}

	private:
		void FillMenuBar(FMenuBarBuilder& MenuBarBuilder)
		{
			MenuBarBuilder.AddPullDownMenu(LOCTEXT("TestMenu", "Test Menu"), LOCTEXT("TestMenu_ToolTip", "Open the test menu"),
				FNewMenuDelegate::CreateStatic(&FTestMenuModule::FillPullDownMenu), "TestMenu", "TestMenu");
		}

		static void FillPullDownMenu(FMenuBuilder& MenuBuilder)
		{
			MenuBuilder.BeginSection("TestMenuSection", TAttribute<FText>());
			MenuBuilder.AddMenuEntry(FTestMenuCommands::Get().OpenAction, NAME_None, TAttribute<FText>(), TAttribute<FText>(), FSlateIcon(), NAME_None);
			MenuBuilder.EndSection();
		}

		void OpenClicked() { TestModule::Record(TEXT("OpenClicked")); }

		TSharedPtr<FUICommandList> CommandList;
		TSharedPtr<FExtender> MenuExtender;
	};
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_MODULE(FTestMenuModule, HmdTestMenuModule);
