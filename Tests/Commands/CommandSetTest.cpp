#include "EditorStyleSet.h"
#include "Framework/Commands/Commands.h"
#include "Internationalization/Text.h"

#include "EngineTextPrinters.h"

#include <gtest/gtest.h>

#define LOCTEXT_NAMESPACE "FTestPluginModule"

namespace
{
	class FTestCommands : public TCommands<FTestCommands>
	{
	public:
		FTestCommands()
			: TCommands<FTestCommands>(TEXT("TestPlugin"), NSLOCTEXT("Contexts", "TestPlugin", "TestPlugin Plugin"), NAME_None, FEditorStyle::GetStyleSetName())
		{
		}

		void RegisterCommands() override
		{
			++RegisterCommandsCalls;
			UI_COMMAND(PluginAction, "Test Plugin Settings", "Execute TestPlugin action", EUserInterfaceActionType::Button, FInputChord());
		}

		TSharedPtr<FUICommandInfo> PluginAction;
		static inline int32 RegisterCommandsCalls = 0;
	};

	/** A set with the same context name as FTestCommands but a different class. */
	class FImpostorCommands : public TCommands<FImpostorCommands>
	{
	public:
		FImpostorCommands() : TCommands<FImpostorCommands>(TEXT("TestPlugin"), FText(), NAME_None, NAME_None) {}
		void RegisterCommands() override {}
	};

	class FEmptyCommands : public TCommands<FEmptyCommands>
	{
	public:
		FEmptyCommands() : TCommands<FEmptyCommands>(TEXT("EmptySet"), FText(), NAME_None, NAME_None) {}
		void RegisterCommands() override {}
	};

	class FChordCommands : public TCommands<FChordCommands>
	{
	public:
		FChordCommands() : TCommands<FChordCommands>(TEXT("ChordSet"), FText(), TEXT("TestPlugin"), TEXT("OtherStyle")) {}
		void RegisterCommands() override
		{
			UI_COMMAND(Save, "Save", "Save it", EUserInterfaceActionType::Check, FInputChord(TEXT("S"), false, true), FInputChord(TEXT("F2")));
			UI_COMMAND(Secondary, "Second", "Only a second chord", EUserInterfaceActionType::Button, FInputChord(), FInputChord(TEXT("F3")));
		}
		TSharedPtr<FUICommandInfo> Save;
		TSharedPtr<FUICommandInfo> Secondary;
	};

	class CommandSetTest : public testing::Test
	{
	protected:
		void SetUp() override
		{
			FTestCommands::RegisterCommandsCalls = 0;
			Handle = FBindingContext::CommandsChanged.AddLambda([this](const FBindingContext& Context) { Announced.Add(Context.GetContextName()); });
		}
		void TearDown() override
		{
			FBindingContext::CommandsChanged.Remove(Handle);
			FTestCommands::Unregister();
			FEmptyCommands::Unregister();
			FChordCommands::Unregister();
			FInputBindingManager::Get().RemoveContextByName(TEXT("TestPlugin"));
		}

		FDelegateHandle Handle;
		TArray<FName> Announced;
	};
}

