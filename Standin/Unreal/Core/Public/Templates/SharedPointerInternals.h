// The machinery under the engine's shared pointers: the two modes, the reference controller that holds
// an object's shared and weak counts, and the referencers that keep those counts as pointers are
// copied, moved and released. As in the engine, a Fast (NotThreadSafe) pointer counts with plain
// integers, so two threads copying or releasing pointers to one object without a lock race on them
// (ThreadSanitizer reports it); a ThreadSafe pointer counts with atomic operations.
#pragma once

#include <atomic>
#include <new>
#include <type_traits>
#include <utility>

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"

// The Win64 editor's value: its Fast pointers are not thread-safe.
#ifndef FORCE_THREADSAFE_SHAREDPTRS
#define FORCE_THREADSAFE_SHAREDPTRS 0
#endif

enum class ESPMode
{
	NotThreadSafe = 0,
	Fast = FORCE_THREADSAFE_SHAREDPTRS ? 1 : 0,
	ThreadSafe = 1
};

// Fast by default: an object shared between threads needs ESPMode::ThreadSafe.
template <class ObjectType, ESPMode Mode = ESPMode::Fast>
class TSharedRef;
template <class ObjectType, ESPMode Mode = ESPMode::Fast>
class TSharedPtr;
template <class ObjectType, ESPMode Mode = ESPMode::Fast>
class TWeakPtr;
template <class ObjectType, ESPMode Mode = ESPMode::Fast>
class TSharedFromThis;

namespace SharedPointerInternals
{
// One per shared object: the count of shared references, and of weak references plus one for all the
// shared ones together. The object dies when the first reaches zero, the controller with the second.
class FReferenceControllerBase
{
public:
	FReferenceControllerBase() = default;
	FReferenceControllerBase(const FReferenceControllerBase&) = delete;
	FReferenceControllerBase& operator=(const FReferenceControllerBase&) = delete;
	virtual ~FReferenceControllerBase() = default;

	virtual void DestroyObject() = 0;

	int32 SharedReferenceCount = 1;
	int32 WeakReferenceCount = 1;
};

// An object made with new elsewhere (MakeShareable, a raw pointer): deleted as the type it was given as.
template <typename ObjectType>
class TDefaultReferenceController final : public FReferenceControllerBase
{
public:
	explicit TDefaultReferenceController(ObjectType* InObject) : Object(InObject) {}
	void DestroyObject() override { delete Object; }

private:
	ObjectType* Object;
};

// MakeShared: the object lives inside its controller, one allocation for both.
template <typename ObjectType>
class TIntrusiveReferenceController final : public FReferenceControllerBase
{
public:
	template <typename... ArgTypes>
	explicit TIntrusiveReferenceController(ArgTypes&&... Args)
	{
		::new (static_cast<void*>(&ObjectStorage)) ObjectType(std::forward<ArgTypes>(Args)...);
	}

	ObjectType* GetObjectPtr() { return std::launder(reinterpret_cast<ObjectType*>(&ObjectStorage)); }
	void DestroyObject() override { GetObjectPtr()->~ObjectType(); }

private:
	alignas(ObjectType) unsigned char ObjectStorage[sizeof(ObjectType)];
};

template <ESPMode Mode>
struct TReferenceControllerOps;

// Plain integers: correct on one thread only.
template <>
struct TReferenceControllerOps<ESPMode::NotThreadSafe>
{
	static int32 GetSharedReferenceCount(const FReferenceControllerBase* Controller) { return Controller->SharedReferenceCount; }

	static void AddSharedReference(FReferenceControllerBase* Controller) { ++Controller->SharedReferenceCount; }

	static bool ConditionallyAddSharedReference(FReferenceControllerBase* Controller)
	{
		if (Controller->SharedReferenceCount == 0)
		{
			return false;
		}
		++Controller->SharedReferenceCount;
		return true;
	}

	static void ReleaseSharedReference(FReferenceControllerBase* Controller)
	{
		if (--Controller->SharedReferenceCount == 0)
		{
			Controller->DestroyObject();
			ReleaseWeakReference(Controller);
		}
	}

