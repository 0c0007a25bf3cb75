// The engine's reference-counted smart pointers, in their single-threaded
// form: TSharedRef (never null), TSharedPtr (may be null), TWeakPtr (does not
// keep the object alive) and TSharedFromThis (lets an object hand out shared
// references to itself). Counts are plain integers; every pointer to one
// object must stay on one thread.
#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

template <typename ObjectType> class TSharedRef;
template <typename ObjectType> class TSharedPtr;
template <typename ObjectType> class TWeakPtr;
template <typename ObjectType> class TSharedFromThis;

namespace SharedPointerInternals
{
	/** Counts for one shared object. Shared references together hold one weak reference. */
	class FReferenceControllerBase
	{
	public:
		FReferenceControllerBase() = default;
		FReferenceControllerBase(const FReferenceControllerBase&) = delete;
		FReferenceControllerBase& operator=(const FReferenceControllerBase&) = delete;
		virtual ~FReferenceControllerBase() = default;

		int32 SharedReferenceCount = 1;
		int32 WeakReferenceCount = 1;

		void AddSharedReference() { ++SharedReferenceCount; }
		bool ConditionallyAddSharedReference()
		{
			if (SharedReferenceCount == 0)
			{
				return false;
			}
			++SharedReferenceCount;
			return true;
		}
		void ReleaseSharedReference()
		{
			if (--SharedReferenceCount == 0)
			{
				DestroyObject();
				ReleaseWeakReference();
			}
		}
		void AddWeakReference() { ++WeakReferenceCount; }
		void ReleaseWeakReference()
		{
			if (--WeakReferenceCount == 0)
			{
				delete this;
			}
		}

	protected:
		virtual void DestroyObject() = 0;
	};

	/** Controller for an object allocated on its own with new. */
	template <typename ObjectType>
	class TDefaultReferenceController final : public FReferenceControllerBase
	{
	public:
		explicit TDefaultReferenceController(ObjectType* InObject) : Object(InObject) {}

	protected:
		void DestroyObject() override { delete Object; }

	private:
		ObjectType* Object;
	};

	/** Controller that holds the object in the same allocation (MakeShared). */
	template <typename ObjectType>
	class TIntrusiveReferenceController final : public FReferenceControllerBase
	{
	public:
		template <typename... ArgTypes>
		explicit TIntrusiveReferenceController(ArgTypes&&... Args)
		{
			::new (static_cast<void*>(Storage)) ObjectType(std::forward<ArgTypes>(Args)...);
		}
		ObjectType* GetObjectPtr() { return std::launder(reinterpret_cast<ObjectType*>(Storage)); }

	protected:
		void DestroyObject() override { GetObjectPtr()->~ObjectType(); }

	private:
		alignas(ObjectType) unsigned char Storage[sizeof(ObjectType)];
	};

	struct FConstCastTag {};
	struct FStaticCastTag {};

	template <typename SharedFromThisType, typename ObjectType>
	void EnableSharedFromThis(FReferenceControllerBase* Controller, ObjectType* Object, const TSharedFromThis<SharedFromThisType>* Base)
	{
		if (Base != nullptr)
		{
			Base->UpdateWeakReferenceInternal(Controller, static_cast<SharedFromThisType*>(const_cast<std::remove_cv_t<ObjectType>*>(Object)));
		}
	}
	inline void EnableSharedFromThis(...) {}
}

template <typename ObjectType>
class TSharedPtr
{
public:
	using ElementType = ObjectType;

	TSharedPtr() = default;
	TSharedPtr(std::nullptr_t /*Null*/) {}

	/** Takes ownership of an object made with new. */
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	explicit TSharedPtr(OtherType* InObject)
	{
		if (InObject != nullptr)
		{
			Object = InObject;
			Controller = new SharedPointerInternals::TDefaultReferenceController<OtherType>(InObject);
			SharedPointerInternals::EnableSharedFromThis(Controller, InObject, InObject);
		}
	}

