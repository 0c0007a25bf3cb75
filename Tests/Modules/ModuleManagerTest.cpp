#include "ModuleEventLog.h"

#include "EngineTextPrinters.h"
#include "HAL/PlatformProcess.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

namespace
{
	class ModuleManagerTest : public testing::Test
	{
	protected:
		void TearDown() override { FModuleManager::Get().UnloadModulesAtShutdown(); }

		FModuleEventLog Log;
	};
}

TEST_F(ModuleManagerTest, LoadStartsAndUnloadShutsDownDestroysAndClosesTheLibrary)
{
	FModuleManager& Manager = FModuleManager::Get();
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("HmdTestModuleB")));

	IModuleInterface* Module = Manager.LoadModule(TEXT("HmdTestModuleB"));
	ASSERT_NE(Module, nullptr);
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestModuleB: LibraryLoaded, HmdTestModuleB: Initialize, HmdTestModuleB: Startup")));
	EXPECT_TRUE(Manager.IsModuleLoaded(TEXT("hmdtestmoduleb"))) << "module names ignore case";
	EXPECT_EQ(Manager.GetModule(TEXT("HmdTestModuleB")), Module);
	EXPECT_TRUE(Module->SupportsDynamicReloading());
	EXPECT_TRUE(Module->SupportsAutomaticShutdown());
	EXPECT_FALSE(Module->IsGameModule());

	EXPECT_EQ(Manager.LoadModule(TEXT("HmdTestModuleB")), Module) << "a loaded module is returned, not made again";
	EXPECT_EQ(&Manager.LoadModuleChecked(TEXT("HmdTestModuleB")), Module);
	EXPECT_EQ(Log.Take(), FString());

	EXPECT_TRUE(Manager.UnloadModule(TEXT("HmdTestModuleB")));
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestModuleB: Shutdown, HmdTestModuleB: Destroy, HmdTestModuleB: LibraryUnloaded")));
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("HmdTestModuleB")));
	EXPECT_EQ(Manager.GetModule(TEXT("HmdTestModuleB")), nullptr);
	EXPECT_FALSE(Manager.UnloadModule(TEXT("HmdTestModuleB")));
}

TEST_F(ModuleManagerTest, AModuleLoadedDuringStartupIsUnloadedAfterTheOneThatLoadedIt)
{
	FModuleManager& Manager = FModuleManager::Get();
	ASSERT_NE(Manager.LoadModule(TEXT("HmdTestModuleA")), nullptr);
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestModuleA: LibraryLoaded, HmdTestModuleA: Initialize, HmdTestModuleA: Startup, "
										"HmdTestModuleB: LibraryLoaded, HmdTestModuleB: Initialize, HmdTestModuleB: Startup, "
										"HmdTestModuleA: StartupDone")));
	EXPECT_EQ(Manager.GetLoadedModuleNames(), (TArray<FName>{TEXT("HmdTestModuleA"), TEXT("HmdTestModuleB")}));

	Manager.UnloadModulesAtShutdown();
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestModuleA: PreUnload, HmdTestModuleB: PreUnload, "
										"HmdTestModuleA: Shutdown, HmdTestModuleA: Destroy, HmdTestModuleA: LibraryUnloaded, "
										"HmdTestModuleB: Shutdown, HmdTestModuleB: Destroy, HmdTestModuleB: LibraryUnloaded")));
	EXPECT_TRUE(Manager.GetLoadedModuleNames().IsEmpty());
}

TEST_F(ModuleManagerTest, UnloadAllFollowsTheReverseOfTheLoadOrder)
{
	FModuleManager& Manager = FModuleManager::Get();
	ASSERT_NE(Manager.LoadModule(TEXT("HmdTestModuleB")), nullptr);
	ASSERT_NE(Manager.LoadModule(TEXT("HmdTestModuleA")), nullptr);
	Log.Take();
	Manager.UnloadModulesAtShutdown();
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestModuleA: PreUnload, HmdTestModuleB: PreUnload, "
										"HmdTestModuleA: Shutdown, HmdTestModuleA: Destroy, HmdTestModuleA: LibraryUnloaded, "
										"HmdTestModuleB: Shutdown, HmdTestModuleB: Destroy, HmdTestModuleB: LibraryUnloaded")));
}

TEST_F(ModuleManagerTest, LibrariesThatYieldNoModuleAreClosedAgain)
{
	struct FCase
	{
		const TCHAR* Name;
		const TCHAR* Events;
	};
	const FCase Cases[] = {
		{TEXT("HmdTestNullModule"), TEXT("HmdTestNullModule: LibraryLoaded, HmdTestNullModule: InitializeFailed, HmdTestNullModule: LibraryUnloaded")},
		{TEXT("HmdTestNoEntryModule"), TEXT("HmdTestNoEntryModule: LibraryLoaded, HmdTestNoEntryModule: LibraryUnloaded")},
		{TEXT("NoSuchModule"), TEXT("")},
		{TEXT("TestModules/HmdTestFarModule"), TEXT("")},
		{TEXT("TestModules\\HmdTestFarModule"), TEXT("")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(FModuleManager::Get().LoadModule(Case.Name), nullptr) << testing::PrintToString(FString(Case.Name));
		EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(Case.Name));
		EXPECT_EQ(Log.Take(), FString(Case.Events));
	}
}

TEST_F(ModuleManagerTest, AddedFoldersAreSearchedForModuleLibraries)
{
	FModuleManager& Manager = FModuleManager::Get();
	EXPECT_EQ(Manager.LoadModule(TEXT("HmdTestFarModule")), nullptr) << "not beside the executable";
	Manager.AddBinariesDirectory(FPlatformProcess::BaseDir() + TEXT("/TestModules"));
	EXPECT_NE(Manager.LoadModule(TEXT("HmdTestFarModule")), nullptr);
	EXPECT_EQ(Log.Take(), FString(TEXT("HmdTestFarModule: LibraryLoaded, HmdTestFarModule: Initialize, HmdTestFarModule: Startup")));
}

TEST(ModuleManagerDeathTest, LoadModuleCheckedOfAnUnknownModuleIsFatalAndNamesIt)
{
	EXPECT_DEATH(FModuleManager::Get().LoadModuleChecked(TEXT("NoSuchModule")), "Unable to load module 'NoSuchModule'");
}