	static void AddWeakReference(FReferenceControllerBase* Controller) { ++Controller->WeakReferenceCount; }

	static void ReleaseWeakReference(FReferenceControllerBase* Controller)
	{
		if (--Controller->WeakReferenceCount == 0)
		{
			delete Controller;
		}
	}
};

// Atomic read-modify-writes with full barriers, as the engine's interlocked operations are; a shared
// reference is taken from a weak one only while the count is above zero.
template <>
struct TReferenceControllerOps<ESPMode::ThreadSafe>
{
	static int32 GetSharedReferenceCount(const FReferenceControllerBase* Controller)
	{
		return Count(Controller->SharedReferenceCount).load(std::memory_order_acquire);
	}

	static void AddSharedReference(FReferenceControllerBase* Controller) { Count(Controller->SharedReferenceCount).fetch_add(1); }

	static bool ConditionallyAddSharedReference(FReferenceControllerBase* Controller)
	{
		std::atomic_ref<int32> Shared = Count(Controller->SharedReferenceCount);
		int32 Original = Shared.load();
		do
		{
			if (Original == 0)
			{
				return false;
			}
		} while (!Shared.compare_exchange_weak(Original, Original + 1));
		return true;
	}

	static void ReleaseSharedReference(FReferenceControllerBase* Controller)
	{
		if (Count(Controller->SharedReferenceCount).fetch_sub(1) == 1)
		{
			Controller->DestroyObject();
			ReleaseWeakReference(Controller);
		}
	}

	static void AddWeakReference(FReferenceControllerBase* Controller) { Count(Controller->WeakReferenceCount).fetch_add(1); }

	static void ReleaseWeakReference(FReferenceControllerBase* Controller)
	{
		if (Count(Controller->WeakReferenceCount).fetch_sub(1) == 1)
		{
			delete Controller;
		}
	}

private:
	static std::atomic_ref<int32> Count(const int32& Value) { return std::atomic_ref<int32>(const_cast<int32&>(Value)); }
};

template <ESPMode Mode>
class FWeakReferencer;

// A shared pointer's hold on its controller: one shared reference, or none when null.
template <ESPMode Mode>
class FSharedReferencer
{
	using FOps = TReferenceControllerOps<Mode>;

public:
	FSharedReferencer() = default;
	// Takes over the reference a new controller starts with.
	explicit FSharedReferencer(FReferenceControllerBase* InController) : Controller(InController) {}
	FSharedReferencer(const FSharedReferencer& Other) : Controller(Other.Controller)
	{
		if (Controller)
		{
			FOps::AddSharedReference(Controller);
		}
	}
	FSharedReferencer(FSharedReferencer&& Other) : Controller(std::exchange(Other.Controller, nullptr)) {}
	// From a weak referencer: holds nothing when the object has already died.
	explicit FSharedReferencer(const FWeakReferencer<Mode>& Weak) : Controller(Weak.Controller)
	{
		if (Controller && !FOps::ConditionallyAddSharedReference(Controller))
		{
			Controller = nullptr;
		}
	}
	~FSharedReferencer()
	{
		if (Controller)
		{
			FOps::ReleaseSharedReference(Controller);
		}
	}

	FSharedReferencer& operator=(const FSharedReferencer& Other)
	{
		FReferenceControllerBase* const NewController = Other.Controller;
		if (NewController != Controller)
		{
			if (NewController)
			{
				FOps::AddSharedReference(NewController);
			}
			Replace(NewController);
		}
		return *this;
	}
	FSharedReferencer& operator=(FSharedReferencer&& Other)
	{
		if (&Other != this)
		{
			Replace(std::exchange(Other.Controller, nullptr));
		}
		return *this;
	}

	bool IsValid() const { return Controller != nullptr; }
	int32 GetSharedReferenceCount() const { return Controller ? FOps::GetSharedReferenceCount(Controller) : 0; }
	bool IsUnique() const { return GetSharedReferenceCount() == 1; }

private:
	friend class FWeakReferencer<Mode>;

