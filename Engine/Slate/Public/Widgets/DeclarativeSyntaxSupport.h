// The declarative construction of widgets:
//
//   SNew(SBox).HAlign(HAlign_Fill).Padding(4.0f)
//   [
//       SNew(SVerticalBox)
//       + SVerticalBox::Slot().AutoHeight() [ SNew(STextBlock).Text(Label) ]
//   ]
//
// SNew(Type) evaluates the argument set on its right first, then makes the
// widget with MakeShared, applies the arguments common to every widget and
// calls Type::Construct(Args). SAssignNew(Pointer, Type) also stores the new
// widget in Pointer, before Construct runs.
//
// Argument sets are declared between SLATE_BEGIN_ARGS(Type) and
// SLATE_END_ARGS() with SLATE_ARGUMENT (a plain value), SLATE_ATTRIBUTE (a
// value or a getter read whenever needed), SLATE_EVENT (a delegate),
// SLATE_NAMED_SLOT / SLATE_DEFAULT_SLOT (a child widget) and
// SLATE_SUPPORTS_SLOT (slots added with operator+).
//
// Attribute getters and events given as (this, &Class::Method) are bound
// through a weak reference to the object (its AsShared): they never keep it
// alive, and once it is gone an event does nothing and an attribute falls
// back to its plain value. The _Lambda and _Raw forms bind those kinds
// of target instead.
#pragma once

#include "Delegates/Delegate.h"
#include "Internationalization/Text.h"
#include "Misc/Attribute.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"
#include "Widgets/SNullWidget.h"

#include <utility>

class SWidget;

/** A child widget given as an argument; the empty widget unless set. */
struct TAlwaysValidWidget
{
	TSharedRef<SWidget> Widget = SNullWidget::NullWidget;
};

#define SLATE_BEGIN_ARGS(WidgetType)                                 \
public:                                                              \
	struct FArguments : public TSlateBaseNamedArgs<WidgetType>       \
	{                                                                \
		typedef FArguments WidgetArgsType;                           \
		FArguments()

#define SLATE_END_ARGS() \
	};

#define SLATE_ARGUMENT(ArgType, ArgName)                  \
	ArgType _##ArgName{};                                 \
	WidgetArgsType& ArgName(ArgType InArg)                \
	{                                                     \
		_##ArgName = std::move(InArg);                    \
		return this->Me();                                \
	}

#define SLATE_ATTRIBUTE(AttrType, AttrName)                                                                 \
	TAttribute<AttrType> _##AttrName;                                                                       \
	WidgetArgsType& AttrName(const TAttribute<AttrType>& InAttribute)                                       \
	{                                                                                                       \
		_##AttrName = InAttribute;                                                                          \
		return this->Me();                                                                                  \
	}                                                                                                       \
	template <typename UserClass, typename MethodType>                                                      \
	WidgetArgsType& AttrName(UserClass* InUserObject, MethodType InMethod)                                  \
	{                                                                                                       \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(InUserObject, InMethod)); \
		return this->Me();                                                                                  \
	}                                                                                                       \
	template <typename UserClass, typename MethodType>                                                      \
	WidgetArgsType& AttrName##_Raw(UserClass* InUserObject, MethodType InMethod)                            \
	{                                                                                                       \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateRaw(InUserObject, InMethod)); \
		return this->Me();                                                                                  \
	}                                                                                                       \
	template <typename FunctorType>                                                                         \
	WidgetArgsType& AttrName##_Lambda(FunctorType&& InFunctor)                                              \
	{                                                                                                       \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateLambda(std::forward<FunctorType>(InFunctor))); \
		return this->Me();                                                                                  \
	}

#define SLATE_EVENT(DelegateName, EventName)                                                  \
	DelegateName _##EventName;                                                                \
	WidgetArgsType& EventName(const DelegateName& InDelegate)                                 \
	{                                                                                         \
		_##EventName = InDelegate;                                                            \
		return this->Me();                                                                    \
	}                                                                                         \
	template <typename UserClass, typename MethodType>                                        \
	WidgetArgsType& EventName(UserClass* InUserObject, MethodType InMethod)                   \
	{                                                                                         \
		_##EventName = DelegateName::CreateSP(InUserObject, InMethod);                        \
		return this->Me();                                                                    \
	}                                                                                         \
	template <typename UserClass, typename MethodType>                                        \
	WidgetArgsType& EventName(const TSharedRef<UserClass>& InUserObject, MethodType InMethod) \
	{                                                                                         \
		_##EventName = DelegateName::CreateSP(InUserObject, InMethod);                        \
		return this->Me();                                                                    \
	}                                                                                         \
	template <typename UserClass, typename MethodType>                                        \
	WidgetArgsType& EventName##_Raw(UserClass* InUserObject, MethodType InMethod)             \
	{                                                                                         \
		_##EventName = DelegateName::CreateRaw(InUserObject, InMethod);                       \
		return this->Me();                                                                    \
	}                                                                                         \
	template <typename FunctorType>                                                           \
	WidgetArgsType& EventName##_Lambda(FunctorType&& InFunctor)                               \
	{                                                                                         \
		_##EventName = DelegateName::CreateLambda(std::forward<FunctorType>(InFunctor));      \
		return this->Me();                                                                    \
	}

#define SLATE_NAMED_SLOT(DeclarationType, SlotName)                   \
	TAlwaysValidWidget _##SlotName;                                   \
	DeclarationType& SlotName(const TSharedRef<SWidget>& InChild)     \
	{                                                                 \
		_##SlotName.Widget = InChild;                                 \
		return this->Me();                                            \
	}

#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName)                 \
	SLATE_NAMED_SLOT(DeclarationType, SlotName)                       \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)   \
	{                                                                 \
		_##SlotName.Widget = InChild;                                 \
		return this->Me();                                            \
	}

#define SLATE_SUPPORTS_SLOT(SlotType)                      \
	TArray<SlotType> Slots;                                \
	WidgetArgsType& operator+(const SlotType& SlotToAdd)   \
	{                                                      \
		Slots.Add(SlotToAdd);                              \
		return this->Me();                                 \
	}

/** The arguments every widget takes, before its own. */
template <typename WidgetType>
struct TSlateBaseNamedArgs
{
	typedef typename WidgetType::FArguments WidgetArgsType;

	WidgetArgsType& Me() { return static_cast<WidgetArgsType&>(*this); }

	/** A tool tip; the widget keeps it for the host to show. */
	SLATE_ATTRIBUTE(FText, ToolTipText)
	/** A name the host can find the widget by. */
	SLATE_ARGUMENT(FName, Tag)
};

/** Holds a new widget until its argument set is ready, then constructs it (operator<<=). */
template <typename WidgetType>
class TDecl
{
public:
	TDecl() : Widget(MakeShared<WidgetType>()) {}

	template <typename ExposeType>
	TDecl& Expose(TSharedPtr<ExposeType>& OutVariable)
	{
		OutVariable = Widget;
		return *this;
	}
	template <typename ExposeType>
	TDecl& Expose(TSharedRef<ExposeType>& OutVariable)
	{
		OutVariable = Widget;
		return *this;
	}

	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) const
	{
		Widget->SWidgetConstruct(InArgs._ToolTipText, InArgs._Tag);
		Widget->Construct(InArgs);
		return Widget;
	}

private:
	TSharedRef<WidgetType> Widget;
};

#define SNew(WidgetType) TDecl<WidgetType>() <<= WidgetType::FArguments()
#define SAssignNew(ExposeAs, WidgetType) TDecl<WidgetType>().Expose(ExposeAs) <<= WidgetType::FArguments()
