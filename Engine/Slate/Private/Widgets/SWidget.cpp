#include "Widgets/SWidget.h"

#include "Framework/Application/SlateApplication.h"

SWidget::SWidget() = default;
SWidget::~SWidget() = default;

void SWidget::SWidgetConstruct(const TAttribute<FText>& InToolTipText, FName InTag)
{
	ToolTipText = InToolTipText;
	Tag = InTag;
}

void SWidget::Paint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	Surface.PushClip(AllottedGeometry.GetCellRect());
	OnPaint(AllottedGeometry, Surface);
	Surface.PopClip();
}

void SWidget::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	PaintChildren(AllottedGeometry, Surface);
}

void SWidget::PaintChildren(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	FArrangedChildren Arranged;
	ArrangeChildren(AllottedGeometry, Arranged);
	for (const FArrangedWidget& Child : Arranged)
	{
		Child.Widget->Paint(Child.Geometry, Surface);
	}
}

bool SWidget::HasKeyboardFocus() const
{
	return FSlateApplication::IsInitialized() && FSlateApplication::Get().GetKeyboardFocusedWidget().Get() == this;
}

FReply SWidget::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& /*InKeyEvent*/)
{
	return FReply::Unhandled();
}

FReply SWidget::OnKeyChar(const FGeometry& /*MyGeometry*/, const FCharacterEvent& /*InCharacterEvent*/)
{
	return FReply::Unhandled();
}

FReply SWidget::OnMouseButtonDown(const FGeometry& /*MyGeometry*/, const FPointerEvent& /*MouseEvent*/)
{
	return FReply::Unhandled();
}

FReply SWidget::OnMouseMove(const FGeometry& /*MyGeometry*/, const FPointerEvent& /*MouseEvent*/)
{
	return FReply::Unhandled();
}

FReply SWidget::OnPaste(const FGeometry& /*MyGeometry*/, std::u32string_view /*Text*/)
{
	return FReply::Unhandled();
}

void SWidget::OnFocusReceived(const FFocusEvent& /*InFocusEvent*/)
{
}

void SWidget::OnFocusLost(const FFocusEvent& /*InFocusEvent*/)
{
}