TEST_F(CommandSetTest, RegisterMakesTheCommandWithEveryArgumentInPlace)
{
	FTestCommands::Register();
	ASSERT_TRUE(FTestCommands::IsRegistered());
	const FTestCommands& Commands = FTestCommands::Get();
	EXPECT_EQ(Commands.GetContextName(), FName(TEXT("TestPlugin")));
	EXPECT_EQ(FTextInspector::GetNamespace(Commands.GetContextDesc()), FString(TEXT("Contexts")));
	EXPECT_EQ(Commands.GetContextDesc().ToString(), FString(TEXT("TestPlugin Plugin")));
	EXPECT_TRUE(Commands.GetContextParent().IsNone());
	EXPECT_EQ(Commands.GetStyleSetName(), FName(TEXT("EditorStyle")));

	ASSERT_TRUE(Commands.PluginAction.IsValid());
	const FUICommandInfo& Info = *Commands.PluginAction;
	EXPECT_EQ(Info.GetBindingContext(), FName(TEXT("TestPlugin")));
	EXPECT_EQ(Info.GetCommandName(), FName(TEXT("PluginAction")));
	EXPECT_EQ(Info.GetLabel().ToString(), FString(TEXT("Test Plugin Settings")));
	EXPECT_EQ(FTextInspector::GetNamespace(Info.GetLabel()), FString(TEXT("FTestPluginModule")));
	EXPECT_EQ(FTextInspector::GetKey(Info.GetLabel()), FString(TEXT("PluginAction")));
	EXPECT_EQ(Info.GetDescription().ToString(), FString(TEXT("Execute TestPlugin action")));
	EXPECT_EQ(FTextInspector::GetNamespace(Info.GetDescription()), FString(TEXT("FTestPluginModule")));
	EXPECT_EQ(FTextInspector::GetKey(Info.GetDescription()), FString(TEXT("PluginAction_ToolTip")));
	EXPECT_EQ(Info.GetIcon().GetStyleSetName(), FName(TEXT("EditorStyle")));
	EXPECT_EQ(Info.GetIcon().GetStyleName().ToString(), FString(TEXT("TestPlugin.PluginAction")));
	EXPECT_EQ(Info.GetUserInterfaceType(), EUserInterfaceActionType::Button);
	EXPECT_EQ(static_cast<int32>(EUserInterfaceActionType::Button), 1);
	EXPECT_FALSE(Info.GetDefaultChord(EMultipleKeyBindingIndex::Primary).IsValidChord());
	EXPECT_FALSE(Info.GetDefaultChord(EMultipleKeyBindingIndex::Secondary).IsValidChord());
	EXPECT_FALSE(Info.HasDefaultChord());
	EXPECT_TRUE(Info.GetInputText().IsEmpty());

	// The input binding manager holds both the context and the command.
	EXPECT_EQ(FInputBindingManager::Get().GetContextByName(TEXT("TestPlugin")).Get(), &Commands);
	EXPECT_EQ(FInputBindingManager::Get().FindCommandInContext(TEXT("TestPlugin"), TEXT("PluginAction")), Commands.PluginAction);
	EXPECT_EQ(Announced, (TArray<FName>{TEXT("TestPlugin")}));
}

TEST_F(CommandSetTest, RegisteringTwiceLeavesOneSetWithOneCommand)
{
	FTestCommands::Register();
	const FTestCommands* First = &FTestCommands::Get();
	const TSharedPtr<FUICommandInfo> FirstAction = First->PluginAction;
	FTestCommands::Register();

	EXPECT_EQ(&FTestCommands::Get(), First);
	EXPECT_EQ(FTestCommands::Get().PluginAction, FirstAction);
	EXPECT_EQ(FTestCommands::RegisterCommandsCalls, 1);
	TArray<TSharedPtr<FUICommandInfo>> Infos;
	FInputBindingManager::Get().GetCommandInfosFromContext(TEXT("TestPlugin"), Infos);
	EXPECT_EQ(Infos.Num(), 1);
	EXPECT_EQ(Announced.Num(), 1);
}

TEST_F(CommandSetTest, UnregisteringWhenUnregisteredDoesNothing)
{
	FTestCommands::Unregister();
	EXPECT_FALSE(FTestCommands::IsRegistered());
	EXPECT_TRUE(Announced.IsEmpty());
}

TEST_F(CommandSetTest, RegisterUnregisterRegisterMakesANewSetAndAnnouncesThreeTimes)
{
	FTestCommands::Register();
	TWeakPtr<FBindingContext> FirstSet = FInputBindingManager::Get().GetContextByName(TEXT("TestPlugin"));
	TWeakPtr<FUICommandInfo> FirstAction = FTestCommands::Get().PluginAction;

	FTestCommands::Unregister();
	EXPECT_FALSE(FTestCommands::IsRegistered());
	EXPECT_FALSE(FirstSet.IsValid()) << "Unregister destroys the set";
	EXPECT_FALSE(FirstAction.IsValid()) << "and its command";
	EXPECT_FALSE(FInputBindingManager::Get().GetContextByName(TEXT("TestPlugin")).IsValid());

	FTestCommands::Register();
	ASSERT_TRUE(FTestCommands::IsRegistered());
	EXPECT_TRUE(FTestCommands::Get().PluginAction.IsValid());
	EXPECT_EQ(FTestCommands::RegisterCommandsCalls, 2);
	EXPECT_EQ(Announced.Num(), 3);
}