	TSharedPtr(const TSharedPtr& Other) : Object(Other.Object), Controller(Other.Controller) { AddRef(); }
	TSharedPtr(TSharedPtr&& Other) noexcept : Object(Other.Object), Controller(Other.Controller)
	{
		Other.Object = nullptr;
		Other.Controller = nullptr;
	}
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TSharedPtr(const TSharedPtr<OtherType>& Other) : Object(Other.Object), Controller(Other.Controller)
	{
		AddRef();
	}
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TSharedPtr(TSharedPtr<OtherType>&& Other) noexcept : Object(Other.Object), Controller(Other.Controller)
	{
		Other.Object = nullptr;
		Other.Controller = nullptr;
	}
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TSharedPtr(const TSharedRef<OtherType>& Other) : Object(Other.Object), Controller(Other.Controller)
	{
		AddRef();
	}
	template <typename OtherType>
	TSharedPtr(const TSharedPtr<OtherType>& Other, SharedPointerInternals::FStaticCastTag)
		: Object(static_cast<ObjectType*>(Other.Object)), Controller(Other.Controller)
	{
		AddRef();
	}
	template <typename OtherType>
	TSharedPtr(const TSharedPtr<OtherType>& Other, SharedPointerInternals::FConstCastTag)
		: Object(const_cast<ObjectType*>(Other.Object)), Controller(Other.Controller)
	{
		AddRef();
	}

	~TSharedPtr() { Release(); }

	TSharedPtr& operator=(const TSharedPtr& Other)
	{
		TSharedPtr(Other).Swap(*this);
		return *this;
	}
	TSharedPtr& operator=(TSharedPtr&& Other) noexcept
	{
		TSharedPtr(std::move(Other)).Swap(*this);
		return *this;
	}
	TSharedPtr& operator=(std::nullptr_t /*Null*/)
	{
		Reset();
		return *this;
	}

	bool IsValid() const { return Object != nullptr; }
	explicit operator bool() const { return IsValid(); }
	ObjectType* Get() const { return Object; }
	ObjectType* operator->() const
	{
		check(IsValid());
		return Object;
	}
	ObjectType& operator*() const
	{
		check(IsValid());
		return *Object;
	}

	/** The same object as a shared reference; the pointer must not be null. */
	TSharedRef<ObjectType> ToSharedRef() const
	{
		check(IsValid());
		return TSharedRef<ObjectType>(Object, Controller, true);
	}

	void Reset() { TSharedPtr().Swap(*this); }
	int32 GetSharedReferenceCount() const { return Controller ? Controller->SharedReferenceCount : 0; }
	bool IsUnique() const { return GetSharedReferenceCount() == 1; }

	void Swap(TSharedPtr& Other) noexcept
	{
		std::swap(Object, Other.Object);
		std::swap(Controller, Other.Controller);
	}

	template <typename OtherType>
	bool operator==(const TSharedPtr<OtherType>& Other) const { return Object == Other.Object; }
	template <typename OtherType>
	bool operator==(const TSharedRef<OtherType>& Other) const { return Object == Other.Object; }
	bool operator==(std::nullptr_t /*Null*/) const { return Object == nullptr; }

private:
	template <typename> friend class TSharedPtr;
	template <typename> friend class TSharedRef;
	template <typename> friend class TWeakPtr;
	template <typename OtherType, typename... ArgTypes> friend TSharedRef<OtherType> MakeShared(ArgTypes&&...);

	// Adopts one shared reference that the caller has already counted.
	TSharedPtr(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController)
		: Object(InObject), Controller(InController)
	{
	}

	void AddRef()
	{
		if (Controller != nullptr)
		{
			Controller->AddSharedReference();
		}
	}
	void Release()
	{
		if (Controller != nullptr)
		{
			// Clear first: the object's destructor may reach this pointer again.
			auto* OldController = Controller;
			Object = nullptr;
			Controller = nullptr;
			OldController->ReleaseSharedReference();
		}
	}

	ObjectType* Object = nullptr;
	SharedPointerInternals::FReferenceControllerBase* Controller = nullptr;
};

template <typename ObjectType>
class TSharedRef
{
public:
	using ElementType = ObjectType;

	/** Takes ownership of an object made with new; it must not be null. */
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	explicit TSharedRef(OtherType* InObject)
		: Object(InObject), Controller(new SharedPointerInternals::TDefaultReferenceController<OtherType>(InObject))
	{
		check(InObject != nullptr);
		SharedPointerInternals::EnableSharedFromThis(Controller, InObject, InObject);
	}

