// Delegates: callable references to functions and methods. A delegate never
// owns its target. One bound to a shared object through a weak reference
// (CreateSP) stops being bound once the object is gone, and then does
// nothing when run with ExecuteIfBound.
#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Misc/AssertionMacros.h"
#include "Templates/SharedPointer.h"

#include <functional>
#include <type_traits>
#include <utility>

template <typename FuncType>
class TDelegate;

template <typename RetType, typename... ParamTypes>
class TDelegate<RetType(ParamTypes...)>
{
public:
	using FFunction = std::function<RetType(ParamTypes...)>;

	TDelegate() = default;

	/** Binds a method of an object that the delegate does not keep alive or track. */
	template <typename UserClass, typename MethodType>
	static TDelegate CreateRaw(UserClass* Object, MethodType Method)
	{
		check(Object != nullptr);
		TDelegate Result;
		Result.Function = [Object, Method](ParamTypes... Params) -> RetType { return (Object->*Method)(std::forward<ParamTypes>(Params)...); };
		return Result;
	}

	/** Binds a method through a weak reference to a shared object. */
	template <typename UserClass, typename MethodType>
	static TDelegate CreateSP(const TSharedRef<UserClass>& Object, MethodType Method)
	{
		TDelegate Result;
		TWeakPtr<UserClass> Weak(Object);
		Result.Function = [Weak, Method](ParamTypes... Params) -> RetType {
			const TSharedPtr<UserClass> Pinned = Weak.Pin();
			check(Pinned.IsValid());
			return (Pinned.Get()->*Method)(std::forward<ParamTypes>(Params)...);
		};
		Result.IsAlive = [Weak]() { return Weak.IsValid(); };
		return Result;
	}
	template <typename UserClass, typename MethodType>
	static TDelegate CreateSP(UserClass* Object, MethodType Method)
	{
		return CreateSP(StaticCastSharedRef<UserClass>(Object->AsShared()), Method);
	}

	static TDelegate CreateStatic(RetType (*StaticFunction)(ParamTypes...))
	{
		check(StaticFunction != nullptr);
		TDelegate Result;
		Result.Function = StaticFunction;
		return Result;
	}

	template <typename FunctorType>
	static TDelegate CreateLambda(FunctorType&& Functor)
	{
		TDelegate Result;
		Result.Function = std::forward<FunctorType>(Functor);
		return Result;
	}

	template <typename UserClass, typename MethodType>
	void BindRaw(UserClass* Object, MethodType Method) { *this = CreateRaw(Object, Method); }
	template <typename UserClass, typename MethodType>
	void BindSP(UserClass* Object, MethodType Method) { *this = CreateSP(Object, Method); }
	template <typename UserClass, typename MethodType>
	void BindSP(const TSharedRef<UserClass>& Object, MethodType Method) { *this = CreateSP(Object, Method); }
	void BindStatic(RetType (*StaticFunction)(ParamTypes...)) { *this = CreateStatic(StaticFunction); }
	template <typename FunctorType>
	void BindLambda(FunctorType&& Functor) { *this = CreateLambda(std::forward<FunctorType>(Functor)); }
	void Unbind()
	{
		Function = nullptr;
		IsAlive = nullptr;
	}

	/** True when a target is bound and, for a weak binding, still alive. */
	bool IsBound() const { return static_cast<bool>(Function) && (!IsAlive || IsAlive()); }

	/** Runs the target; running an unbound delegate is a fatal error. */
	RetType Execute(ParamTypes... Params) const
	{
		check(IsBound());
		return Function(std::forward<ParamTypes>(Params)...);
	}

	/** Runs the target when there is one; reports whether it ran. */
	template <typename R = RetType, std::enable_if_t<std::is_void_v<R>, int> = 0>
	bool ExecuteIfBound(ParamTypes... Params) const
	{
		if (!IsBound())
		{
			return false;
		}
		Function(std::forward<ParamTypes>(Params)...);
		return true;
	}

private:
	FFunction Function;
	std::function<bool()> IsAlive;
};

