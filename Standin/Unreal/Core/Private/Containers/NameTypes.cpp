#include "UObject/NameTypes.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace
{
struct FNameTable
{
	std::mutex Mutex;
	std::vector<FString> Spellings{FString(TEXT("None"))};
	std::unordered_map<std::u16string, uint32> Lookup{{u"none", 0}};
};

FNameTable& GetNameTable()
{
	static FNameTable* Table = new FNameTable();
	return *Table;
}

uint32 FindOrAddName(const TCHAR* Name)
{
	if (Name == nullptr || *Name == 0)
	{
		return 0;
	}
	// Names are looked up far more often than added (modules, styles, widget types every frame): the
	// lookup reuses one buffer per thread and copies the spelling only when it is new.
	thread_local std::u16string Key;
	Key.assign(Name);
	std::transform(Key.begin(), Key.end(), Key.begin(), FChar::ToLower);
	FNameTable& Table = GetNameTable();
	std::lock_guard Lock(Table.Mutex);
	const auto Found = Table.Lookup.find(Key);
	if (Found != Table.Lookup.end())
	{
		return Found->second;
	}
	const uint32 Index = static_cast<uint32>(Table.Spellings.size());
	Table.Spellings.push_back(FString(Name));
	Table.Lookup.emplace(Key, Index);
	return Index;
}
} // namespace

FName::FName(const TCHAR* Name) : Index(FindOrAddName(Name)) {}

FName::FName(const ANSICHAR* Name) : FName(*FString(Name)) {}

FString FName::ToString() const
{
	FNameTable& Table = GetNameTable();
	std::lock_guard Lock(Table.Mutex);
	return Table.Spellings[Index];
}
