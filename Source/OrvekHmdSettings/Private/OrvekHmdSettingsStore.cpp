// Where the settings live and how they are read and written: one JSON object
// in the public documents folder, shared by every user of the machine.
#include "OrvekHmdSettingsLog.h"
#include "OrvekHmdSettingsWidget.h"

#include "Containers/StringConv.h"
#include "Dom/JsonObject.h"
#include "HAL/FileManager.h"
#include "Misc/EngineVersion.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "Shell/KnownFolders.h"

namespace
{
	const TCHAR* const SubjectNameKey = TEXT("SubjectName");
	const TCHAR* const EnableLoggingKey = TEXT("EnableLogging");
}

void SOrvekHmdSettingsWidget::BuildConfigFilePath()
{
	PWSTR DocumentsPath = nullptr;
	const HRESULT Result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &DocumentsPath);
	const FString DocumentsFolder = (SUCCEEDED(Result) && DocumentsPath != nullptr) ? StringConv::FromWide(DocumentsPath) : FString();
	CoTaskMemFree(DocumentsPath);

	// Without the documents folder there is no place for the file: the path
	// stays empty, and loading and saving then leave the file system alone.
	if (DocumentsFolder.IsEmpty())
	{
		UE_LOG(LogOrvekHmdSettings, Warning, TEXT("The public documents folder is unavailable; the HMD settings will be neither loaded nor saved."));
		return;
	}

	FString PluginFolder(TEXT("Skellan_"));
	PluginFolder.AppendInt(ENGINE_MAJOR_VERSION);
	PluginFolder += TEXT(".");
	PluginFolder.AppendInt(ENGINE_MINOR_VERSION);

	const TCHAR* Parts[] = {*DocumentsFolder, TEXT("Orvek"), *PluginFolder, TEXT("Config"), TEXT("OHeadSetConfig.json")};
	FPaths::CombineInternal(ConfigFilePath, Parts, static_cast<int32>(std::size(Parts)));
}

void SOrvekHmdSettingsWidget::LoadConfig()
{
	if (ConfigFilePath.IsEmpty() || !FPaths::FileExists(ConfigFilePath))
	{
		return;
	}

	FString JsonText;
	FFileHelper::LoadFileToString(JsonText, *ConfigFilePath);

	TSharedPtr<FJsonObject> JsonObject;
	const TSharedRef<JsonReader> Reader = StringJsonReader::Create(JsonText);
	if (!JsonSerializer::ReadObject(Reader, JsonObject))
	{
		return;
	}

	JsonObject->TryGetStringField(SubjectNameKey, Config.SubjectName);
	if (!JsonObject->TryGetBoolField(EnableLoggingKey, Config.EnableLogging))
	{
		Config.EnableLogging = false;
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

	const TSharedRef<FJsonObject> JsonObject = MakeShared<FJsonObject>();
	JsonObject->SetStringField(SubjectNameKey, Config.SubjectName);
	JsonObject->SetBoolField(EnableLoggingKey, Config.EnableLogging);

	FString JsonText;
	JsonSerializer::WriteObject(JsonObject, StringJsonWriter::Create(&JsonText, 0), true);
	if (JsonText.IsEmpty())
	{
		return;
	}

	if (!FFileHelper::SaveStringToFile(JsonText, *ConfigFilePath, FFileHelper::EEncodingOptions::AutoDetect, &IFileManager::Get(), 0))
	{
		UE_LOG(LogOrvekHmdSettings, Warning, TEXT("Could not save the HMD settings to %s: %s"), *ConfigFilePath, *FFileHelper::GetLastSaveError());
	}
}
