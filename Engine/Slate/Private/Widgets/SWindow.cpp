#include "Widgets/SWindow.h"

#include "SWindowCloseButton.h"
#include "Text/CharacterWidth.h"
#include "Text/CodePointString.h"

#include <algorithm>

namespace
{
	// The border takes one cell on every side; the top border row is the title bar.
	constexpr int32 BorderCells = 1;
	// The title starts after the corner and one space.
	constexpr int32 TitleColumnOffset = 2;

	/** Gives the border cells of a window, its title bar included, the frame's style. */
	void SetFrameStyle(const FCellRect& Cells, FSlateSurface& Surface)
	{
		Surface.SetStyle(FCellRect(Cells.Column, Cells.Row, Cells.Columns, BorderCells), ESlateCellStyle::Frame);
		Surface.SetStyle(FCellRect(Cells.Column, Cells.GetBottom() - BorderCells, Cells.Columns, BorderCells), ESlateCellStyle::Frame);
		Surface.SetStyle(FCellRect(Cells.Column, Cells.Row, BorderCells, Cells.Rows), ESlateCellStyle::Frame);
		Surface.SetStyle(FCellRect(Cells.GetRight() - BorderCells, Cells.Row, BorderCells, Cells.Rows), ESlateCellStyle::Frame);
	}
}

SWindow::SWindow() : Content(SNullWidget::NullWidget), CloseButton(SNullWidget::NullWidget), WindowChildren(*this)
{
}

SWindow::~SWindow() = default;

void SWindow::Construct(const FArguments& InArgs)
{
	Title = InArgs._Title;
	SizingRule = InArgs._SizingRule;
	ClientSize = InArgs._ClientSize;
	bHasCloseButton = InArgs._HasCloseButton;
	bSupportsMaximize = InArgs._SupportsMaximize;
	bSupportsMinimize = InArgs._SupportsMinimize;
	bCreateTitleBar = InArgs._CreateTitleBar;
	Content = InArgs._Content.Widget;
	if (ShowsCloseButton())
	{
		CloseButton = MakeShared<SWindowCloseButton>(TWeakPtr<SWidget>(AsShared()));
	}
}

void SWindow::SetContent(const TSharedRef<SWidget>& InContent)
{
	Content = InContent;
}

FVector2D SWindow::GetChromeSize() const
{
	return bCreateTitleBar ? FCellMetrics::ToUnits(2 * BorderCells, 2 * BorderCells) : FVector2D();
}

FGeometry SWindow::GetWindowGeometry() const
{
	return FGeometry(FCellMetrics::ToUnits(ScreenCellRect.Column, ScreenCellRect.Row), FCellMetrics::ToUnits(ScreenCellRect.Columns, ScreenCellRect.Rows));
}

FVector2D SWindow::ComputeDesiredSize() const
{
	const FVector2D Size = (HasClientSize() ? ClientSize : Content->GetDesiredSize()) + GetChromeSize();
	if (!bCreateTitleBar)
	{
		return Size;
	}
	// Corners, the title between two spaces, and the close button.
	const int32 TitleColumns = CharacterWidth::Measure(CodePointString::FromText(GetTitle().ToString()));
	const int32 TitleBarColumns = 2 * BorderCells + TitleColumns + 2 + (ShowsCloseButton() ? SWindowCloseButton::Columns : 0);
	return FVector2D(std::max(Size.X, FCellMetrics::ToUnits(TitleBarColumns, 0).X), Size.Y);
}

void SWindow::ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const FVector2D Chrome = GetChromeSize();
	const FVector2D ContentOffset = Chrome * 0.5f;
	const FVector2D ContentSize(std::max(0.0f, AllottedGeometry.Size.X - Chrome.X), std::max(0.0f, AllottedGeometry.Size.Y - Chrome.Y));
	ArrangedChildren.Add(FArrangedWidget{Content, AllottedGeometry.MakeChild(ContentOffset, ContentSize)});
	if (ShowsCloseButton())
	{
		const FVector2D ButtonSize = FCellMetrics::ToUnits(SWindowCloseButton::Columns, 1);
		const FVector2D ButtonOffset(AllottedGeometry.Size.X - ButtonSize.X - FCellMetrics::ToUnits(BorderCells, 0).X, 0.0f);
		ArrangedChildren.Add(FArrangedWidget{CloseButton, AllottedGeometry.MakeChild(ButtonOffset, ButtonSize)});
	}
}

void SWindow::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Cells = AllottedGeometry.GetCellRect();
	// The window covers whatever lies below it, styles included.
	Surface.Fill(Cells, U' ');
	Surface.SetStyle(Cells, ESlateCellStyle::Normal);
	if (bCreateTitleBar)
	{
		SetFrameStyle(Cells, Surface);
		Surface.DrawBorder(Cells);
		// The title stops short of the close button and the corner.
		const int32 TitleEnd = Cells.GetRight() - BorderCells - (ShowsCloseButton() ? SWindowCloseButton::Columns : 0);
		Surface.PushClip(FCellRect(Cells.Column + BorderCells, Cells.Row, TitleEnd - Cells.Column - BorderCells, 1));
		std::u32string TitleText = CodePointString::FromText(GetTitle().ToString());
		TitleText.insert(TitleText.begin(), U' ');
		TitleText.push_back(U' ');
		Surface.DrawText(Cells.Column + TitleColumnOffset - 1, Cells.Row, TitleText);
		Surface.PopClip();
	}
	PaintChildren(AllottedGeometry, Surface);
}

int32 SWindow::FWindowChildren::Num() const
{
	return Owner.ShowsCloseButton() ? 2 : 1;
}

TSharedRef<SWidget> SWindow::FWindowChildren::GetChildAt(int32 Index) const
{
	check(Index >= 0 && Index < Num());
	return Index == 0 ? Owner.Content : Owner.CloseButton;
}
