// Small helpers shared by the UI tests.
#pragma once

#include "Containers/StringConv.h"
#include "Framework/Application/SlateApplication.h"
#include "Rendering/SlateSurface.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SWidget.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace SlateTest
{
	/** The geometry the tree under Root gives Target, when Root is placed at RootGeometry. */
	inline std::optional<FGeometry> FindGeometry(const TSharedRef<SWidget>& Root, const FGeometry& RootGeometry, const SWidget& Target)
	{
		if (&Root.Get() == &Target)
		{
			return RootGeometry;
		}
		FArrangedChildren Children;
		Root->ArrangeChildren(RootGeometry, Children);
		for (const FArrangedWidget& Child : Children)
		{
			if (std::optional<FGeometry> Found = FindGeometry(Child.Widget, Child.Geometry, Target))
			{
				return Found;
			}
		}
		return std::nullopt;
	}

	/** A widget that asks for a fixed size. */
	inline TSharedRef<SWidget> FixedSize(float Width, float Height)
	{
		return SNew(SBox).WidthOverride(Width).HeightOverride(Height);
	}

	/** One row of a surface as UTF-8, for readable comparisons. */
	inline std::string Row(const FSlateSurface& Surface, int32 RowIndex)
	{
		return StringConv::ToUtf8(Surface.GetRowString(RowIndex));
	}

	/** Paints a widget alone on a fresh surface, at the top-left corner, with the given size in cells. */
	inline FSlateSurface PaintAlone(const TSharedRef<SWidget>& Widget, int32 Columns, int32 Rows)
	{
		FSlateSurface Surface(Columns, Rows);
		Widget->Paint(FGeometry(FVector2D(), FCellMetrics::ToUnits(Columns, Rows)), Surface);
		return Surface;
	}

	/** Gives every test a fresh application and root window slot. */
	class FApplicationTest : public ::testing::Test
	{
	protected:
		void SetUp() override { FSlateApplication::Create(); }
		void TearDown() override { FSlateApplication::Shutdown(); }
		FSlateApplication& App() { return FSlateApplication::Get(); }
	};
}
