// The module manager: the one place that loads, starts and unloads modules.
//
// A module comes either from its own shared library, which exports the C
// function InitializeModule (see IMPLEMENT_MODULE), or from an engine library
// that registers it under its name when the library loads (see
// IMPLEMENT_STATIC_MODULE). Modules are unloaded in the reverse of the order
// in which their start-up finished, so a module that loads another during its
// start-up is shut down before the one it loaded.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Modules/ModuleInterface.h"
#include "ModulesApi.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

#include <new>
#include <type_traits>

/** Creates a module object; returns null when it cannot. */
using FInitializeModuleFunctionPtr = IModuleInterface* (*)();

class MODULES_API FModuleManager
{
public:
	/** The process's one module manager. */
	static FModuleManager& Get();

	FModuleManager(const FModuleManager&) = delete;
	FModuleManager& operator=(const FModuleManager&) = delete;

	/**
	 * Loads and starts the module, or returns the one already loaded. Returns
	 * null, with a warning on the log, when it cannot be found or created.
	 */
	IModuleInterface* LoadModule(FName InModuleName);

	/** Like LoadModule, but a module that cannot be loaded is a fatal error naming it. */
	IModuleInterface& LoadModuleChecked(FName InModuleName);

	template <typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(FName InModuleName)
	{
		static_assert(std::is_base_of_v<IModuleInterface, TModuleInterface>, "modules implement IModuleInterface");
		return static_cast<TModuleInterface&>(Get().LoadModuleChecked(InModuleName));
	}

	bool IsModuleLoaded(FName InModuleName) const;

	/** The loaded module, or null; never loads it. */
	IModuleInterface* GetModule(FName InModuleName) const;

	template <typename TModuleInterface>
	static TModuleInterface* GetModulePtr(FName InModuleName)
	{
		static_assert(std::is_base_of_v<IModuleInterface, TModuleInterface>, "modules implement IModuleInterface");
		return static_cast<TModuleInterface*>(Get().GetModule(InModuleName));
	}

	/**
	 * Shuts the module down, destroys it through its virtual destructor and
	 * then closes its library. Returns false when it was not loaded or is
	 * already being unloaded.
	 */
	bool UnloadModule(FName InModuleName);

	/**
	 * Unloads, in reverse load order, every module that supports automatic
	 * shut-down, after giving each loaded module its pre-unload callback.
	 */
	void UnloadModulesAtShutdown();

	/** Names of the loaded modules, in the order their loading began. */
	TArray<FName> GetLoadedModuleNames() const;

	/**
	 * Adds a folder to search for module libraries. Folders are searched in
	 * the order added, then the executable's own folder.
	 */
	void AddBinariesDirectory(const FString& InDirectory);

	/** The shared library's file name for a module: libName.so, or Name.dll on Windows. */
	static FString GetModuleFilename(FName InModuleName);

	/**
	 * Makes a module that lives inside an already loaded library loadable by
	 * its name. A later registration of the same name replaces the earlier.
	 */
	void RegisterStaticModule(FName InModuleName, FInitializeModuleFunctionPtr InInitializeFunction);

	/**
	 * Forgets a registration, for a library that is going away. A module made
	 * from it that is still loaded is unloaded first, since its code goes too.
	 */
	void UnregisterStaticModule(FName InModuleName);

private:
	struct FModuleInfo;
	struct FStaticModule
	{
		FName Name;
		FInitializeModuleFunctionPtr InitializeFunction = nullptr;
	};

	// The manager lives for the whole process and is never destroyed, so no
	// module code runs while the process tears down its libraries.
	FModuleManager() = default;
	~FModuleManager() = default;

	TSharedPtr<FModuleInfo> FindModule(FName InModuleName) const;
	/** Modules that have finished start-up and are not being unloaded, the latest started first. */
	TArray<TSharedPtr<FModuleInfo>> GetStartedModulesLatestFirst() const;
	FInitializeModuleFunctionPtr FindStaticModule(FName InModuleName) const;
	/** Opens the module's library from the search folders; null when none has it. */
	void* OpenModuleLibrary(FName InModuleName) const;
	TArray<FString> GetSearchDirectories() const;

	TArray<TSharedPtr<FModuleInfo>> Modules;
	TArray<FStaticModule> StaticModules;
	TArray<FString> BinariesDirectories;
	int32 NextLoadOrder = 1;
};

/** Registers ModuleClass with the module manager while the library holding it is loaded. */
template <typename ModuleClass>
class FStaticallyLinkedModuleRegistrant
{
public:
	explicit FStaticallyLinkedModuleRegistrant(const TCHAR* InModuleName) : ModuleName(InModuleName)
	{
		FModuleManager::Get().RegisterStaticModule(ModuleName, &InitializeModule);
	}
	~FStaticallyLinkedModuleRegistrant() { FModuleManager::Get().UnregisterStaticModule(ModuleName); }

	FStaticallyLinkedModuleRegistrant(const FStaticallyLinkedModuleRegistrant&) = delete;
	FStaticallyLinkedModuleRegistrant& operator=(const FStaticallyLinkedModuleRegistrant&) = delete;

private:
	static IModuleInterface* InitializeModule() { return new (std::nothrow) ModuleClass(); }

	FName ModuleName;
};

/**
 * For a module built as its own shared library: defines the exported entry
 * InitializeModule, which returns a new module object, or null when the
 * allocation fails.
 */
#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName)                                                      \
	extern "C" HMD_DLLEXPORT IModuleInterface* InitializeModule()                                          \
	{                                                                                                      \
		return new (std::nothrow) ModuleImplClass();                                                       \
	}                                                                                                      \
	static_assert(std::is_base_of_v<IModuleInterface, ModuleImplClass>, "modules implement IModuleInterface")

/** For a module inside an engine library: registers it under ModuleName when the library loads. */
#define IMPLEMENT_STATIC_MODULE(ModuleImplClass, ModuleName) \
	static FStaticallyLinkedModuleRegistrant<ModuleImplClass> ModuleRegistrant##ModuleName(TEXT(#ModuleName))
