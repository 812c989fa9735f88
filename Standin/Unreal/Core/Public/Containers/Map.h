// The engine's map. Keys compare with operator== (so FString keys ignore case, as in the engine) and
// iteration follows insertion order, which the engine also keeps while nothing is removed.
#pragma once

#include <utility>
#include <vector>

#include "Containers/Array.h"
#include "Templates/Tuple.h"

template <typename KeyType, typename ValueType>
class TMap
{
public:
	using ElementType = TPair<KeyType, ValueType>;

	int32 Num() const { return static_cast<int32>(Pairs.size()); }
	bool IsEmpty() const { return Pairs.empty(); }

	ValueType& Add(const KeyType& Key, const ValueType& Value)
	{
		if (ValueType* Existing = Find(Key))
		{
			*Existing = Value;
			return *Existing;
		}
		Pairs.emplace_back(Key, Value);
		return Pairs.back().Value;
	}
	ValueType& Add(const KeyType& Key) { return Add(Key, ValueType()); }
	ValueType& Emplace(const KeyType& Key, ValueType Value) { return Add(Key, std::move(Value)); }

	ValueType* Find(const KeyType& Key)
	{
		for (auto& Pair : Pairs)
		{
			if (Pair.Key == Key)
			{
				return &Pair.Value;
			}
		}
		return nullptr;
	}
	const ValueType* Find(const KeyType& Key) const { return const_cast<TMap*>(this)->Find(Key); }
	ValueType FindRef(const KeyType& Key) const
	{
		const ValueType* Value = Find(Key);
		return Value ? *Value : ValueType();
	}
	ValueType& FindOrAdd(const KeyType& Key)
	{
		ValueType* Value = Find(Key);
		return Value ? *Value : Add(Key);
	}
	// A missing key fails the engine's check (in every build), as does operator[].
	ValueType& FindChecked(const KeyType& Key)
	{
		ValueType* Pair = Find(Key);
		check(Pair != nullptr);
		return *Pair;
	}
	const ValueType& FindChecked(const KeyType& Key) const { return const_cast<TMap*>(this)->FindChecked(Key); }
	bool Contains(const KeyType& Key) const { return Find(Key) != nullptr; }
	ValueType& operator[](const KeyType& Key) { return FindChecked(Key); }
	const ValueType& operator[](const KeyType& Key) const { return FindChecked(Key); }

	int32 Remove(const KeyType& Key)
	{
		const auto OldSize = Pairs.size();
		std::erase_if(Pairs, [&](const ElementType& Pair) { return Pair.Key == Key; });
		return static_cast<int32>(OldSize - Pairs.size());
	}
	void Reset() { Pairs.clear(); }
	void Empty() { Pairs.clear(); }

	int32 GetKeys(TArray<KeyType>& OutKeys) const
	{
		OutKeys.Reset();
		for (const auto& Pair : Pairs)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}

	auto begin() { return Pairs.begin(); }
	auto end() { return Pairs.end(); }
	auto begin() const { return Pairs.begin(); }
	auto end() const { return Pairs.end(); }

private:
	std::vector<ElementType> Pairs;
};