	TSharedRef(const TSharedRef& Other) : Object(Other.Object), Controller(Other.Controller) { Controller->AddSharedReference(); }
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TSharedRef(const TSharedRef<OtherType>& Other) : Object(Other.Object), Controller(Other.Controller)
	{
		Controller->AddSharedReference();
	}
	template <typename OtherType>
	TSharedRef(const TSharedRef<OtherType>& Other, SharedPointerInternals::FStaticCastTag)
		: Object(static_cast<ObjectType*>(Other.Object)), Controller(Other.Controller)
	{
		Controller->AddSharedReference();
	}
	template <typename OtherType>
	TSharedRef(const TSharedRef<OtherType>& Other, SharedPointerInternals::FConstCastTag)
		: Object(const_cast<ObjectType*>(Other.Object)), Controller(Other.Controller)
	{
		Controller->AddSharedReference();
	}
	~TSharedRef() { Controller->ReleaseSharedReference(); }

	TSharedRef& operator=(const TSharedRef& Other)
	{
		TSharedRef Copy(Other);
		std::swap(Object, Copy.Object);
		std::swap(Controller, Copy.Controller);
		return *this;
	}

	bool IsValid() const { return true; }
	ObjectType& Get() const { return *Object; }
	ObjectType* operator->() const { return Object; }
	ObjectType& operator*() const { return *Object; }
	TSharedPtr<ObjectType> ToSharedPtr() const { return TSharedPtr<ObjectType>(*this); }
	int32 GetSharedReferenceCount() const { return Controller->SharedReferenceCount; }
	bool IsUnique() const { return GetSharedReferenceCount() == 1; }

	template <typename OtherType>
	bool operator==(const TSharedRef<OtherType>& Other) const { return Object == Other.Object; }
	template <typename OtherType>
	bool operator==(const TSharedPtr<OtherType>& Other) const { return Object == Other.Object; }

private:
	template <typename> friend class TSharedPtr;
	template <typename> friend class TSharedRef;
	template <typename> friend class TWeakPtr;
	template <typename> friend class TSharedFromThis;
	template <typename OtherType, typename... ArgTypes> friend TSharedRef<OtherType> MakeShared(ArgTypes&&...);
	template <typename OtherType>
	friend TSharedRef<OtherType> MakeSharedWithController(OtherType*, SharedPointerInternals::FReferenceControllerBase*);

	// Shares an object whose controller is already live; adds one reference when asked.
	TSharedRef(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController, bool bAddReference)
		: Object(InObject), Controller(InController)
	{
		if (bAddReference)
		{
			Controller->AddSharedReference();
		}
	}

	ObjectType* Object;
	SharedPointerInternals::FReferenceControllerBase* Controller;
};

template <typename ObjectType>
class TWeakPtr
{
public:
	TWeakPtr() = default;
	TWeakPtr(std::nullptr_t /*Null*/) {}
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TWeakPtr(const TSharedPtr<OtherType>& Shared) : Object(Shared.Object), Controller(Shared.Controller)
	{
		AddRef();
	}
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TWeakPtr(const TSharedRef<OtherType>& Shared) : Object(Shared.Object), Controller(Shared.Controller)
	{
		AddRef();
	}
	TWeakPtr(const TWeakPtr& Other) : Object(Other.Object), Controller(Other.Controller) { AddRef(); }
	template <typename OtherType, std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>, int> = 0>
	TWeakPtr(const TWeakPtr<OtherType>& Other) : Object(Other.Object), Controller(Other.Controller)
	{
		AddRef();
	}
	TWeakPtr(TWeakPtr&& Other) noexcept : Object(Other.Object), Controller(Other.Controller)
	{
		Other.Object = nullptr;
		Other.Controller = nullptr;
	}
	~TWeakPtr() { Release(); }

	TWeakPtr& operator=(const TWeakPtr& Other)
	{
		TWeakPtr(Other).Swap(*this);
		return *this;
	}
	TWeakPtr& operator=(TWeakPtr&& Other) noexcept
	{
		TWeakPtr(std::move(Other)).Swap(*this);
		return *this;
	}

	/** A shared pointer to the object, or null when it is gone. */
	TSharedPtr<ObjectType> Pin() const
	{
		if (Controller != nullptr && Controller->ConditionallyAddSharedReference())
		{
			return TSharedPtr<ObjectType>(Object, Controller);
		}
		return TSharedPtr<ObjectType>();
	}
	bool IsValid() const { return Controller != nullptr && Controller->SharedReferenceCount > 0; }
	void Reset() { TWeakPtr().Swap(*this); }
	bool HasSameObject(const void* Other) const { return IsValid() && Object == Other; }

	void Swap(TWeakPtr& Other) noexcept
	{
		std::swap(Object, Other.Object);
		std::swap(Controller, Other.Controller);
	}

private:
	template <typename> friend class TWeakPtr;
	template <typename> friend class TSharedFromThis;

