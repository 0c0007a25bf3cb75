#include "Modules/ModuleManager.h"

#include "HAL/PlatformProcess.h"
#include "Logging/LogMacros.h"
#include "Misc/Paths.h"

#include <algorithm>

DEFINE_LOG_CATEGORY_STATIC(LogModuleManager, Log, All);

struct FModuleManager::FModuleInfo
{
	FName Name;
	IModuleInterface* Module = nullptr;
	/** Null for a module registered by an engine library. */
	void* LibraryHandle = nullptr;
	/** 0 while the module is starting; then its place in the order of finished start-ups. */
	int32 LoadOrder = 0;
	bool bUnloading = false;
};

FModuleManager& FModuleManager::Get()
{
	static FModuleManager* const Manager = new FModuleManager();
	return *Manager;
}

IModuleInterface* FModuleManager::LoadModule(FName InModuleName)
{
	if (const TSharedPtr<FModuleInfo> Existing = FindModule(InModuleName))
	{
		return Existing->Module;
	}

	void* LibraryHandle = nullptr;
	FInitializeModuleFunctionPtr InitializeFunction = FindStaticModule(InModuleName);
	if (InitializeFunction == nullptr)
	{
		LibraryHandle = OpenModuleLibrary(InModuleName);
		if (LibraryHandle == nullptr)
		{
			return nullptr;
		}
		const TValueOrError<void*, FString> Export = FPlatformProcess::GetDllExport(LibraryHandle, TEXT("InitializeModule"));
		if (Export.HasError())
		{
			UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s': its library exports no InitializeModule (%s)"),
				*InModuleName.ToString(), *Export.GetError());
			FPlatformProcess::FreeDllHandle(LibraryHandle);
			return nullptr;
		}
		InitializeFunction = reinterpret_cast<FInitializeModuleFunctionPtr>(Export.GetValue());
	}

	IModuleInterface* Module = InitializeFunction();
	if (Module == nullptr)
	{
		UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s': InitializeModule returned no module object"), *InModuleName.ToString());
		FPlatformProcess::FreeDllHandle(LibraryHandle);
		return nullptr;
	}

	// Known before its start-up runs, so that start-up may look itself up.
	const TSharedRef<FModuleInfo> Info = MakeShared<FModuleInfo>();
	Info->Name = InModuleName;
	Info->Module = Module;
	Info->LibraryHandle = LibraryHandle;
	Modules.Add(Info);

	Module->StartupModule();
	// Numbered once started: modules loaded during this start-up get lower
	// numbers and are therefore unloaded after this one.
	Info->LoadOrder = NextLoadOrder++;
	return Module;
}

IModuleInterface& FModuleManager::LoadModuleChecked(FName InModuleName)
{
	IModuleInterface* Module = LoadModule(InModuleName);
	if (Module == nullptr)
	{
		UE_LOG(LogModuleManager, Fatal, TEXT("Unable to load module '%s'"), *InModuleName.ToString());
	}
	return *Module;
}

bool FModuleManager::IsModuleLoaded(FName InModuleName) const
{
	return FindModule(InModuleName).IsValid();
}

IModuleInterface* FModuleManager::GetModule(FName InModuleName) const
{
	const TSharedPtr<FModuleInfo> Info = FindModule(InModuleName);
	return Info.IsValid() ? Info->Module : nullptr;
}

bool FModuleManager::UnloadModule(FName InModuleName)
{
	const TSharedPtr<FModuleInfo> Info = FindModule(InModuleName);
	// A module still in its start-up or already being unloaded is left to finish.
	if (!Info.IsValid() || Info->LoadOrder == 0 || Info->bUnloading)
	{
		return false;
	}
	Info->bUnloading = true;
	Info->Module->ShutdownModule();

	IModuleInterface* Module = Info->Module;
	Info->Module = nullptr;
	delete Module;

	// Forgotten before its library closes: closing it may unregister the
	// modules of libraries that go with it.
	Modules.Remove(Info);
	FPlatformProcess::FreeDllHandle(Info->LibraryHandle);
	return true;
}

void FModuleManager::UnloadModulesAtShutdown()
{
	for (const TSharedPtr<FModuleInfo>& Info : GetStartedModulesLatestFirst())
	{
		// An earlier callback may have unloaded it.
		if (Info->Module != nullptr)
		{
			Info->Module->PreUnloadCallback();
		}
	}

	// Shutting a module down may load or unload others, so the order is taken
	// afresh after each unload.
	for (;;)
	{
		bool bUnloadedOne = false;
		for (const TSharedPtr<FModuleInfo>& Info : GetStartedModulesLatestFirst())
		{
			if (Info->Module->SupportsAutomaticShutdown() && UnloadModule(Info->Name))
			{
				bUnloadedOne = true;
				break;
			}
		}
		if (!bUnloadedOne)
		{
			return;
		}
	}
}

