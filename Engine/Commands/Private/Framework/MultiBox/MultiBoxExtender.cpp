#include "Framework/MultiBox/MultiBoxExtender.h"

#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxBuilder.h"

namespace
{
	class FMenuBarExtension final : public FExtensionBase
	{
	public:
		FMenuBarExtension(FName InHook, EExtensionHook::Position InHookPosition, const TSharedPtr<const FUICommandList>& InCommandList,
			const FMenuBarExtensionDelegate& InDelegate)
			: FExtensionBase(InHook, InHookPosition, InCommandList), Delegate(InDelegate)
		{
		}

		void ApplyToMenuBar(FMenuBarBuilder& MenuBarBuilder) const override { Delegate.ExecuteIfBound(MenuBarBuilder); }

	private:
		FMenuBarExtensionDelegate Delegate;
	};

	class FMenuExtension final : public FExtensionBase
	{
	public:
		FMenuExtension(FName InHook, EExtensionHook::Position InHookPosition, const TSharedPtr<const FUICommandList>& InCommandList,
			const FMenuExtensionDelegate& InDelegate)
			: FExtensionBase(InHook, InHookPosition, InCommandList), Delegate(InDelegate)
		{
		}

		void ApplyToMenu(FMenuBuilder& MenuBuilder) const override { Delegate.ExecuteIfBound(MenuBuilder); }

	private:
		FMenuExtensionDelegate Delegate;
	};
}

FExtensionBase::FExtensionBase(FName InHook, EExtensionHook::Position InHookPosition, const TSharedPtr<const FUICommandList>& InCommandList)
	: Hook(InHook), HookPosition(InHookPosition), CommandList(InCommandList)
{
}

FExtensionBase::~FExtensionBase() = default;

void FExtensionBase::ApplyToMenuBar(FMenuBarBuilder& /*MenuBarBuilder*/) const {}

void FExtensionBase::ApplyToMenu(FMenuBuilder& /*MenuBuilder*/) const {}

TSharedRef<const FExtensionBase> FExtender::AddMenuBarExtension(FName ExtensionHook, EExtensionHook::Position HookPosition,
	const TSharedPtr<const FUICommandList>& CommandList, const FMenuBarExtensionDelegate& MenuBarExtensionDelegate)
{
	const TSharedRef<const FExtensionBase> Extension = MakeShared<FMenuBarExtension>(ExtensionHook, HookPosition, CommandList, MenuBarExtensionDelegate);
	Extensions.Add(Extension);
	return Extension;
}

TSharedRef<const FExtensionBase> FExtender::AddMenuExtension(FName ExtensionHook, EExtensionHook::Position HookPosition,
	const TSharedPtr<const FUICommandList>& CommandList, const FMenuExtensionDelegate& MenuExtensionDelegate)
{
	const TSharedRef<const FExtensionBase> Extension = MakeShared<FMenuExtension>(ExtensionHook, HookPosition, CommandList, MenuExtensionDelegate);
	Extensions.Add(Extension);
	return Extension;
}

void FExtender::RemoveExtension(const TSharedRef<const FExtensionBase>& Extension)
{
	Extensions.Remove(Extension);
}

template <typename BuilderType, typename ApplyFunctionType>
void FExtender::ApplyMatching(FName ExtensionHook, EExtensionHook::Position HookPosition, BuilderType& Builder, ApplyFunctionType ApplyFunction) const
{
	// A copy: an extension may add extensions to, or remove them from, this extender.
	const TArray<TSharedRef<const FExtensionBase>> Snapshot = Extensions;
	for (const TSharedRef<const FExtensionBase>& Extension : Snapshot)
	{
		if (Extension->Hook != ExtensionHook || Extension->HookPosition != HookPosition || Extension->bApplying)
		{
			continue;
		}
		Extension->bApplying = true;
		const bool bHasCommandList = Extension->CommandList.IsValid();
		if (bHasCommandList)
		{
			Builder.PushCommandList(Extension->CommandList.ToSharedRef());
		}
		ApplyFunction(*Extension, Builder);
		if (bHasCommandList)
		{
			Builder.PopCommandList();
		}
		Extension->bApplying = false;
	}
}

void FExtender::Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBarBuilder& MenuBarBuilder) const
{
	ApplyMatching(ExtensionHook, HookPosition, MenuBarBuilder,
		[](const FExtensionBase& Extension, FMenuBarBuilder& Builder) { Extension.ApplyToMenuBar(Builder); });
}

void FExtender::Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBuilder& MenuBuilder) const
{
	ApplyMatching(ExtensionHook, HookPosition, MenuBuilder, [](const FExtensionBase& Extension, FMenuBuilder& Builder) { Extension.ApplyToMenu(Builder); });
}

TSharedRef<FExtender> FExtender::Combine(const TArray<TSharedPtr<FExtender>>& Extenders)
{
	const TSharedRef<FExtender> Combined = MakeShared<FExtender>();
	for (const TSharedPtr<FExtender>& Extender : Extenders)
	{
		if (Extender.IsValid())
		{
			Combined->Extensions.Append(Extender->Extensions);
		}
	}
	return Combined;
}