TEST_F(CommandSetTest, AnExistingContextOfTheSameNameIsAdoptedSilently)
{
	// As when another library's copy of the class registered it first.
	const TSharedRef<FTestCommands> Existing(new FTestCommands());
	FInputBindingManager::Get().AddContext(Existing);

	FTestCommands::Register();
	ASSERT_TRUE(FTestCommands::IsRegistered());
	EXPECT_EQ(&FTestCommands::Get(), &Existing.Get());
	EXPECT_EQ(FTestCommands::RegisterCommandsCalls, 0) << "no commands are registered again";
	EXPECT_FALSE(FTestCommands::Get().PluginAction.IsValid());
	EXPECT_TRUE(Announced.IsEmpty());
}

TEST_F(CommandSetTest, ASetWithoutCommandsStaysRegistered)
{
	FEmptyCommands::Register();
	EXPECT_TRUE(FEmptyCommands::IsRegistered());
	EXPECT_TRUE(FInputBindingManager::Get().GetContextByName(TEXT("EmptySet")).IsValid());
}

TEST_F(CommandSetTest, ChordsLabelsAndTheFirstValidChord)
{
	FChordCommands::Register();
	const FChordCommands& Commands = FChordCommands::Get();
	EXPECT_EQ(Commands.GetContextParent(), FName(TEXT("TestPlugin")));
	EXPECT_EQ(Commands.Save->GetIcon().GetStyleSetName(), FName(TEXT("OtherStyle")));
	EXPECT_EQ(Commands.Save->GetUserInterfaceType(), EUserInterfaceActionType::Check);
	EXPECT_EQ(Commands.Save->GetInputText().ToString(), FString(TEXT("Ctrl+S")));
	EXPECT_EQ(Commands.Save->GetDefaultChord(EMultipleKeyBindingIndex::Secondary), FInputChord(TEXT("F2")));
	EXPECT_EQ(Commands.Secondary->GetInputText().ToString(), FString(TEXT("F3")));
	TArray<TSharedPtr<FUICommandInfo>> Infos;
	FInputBindingManager::Get().GetCommandInfosFromContext(TEXT("ChordSet"), Infos);
	EXPECT_EQ(Infos, (TArray<TSharedPtr<FUICommandInfo>>{Commands.Save, Commands.Secondary}));
}

TEST(InputChord, InputText)
{
	struct FCase
	{
		FInputChord Chord;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{FInputChord(), TEXT("")},
		{FInputChord(FKey(), true, true, true, true), TEXT("")},
		{FInputChord(TEXT("F5")), TEXT("F5")},
		{FInputChord(TEXT("S"), true, true), TEXT("Ctrl+Shift+S")},
		{FInputChord(TEXT("Q"), true, true, true, true), TEXT("Ctrl+Alt+Shift+Cmd+Q")},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Case.Chord.GetInputText().ToString(), FString(Case.Expected));
		EXPECT_EQ(Case.Chord.IsValidChord(), *Case.Expected != 0);
	}
}

using CommandSetDeathTest = CommandSetTest;

TEST_F(CommandSetDeathTest, GetWhileUnregisteredIsFatal)
{
	EXPECT_DEATH(FTestCommands::Get(), "before it is registered");
}

TEST_F(CommandSetDeathTest, UnregisteringASetThatIsStillSharedIsFatal)
{
	FTestCommands::Register();
	const TSharedPtr<FBindingContext> KeptElsewhere = FInputBindingManager::Get().GetContextByName(TEXT("TestPlugin"));
	EXPECT_DEATH(FTestCommands::Unregister(), "still referenced");
}

TEST_F(CommandSetDeathTest, AContextOfAnotherClassIsNotAdopted)
{
	FTestCommands::Register();
	EXPECT_DEATH(FImpostorCommands::Register(), "different command set");
}

#undef LOCTEXT_NAMESPACE