TArray<FName> FModuleManager::GetLoadedModuleNames() const
{
	TArray<FName> Names;
	for (const TSharedPtr<FModuleInfo>& Info : Modules)
	{
		Names.Add(Info->Name);
	}
	return Names;
}

void FModuleManager::AddBinariesDirectory(const FString& InDirectory)
{
	if (!InDirectory.IsEmpty() && !BinariesDirectories.Contains(InDirectory))
	{
		BinariesDirectories.Add(InDirectory);
	}
}

FString FModuleManager::GetModuleFilename(FName InModuleName)
{
	return FString(FPlatformProcess::GetModulePrefix()) + InModuleName.ToString() + TEXT(".") + FPlatformProcess::GetModuleExtension();
}

void FModuleManager::RegisterStaticModule(FName InModuleName, FInitializeModuleFunctionPtr InInitializeFunction)
{
	check(InInitializeFunction != nullptr);
	for (FStaticModule& StaticModule : StaticModules)
	{
		if (StaticModule.Name == InModuleName)
		{
			StaticModule.InitializeFunction = InInitializeFunction;
			return;
		}
	}
	StaticModules.Add(FStaticModule{InModuleName, InInitializeFunction});
}

void FModuleManager::UnregisterStaticModule(FName InModuleName)
{
	const TSharedPtr<FModuleInfo> Info = FindModule(InModuleName);
	if (Info.IsValid() && Info->LibraryHandle == nullptr)
	{
		UnloadModule(InModuleName);
	}
	for (int32 Index = 0; Index < StaticModules.Num(); ++Index)
	{
		if (StaticModules[Index].Name == InModuleName)
		{
			StaticModules.RemoveAt(Index);
			return;
		}
	}
}

TArray<TSharedPtr<FModuleManager::FModuleInfo>> FModuleManager::GetStartedModulesLatestFirst() const
{
	TArray<TSharedPtr<FModuleInfo>> Started;
	for (const TSharedPtr<FModuleInfo>& Info : Modules)
	{
		if (Info->LoadOrder != 0 && !Info->bUnloading)
		{
			Started.Add(Info);
		}
	}
	std::sort(Started.begin(), Started.end(), [](const TSharedPtr<FModuleInfo>& A, const TSharedPtr<FModuleInfo>& B) { return A->LoadOrder > B->LoadOrder; });
	return Started;
}

TSharedPtr<FModuleManager::FModuleInfo> FModuleManager::FindModule(FName InModuleName) const
{
	for (const TSharedPtr<FModuleInfo>& Info : Modules)
	{
		if (Info->Name == InModuleName)
		{
			return Info;
		}
	}
	return nullptr;
}

FInitializeModuleFunctionPtr FModuleManager::FindStaticModule(FName InModuleName) const
{
	for (const FStaticModule& StaticModule : StaticModules)
	{
		if (StaticModule.Name == InModuleName)
		{
			return StaticModule.InitializeFunction;
		}
	}
	return nullptr;
}

void* FModuleManager::OpenModuleLibrary(FName InModuleName) const
{
	// A module name is a plain name: one with a path in it could reach libraries outside the search folders.
	const FString Name = InModuleName.ToString();
	for (const TCHAR Character : Name.View())
	{
		if (Character == TEXT('/') || Character == TEXT('\\') || Character == TEXT(':'))
		{
			UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s': a module name cannot hold a path"), *Name);
			return nullptr;
		}
	}

	const FString FileName = GetModuleFilename(InModuleName);
	FString Failures;
	for (const FString& Directory : GetSearchDirectories())
	{
		const FString Path = FPaths::Combine(Directory, FileName);
		const TValueOrError<void*, FString> Handle = FPlatformProcess::GetDllHandle(*Path);
		if (Handle.HasValue())
		{
			return Handle.GetValue();
		}
		Failures += TEXT("\n    ") + Handle.GetError();
	}
	UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s' from %s:%s"), *Name, *FileName, *Failures);
	return nullptr;
}

TArray<FString> FModuleManager::GetSearchDirectories() const
{
	TArray<FString> Directories = BinariesDirectories;
	const FString ExecutableDirectory = FPlatformProcess::BaseDir();
	if (!Directories.Contains(ExecutableDirectory))
	{
		Directories.Add(ExecutableDirectory);
	}
	return Directories;
}
