// The engine's reference-counted pointers, each of a mode (Templates/SharedPointerInternals.h): Fast,
// the default, counts with plain integers and belongs to one thread at a time; ThreadSafe counts
// atomically. The two modes do not convert into each other. A TSharedRef is never null (a fatal check).
#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Templates/SharedPointerInternals.h"

template <class ObjectType>
SharedPointerInternals::FRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject)
{
	return SharedPointerInternals::FRawPtrProxy<ObjectType>(InObject);
}

namespace UE4SharedPointer_Private
{
template <class ObjectType, ESPMode Mode>
TSharedRef<ObjectType, Mode> MakeSharedRef(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController);
}

template <class ObjectType, ESPMode Mode>
class TSharedRef
{
public:
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedRef(OtherType* InObject)
		: Object(InObject), SharedReferenceCount(SharedPointerInternals::NewDefaultReferenceController(InObject))
	{
		Init(InObject);
	}
	template <typename OtherType>
	TSharedRef(const SharedPointerInternals::FRawPtrProxy<OtherType>& InRawPtrProxy)
		: Object(InRawPtrProxy.Object),
		  SharedReferenceCount(SharedPointerInternals::NewDefaultReferenceController(InRawPtrProxy.Object))
	{
		Init(InRawPtrProxy.Object);
	}
	TSharedRef(const TSharedRef& InSharedRef) = default;
	// A move copies: the source must stay a valid reference.
	TSharedRef(TSharedRef&& InSharedRef) : TSharedRef(static_cast<const TSharedRef&>(InSharedRef)) {}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Object), SharedReferenceCount(InSharedRef.SharedReferenceCount)
	{
	}
	// Shares OtherSharedRef's counts but points at InObject (a part of it, or it as another type).
	template <typename OtherType>
	TSharedRef(const TSharedRef<OtherType, Mode>& OtherSharedRef, ObjectType* InObject)
		: Object(InObject), SharedReferenceCount(OtherSharedRef.SharedReferenceCount)
	{
		check(InObject != nullptr);
	}

	TSharedRef& operator=(const TSharedRef& InSharedRef) = default;
	TSharedRef& operator=(TSharedRef&& InSharedRef) { return *this = static_cast<const TSharedRef&>(InSharedRef); }
	template <typename OtherType>
	TSharedRef& operator=(const SharedPointerInternals::FRawPtrProxy<OtherType>& InRawPtrProxy)
	{
		check(InRawPtrProxy.Object != nullptr);
		*this = TSharedRef<ObjectType, Mode>(InRawPtrProxy);
		return *this;
	}

	ObjectType& Get() const { return *Object; }
	ObjectType& operator*() const { return *Object; }
	ObjectType* operator->() const { return Object; }
	int32 GetSharedReferenceCount() const { return SharedReferenceCount.GetSharedReferenceCount(); }
	bool IsUnique() const { return SharedReferenceCount.IsUnique(); }

private:
	template <class OtherType, ESPMode OtherMode>
	friend class TSharedRef;
	template <class OtherType, ESPMode OtherMode>
	friend class TSharedPtr;
	template <class OtherType, ESPMode OtherMode>
	friend class TWeakPtr;
	friend TSharedRef UE4SharedPointer_Private::MakeSharedRef<ObjectType, Mode>(ObjectType*, SharedPointerInternals::FReferenceControllerBase*);

	template <typename OtherType>
	void Init(OtherType* InObject)
	{
		check(InObject != nullptr);
		SharedPointerInternals::EnableSharedFromThis(this, InObject, InObject);
	}

	// TSharedPtr::ToSharedRef, after its check.
	template <typename OtherType>
	explicit TSharedRef(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Object), SharedReferenceCount(InSharedPtr.SharedReferenceCount)
	{
	}
	TSharedRef(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController)
		: Object(InObject), SharedReferenceCount(InController)
	{
		Init(InObject);
	}

	ObjectType* Object;
	SharedPointerInternals::FSharedReferencer<Mode> SharedReferenceCount;
};

