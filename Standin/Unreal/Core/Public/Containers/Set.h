// The engine's set. Elements compare with operator== and iteration follows insertion order, as TMap.
#pragma once

#include <initializer_list>
#include <vector>

#include "Containers/Array.h"

template <typename ElementType>
class TSet
{
public:
	TSet() = default;
	TSet(std::initializer_list<ElementType> Init)
	{
		for (const ElementType& Element : Init)
		{
			Add(Element);
		}
	}

	int32 Num() const { return static_cast<int32>(Elements.size()); }
	bool IsEmpty() const { return Elements.empty(); }

	void Add(const ElementType& Element)
	{
		if (!Contains(Element))
		{
			Elements.push_back(Element);
		}
	}
	bool Contains(const ElementType& Element) const
	{
		for (const ElementType& Existing : Elements)
		{
			if (Existing == Element)
			{
				return true;
			}
		}
		return false;
	}
	int32 Remove(const ElementType& Element)
	{
		return static_cast<int32>(std::erase_if(Elements, [&](const ElementType& Existing) { return Existing == Element; }));
	}
	void Reset() { Elements.clear(); }
	void Empty() { Elements.clear(); }
	TArray<ElementType> Array() const { return TArray<ElementType>(Elements); }

	auto begin() const { return Elements.begin(); }
	auto end() const { return Elements.end(); }

private:
	std::vector<ElementType> Elements;
};
