#include "LevelEditor.h"

#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Modules/ModuleManager.h"
#include "Textures/SlateIcon.h"

#define LOCTEXT_NAMESPACE "LevelEditorMainMenu"

namespace
{
	/**
	 * Edit, Window and Help have no entries of their own; each has one
	 * section whose hook other modules can extend.
	 */
	FNewMenuDelegate EmptySection(const TCHAR* Hook)
	{
		return FNewMenuDelegate::CreateLambda([Hook](FMenuBuilder& MenuBuilder)
		{
			MenuBuilder.BeginSection(Hook);
			MenuBuilder.EndSection();
		});
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
		EmptySection(TEXT("EditMain")), TEXT("Edit"));
	MenuBarBuilder.AddPullDownMenu(LOCTEXT("WindowMenu", "Window"), LOCTEXT("WindowMenu_ToolTip", "Open the Window menu"),
		EmptySection(TEXT("WindowGlobal")), TEXT("Window"));
	MenuBarBuilder.AddPullDownMenu(LOCTEXT("HelpMenu", "Help"), LOCTEXT("HelpMenu_ToolTip", "Open the Help menu"),
		EmptySection(TEXT("HelpApplication")), TEXT("Help"));
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