template <class ObjectType, ESPMode Mode>
class TSharedPtr
{
public:
	TSharedPtr(std::nullptr_t = nullptr) {}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedPtr(OtherType* InObject)
		: Object(InObject), SharedReferenceCount(SharedPointerInternals::NewDefaultReferenceController(InObject))
	{
		SharedPointerInternals::EnableSharedFromThis(this, InObject, InObject);
	}
	template <typename OtherType>
	TSharedPtr(const SharedPointerInternals::FRawPtrProxy<OtherType>& InRawPtrProxy)
		: Object(InRawPtrProxy.Object),
		  SharedReferenceCount(SharedPointerInternals::NewDefaultReferenceController(InRawPtrProxy.Object))
	{
		SharedPointerInternals::EnableSharedFromThis(this, InRawPtrProxy.Object, InRawPtrProxy.Object);
	}
	TSharedPtr(const TSharedPtr& InSharedPtr) = default;
	TSharedPtr(TSharedPtr&& InSharedPtr)
		: Object(std::exchange(InSharedPtr.Object, nullptr)), SharedReferenceCount(std::move(InSharedPtr.SharedReferenceCount))
	{
	}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Object), SharedReferenceCount(InSharedPtr.SharedReferenceCount)
	{
	}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& InSharedPtr)
		: Object(std::exchange(InSharedPtr.Object, nullptr)), SharedReferenceCount(std::move(InSharedPtr.SharedReferenceCount))
	{
	}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Object), SharedReferenceCount(InSharedRef.SharedReferenceCount)
	{
	}
	// Shares the other pointer's counts but points at InObject (a part of it, or it as another type).
	template <typename OtherType>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& OtherSharedPtr, ObjectType* InObject)
		: Object(InObject), SharedReferenceCount(OtherSharedPtr.SharedReferenceCount)
	{
	}
	template <typename OtherType>
	TSharedPtr(const TSharedRef<OtherType, Mode>& OtherSharedRef, ObjectType* InObject)
		: Object(InObject), SharedReferenceCount(OtherSharedRef.SharedReferenceCount)
	{
	}

	TSharedPtr& operator=(const TSharedPtr& InSharedPtr) = default;
	TSharedPtr& operator=(TSharedPtr&& InSharedPtr)
	{
		if (&InSharedPtr != this)
		{
			Object = std::exchange(InSharedPtr.Object, nullptr);
			SharedReferenceCount = std::move(InSharedPtr.SharedReferenceCount);
		}
		return *this;
	}
	TSharedPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}
	template <typename OtherType>
	TSharedPtr& operator=(const SharedPointerInternals::FRawPtrProxy<OtherType>& InRawPtrProxy)
	{
		*this = TSharedPtr<ObjectType, Mode>(InRawPtrProxy);
		return *this;
	}

	TSharedRef<ObjectType, Mode> ToSharedRef() const
	{
		check(IsValid());
		return TSharedRef<ObjectType, Mode>(*this);
	}

	ObjectType* Get() const { return Object; }
	bool IsValid() const { return Object != nullptr; }
	explicit operator bool() const { return Object != nullptr; }
	ObjectType& operator*() const
	{
		check(IsValid());
		return *Object;
	}
	ObjectType* operator->() const
	{
		check(IsValid());
		return Object;
	}
	void Reset() { *this = TSharedPtr<ObjectType, Mode>(); }
	int32 GetSharedReferenceCount() const { return SharedReferenceCount.GetSharedReferenceCount(); }
	bool IsUnique() const { return SharedReferenceCount.IsUnique(); }

private:
	template <class OtherType, ESPMode OtherMode>
	friend class TSharedRef;
	template <class OtherType, ESPMode OtherMode>
	friend class TSharedPtr;
	template <class OtherType, ESPMode OtherMode>
	friend class TWeakPtr;

	// TWeakPtr::Pin: null when the object has died.
	template <typename OtherType>
	explicit TSharedPtr(const TWeakPtr<OtherType, Mode>& InWeakPtr)
		: SharedReferenceCount(InWeakPtr.WeakReferenceCount)
	{
		Object = SharedReferenceCount.IsValid() ? InWeakPtr.Object : nullptr;
	}

	ObjectType* Object = nullptr;
	SharedPointerInternals::FSharedReferencer<Mode> SharedReferenceCount;
};