/** Identifies one binding in a multicast delegate, for removal. */
class FDelegateHandle
{
public:
	FDelegateHandle() = default;
	explicit FDelegateHandle(uint64 InId) : Id(InId) {}
	bool IsValid() const { return Id != 0; }
	void Reset() { Id = 0; }
	bool operator==(const FDelegateHandle&) const = default;

private:
	uint64 Id = 0;
};

/** A list of delegates that are all run, in the order they were added, by Broadcast. */
template <typename... ParamTypes>
class TMulticastDelegate
{
public:
	using FDelegate = TDelegate<void(ParamTypes...)>;

	FDelegateHandle Add(FDelegate Delegate)
	{
		const FDelegateHandle Handle(++LastId);
		Bindings.Add(FBinding{Handle, std::move(Delegate)});
		return Handle;
	}
	template <typename UserClass, typename MethodType>
	FDelegateHandle AddRaw(UserClass* Object, MethodType Method) { return Add(FDelegate::CreateRaw(Object, Method)); }
	template <typename UserClass, typename MethodType>
	FDelegateHandle AddSP(UserClass* Object, MethodType Method) { return Add(FDelegate::CreateSP(Object, Method)); }
	FDelegateHandle AddStatic(void (*StaticFunction)(ParamTypes...)) { return Add(FDelegate::CreateStatic(StaticFunction)); }
	template <typename FunctorType>
	FDelegateHandle AddLambda(FunctorType&& Functor) { return Add(FDelegate::CreateLambda(std::forward<FunctorType>(Functor))); }

	bool Remove(FDelegateHandle Handle)
	{
		for (int32 Index = 0; Index < Bindings.Num(); ++Index)
		{
			if (Bindings[Index].Handle == Handle)
			{
				Bindings.RemoveAt(Index);
				return true;
			}
		}
		return false;
	}
	void Clear() { Bindings.Empty(); }
	bool IsBound() const
	{
		for (const FBinding& Binding : Bindings)
		{
			if (Binding.Delegate.IsBound())
			{
				return true;
			}
		}
		return false;
	}

	/** Runs every live binding; a copy is taken so that handlers may add or remove bindings. */
	void Broadcast(ParamTypes... Params) const
	{
		const TArray<FBinding> Snapshot = Bindings;
		for (const FBinding& Binding : Snapshot)
		{
			Binding.Delegate.ExecuteIfBound(Params...);
		}
	}

private:
	struct FBinding
	{
		FDelegateHandle Handle;
		FDelegate Delegate;
		bool operator==(const FBinding& Other) const { return Handle == Other.Handle; }
	};
	TArray<FBinding> Bindings;
	uint64 LastId = 0;
};

#define DECLARE_DELEGATE(DelegateName) using DelegateName = TDelegate<void()>
#define DECLARE_DELEGATE_OneParam(DelegateName, P1) using DelegateName = TDelegate<void(P1)>
#define DECLARE_DELEGATE_TwoParams(DelegateName, P1, P2) using DelegateName = TDelegate<void(P1, P2)>
#define DECLARE_DELEGATE_RetVal(RetType, DelegateName) using DelegateName = TDelegate<RetType()>
#define DECLARE_DELEGATE_RetVal_OneParam(RetType, DelegateName, P1) using DelegateName = TDelegate<RetType(P1)>
#define DECLARE_MULTICAST_DELEGATE(DelegateName) using DelegateName = TMulticastDelegate<>
#define DECLARE_MULTICAST_DELEGATE_OneParam(DelegateName, P1) using DelegateName = TMulticastDelegate<P1>
#define DECLARE_MULTICAST_DELEGATE_TwoParams(DelegateName, P1, P2) using DelegateName = TMulticastDelegate<P1, P2>
