#pragma once

#include <utility>

template <typename KeyType, typename ValueType>
struct TPair
{
	KeyType Key;
	ValueType Value;

	TPair() = default;
	TPair(const KeyType& InKey, const ValueType& InValue) : Key(InKey), Value(InValue) {}
	TPair(KeyType&& InKey, ValueType&& InValue) : Key(std::move(InKey)), Value(std::move(InValue)) {}
	bool operator==(const TPair& Other) const { return Key == Other.Key && Value == Other.Value; }
};
