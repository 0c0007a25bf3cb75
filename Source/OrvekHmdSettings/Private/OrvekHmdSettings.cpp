#include "OrvekHmdSettings.h"

#include "OrvekHmdSettingsCommands.h"
#include "OrvekHmdSettingsWidget.h"

#include "Framework/Application/SlateApplication.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Textures/SlateIcon.h"
#include "Widgets/SWindow.h"

#define LOCTEXT_NAMESPACE "FOrvekHmdSettingsModule"

namespace
{
	const TCHAR* const LevelEditorModuleName = TEXT("LevelEditor");
}

FOrvekHmdSettingsModule::~FOrvekHmdSettingsModule() = default;

void FOrvekHmdSettingsModule::StartupModule()
{
	FOrvekHmdSettingsCommands::Register();

	CommandList = MakeShareable(new FUICommandList);
	check(CommandList.IsValid());
	CommandList->MapAction(
		FOrvekHmdSettingsCommands::Get().PluginAction,
		FExecuteAction::CreateRaw(this, &FOrvekHmdSettingsModule::PluginButtonClicked),
		FCanExecuteAction(),
		EUIActionRepeatMode::RepeatDisabled);

	FLevelEditorModule& LevelEditorModule = FModuleManager::Get().LoadModuleChecked<FLevelEditorModule>(LevelEditorModuleName);

	TSharedPtr<FExtender> Extender = MakeShareable(new FExtender());
	check(Extender.IsValid());
	Extender->AddMenuBarExtension(
		TEXT("Help"),
		EExtensionHook::After,
		CommandList,
		FMenuBarExtensionDelegate::CreateRaw(this, &FOrvekHmdSettingsModule::FillMenuBar));

	const TSharedPtr<FExtensibilityManager> MenuExtensibilityManager = LevelEditorModule.GetMenuExtensibilityManager();
	check(MenuExtensibilityManager.IsValid());
	MenuExtensibilityManager->AddExtender(Extender);
	MenuExtender = Extender;
}

void FOrvekHmdSettingsModule::ShutdownModule()
{
	const TSharedPtr<FExtender> Extender = MenuExtender.Pin();
	if (Extender.IsValid() && FModuleManager::Get().IsModuleLoaded(LevelEditorModuleName))
	{
		FLevelEditorModule& LevelEditorModule = FModuleManager::Get().LoadModuleChecked<FLevelEditorModule>(LevelEditorModuleName);
		if (const TSharedPtr<FExtensibilityManager> MenuExtensibilityManager = LevelEditorModule.GetMenuExtensibilityManager())
		{
			MenuExtensibilityManager->RemoveExtender(Extender);
		}
	}
	MenuExtender.Reset();

	FOrvekHmdSettingsCommands::Unregister();
}

void FOrvekHmdSettingsModule::FillMenuBar(FMenuBarBuilder& MenuBarBuilder)
{
	MenuBarBuilder.AddPullDownMenu(
		LOCTEXT("OrvekMenu", "Orvek Hmd"),
		LOCTEXT("OrvekMenu_ToolTip", "Open the Orvek hmd settings menu"),
		FNewMenuDelegate::CreateStatic(&FOrvekHmdSettingsModule::FillPullDownMenu),
		FName(TEXT("OrvekHmd")),
		FName(TEXT("OrvekHmd")));
}

void FOrvekHmdSettingsModule::FillPullDownMenu(FMenuBuilder& MenuBuilder)
{
	MenuBuilder.BeginSection(FName(TEXT("OrvekHmdSettings")), TAttribute<FText>());
	MenuBuilder.AddMenuEntry(
		FOrvekHmdSettingsCommands::Get().PluginAction,
		NAME_None,
		TAttribute<FText>(),
		TAttribute<FText>(),
		FSlateIcon(),
		NAME_None);
	MenuBuilder.EndSection();
}

void FOrvekHmdSettingsModule::PluginButtonClicked()
{
	const FText Title = LOCTEXT("HmdSettingTitle", "Hmd Setting");

	TSharedRef<SWindow> SettingsWindow = SNew(SWindow)
		.Title(Title)
		.SizingRule(ESizingRule::Autosized)
		.HasCloseButton(true)
		.SupportsMaximize(false)
		.SupportsMinimize(false);
	SettingsWindow->SetOnWindowClosed(FOnWindowClosed::CreateRaw(this, &FOrvekHmdSettingsModule::OnSettingsWindowClosed));

	SettingsWidget = SNew(SOrvekHmdSettingsWidget);
	SettingsWindow->SetContent(SettingsWidget.ToSharedRef());

	TSharedPtr<SWindow> RootWindow = FGlobalTabmanager::Get()->GetRootWindow();
	FSlateApplication::Get().AddModalWindow(SettingsWindow, RootWindow, false);
}

void FOrvekHmdSettingsModule::OnSettingsWindowClosed(const TSharedRef<SWindow>& /*Window*/)
{
	check(SettingsWidget.IsValid());
	SettingsWidget->SaveConfig();
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_MODULE(FOrvekHmdSettingsModule, OrvekHmdSettings);
