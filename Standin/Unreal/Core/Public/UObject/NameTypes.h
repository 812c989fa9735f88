// FName: a case-insensitive name kept in a process-wide name table; the first spelling added is kept.
#pragma once

#include "Containers/UnrealString.h"
#include "CoreTypes.h"

enum EName
{
	NAME_None = 0
};

class FName
{
public:
	FName() = default;
	FName(EName) {}
	FName(const TCHAR* Name);
	FName(const ANSICHAR* Name);
	explicit FName(const FString& Name) : FName(*Name) {}

	FString ToString() const;
	bool IsNone() const { return Index == 0; }
	bool IsValid() const { return true; }
	uint32 GetComparisonIndex() const { return Index; }

	bool operator==(const FName& Other) const { return Index == Other.Index; }
	bool operator!=(const FName& Other) const { return Index != Other.Index; }
	bool operator==(EName Other) const { return Index == static_cast<uint32>(Other); }
	bool operator<(const FName& Other) const { return ToString() < Other.ToString(); }
	bool LexicalLess(const FName& Other) const { return *this < Other; }

	friend uint32 GetTypeHash(const FName& Name) { return Name.Index; }

private:
	uint32 Index = 0;
};
