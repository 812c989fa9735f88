// FSoftObjectPath: the path of an asset that may not be loaded, e.g. "/Game/Maps/Harbour.Harbour".
#pragma once

#include "CoreMinimal.h"

class UObject;

struct FSoftObjectPath
{
public:
	FSoftObjectPath() = default;
	// Accepts "/Game/A/B.B", "/Game/A/B.B:Sub" and the export-text form "Class'/Game/A/B.B'";
	// an empty string or "None" gives a null path.
	FSoftObjectPath(FString PathString) { SetPath(MoveTemp(PathString)); }
	FSoftObjectPath(const TCHAR* PathString) { SetPath(FString(PathString)); }
	FSoftObjectPath(FName InAssetPathName, FString InSubPathString)
		: AssetPathName(InAssetPathName), SubPathString(MoveTemp(InSubPathString))
	{
	}
	FSoftObjectPath(const UObject* InObject);

	FName GetAssetPathName() const { return AssetPathName; }
	FString GetAssetPathString() const;
	const FString& GetSubPathString() const { return SubPathString; }
	// The text before the first '.' ("/Game/Maps/Harbour"); the whole path when it has none.
	FString GetLongPackageName() const;
	// The text after the first '.' ("Harbour"); empty when there is none.
	FString GetAssetName() const;
	FString ToString() const;

	void SetPath(FString Path);
	void Reset()
	{
		AssetPathName = NAME_None;
		SubPathString.Reset();
	}

	bool IsValid() const { return !AssetPathName.IsNone(); }
	bool IsNull() const { return AssetPathName.IsNone(); }
	bool IsAsset() const { return IsValid() && SubPathString.IsEmpty(); }
	bool IsSubobject() const { return IsValid() && !SubPathString.IsEmpty(); }

	// The object if it is in memory; null otherwise (never loads).
	UObject* ResolveObject() const;
	// The object, loading its package from disk when it is not in memory; null when there is none.
	UObject* TryLoad() const;

	bool operator==(const FSoftObjectPath& Other) const
	{
		return AssetPathName == Other.AssetPathName && SubPathString.Equals(Other.SubPathString);
	}
	bool operator!=(const FSoftObjectPath& Other) const { return !(*this == Other); }

private:
	FName AssetPathName;
	FString SubPathString;
};

using FStringAssetReference = FSoftObjectPath;
