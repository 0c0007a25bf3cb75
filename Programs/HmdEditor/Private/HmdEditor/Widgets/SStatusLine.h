// The main window's bottom row: a message on the left (the latest message
// logged since the last key press, else the tool tip of the highlighted menu
// or entry) and key hints on the right, in the Bar style; a warning shows in
// the Warning style. The hints come most important first: when the row is
// narrow the first hint stays, the message is cut (with "…") to the room
// left, and the other hints follow while they fit.
#pragma once

#include "Containers/Array.h"
#include "Rendering/SlateSurface.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

#include <string>

struct FStatusLineLayout
{
	std::u32string Message;
	/** The hints shown, two blanks apart. */
	std::u32string Hints;
};

/** What a status line Width cells wide shows, with a blank cell at either end. */
FStatusLineLayout ComposeStatusLine(const std::u32string& Message, const TArray<std::u32string>& Hints, int32 Width);

class SStatusLine : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SStatusLine)
		: _MessageStyle(ESlateCellStyle::Bar)
	{
	}
	SLATE_ATTRIBUTE(FText, Message)
	SLATE_ATTRIBUTE(ESlateCellStyle, MessageStyle)
	/** Most important first. */
	SLATE_ATTRIBUTE(TArray<FText>, KeyHints)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	TAttribute<FText> Message;
	TAttribute<ESlateCellStyle> MessageStyle;
	TAttribute<TArray<FText>> KeyHints;
};
