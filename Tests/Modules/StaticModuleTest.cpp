#include "EngineTextPrinters.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

namespace
{
	struct FCounts
	{
		int32 Created = 0;
		int32 Started = 0;
		int32 ShutDown = 0;
		int32 Destroyed = 0;
	};
	FCounts GCounts;

	class FStaticTestModule : public IModuleInterface
	{
	public:
		FStaticTestModule() { ++GCounts.Created; }
		~FStaticTestModule() override { ++GCounts.Destroyed; }
		void StartupModule() override { ++GCounts.Started; }
		void ShutdownModule() override { ++GCounts.ShutDown; }
	};

	IModuleInterface* MakeTransientModule()
	{
		return new FStaticTestModule();
	}
}

IMPLEMENT_STATIC_MODULE(FStaticTestModule, StaticTestModule);

TEST(StaticModule, ARegisteredModuleLoadsByNameWithoutALibrary)
{
	GCounts = FCounts();
	FStaticTestModule& Module = FModuleManager::LoadModuleChecked<FStaticTestModule>(TEXT("StaticTestModule"));
	EXPECT_EQ(GCounts.Created, 1);
	EXPECT_EQ(GCounts.Started, 1);
	EXPECT_EQ(FModuleManager::GetModulePtr<FStaticTestModule>(TEXT("StaticTestModule")), &Module);
	EXPECT_EQ(&FModuleManager::Get().LoadModuleChecked<FStaticTestModule>(TEXT("StaticTestModule")), &Module);

	EXPECT_TRUE(FModuleManager::Get().UnloadModule(TEXT("StaticTestModule")));
	EXPECT_EQ(GCounts.ShutDown, 1);
	EXPECT_EQ(GCounts.Destroyed, 1);
	EXPECT_EQ(FModuleManager::GetModulePtr<FStaticTestModule>(TEXT("StaticTestModule")), nullptr);

	// Still registered, so it can be loaded again, as a new object.
	EXPECT_NE(FModuleManager::Get().LoadModule(TEXT("StaticTestModule")), nullptr);
	EXPECT_EQ(GCounts.Created, 2);
	FModuleManager::Get().UnloadModule(TEXT("StaticTestModule"));
}

TEST(StaticModule, UnregisteringUnloadsTheModuleAndForgetsIt)
{
	GCounts = FCounts();
	FModuleManager& Manager = FModuleManager::Get();
	Manager.RegisterStaticModule(TEXT("TransientModule"), &MakeTransientModule);
	ASSERT_NE(Manager.LoadModule(TEXT("TransientModule")), nullptr);

	Manager.UnregisterStaticModule(TEXT("TransientModule"));
	EXPECT_EQ(GCounts.ShutDown, 1);
	EXPECT_EQ(GCounts.Destroyed, 1);
	EXPECT_FALSE(Manager.IsModuleLoaded(TEXT("TransientModule")));
	EXPECT_EQ(Manager.LoadModule(TEXT("TransientModule")), nullptr);
}
