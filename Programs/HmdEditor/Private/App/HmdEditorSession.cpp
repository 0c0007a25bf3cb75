#include "App/HmdEditorSession.h"

#include "HmdEditorOptions.h"
#include "Modules/ModuleFolders.h"
#include "Widgets/SLevelViewport.h"
#include "Widgets/SMainMenuBar.h"
#include "Widgets/SStatusLine.h"

#include "Application/SlateEventSource.h"
#include "Containers/StringConv.h"
#include "Framework/Application/SlateApplication.h"
#include "Framework/Docking/TabManager.h"
#include "HAL/PlatformProcess.h"
#include "LevelEditor.h"
#include "Modules/ModuleManager.h"
#include "Rendering/SlateRenderer.h"
#include "Shell/PlatformShell.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SWindow.h"

namespace
{
	const TCHAR* const LevelEditorModuleName = TEXT("LevelEditor");
	const TCHAR* const SettingsModuleName = TEXT("OrvekHmdSettings");
}

FHmdEditorSession::~FHmdEditorSession()
{
	Shutdown();
}

bool FHmdEditorSession::Startup(const FHmdEditorOptions& Options, std::string& Error)
{
	if (!Options.DocumentsFolder.empty())
	{
		FPlatformShell::SetKnownFolderOverride(StringConv::FromUtf8(Options.DocumentsFolder));
	}

	FSlateApplication& Application = FSlateApplication::Create();
	bStarted = true;

	// The build tree has every library beside the executable, which the
	// module manager searches anyway; an installed host keeps them apart.
	FModuleManager& ModuleManager = FModuleManager::Get();
	ModuleManager.AddBinariesDirectory(GetInstalledModuleFolder(FPlatformProcess::BaseDir(), TEXT(HMD_EDITOR_INSTALLED_MODULE_FOLDER)));

	LevelEditor = static_cast<FLevelEditorModule*>(ModuleManager.LoadModule(LevelEditorModuleName));
	if (LevelEditor == nullptr)
	{
		Error = "cannot load the LevelEditor module";
		return false;
	}
	LevelEditor->OnExitRequested().AddRaw(this, &FHmdEditorSession::OnExitRequested);

	if (ModuleManager.LoadModule(SettingsModuleName) == nullptr)
	{
		Error = "cannot load the OrvekHmdSettings module (" + StringConv::ToUtf8(FModuleManager::GetModuleFilename(SettingsModuleName))
			+ ") from the executable's folder or " + HMD_EDITOR_INSTALLED_MODULE_FOLDER;
		return false;
	}

	// Without a title bar or a size of its own, the main window fills the screen.
	MainWindow = SNew(SWindow)
		.CreateTitleBar(false)
		[
			SAssignNew(MainMenuBar, SMainMenuBar)
			.OnBuildMenuBar_Raw(LevelEditor, &FLevelEditorModule::BuildMainMenuBar)
			.OnQuitRequested_Raw(this, &FHmdEditorSession::RequestExit)
			[
				SNew(SVerticalBox)
				+ SVerticalBox::Slot()
				.FillHeight(1.0f)
				[
					SNew(SLevelViewport)
				]
				+ SVerticalBox::Slot()
				.AutoHeight()
				[
					SNew(SStatusLine)
					.Message_Raw(this, &FHmdEditorSession::GetStatusMessage)
					.KeyHints_Raw(this, &FHmdEditorSession::GetKeyHints)
				]
			]
		];
	Application.AddWindow(MainWindow.ToSharedRef());
	FGlobalTabmanager::Get()->SetRootWindow(MainWindow);
	Application.SetKeyboardFocus(MainMenuBar);
	return true;
}

void FHmdEditorSession::Run(const TSharedRef<ISlateEventSource>& EventSource, const TSharedRef<ISlateRenderer>& Renderer)
{
	FSlateApplication& Application = FSlateApplication::Get();
	Application.SetEventSource(EventSource);
	Application.SetRenderer(Renderer);
	Application.RunMainLoop();
	Application.SetEventSource(nullptr);
	Application.SetRenderer(nullptr);
}

void FHmdEditorSession::RequestExit()
{
	if (LevelEditor != nullptr)
	{
		const FMenuBarModel MenuBar = LevelEditor->BuildMainMenuBar();
		const int32 FileMenu = MenuBar.FindPullDown(TEXT("File"));
		if (MenuBar.PullDowns.IsValidIndex(FileMenu))
		{
			for (const FMenuSectionModel& Section : MenuBar.PullDowns[FileMenu].MakeContent().Sections)
			{
				for (const FMenuEntryModel& Entry : Section.Entries)
				{
					if (Entry.ExtensionHook == FName(TEXT("Exit")) && Entry.Execute())
					{
						return;
					}
				}
			}
		}
	}
	// Without a Level Editor exit there is still a way out.
	FSlateApplication::Get().RequestQuit();
}

void FHmdEditorSession::OnExitRequested()
{
	FSlateApplication::Get().RequestQuit();
}

FText FHmdEditorSession::GetStatusMessage() const
{
	return MainMenuBar.IsValid() ? MainMenuBar->GetHighlightedToolTip() : FText();
}

FText FHmdEditorSession::GetKeyHints() const
{
	return MainMenuBar.IsValid() ? MainMenuBar->GetKeyHints() : FText();
}

void FHmdEditorSession::Shutdown()
{
	if (!bStarted)
	{
		return;
	}
	bStarted = false;

	// The menu bar holds delegates into the modules' code: it goes before they do.
	FSlateApplication& Application = FSlateApplication::Get();
	FGlobalTabmanager::Get()->SetRootWindow(nullptr);
	if (MainWindow.IsValid() && Application.IsWindowOpen(*MainWindow))
	{
		Application.RequestDestroyWindow(MainWindow.ToSharedRef());
	}
	MainMenuBar.Reset();
	MainWindow.Reset();

	// The settings module started after the Level Editor, so it is shut down first.
	LevelEditor = nullptr;
	FModuleManager::Get().UnloadModulesAtShutdown();
	FSlateApplication::Shutdown();
	FPlatformShell::ClearKnownFolderOverride();
}
