#include "HmdEditor/App/HmdEditorSession.h"

#include "HmdEditor/App/HmdEditorInputProcessor.h"
#include "HmdEditor/Help/HostHelp.h"
#include "HmdEditor/HmdEditorOptions.h"
#include "HmdEditor/FrontEnd/HostTerminal.h"
#include "HmdEditor/Modules/ModuleFolders.h"
#include "HmdEditor/Widgets/SLevelViewport.h"
#include "HmdEditor/Widgets/SMainMenuBar.h"
#include "HmdEditor/Widgets/SStatusLine.h"
#include "HmdEditor/Widgets/TextWindow.h"

#include "Application/SlateEventSource.h"
#include "Containers/StringConv.h"
#include "Framework/Application/SlateApplication.h"
#include "Framework/Docking/TabManager.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformProcess.h"
#include "LevelEditor.h"
#include "Misc/OutputDevice.h"
#include "Modules/ModuleManager.h"
#include "OrvekHmdSettingsFile.h"
#include "Rendering/SlateRenderer.h"
#include "Shell/KnownFolders.h"
#include "Textures/SlateIcon.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SWindow.h"

#define LOCTEXT_NAMESPACE "FHmdEditorSession"

namespace
{
	const TCHAR* const LevelEditorModuleName = TEXT("LevelEditor");
	const TCHAR* const SettingsModuleName = TEXT("OrvekHmdSettings");
	// The sections the Level Editor leaves open for other modules' entries.
	const TCHAR* const WindowMenuSection = TEXT("WindowGlobal");
	const TCHAR* const HelpMenuSection = TEXT("HelpApplication");

	FText GetKeyboardShortcutsTitle()
	{
		return LOCTEXT("KeyboardShortcutsTitle", "Keyboard Shortcuts");
	}
}

FHmdEditorSession::~FHmdEditorSession()
{
	Shutdown();
}

TValueOrError<void, std::string> FHmdEditorSession::Startup(const FHmdEditorOptions& Options)
{
	// First, so that whatever the modules log on loading is kept too.
	GLog->AddOutputDevice(&LogHistory);
	bHeadless = Options.IsScripted();
	if (!Options.DocumentsFolder.empty())
	{
		FPlatformShell::SetKnownFolderOverride(StringConv::FromUtf8(Options.DocumentsFolder));
	}

	FSlateApplication& Application = FSlateApplication::Create();
	bStarted = true;
	InputProcessor = MakeShared<FHmdEditorInputProcessor>(LogHistory, FOnHostKeyCommand::CreateRaw(this, &FHmdEditorSession::OpenKeyboardShortcutsHere),
		FOnHostKeyCommand::CreateRaw(this, &FHmdEditorSession::RequestExit));
	Application.RegisterInputPreProcessor(InputProcessor);

	// The build tree has every library beside the executable, which the
	// module manager searches anyway; an installed host keeps them apart.
	FModuleManager& ModuleManager = FModuleManager::Get();
	ModuleManager.AddBinariesDirectory(GetInstalledModuleFolder(FPlatformProcess::BaseDir(), TEXT(HMD_EDITOR_INSTALLED_MODULE_FOLDER)));

	LevelEditor = static_cast<FLevelEditorModule*>(ModuleManager.LoadModule(LevelEditorModuleName));
	if (LevelEditor == nullptr)
	{
		return MakeError("cannot load the LevelEditor module");
	}
	LevelEditor->OnExitRequested().AddRaw(this, &FHmdEditorSession::OnExitRequested);

	// The host's own entries go into the Level Editor's menus as any module's do.
	MenuExtender = MakeShared<FExtender>();
	MenuExtender->AddMenuExtension(WindowMenuSection, EExtensionHook::After, nullptr,
		FMenuExtensionDelegate::CreateRaw(this, &FHmdEditorSession::FillWindowMenu));
	MenuExtender->AddMenuExtension(HelpMenuSection, EExtensionHook::After, nullptr,
		FMenuExtensionDelegate::CreateRaw(this, &FHmdEditorSession::FillHelpMenu));
	LevelEditor->GetMenuExtensibilityManager()->AddExtender(MenuExtender);

	if (ModuleManager.LoadModule(SettingsModuleName) == nullptr)
	{
		return MakeError("cannot load the OrvekHmdSettings module (" + StringConv::ToUtf8(FModuleManager::GetModuleFilename(SettingsModuleName))
			+ ") from the executable's folder or " + HMD_EDITOR_INSTALLED_MODULE_FOLDER);
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
					.MessageStyle_Raw(this, &FHmdEditorSession::GetStatusMessageStyle)
					.KeyHints_Raw(this, &FHmdEditorSession::GetKeyHints)
				]
			]
		];
	Application.AddWindow(MainWindow.ToSharedRef());
	FGlobalTabmanager::Get()->SetRootWindow(MainWindow);
	Application.SetKeyboardFocus(MainMenuBar);
	return MakeValue();
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

