#include "HmdEditor/Modules/ModuleFolders.h"

#include "Misc/Paths.h"

FString GetInstalledModuleFolder(const FString& ExecutableFolder, const FString& RelativeModuleFolder)
{
	if (ExecutableFolder.IsEmpty() || RelativeModuleFolder.IsEmpty())
	{
		return FString();
	}
	return FPaths::Combine(ExecutableFolder, RelativeModuleFolder);
}
