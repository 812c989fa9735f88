// The engine's reference-counted pointers, over std::shared_ptr. TSharedRef is never null.
#pragma once

#include <cassert>
#include <cstddef>
#include <memory>
#include <utility>

#include "CoreTypes.h"

template <typename T>
class TSharedRef;
template <typename T>
class TSharedPtr;
template <typename T>
class TWeakPtr;

// What MakeShareable(new T) returns: adopted by the TSharedPtr or TSharedRef it is assigned to.
template <typename T>
struct TRawPtrProxy
{
	T* Object;
};

template <typename T>
TRawPtrProxy<T> MakeShareable(T* Object)
{
	return TRawPtrProxy<T>{Object};
}

template <typename T>
class TSharedPtr
{
public:
	TSharedPtr() = default;
	TSharedPtr(std::nullptr_t) {}
	template <typename U>
	explicit TSharedPtr(U* Object) : Pointer(Object) {}
	template <typename U>
	TSharedPtr(TRawPtrProxy<U> Proxy) : Pointer(Proxy.Object) {}
	template <typename U>
	TSharedPtr(const TSharedPtr<U>& Other) : Pointer(Other.Pointer) {}
	template <typename U>
	TSharedPtr(TSharedPtr<U>&& Other) : Pointer(std::move(Other.Pointer)) {}
	template <typename U>
	TSharedPtr(const TSharedRef<U>& Other) : Pointer(Other.Pointer) {}
	explicit TSharedPtr(std::shared_ptr<T> InPointer) : Pointer(std::move(InPointer)) {}

	T* Get() const { return Pointer.get(); }
	bool IsValid() const { return Pointer != nullptr; }
	explicit operator bool() const { return IsValid(); }
	T* operator->() const
	{
		assert(Pointer);
		return Pointer.get();
	}
	T& operator*() const
	{
		assert(Pointer);
		return *Pointer;
	}
	void Reset() { Pointer.reset(); }
	bool IsUnique() const { return Pointer.use_count() == 1; }
	int32 GetSharedReferenceCount() const { return static_cast<int32>(Pointer.use_count()); }
	TSharedRef<T> ToSharedRef() const;

	template <typename U>
	bool operator==(const TSharedPtr<U>& Other) const { return Pointer == Other.Pointer; }
	bool operator==(std::nullptr_t) const { return Pointer == nullptr; }

	const std::shared_ptr<T>& GetStd() const { return Pointer; }

private:
	template <typename U>
	friend class TSharedPtr;
	template <typename U>
	friend class TSharedRef;
	template <typename U>
	friend class TWeakPtr;

	std::shared_ptr<T> Pointer;
};

template <typename T>
class TSharedRef
{
public:
	template <typename U>
	explicit TSharedRef(U* Object) : Pointer(Object) { assert(Object); }
	template <typename U>
	TSharedRef(TRawPtrProxy<U> Proxy) : Pointer(Proxy.Object) { assert(Proxy.Object); }
	template <typename U>
	TSharedRef(const TSharedRef<U>& Other) : Pointer(Other.Pointer) {}
	explicit TSharedRef(std::shared_ptr<T> InPointer) : Pointer(std::move(InPointer)) { assert(Pointer); }

	T* Get() const { return Pointer.get(); }
	T* operator->() const { return Pointer.get(); }
	T& operator*() const { return *Pointer; }
	bool IsUnique() const { return Pointer.use_count() == 1; }
	int32 GetSharedReferenceCount() const { return static_cast<int32>(Pointer.use_count()); }
	TSharedPtr<T> ToSharedPtr() const { return TSharedPtr<T>(*this); }

	template <typename U>
	bool operator==(const TSharedRef<U>& Other) const { return Pointer == Other.Pointer; }

	const std::shared_ptr<T>& GetStd() const { return Pointer; }

private:
	template <typename U>
	friend class TSharedPtr;
	template <typename U>
	friend class TSharedRef;
	template <typename U>
	friend class TWeakPtr;

	std::shared_ptr<T> Pointer;
};

template <typename T>
TSharedRef<T> TSharedPtr<T>::ToSharedRef() const
{
	assert(Pointer);
	return TSharedRef<T>(Pointer);
}

template <typename T>
class TWeakPtr
{
public:
	TWeakPtr() = default;
	TWeakPtr(std::nullptr_t) {}
	template <typename U>
	TWeakPtr(const TSharedPtr<U>& Shared) : Pointer(Shared.Pointer) {}
	template <typename U>
	TWeakPtr(const TSharedRef<U>& Shared) : Pointer(Shared.Pointer) {}
	template <typename U>
	TWeakPtr(const TWeakPtr<U>& Other) : Pointer(Other.Pointer) {}

	TSharedPtr<T> Pin() const { return TSharedPtr<T>(Pointer.lock()); }
	bool IsValid() const { return !Pointer.expired(); }
	void Reset() { Pointer.reset(); }

private:
	template <typename U>
	friend class TWeakPtr;

	std::weak_ptr<T> Pointer;
};

template <typename T>
class TSharedFromThis : public std::enable_shared_from_this<T>
{
public:
	TSharedRef<T> AsShared() { return TSharedRef<T>(this->shared_from_this()); }
	TSharedRef<const T> AsShared() const { return TSharedRef<const T>(this->shared_from_this()); }

protected:
	template <typename U>
	static TSharedRef<U> SharedThis(U* This)
	{
		return TSharedRef<U>(std::static_pointer_cast<U>(This->shared_from_this()));
	}
	template <typename U>
	static TSharedRef<const U> SharedThis(const U* This)
	{
		return TSharedRef<const U>(std::static_pointer_cast<const U>(This->shared_from_this()));
	}
};

template <typename T, typename... ArgTypes>
TSharedRef<T> MakeShared(ArgTypes&&... Args)
{
	return TSharedRef<T>(std::make_shared<T>(std::forward<ArgTypes>(Args)...));
}

template <typename To, typename From>
TSharedRef<To> StaticCastSharedRef(const TSharedRef<From>& Ref)
{
	return TSharedRef<To>(std::static_pointer_cast<To>(Ref.GetStd()));
}

template <typename To, typename From>
TSharedPtr<To> StaticCastSharedPtr(const TSharedPtr<From>& Ptr)
{
	return TSharedPtr<To>(std::static_pointer_cast<To>(Ptr.GetStd()));
}

template <typename To, typename From>
TSharedRef<To> ConstCastSharedRef(const TSharedRef<From>& Ref)
{
	return TSharedRef<To>(std::const_pointer_cast<To>(Ref.GetStd()));
}
