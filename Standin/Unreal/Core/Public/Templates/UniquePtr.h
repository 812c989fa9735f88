#pragma once

#include <memory>
#include <utility>

// Single-owner pointer with the engine's member names.
template <typename T, typename Deleter = std::default_delete<T>>
class TUniquePtr : public std::unique_ptr<T, Deleter>
{
public:
	using std::unique_ptr<T, Deleter>::unique_ptr;
	TUniquePtr() = default;
	TUniquePtr(std::unique_ptr<T, Deleter>&& Other) : std::unique_ptr<T, Deleter>(std::move(Other)) {}

	bool IsValid() const { return this->get() != nullptr; }
	T* Get() const { return this->get(); }
	void Reset(T* NewValue = nullptr) { this->reset(NewValue); }
	T* Release() { return this->release(); }
};

template <typename T, typename... ArgTypes>
TUniquePtr<T> MakeUnique(ArgTypes&&... Args)
{
	return TUniquePtr<T>(new T(std::forward<ArgTypes>(Args)...));
}