EHostKeyContext FHmdEditorSession::GetKeyContext() const
{
	if (const TSharedPtr<SWindow> Modal = FSlateApplication::Get().GetActiveModalWindow())
	{
		return IsTextWindow(*Modal) ? EHostKeyContext::TextWindow : EHostKeyContext::SettingsWindow;
	}
	return MainMenuBar.IsValid() && MainMenuBar->GetMenuState().IsOpen() ? EHostKeyContext::OpenMenu : EHostKeyContext::MainWindow;
}

FText FHmdEditorSession::GetStatusMessage() const
{
	if (const FHostLogLine* Notice = LogHistory.GetNotice())
	{
		// A problem says what it is, as the log does; an ordinary message is shown as it is.
		FString Shown = Notice->IsProblem() ? FString(ELogVerbosity::ToString(Notice->Verbosity)) + TEXT(": ") : FString();
		Shown += Notice->Message;
		return FText::FromString(Shown);
	}
	return MainMenuBar.IsValid() ? MainMenuBar->GetHighlightedToolTip() : FText();
}

ESlateCellStyle FHmdEditorSession::GetStatusMessageStyle() const
{
	const FHostLogLine* Notice = LogHistory.GetNotice();
	return Notice != nullptr && Notice->IsProblem() ? ESlateCellStyle::Warning : ESlateCellStyle::Bar;
}

TArray<FText> FHmdEditorSession::GetKeyHints() const
{
	// Most important first: a narrow status line keeps the first ones.
	switch (GetKeyContext())
	{
	case EHostKeyContext::MainWindow:
		return {LOCTEXT("MainMenuKey", "F10 menu"), LOCTEXT("MainHelpKey", "F1 help"), LOCTEXT("MainQuitKey", "Ctrl+Q quit"),
			LOCTEXT("MainOpenKey", "Alt+letter open menu")};
	case EHostKeyContext::OpenMenu:
		return {LOCTEXT("MenuChooseKey", "Enter choose"), LOCTEXT("MenuCloseKey", "Esc close"), LOCTEXT("MenuEntriesKey", "Up/Down entries"),
			LOCTEXT("MenuMenusKey", "Left/Right menus"), LOCTEXT("MenuHelpKey", "F1 help")};
	case EHostKeyContext::TextWindow:
		return {LOCTEXT("TextCloseKey", "Esc close"), LOCTEXT("TextScrollKey", "Up/Down/PgUp/PgDn/Home/End scroll"), LOCTEXT("TextHelpKey", "F1 help")};
	default:
		return {LOCTEXT("WindowCloseKey", "Esc close"), LOCTEXT("WindowNextKey", "Tab/Shift+Tab next/previous"),
			LOCTEXT("WindowCommitKey", "Enter commit"), LOCTEXT("WindowToggleKey", "Space toggle"), LOCTEXT("WindowHelpKey", "F1 help")};
	}
}

void FHmdEditorSession::FillWindowMenu(FMenuBuilder& MenuBuilder)
{
	MenuBuilder.AddMenuEntry(LOCTEXT("OutputLog", "Output Log"), LOCTEXT("OutputLog_ToolTip", "Open the Output Log: the log lines of this run"),
		FSlateIcon(), FUIAction(FExecuteAction::CreateRaw(this, &FHmdEditorSession::OpenOutputLog)), TEXT("OutputLog"));
}

