// Where the panel's settings live and how they are read and written: one
// JSON object below the public documents folder, shared by every user of the
// machine. The rules of the file are OrvekHmdSettingsFile's; this is the
// file access around them and what the user is told when it goes wrong.
#include "OrvekHmdSettingsLog.h"
#include "OrvekHmdSettingsWidget.h"

#include "Containers/StringConv.h"
#include "HAL/FileAccess.h"
#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Shell/KnownFolders.h"

namespace
{
	/**
	 * The file is reached from the documents folder without following links
	 * below it, and a save creates only the folders below it. BackupFilename,
	 * when set, keeps the replaced content.
	 */
	FFileAccess AccessBelow(const FString& DocumentsFolder, const FString& BackupFilename = FString())
	{
		FFileAccess Access;
		Access.BaseFolder = DocumentsFolder;
		Access.BackupFilename = BackupFilename;
		return Access;
	}
}

void SOrvekHmdSettingsWidget::BuildConfigFilePath()
{
	PWSTR DocumentsPath = nullptr;
	const HRESULT Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &DocumentsPath);
	const FString Folder = (SUCCEEDED(Result) && DocumentsPath != nullptr) ? StringConv::FromWide(DocumentsPath) : FString();
	CoTaskMemFree(DocumentsPath);

	// Without the documents folder there is no place for the file: the path
	// stays empty, and loading and saving then leave the file system alone.
	// A folder the shell names but that is not there is not made either:
	// it is the user's, and a missing one means the account has none.
	if (Result == HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION))
	{
		UE_LOG(LogOrvekHmdSettings, Warning,
			TEXT("The public documents folder's name is not UTF-8; the HMD settings will be neither loaded nor saved."));
		return;
	}
	if (Folder.IsEmpty())
	{
		UE_LOG(LogOrvekHmdSettings, Warning,
			TEXT("The public documents folder is unavailable (shell error 0x%08X); the HMD settings will be neither loaded nor saved."),
			static_cast<uint32>(Result));
		return;
	}
	if (!IFileManager::Get().DirectoryExists(*Folder))
	{
		UE_LOG(LogOrvekHmdSettings, Warning,
			TEXT("The public documents folder %s is not an existing folder; the HMD settings will be neither loaded nor saved."), *Folder);
		return;
	}

	DocumentsFolder = Folder;
	ConfigFilePath = FOrvekHmdSettingsFile::ConfigFilePath(DocumentsFolder);
}

void SOrvekHmdSettingsWidget::LoadConfig()
{
	if (ConfigFilePath.IsEmpty() || !FPaths::FileExists(ConfigFilePath))
	{
		return;
	}

	FString JsonText;
	if (!FFileHelper::LoadFileToString(JsonText, *ConfigFilePath, FFileHelper::EHashOptions::None, AccessBelow(DocumentsFolder), &ReadError))
	{
		bFileUnreadable = true;
		UE_LOG(LogOrvekHmdSettings, Warning,
			TEXT("Could not read the HMD settings file %s: %s. The window shows the starting values, and closing it leaves the file as it is."),
			*ConfigFilePath, *ReadError);
		return;
	}

	LoadFindings = FOrvekHmdSettingsFile::Parse(JsonText, Config);
	if (!LoadFindings.LoadedCleanly())
	{
		UE_LOG(LogOrvekHmdSettings, Warning,
			TEXT("The HMD settings file %s did not load cleanly: %s. Closing the window keeps its content in %s before replacing it."),
			*ConfigFilePath, *FOrvekHmdSettingsFile::DescribeLoadProblem(LoadFindings),
			*FOrvekHmdSettingsFile::BackupFilePath(ConfigFilePath));
	}
}

void SOrvekHmdSettingsWidget::SaveConfig()
{
	// The box may hold text that was typed but never committed; the file gets what the user sees.
	check(HmdNameTextBox.IsValid());
	Config.SubjectName = HmdNameTextBox->GetText().ToString();

	if (ConfigFilePath.IsEmpty())
	{
		return;
	}
	if (bFileUnreadable)
	{
		UE_LOG(LogOrvekHmdSettings, Warning,
			TEXT("Nothing was saved to %s: the file could not be read when the window opened (%s), so nothing of it is known and it is left as it is."),
			*ConfigFilePath, *ReadError);
		return;
	}

	const FString JsonText = FOrvekHmdSettingsFile::Format(Config);
	if (JsonText.IsEmpty())
	{
		return;
	}

	// A content that did not load is the user's hand-written text: it is kept
	// beside the file before the file is replaced (unless the file is gone by now).
	const bool bKeepCopy = !LoadFindings.LoadedCleanly() && FPaths::FileExists(ConfigFilePath);
	const FString BackupFilename = bKeepCopy ? FOrvekHmdSettingsFile::BackupFilePath(ConfigFilePath) : FString();
	FString SaveError;
	if (!FFileHelper::SaveStringToFile(JsonText, *ConfigFilePath, FFileHelper::EEncodingOptions::AutoDetect, &IFileManager::Get(), 0,
			AccessBelow(DocumentsFolder, BackupFilename), &SaveError))
	{
		UE_LOG(LogOrvekHmdSettings, Warning, TEXT("Could not save the HMD settings to %s: %s"), *ConfigFilePath, *SaveError);
		return;
	}
	// The user sees where the values went: the host shows this on its status line.
	UE_LOG(LogOrvekHmdSettings, Log, TEXT("Saved the HMD settings to %s"), *ConfigFilePath);
	if (!BackupFilename.IsEmpty())
	{
		UE_LOG(LogOrvekHmdSettings, Warning, TEXT("The HMD settings file %s did not load cleanly; its former content is kept in %s."),
			*ConfigFilePath, *BackupFilename);
	}
}
