#include "Framework/Commands/UICommandInfo.h"
#include "Framework/Commands/UICommandList.h"

#include "EngineTextPrinters.h"

#include <gtest/gtest.h>

namespace
{
	TSharedRef<FUICommandInfo> MakeCommand(const TCHAR* Name)
	{
		return MakeShared<FUICommandInfo>(FName(TEXT("ListTest")), FName(Name), FText::FromString(Name), FText(), FSlateIcon(),
			EUserInterfaceActionType::Button, FInputChord(), FInputChord());
	}

	struct FReceiver
	{
		int32 Calls = 0;
		bool bAllowed = true;
		void Run() { ++Calls; }
		bool IsAllowed() const { return bAllowed; }
	};

	int32 GStaticCalls = 0;
	void StaticRun() { ++GStaticCalls; }
}

TEST(UICommandList, ExecutionFollowsTheCanExecuteDelegate)
{
	struct FCase
	{
		const char* Name;
		bool bBindCanExecute;
		bool bAllowed;
		bool bExpectRun;
	};
	const FCase Cases[] = {
		{"unbound can-execute means always enabled", false, false, true},
		{"can-execute says yes", true, true, true},
		{"can-execute says no", true, false, false},
	};
	for (const FCase& Case : Cases)
	{
		FReceiver Receiver;
		Receiver.bAllowed = Case.bAllowed;
		const TSharedRef<FUICommandInfo> Command = MakeCommand(TEXT("Run"));
		FUICommandList List;
		List.MapAction(Command, FExecuteAction::CreateRaw(&Receiver, &FReceiver::Run),
			Case.bBindCanExecute ? FCanExecuteAction::CreateRaw(&Receiver, &FReceiver::IsAllowed) : FCanExecuteAction(),
			EUIActionRepeatMode::RepeatDisabled);

		EXPECT_TRUE(List.IsActionMapped(Command)) << Case.Name;
		EXPECT_EQ(List.CanExecuteAction(Command), Case.bExpectRun) << Case.Name;
		EXPECT_EQ(List.ExecuteAction(Command), Case.bExpectRun) << Case.Name;
		EXPECT_EQ(List.TryExecuteAction(Command), Case.bExpectRun) << Case.Name;
		EXPECT_EQ(Receiver.Calls, Case.bExpectRun ? 2 : 0) << Case.Name;
		EXPECT_FALSE(List.IsChecked(Command)) << Case.Name;
	}
}

TEST(UICommandList, AnUnmappedCommandIsNeitherEnabledNorRun)
{
	FUICommandList List;
	const TSharedRef<FUICommandInfo> Mapped = MakeCommand(TEXT("Mapped"));
	const TSharedRef<FUICommandInfo> Other = MakeCommand(TEXT("Mapped"));
	List.MapAction(Mapped, FExecuteAction::CreateStatic(&StaticRun));

	EXPECT_FALSE(List.IsActionMapped(Other)) << "commands are told apart by identity, not name";
	EXPECT_FALSE(List.CanExecuteAction(Other));
	EXPECT_FALSE(List.ExecuteAction(Other));

	List.UnmapAction(Mapped);
	EXPECT_FALSE(List.IsActionMapped(Mapped));
	EXPECT_FALSE(List.ExecuteAction(Mapped));
}

TEST(UICommandList, StaticAndRawBindingsRunWithoutOwningTheirTarget)
{
	GStaticCalls = 0;
	FUICommandList List;
	const TSharedRef<FUICommandInfo> Static = MakeCommand(TEXT("Static"));
	List.MapAction(Static, FExecuteAction::CreateStatic(&StaticRun), FCanExecuteAction(), EUIActionRepeatMode::RepeatEnabled);
	EXPECT_TRUE(List.ExecuteAction(Static));
	EXPECT_EQ(GStaticCalls, 1);
	EXPECT_EQ(List.GetActionForCommand(Static)->RepeatMode, EUIActionRepeatMode::RepeatEnabled);

	const TSharedRef<FReceiver> Receiver = MakeShared<FReceiver>();
	const TSharedRef<FUICommandInfo> Raw = MakeCommand(TEXT("Raw"));
	List.MapAction(Raw, FExecuteAction::CreateRaw(&Receiver.Get(), &FReceiver::Run));
	EXPECT_EQ(Receiver.GetSharedReferenceCount(), 1);
	EXPECT_TRUE(List.ExecuteAction(Raw));
	EXPECT_EQ(Receiver->Calls, 1);
}

TEST(UICommandList, MappingAgainReplacesTheAction)
{
	FReceiver First;
	FReceiver Second;
	const TSharedRef<FUICommandInfo> Command = MakeCommand(TEXT("Twice"));
	FUICommandList List;
	List.MapAction(Command, FExecuteAction::CreateRaw(&First, &FReceiver::Run));
	List.MapAction(Command, FExecuteAction::CreateRaw(&Second, &FReceiver::Run));
	List.ExecuteAction(Command);
	EXPECT_EQ(First.Calls, 0);
	EXPECT_EQ(Second.Calls, 1);
}

TEST(UICommandList, AnActionMayUnmapItselfWhileRunning)
{
	const TSharedRef<FUICommandInfo> Command = MakeCommand(TEXT("SelfRemoving"));
	const TSharedRef<FUICommandList> List = MakeShared<FUICommandList>();
	int32 Runs = 0;
	FUICommandList* RawList = &List.Get();
	List->MapAction(Command, FExecuteAction::CreateLambda([RawList, Command, &Runs]() {
		RawList->UnmapAction(Command);
		++Runs;
	}));
	EXPECT_TRUE(List->ExecuteAction(Command));
	EXPECT_EQ(Runs, 1);
	EXPECT_FALSE(List->IsActionMapped(Command));
}

TEST(UIAction, CheckedStateAndActionsWithNothingToRun)
{
	bool bChecked = true;
	const FUIAction Checkable(FExecuteAction::CreateLambda([] {}), FCanExecuteAction(), FIsActionChecked::CreateLambda([&bChecked] { return bChecked; }));
	EXPECT_TRUE(Checkable.IsChecked());
	bChecked = false;
	EXPECT_FALSE(Checkable.IsChecked());

	const FUIAction Nothing;
	EXPECT_FALSE(Nothing.CanExecute()) << "an entry with nothing to run is shown disabled";
	EXPECT_FALSE(Nothing.Execute());
	EXPECT_FALSE(Nothing.IsChecked());
}

TEST(UICommandListDeathTest, MappingANullCommandIsFatal)
{
	FUICommandList List;
	EXPECT_DEATH(List.MapAction(nullptr, FExecuteAction::CreateStatic(&StaticRun)), "registered command");
}
