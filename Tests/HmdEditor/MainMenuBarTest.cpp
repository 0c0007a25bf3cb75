// The menu bar widget in a running application: the pointer moving along
// the titles while a menu is open, and the styles it paints.
#include "HmdEditor/Widgets/SMainMenuBar.h"

#include "Framework/Application/SlateApplication.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWindow.h"

#include <gtest/gtest.h>

namespace
{
	/** " File  Edit  Help ": the titles start at columns 0, 6 and 12 of the top row. */
	FMenuBarModel BuildMenuBar()
	{
		FMenuBarBuilder Builder(nullptr);
		for (const TCHAR* Label : {TEXT("File"), TEXT("Edit"), TEXT("Help")})
		{
			Builder.AddPullDownMenu(FText::FromString(Label), FText(), FNewMenuDelegate::CreateLambda([](FMenuBuilder& MenuBuilder)
			{
				MenuBuilder.BeginSection(TEXT("Main"));
				MenuBuilder.AddMenuEntry(FText::FromString(TEXT("Entry")), FText(), FSlateIcon(), FUIAction(FExecuteAction::CreateLambda([]() {})));
				MenuBuilder.EndSection();
			}));
		}
		return Builder.GetModel();
	}

	class MainMenuBar : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			FSlateApplication& Application = FSlateApplication::Create();
			Application.SetScreenSize(40, 10);
			Window = SNew(SWindow).CreateTitleBar(false)
			[
				SAssignNew(MenuBar, SMainMenuBar)
				.OnBuildMenuBar_Lambda([]() { return BuildMenuBar(); })
				[
					SNullWidget::NullWidget
				]
			];
			Application.AddWindow(Window.ToSharedRef());
			Application.SetKeyboardFocus(MenuBar);
			Application.PaintToSurface();
		}

		void TearDown() override
		{
			MenuBar.Reset();
			Window.Reset();
			FSlateApplication::Shutdown();
		}

		void MoveTo(int32 Column) const
		{
			FSlateApplication::Get().ProcessMouseMoveEvent(FPointerEvent(Column, 0));
			FSlateApplication::Get().PaintToSurface();
		}

		TSharedPtr<SWindow> Window;
		TSharedPtr<SMainMenuBar> MenuBar;
	};
}

TEST_F(MainMenuBar, WhileAMenuIsOpenMovingOntoAnotherTitleOpensIt)
{
	MoveTo(7);
	EXPECT_FALSE(MenuBar->GetMenuState().IsOpen()) << "a closed menu bar does not follow the pointer";

	FSlateApplication::Get().ProcessKeyDownEvent(FKeyEvent(EKeys::F10, FModifierKeysState()));
	ASSERT_EQ(MenuBar->GetMenuState().GetOpenIndex(), 0);
	const struct
	{
		int32 Column;
		int32 ExpectedOpen;
	} Moves[] = {{7, 1}, {13, 2}, {20, 2}, {1, 0}};
	for (const auto& Move : Moves)
	{
		MoveTo(Move.Column);
		EXPECT_EQ(MenuBar->GetMenuState().GetOpenIndex(), Move.ExpectedOpen) << "column " << Move.Column;
	}
}

TEST_F(MainMenuBar, TheMenuRowIsABarTheOpenTitleAndEntrySelectedAndThePullDownAMenu)
{
	FSlateApplication::Get().ProcessKeyDownEvent(FKeyEvent(EKeys::F10, FModifierKeysState()));
	const FSlateSurface& Surface = FSlateApplication::Get().PaintToSurface();
	const struct
	{
		const char* Description;
		int32 Column;
		int32 Row;
		ESlateCellStyle Expected;
	} Cells[] = {
		{"the open title", 1, 0, ESlateCellStyle::Selected},
		{"another title", 7, 0, ESlateCellStyle::Bar},
		{"the menu row past the titles", 30, 0, ESlateCellStyle::Bar},
		{"the pull-down's frame", 0, 1, ESlateCellStyle::Menu},
		{"the highlighted entry", 2, 2, ESlateCellStyle::Selected},
		{"below the pull-down", 2, 6, ESlateCellStyle::Normal},
	};
	for (const auto& Cell : Cells)
	{
		EXPECT_EQ(Surface.GetCellData(Cell.Column, Cell.Row).Style, Cell.Expected) << Cell.Description;
	}
}