	// Holds NewController (already counted) and lets go of the old one last: releasing it may destroy
	// an object whose destructor reaches this very pointer.
	void Replace(FReferenceControllerBase* NewController)
	{
		FReferenceControllerBase* const OldController = std::exchange(Controller, NewController);
		if (OldController)
		{
			FOps::ReleaseSharedReference(OldController);
		}
	}

	FReferenceControllerBase* Controller = nullptr;
};

// A weak pointer's hold on its controller: keeps the controller, never the object.
template <ESPMode Mode>
class FWeakReferencer
{
	using FOps = TReferenceControllerOps<Mode>;

public:
	FWeakReferencer() = default;
	FWeakReferencer(const FWeakReferencer& Other) : FWeakReferencer(Other.Controller) {}
	FWeakReferencer(FWeakReferencer&& Other) : Controller(std::exchange(Other.Controller, nullptr)) {}
	FWeakReferencer(const FSharedReferencer<Mode>& Shared) : FWeakReferencer(Shared.Controller) {}
	~FWeakReferencer()
	{
		if (Controller)
		{
			FOps::ReleaseWeakReference(Controller);
		}
	}

	FWeakReferencer& operator=(const FWeakReferencer& Other)
	{
		Assign(Other.Controller);
		return *this;
	}
	FWeakReferencer& operator=(FWeakReferencer&& Other)
	{
		if (&Other != this)
		{
			Replace(std::exchange(Other.Controller, nullptr));
		}
		return *this;
	}
	FWeakReferencer& operator=(const FSharedReferencer<Mode>& Shared)
	{
		Assign(Shared.Controller);
		return *this;
	}

	// True while the object lives.
	bool IsValid() const { return Controller && FOps::GetSharedReferenceCount(Controller) > 0; }

private:
	friend class FSharedReferencer<Mode>;

	explicit FWeakReferencer(FReferenceControllerBase* InController) : Controller(InController)
	{
		if (Controller)
		{
			FOps::AddWeakReference(Controller);
		}
	}

	void Assign(FReferenceControllerBase* NewController)
	{
		if (NewController != Controller)
		{
			if (NewController)
			{
				FOps::AddWeakReference(NewController);
			}
			Replace(NewController);
		}
	}

	// Holds NewController (already counted) and lets go of the old one.
	void Replace(FReferenceControllerBase* NewController)
	{
		FReferenceControllerBase* const OldController = std::exchange(Controller, NewController);
		if (OldController)
		{
			FOps::ReleaseWeakReference(OldController);
		}
	}

	FReferenceControllerBase* Controller = nullptr;
};

// What MakeShareable returns: a new object waiting for the shared pointer or reference, of either
// mode, that adopts it.
template <class ObjectType>
struct FRawPtrProxy
{
	explicit FRawPtrProxy(ObjectType* InObject) : Object(InObject) {}

	ObjectType* Object;
};

// A controller for a new object; none for null, so a null pointer counts no references.
template <class ObjectType>
FReferenceControllerBase* NewDefaultReferenceController(ObjectType* Object)
{
	return Object ? new TDefaultReferenceController<ObjectType>(Object) : nullptr;
}

// Primes an object that derives from TSharedFromThis (of the same mode) with a weak pointer to itself
// when the first shared pointer takes it; does nothing for any other object.
template <class SharedPtrType, class ObjectType, class OtherType, ESPMode Mode>
void EnableSharedFromThis(const TSharedPtr<SharedPtrType, Mode>* InSharedPtr, const ObjectType* InObject,
						  const TSharedFromThis<OtherType, Mode>* InShareable);
template <class SharedRefType, class ObjectType, class OtherType, ESPMode Mode>
void EnableSharedFromThis(const TSharedRef<SharedRefType, Mode>* InSharedRef, const ObjectType* InObject,
						  const TSharedFromThis<OtherType, Mode>* InShareable);
inline void EnableSharedFromThis(...) {}
} // namespace SharedPointerInternals
