#include "WidgetTree.h"

#include "Widgets/SWidget.h"

namespace
{
	bool FindPathRecursive(const FArrangedWidget& Node, const SWidget* Target, FArrangedChildren& Path)
	{
		Path.Add(Node);
		if (&Node.Widget.Get() == Target)
		{
			return true;
		}
		FArrangedChildren Children;
		Node.Widget->ArrangeChildren(Node.Geometry, Children);
		for (const FArrangedWidget& Child : Children)
		{
			if (FindPathRecursive(Child, Target, Path))
			{
				return true;
			}
		}
		Path.Pop();
		return false;
	}
}

namespace WidgetTree
{
	FArrangedChildren FindPathToWidget(const FArrangedWidget& Root, const SWidget* Target)
	{
		FArrangedChildren Path;
		if (Target != nullptr)
		{
			FindPathRecursive(Root, Target, Path);
		}
		return Path;
	}

	FArrangedChildren FindPathAtCell(const FArrangedWidget& Root, int32 Column, int32 Row)
	{
		FArrangedChildren Path;
		if (!Root.Geometry.GetCellRect().Contains(Column, Row))
		{
			return Path;
		}
		Path.Add(Root);
		for (;;)
		{
			FArrangedChildren Children;
			Path.Last().Widget->ArrangeChildren(Path.Last().Geometry, Children);
			// Later children paint over earlier ones, so they are hit first.
			bool bFound = false;
			for (int32 Index = Children.Num() - 1; Index >= 0 && !bFound; --Index)
			{
				if (Children[Index].Geometry.GetCellRect().Contains(Column, Row))
				{
					Path.Add(Children[Index]);
					bFound = true;
				}
			}
			if (!bFound)
			{
				return Path;
			}
		}
	}

	void CollectFocusable(const TSharedRef<SWidget>& Root, TArray<TSharedRef<SWidget>>& OutWidgets)
	{
		if (Root->SupportsKeyboardFocus())
		{
			OutWidgets.Add(Root);
		}
		const FChildren& Children = Root->GetChildren();
		for (int32 Index = 0; Index < Children.Num(); ++Index)
		{
			CollectFocusable(Children.GetChildAt(Index), OutWidgets);
		}
	}
}
