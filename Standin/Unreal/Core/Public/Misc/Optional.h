#pragma once

#include <optional>
#include <utility>

template <typename T>
class TOptional
{
public:
	TOptional() = default;
	TOptional(const T& InValue) : Value(InValue) {}
	TOptional(T&& InValue) : Value(std::move(InValue)) {}

	bool IsSet() const { return Value.has_value(); }
	explicit operator bool() const { return IsSet(); }
	const T& GetValue() const { return *Value; }
	T& GetValue() { return *Value; }
	T Get(const T& DefaultValue) const { return Value ? *Value : DefaultValue; }
	void Reset() { Value.reset(); }
	template <typename... ArgTypes>
	T& Emplace(ArgTypes&&... Args) { return Value.emplace(std::forward<ArgTypes>(Args)...); }
	const T* operator->() const { return &*Value; }
	T* operator->() { return &*Value; }
	const T& operator*() const { return *Value; }
	T& operator*() { return *Value; }
	bool operator==(const TOptional& Other) const { return Value == Other.Value; }

private:
	std::optional<T> Value;
};