	TWeakPtr(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController)
		: Object(InObject), Controller(InController)
	{
		AddRef();
	}
	void AddRef()
	{
		if (Controller != nullptr)
		{
			Controller->AddWeakReference();
		}
	}
	void Release()
	{
		if (Controller != nullptr)
		{
			auto* OldController = Controller;
			Object = nullptr;
			Controller = nullptr;
			OldController->ReleaseWeakReference();
		}
	}

	ObjectType* Object = nullptr;
	SharedPointerInternals::FReferenceControllerBase* Controller = nullptr;
};

/** Base for objects that hand out shared references to themselves. */
template <typename ObjectType>
class TSharedFromThis
{
public:
	TSharedRef<ObjectType> AsShared()
	{
		TSharedPtr<ObjectType> Shared = WeakThis.Pin();
		check(Shared.IsValid());
		return Shared.ToSharedRef();
	}
	TSharedRef<const ObjectType> AsShared() const
	{
		TSharedPtr<ObjectType> Shared = WeakThis.Pin();
		check(Shared.IsValid());
		return TSharedRef<const ObjectType>(Shared.ToSharedRef());
	}
	bool DoesSharedInstanceExist() const { return WeakThis.IsValid(); }

	/** Called when the first shared pointer takes the object; later calls keep the first owner. */
	template <typename OtherType>
	void UpdateWeakReferenceInternal(SharedPointerInternals::FReferenceControllerBase* Controller, OtherType* Object) const
	{
		if (!WeakThis.IsValid())
		{
			WeakThis = TWeakPtr<ObjectType>(static_cast<ObjectType*>(Object), Controller);
		}
	}

protected:
	TSharedFromThis() = default;
	TSharedFromThis(const TSharedFromThis& /*Other*/) {}
	TSharedFromThis& operator=(const TSharedFromThis& /*Other*/) { return *this; }
	~TSharedFromThis() = default;

	/** A shared reference to this object as its most derived known type. */
	template <typename OtherType>
	static TSharedRef<OtherType> SharedThis(OtherType* This)
	{
		return TSharedRef<OtherType>(This->AsShared(), SharedPointerInternals::FStaticCastTag());
	}

private:
	mutable TWeakPtr<ObjectType> WeakThis;
};

/** Makes an object and its counts in one allocation. */
template <typename ObjectType, typename... ArgTypes>
TSharedRef<ObjectType> MakeShared(ArgTypes&&... Args)
{
	auto* Controller = new SharedPointerInternals::TIntrusiveReferenceController<ObjectType>(std::forward<ArgTypes>(Args)...);
	ObjectType* Object = Controller->GetObjectPtr();
	SharedPointerInternals::EnableSharedFromThis(Controller, Object, Object);
	return TSharedRef<ObjectType>(Object, Controller, false);
}

/**
 * Shares an object whose storage a custom reference controller manages, for
 * objects that live in an allocator's own memory. The controller starts with
 * its one shared reference, which the result takes over. It is deleted with
 * delete once no reference of either kind remains, so a controller placed in
 * such memory declares the matching operator delete.
 */
template <typename ObjectType>
TSharedRef<ObjectType> MakeSharedWithController(ObjectType* Object, SharedPointerInternals::FReferenceControllerBase* Controller)
{
	SharedPointerInternals::EnableSharedFromThis(Controller, Object, Object);
	return TSharedRef<ObjectType>(Object, Controller, false);
}

/** Wraps an object made with new in a shared pointer. */
template <typename ObjectType>
TSharedPtr<ObjectType> MakeShareable(ObjectType* Object)
{
	return TSharedPtr<ObjectType>(Object);
}

template <typename ToType, typename FromType>
TSharedRef<ToType> StaticCastSharedRef(const TSharedRef<FromType>& Ref)
{
	return TSharedRef<ToType>(Ref, SharedPointerInternals::FStaticCastTag());
}
template <typename ToType, typename FromType>
TSharedPtr<ToType> StaticCastSharedPtr(const TSharedPtr<FromType>& Ptr)
{
	return TSharedPtr<ToType>(Ptr, SharedPointerInternals::FStaticCastTag());
}
template <typename ToType, typename FromType>
TSharedRef<ToType> ConstCastSharedRef(const TSharedRef<FromType>& Ref)
{
	return TSharedRef<ToType>(Ref, SharedPointerInternals::FConstCastTag());
}