template <class ObjectType, ESPMode Mode>
class TWeakPtr
{
public:
	TWeakPtr(std::nullptr_t = nullptr) {}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Object), WeakReferenceCount(InSharedRef.SharedReferenceCount)
	{
	}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Object), WeakReferenceCount(InSharedPtr.SharedReferenceCount)
	{
	}
	TWeakPtr(const TWeakPtr& InWeakPtr) = default;
	TWeakPtr(TWeakPtr&& InWeakPtr)
		: Object(std::exchange(InWeakPtr.Object, nullptr)), WeakReferenceCount(std::move(InWeakPtr.WeakReferenceCount))
	{
	}
	// As the engine does, the object is reached through a pinned pointer: converting a pointer to a
	// dead object is not allowed (a virtual base would need it).
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& InWeakPtr)
		: Object(InWeakPtr.Pin().Get()), WeakReferenceCount(InWeakPtr.WeakReferenceCount)
	{
	}

	TWeakPtr& operator=(const TWeakPtr& InWeakPtr) = default;
	TWeakPtr& operator=(TWeakPtr&& InWeakPtr)
	{
		if (&InWeakPtr != this)
		{
			Object = std::exchange(InWeakPtr.Object, nullptr);
			WeakReferenceCount = std::move(InWeakPtr.WeakReferenceCount);
		}
		return *this;
	}
	TWeakPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr& operator=(const TSharedRef<OtherType, Mode>& InSharedRef)
	{
		Object = InSharedRef.Object;
		WeakReferenceCount = InSharedRef.SharedReferenceCount;
		return *this;
	}
	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr& operator=(const TSharedPtr<OtherType, Mode>& InSharedPtr)
	{
		Object = InSharedPtr.Object;
		WeakReferenceCount = InSharedPtr.SharedReferenceCount;
		return *this;
	}

	// A shared pointer to the object while it lives, null after.
	TSharedPtr<ObjectType, Mode> Pin() const { return TSharedPtr<ObjectType, Mode>(*this); }
	bool IsValid() const { return Object != nullptr && WeakReferenceCount.IsValid(); }
	void Reset() { *this = TWeakPtr<ObjectType, Mode>(); }
	bool HasSameObject(const void* InOtherPtr) const { return Pin().Get() == InOtherPtr; }

private:
	template <class OtherType, ESPMode OtherMode>
	friend class TWeakPtr;
	template <class OtherType, ESPMode OtherMode>
	friend class TSharedPtr;

	ObjectType* Object = nullptr;
	SharedPointerInternals::FWeakReferencer<Mode> WeakReferenceCount;
};

// A base for objects that hand out shared references to themselves. The first shared pointer (of the
// same mode) that takes the object primes it; before that, and once it is being destroyed, AsShared
// fails a check.
template <class ObjectType, ESPMode Mode>
class TSharedFromThis
{
public:
	TSharedRef<ObjectType, Mode> AsShared()
	{
		const TSharedPtr<ObjectType, Mode> SharedThis(WeakThis.Pin());
		check(SharedThis.Get() == this);
		return SharedThis.ToSharedRef();
	}
	TSharedRef<const ObjectType, Mode> AsShared() const
	{
		const TSharedPtr<const ObjectType, Mode> SharedThis(WeakThis.Pin());
		check(SharedThis.Get() == this);
		return SharedThis.ToSharedRef();
	}

	// Internal (called by the pointer that takes the object): remembers that pointer, once.
	template <class SharedPtrType, class OtherType>
	void UpdateWeakReferenceInternal(const TSharedPtr<SharedPtrType, Mode>* InSharedPtr, OtherType* InObject) const
	{
		if (!WeakThis.IsValid())
		{
			WeakThis = TSharedPtr<ObjectType, Mode>(*InSharedPtr, InObject);
		}
	}
	template <class SharedRefType, class OtherType>
	void UpdateWeakReferenceInternal(const TSharedRef<SharedRefType, Mode>* InSharedRef, OtherType* InObject) const
	{
		if (!WeakThis.IsValid())
		{
			WeakThis = TSharedRef<ObjectType, Mode>(*InSharedRef, InObject);
		}
	}

protected:
	template <class OtherType>
	static TSharedRef<OtherType, Mode> SharedThis(OtherType* ThisPtr)
	{
		return StaticCastSharedRef<OtherType>(ThisPtr->AsShared());
	}
	template <class OtherType>
	static TSharedRef<const OtherType, Mode> SharedThis(const OtherType* ThisPtr)
	{
		return StaticCastSharedRef<const OtherType>(ThisPtr->AsShared());
	}

