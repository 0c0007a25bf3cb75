// Where an installed host finds the module libraries: in its library folder,
// found relative to the executable as the editor finds a plugin's binaries.
// (In the build tree every binary lands beside the executable, which the
// module manager searches anyway.)
#pragma once

#include "Containers/UnrealString.h"

/**
 * The installed module folder for an executable in ExecutableFolder, given
 * that folder's path relative to the installed executable's ("../lib/hmd-editor").
 * Empty when either is unknown.
 */
FString GetInstalledModuleFolder(const FString& ExecutableFolder, const FString& RelativeModuleFolder);
