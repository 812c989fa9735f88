// The engine's dynamic array, over std::vector, with the engine's member names and int32 indices.
// Its checks are the engine's, fatal in every build as they are in the engine's Debug and Development
// builds (DO_CHECK): an index out of bounds fails "Array index out of bounds: %i from an array of
// size %i"; RemoveAt, Insert and the other members that take a range fail a check on it; adding or
// inserting an element that lives in the array itself fails as the engine's CheckAddress does.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"

template <typename ElementType>
class TArray
{
	static_assert(!std::is_same_v<ElementType, bool>, "TArray<bool> is not supported by the stand-in");

public:
	using ElementAllocatorType = void;

	TArray() = default;
	TArray(std::initializer_list<ElementType> Init) : Items(Init) {}
	TArray(const ElementType* Ptr, int32 Count)
	{
		check(Ptr != nullptr || Count == 0);
		check(Count >= 0);
		Items.assign(Ptr, Ptr + Count);
	}
	explicit TArray(std::vector<ElementType> InItems) : Items(std::move(InItems)) {}

	int32 Num() const { return static_cast<int32>(Items.size()); }
	bool IsEmpty() const { return Items.empty(); }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Num(); }
	ElementType* GetData() { return Items.data(); }
	const ElementType* GetData() const { return Items.data(); }
	SIZE_T GetTypeSize() const { return sizeof(ElementType); }
	int32 Max() const { return static_cast<int32>(Items.capacity()); }

	ElementType& operator[](int32 Index)
	{
		RangeCheck(Index);
		return Items[Index];
	}
	const ElementType& operator[](int32 Index) const
	{
		RangeCheck(Index);
		return Items[Index];
	}
	ElementType& Last(int32 IndexFromEnd = 0)
	{
		RangeCheck(Num() - IndexFromEnd - 1);
		return Items[Num() - IndexFromEnd - 1];
	}
	const ElementType& Last(int32 IndexFromEnd = 0) const
	{
		RangeCheck(Num() - IndexFromEnd - 1);
		return Items[Num() - IndexFromEnd - 1];
	}
	ElementType& Top() { return Last(); }
	const ElementType& Top() const { return Last(); }

	int32 Add(const ElementType& Item)
	{
		CheckAddress(&Item);
		Items.push_back(Item);
		return Num() - 1;
	}
	int32 Add(ElementType&& Item)
	{
		CheckAddress(&Item);
		Items.push_back(std::move(Item));
		return Num() - 1;
	}
	template <typename... ArgTypes>
	int32 Emplace(ArgTypes&&... Args)
	{
		Items.emplace_back(std::forward<ArgTypes>(Args)...);
		return Num() - 1;
	}
	int32 AddUnique(const ElementType& Item)
	{
		const int32 Existing = Find(Item);
		return Existing != INDEX_NONE ? Existing : Add(Item);
	}
	int32 AddZeroed(int32 Count = 1)
	{
		check(Count >= 0);
		const int32 First = Num();
		Items.resize(Items.size() + Count);
		return First;
	}
	int32 AddUninitialized(int32 Count = 1) { return AddZeroed(Count); }
	int32 AddDefaulted(int32 Count = 1) { return AddZeroed(Count); }
	void Append(const TArray& Other) { Items.insert(Items.end(), Other.Items.begin(), Other.Items.end()); }
	void Append(const ElementType* Ptr, int32 Count)
	{
		check(Ptr != nullptr || Count == 0);
		check(Count >= 0);
		Items.insert(Items.end(), Ptr, Ptr + Count);
	}
	int32 Insert(const ElementType& Item, int32 Index)
	{
		CheckAddress(&Item);
		CheckInsertIndex(Index);
		Items.insert(Items.begin() + Index, Item);
		return Index;
	}
	int32 Insert(ElementType&& Item, int32 Index)
	{
		CheckAddress(&Item);
		CheckInsertIndex(Index);
		Items.insert(Items.begin() + Index, std::move(Item));
		return Index;
	}
	void RemoveAt(int32 Index, int32 Count = 1)
	{
		const int32 ArrayNum = Num();
		check((Count >= 0) & (Index >= 0) & (Index + Count <= ArrayNum));
		Items.erase(Items.begin() + Index, Items.begin() + Index + Count);
	}
	int32 Remove(const ElementType& Item)
	{
		const auto OldSize = Items.size();
		Items.erase(std::remove(Items.begin(), Items.end(), Item), Items.end());
		return static_cast<int32>(OldSize - Items.size());
	}
	template <typename Predicate>
	int32 RemoveAll(Predicate Pred)
	{
		const auto OldSize = Items.size();
		Items.erase(std::remove_if(Items.begin(), Items.end(), Pred), Items.end());
		return static_cast<int32>(OldSize - Items.size());
	}
	ElementType Pop()
	{
		RangeCheck(0);
		ElementType Result = std::move(Items.back());
		Items.pop_back();
		return Result;
	}
	void Reset(int32 NewSize = 0)
	{
		Items.clear();
		Items.reserve(NewSize);
	}
	void Empty(int32 Slack = 0)
	{
		Items.clear();
		Items.shrink_to_fit();
		Items.reserve(Slack);
	}
	void Reserve(int32 Number) { Items.reserve(Number); }
	void SetNum(int32 NewNum)
	{
		check(NewNum >= 0);
		Items.resize(NewNum);
	}
	void SetNumZeroed(int32 NewNum) { SetNum(NewNum); }
	void SetNumUninitialized(int32 NewNum) { SetNum(NewNum); }

	int32 Find(const ElementType& Item) const
	{
		const auto It = std::find(Items.begin(), Items.end(), Item);
		return It == Items.end() ? INDEX_NONE : static_cast<int32>(It - Items.begin());
	}
	bool Find(const ElementType& Item, int32& OutIndex) const
	{
		OutIndex = Find(Item);
		return OutIndex != INDEX_NONE;
	}
	bool Contains(const ElementType& Item) const { return Find(Item) != INDEX_NONE; }
	template <typename Predicate>
	ElementType* FindByPredicate(Predicate Pred)
	{
		const auto It = std::find_if(Items.begin(), Items.end(), Pred);
		return It == Items.end() ? nullptr : &*It;
	}
	template <typename Predicate>
	bool ContainsByPredicate(Predicate Pred) const
	{
		return std::find_if(Items.begin(), Items.end(), Pred) != Items.end();
	}
	template <typename Predicate>
	int32 IndexOfByPredicate(Predicate Pred) const
	{
		const auto It = std::find_if(Items.begin(), Items.end(), Pred);
		return It == Items.end() ? INDEX_NONE : static_cast<int32>(It - Items.begin());
	}

	void Sort() { std::stable_sort(Items.begin(), Items.end()); }
	template <typename Predicate>
	void Sort(Predicate Pred)
	{
		std::stable_sort(Items.begin(), Items.end(), Pred);
	}

	bool operator==(const TArray& Other) const { return Items == Other.Items; }
	bool operator!=(const TArray& Other) const { return Items != Other.Items; }

	auto begin() { return Items.begin(); }
	auto end() { return Items.end(); }
	auto begin() const { return Items.begin(); }
	auto end() const { return Items.end(); }

	const std::vector<ElementType>& GetStd() const { return Items; }

private:
	void RangeCheck(int32 Index) const
	{
		const int32 ArrayNum = Num();
		checkf((Index >= 0) & (Index < ArrayNum), TEXT("Array index out of bounds: %i from an array of size %i"), Index, ArrayNum);
	}
	void CheckInsertIndex(int32 Index) const
	{
		const int32 Count = 1;
		const int32 ArrayNum = Num();
		check((Count >= 0) & (Index >= 0) & (Index <= ArrayNum));
	}
	// An element of this array may move while the array grows, before it is copied in.
	void CheckAddress(const ElementType* Addr) const
	{
		const int32 ArrayMax = Max();
		const int32 ArrayNum = Num();
		checkf(Addr < GetData() || Addr >= (GetData() + ArrayMax),
			   TEXT("Attempting to use a container element (%p) which already comes from the container being modified (%p, ArrayMax: %d, ArrayNum: %d, SizeofElement: %d)!"),
			   static_cast<const void*>(Addr), static_cast<const void*>(GetData()), ArrayMax, ArrayNum, static_cast<int32>(sizeof(ElementType)));
	}

	std::vector<ElementType> Items;
};