	// A copy is a different object: it does not share the original's owner.
	TSharedFromThis() = default;
	TSharedFromThis(const TSharedFromThis&) {}
	TSharedFromThis& operator=(const TSharedFromThis&) { return *this; }
	~TSharedFromThis() = default;

private:
	mutable TWeakPtr<ObjectType, Mode> WeakThis;
};

namespace SharedPointerInternals
{
template <class SharedPtrType, class ObjectType, class OtherType, ESPMode Mode>
void EnableSharedFromThis(const TSharedPtr<SharedPtrType, Mode>* InSharedPtr, const ObjectType* InObject,
						  const TSharedFromThis<OtherType, Mode>* InShareable)
{
	if (InShareable != nullptr)
	{
		InShareable->UpdateWeakReferenceInternal(InSharedPtr, const_cast<ObjectType*>(InObject));
	}
}

template <class SharedRefType, class ObjectType, class OtherType, ESPMode Mode>
void EnableSharedFromThis(const TSharedRef<SharedRefType, Mode>* InSharedRef, const ObjectType* InObject,
						  const TSharedFromThis<OtherType, Mode>* InShareable)
{
	if (InShareable != nullptr)
	{
		InShareable->UpdateWeakReferenceInternal(InSharedRef, const_cast<ObjectType*>(InObject));
	}
}
} // namespace SharedPointerInternals

namespace UE4SharedPointer_Private
{
template <class ObjectType, ESPMode Mode>
TSharedRef<ObjectType, Mode> MakeSharedRef(ObjectType* InObject, SharedPointerInternals::FReferenceControllerBase* InController)
{
	return TSharedRef<ObjectType, Mode>(InObject, InController);
}
} // namespace UE4SharedPointer_Private

// The object and its counts in one allocation.
template <typename InObjectType, ESPMode InMode = ESPMode::Fast, typename... InArgTypes>
TSharedRef<InObjectType, InMode> MakeShared(InArgTypes&&... Args)
{
	auto* Controller = new SharedPointerInternals::TIntrusiveReferenceController<InObjectType>(std::forward<InArgTypes>(Args)...);
	return UE4SharedPointer_Private::MakeSharedRef<InObjectType, InMode>(Controller->GetObjectPtr(), Controller);
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> StaticCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return TSharedRef<CastToType, Mode>(InSharedRef, static_cast<CastToType*>(&InSharedRef.Get()));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> StaticCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return TSharedPtr<CastToType, Mode>(InSharedPtr, static_cast<CastToType*>(InSharedPtr.Get()));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> ConstCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return TSharedRef<CastToType, Mode>(InSharedRef, const_cast<CastToType*>(&InSharedRef.Get()));
}

// Pointers are equal when they point at the same object.
template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedRef<ObjectTypeA, Mode>& InSharedRefA, const TSharedRef<ObjectTypeB, Mode>& InSharedRefB)
{
	return &InSharedRefA.Get() == &InSharedRefB.Get();
}
template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedPtr<ObjectTypeA, Mode>& InSharedPtrA, const TSharedPtr<ObjectTypeB, Mode>& InSharedPtrB)
{
	return InSharedPtrA.Get() == InSharedPtrB.Get();
}
template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedRef<ObjectTypeA, Mode>& InSharedRef, const TSharedPtr<ObjectTypeB, Mode>& InSharedPtr)
{
	return InSharedPtr.IsValid() && InSharedPtr.Get() == &InSharedRef.Get();
}
template <class ObjectType, ESPMode Mode>
bool operator==(const TSharedPtr<ObjectType, Mode>& InSharedPtr, std::nullptr_t)
{
	return !InSharedPtr.IsValid();
}
template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TWeakPtr<ObjectTypeA, Mode>& InWeakPtrA, const TWeakPtr<ObjectTypeB, Mode>& InWeakPtrB)
{
	return InWeakPtrA.Pin().Get() == InWeakPtrB.Pin().Get();
}