void FHmdEditorSession::FillHelpMenu(FMenuBuilder& MenuBuilder)
{
	MenuBuilder.AddMenuEntry(LOCTEXT("KeyboardShortcuts", "Keyboard Shortcuts"),
		LOCTEXT("KeyboardShortcuts_ToolTip", "List the keys of the main window (F1 lists those of where you are)"), FSlateIcon(),
		FUIAction(FExecuteAction::CreateRaw(this, &FHmdEditorSession::OpenKeyboardShortcuts)), TEXT("KeyboardShortcuts"));
	MenuBuilder.AddMenuEntry(LOCTEXT("About", "About"), LOCTEXT("About_ToolTip", "Show the version and where the settings and the log go"),
		FSlateIcon(), FUIAction(FExecuteAction::CreateRaw(this, &FHmdEditorSession::OpenAbout)), TEXT("About"));
}

void FHmdEditorSession::OpenOutputLog()
{
	TArray<FScrollingTextLine> Lines;
	if (LogHistory.GetDroppedLineCount() > 0)
	{
		Lines.Add(FScrollingTextLine{FString::Printf(TEXT("(%lld earlier lines are no longer kept)"), static_cast<long long>(LogHistory.GetDroppedLineCount()))});
	}
	for (const FHostLogLine& Line : LogHistory.GetLines())
	{
		Lines.Add(FScrollingTextLine{Line.Format(), Line.IsProblem() ? ESlateCellStyle::Warning : ESlateCellStyle::Normal});
	}
	if (Lines.IsEmpty())
	{
		Lines.Add(FScrollingTextLine{LOCTEXT("EmptyLog", "(nothing has been logged yet)").ToString()});
	}
	OpenModalTextWindow(LOCTEXT("OutputLogTitle", "Output Log"), std::move(Lines), true);
}

void FHmdEditorSession::OpenKeyboardShortcutsHere()
{
	// F1 in the Keyboard Shortcuts window has nothing more to show: it does not stack another one.
	const TSharedPtr<SWindow> Modal = FSlateApplication::Get().GetActiveModalWindow();
	if (Modal.IsValid() && Modal->GetTitle().ToString() == GetKeyboardShortcutsTitle().ToString())
	{
		return;
	}
	OpenKeyboardShortcutsFor(GetKeyContext());
}

void FHmdEditorSession::OpenKeyboardShortcuts()
{
	OpenKeyboardShortcutsFor(EHostKeyContext::MainWindow);
}

void FHmdEditorSession::OpenKeyboardShortcutsFor(EHostKeyContext Context)
{
	OpenModalTextWindow(GetKeyboardShortcutsTitle(), MakeKeyboardShortcutLines(Context), false);
}

void FHmdEditorSession::OpenAbout()
{
	const std::string LogFile = bHeadless ? "none (headless: log lines go to standard error)" : GetHostLogFilePath();
	OpenModalTextWindow(LOCTEXT("AboutTitle", "About"), MakeAboutLines(DescribeSettingsFile(), LogFile), false);
}

std::string FHmdEditorSession::DescribeSettingsFile() const
{
	PWSTR DocumentsPath = nullptr;
	const HRESULT Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &DocumentsPath);
	const FString Folder = (SUCCEEDED(Result) && DocumentsPath != nullptr) ? StringConv::FromWide(DocumentsPath) : FString();
	CoTaskMemFree(DocumentsPath);
	if (Folder.IsEmpty() || !IFileManager::Get().DirectoryExists(*Folder))
	{
		return "none (the public documents folder is unavailable)";
	}
	return StringConv::ToUtf8(FOrvekHmdSettingsFile::ConfigFilePath(Folder));
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
	if (LevelEditor != nullptr && MenuExtender.IsValid())
	{
		if (const TSharedPtr<FExtensibilityManager> Manager = LevelEditor->GetMenuExtensibilityManager())
		{
			Manager->RemoveExtender(MenuExtender);
		}
	}
	MenuExtender.Reset();
	Application.UnregisterInputPreProcessor(InputProcessor);
	InputProcessor.Reset();

	// The settings module started after the Level Editor, so it is shut down first.
	LevelEditor = nullptr;
	FModuleManager::Get().UnloadModulesAtShutdown();
	FSlateApplication::Shutdown();
	FPlatformShell::ClearKnownFolderOverride();
	GLog->RemoveOutputDevice(&LogHistory);
}

#undef LOCTEXT_NAMESPACE
