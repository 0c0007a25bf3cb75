// SWidget: the base of every widget.
//
// A widget reports the size it would like (GetDesiredSize, in layout units),
// places its children inside the geometry its parent gives it
// (ArrangeChildren), paints itself on a character-cell surface (OnPaint) and
// answers input. Widgets are always held by shared pointers: SNew makes them
// with MakeShared, so AsShared works from Construct on.
#pragma once

#include "Containers/Array.h"
#include "Input/Events.h"
#include "Input/Reply.h"
#include "Internationalization/Text.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Layout/Geometry.h"
#include "Misc/Attribute.h"
#include "Rendering/SlateSurface.h"
#include "SlateApi.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

#include <string_view>

class SLATE_API SWidget : public TSharedFromThis<SWidget>
{
public:
	SWidget();
	virtual ~SWidget();
	SWidget(const SWidget&) = delete;
	SWidget& operator=(const SWidget&) = delete;

	/** Applies the arguments every widget takes; SNew calls it just before Construct. */
	void SWidgetConstruct(const TAttribute<FText>& InToolTipText, FName InTag);

	/** The size the widget would like, in layout units, computed afresh from its current state. */
	FVector2D GetDesiredSize() const { return ComputeDesiredSize(); }

	/** The children in layout, paint and focus order. */
	virtual const FChildren& GetChildren() const = 0;
	/** Places the children inside the widget's own geometry. */
	virtual void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const = 0;

	/** Paints the widget, clipped to its own cells. */
	void Paint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const;

	/** Whether the widget can take the keyboard focus (by Tab or by a click). */
	virtual bool SupportsKeyboardFocus() const { return false; }
	/** True while this widget holds the application's keyboard focus. */
	bool HasKeyboardFocus() const;

	virtual FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent);
	virtual FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent);
	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	/** The mouse moved onto a cell of this widget (where the terminal reports motion); unhandled, it goes to the parent. */
	virtual FReply OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent);
	/** Text pasted in one piece while this widget or one of its children has the focus; unhandled, it goes to the parent. */
	virtual FReply OnPaste(const FGeometry& MyGeometry, std::u32string_view Text);
	virtual void OnFocusReceived(const FFocusEvent& InFocusEvent);
	virtual void OnFocusLost(const FFocusEvent& InFocusEvent);

	FText GetToolTipText() const { return ToolTipText.Get(); }
	FName GetTag() const { return Tag; }

protected:
	virtual FVector2D ComputeDesiredSize() const = 0;
	/** Paints the widget; by default, its arranged children. */
	virtual void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const;
	void PaintChildren(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const;

private:
	TAttribute<FText> ToolTipText;
	FName Tag;
};
