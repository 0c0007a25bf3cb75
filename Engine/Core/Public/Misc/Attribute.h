// TAttribute: a value that is either fixed or read from a getter delegate
// each time it is needed.
#pragma once

#include "Delegates/Delegate.h"

#include <utility>

template <typename ObjectType>
class TAttribute
{
public:
	using FGetter = TDelegate<ObjectType()>;

	TAttribute() = default;
	TAttribute(const ObjectType& InValue) : Value(InValue), bIsSet(true) {}
	TAttribute(ObjectType&& InValue) : Value(std::move(InValue)), bIsSet(true) {}
	template <typename OtherType, std::enable_if_t<std::is_constructible_v<ObjectType, OtherType&&> && !std::is_same_v<std::decay_t<OtherType>, TAttribute>, int> = 0>
	TAttribute(OtherType&& InValue) : Value(std::forward<OtherType>(InValue)), bIsSet(true) {}

	static TAttribute Create(FGetter InGetter)
	{
		TAttribute Result;
		Result.Getter = std::move(InGetter);
		Result.bIsSet = true;
		return Result;
	}
	template <typename UserClass, typename MethodType>
	static TAttribute Create(UserClass* Object, MethodType Method)
	{
		return Create(FGetter::CreateSP(Object, Method));
	}

	/** The getter's answer when one is bound and alive, otherwise the fixed value. */
	ObjectType Get() const { return Getter.IsBound() ? Getter.Execute() : Value; }
	void Set(ObjectType InValue)
	{
		Getter.Unbind();
		Value = std::move(InValue);
		bIsSet = true;
	}
	bool IsSet() const { return bIsSet; }
	bool IsBound() const { return Getter.IsBound(); }

private:
	ObjectType Value{};
	FGetter Getter;
	bool bIsSet = false;
};
