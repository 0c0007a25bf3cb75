#include "LevelEditor.h"

#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Modules/ModuleManager.h"
#include "Textures/SlateIcon.h"

#define LOCTEXT_NAMESPACE "LevelEditorMainMenu"

namespace
{
	// Edit, Window and Help have no entries of their own; each has a section
	// whose hook other modules can extend.
	void FillEditMenu(FMenuBuilder& MenuBuilder)
	{
		MenuBuilder.BeginSection(TEXT("EditMain"));
		MenuBuilder.EndSection();
	}

	void FillWindowMenu(FMenuBuilder& MenuBuilder)
	{
		MenuBuilder.BeginSection(TEXT("WindowGlobal"));
		MenuBuilder.EndSection();
	}

	void FillHelpMenu(FMenuBuilder& MenuBuilder)
	{
		MenuBuilder.BeginSection(TEXT("HelpApplication"));
		MenuBuilder.EndSection();
	}
}

void FLevelEditorModule::StartupModule()
{
	MenuExtensibilityManager = MakeShared<FExtensibilityManager>();
	bExitRequested = false;
}

void FLevelEditorModule::ShutdownModule()
{
	MenuExtensibilityManager.Reset();
}

FMenuBarModel FLevelEditorModule::BuildMainMenuBar()
{
	const TSharedPtr<FExtender> Extenders = MenuExtensibilityManager.IsValid() ? MenuExtensibilityManager->GetAllExtenders() : nullptr;
	FMenuBarBuilder MenuBarBuilder(nullptr, Extenders);
	MenuBarBuilder.AddPullDownMenu(LOCTEXT("FileMenu", "File"), LOCTEXT("FileMenu_ToolTip", "Open the File menu"),
		FNewMenuDelegate::CreateRaw(this, &FLevelEditorModule::FillFileMenu), TEXT("File"));
	MenuBarBuilder.AddPullDownMenu(LOCTEXT("EditMenu", "Edit"), LOCTEXT("EditMenu_ToolTip", "Open the Edit menu"),
		FNewMenuDelegate::CreateStatic(&FillEditMenu), TEXT("Edit"));
	MenuBarBuilder.AddPullDownMenu(LOCTEXT("WindowMenu", "Window"), LOCTEXT("WindowMenu_ToolTip", "Open the Window menu"),
		FNewMenuDelegate::CreateStatic(&FillWindowMenu), TEXT("Window"));
	MenuBarBuilder.AddPullDownMenu(LOCTEXT("HelpMenu", "Help"), LOCTEXT("HelpMenu_ToolTip", "Open the Help menu"),
		FNewMenuDelegate::CreateStatic(&FillHelpMenu), TEXT("Help"));
	return MenuBarBuilder.GetModel();
}

void FLevelEditorModule::FillFileMenu(FMenuBuilder& MenuBuilder)
{
	MenuBuilder.BeginSection(TEXT("FileExit"));
	MenuBuilder.AddMenuEntry(LOCTEXT("Exit", "Exit"), LOCTEXT("Exit_ToolTip", "Exit the editor"), FSlateIcon(),
		FUIAction(FExecuteAction::CreateRaw(this, &FLevelEditorModule::RequestExit)), TEXT("Exit"));
	MenuBuilder.EndSection();
}

void FLevelEditorModule::RequestExit()
{
	bExitRequested = true;
	ExitRequested.Broadcast();
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_STATIC_MODULE(FLevelEditorModule, LevelEditor);
