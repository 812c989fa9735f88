#include "UObject/SoftObjectPath.h"

#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"

FSoftObjectPath::FSoftObjectPath(const UObject* InObject)
{
	if (InObject != nullptr)
	{
		SetPath(InObject->GetPathName());
	}
}

void FSoftObjectPath::SetPath(FString Path)
{
	if (Path.IsEmpty() || Path.Equals(TEXT("None")))
	{
		Reset();
		return;
	}
	// The export-text form Class'/Game/A/B.B' (or with double quotes) names the same path.
	const TCHAR Last = Path[Path.Len() - 1];
	int32 Open = INDEX_NONE;
	if ((Last == u'\'' || Last == u'"') && Path.FindChar(Last, Open) && Open < Path.Len() - 1)
	{
		Path = Path.Mid(Open + 1, Path.Len() - Open - 2);
	}
	int32 Colon = INDEX_NONE;
	if (Path.FindChar(u':', Colon))
	{
		AssetPathName = FName(*Path.Left(Colon));
		SubPathString = Path.RightChop(Colon + 1);
	}
	else
	{
		AssetPathName = FName(*Path);
		SubPathString.Reset();
	}
}

FString FSoftObjectPath::GetAssetPathString() const
{
	return IsNull() ? FString() : AssetPathName.ToString();
}

FString FSoftObjectPath::GetLongPackageName() const
{
	const FString Path = GetAssetPathString();
	int32 Dot = INDEX_NONE;
	return Path.FindChar(u'.', Dot) ? Path.Left(Dot) : Path;
}

FString FSoftObjectPath::GetAssetName() const
{
	const FString Path = GetAssetPathString();
	int32 Dot = INDEX_NONE;
	return Path.FindChar(u'.', Dot) ? Path.RightChop(Dot + 1) : FString();
}

FString FSoftObjectPath::ToString() const
{
	if (IsNull())
	{
		return FString();
	}
	FString Result = AssetPathName.ToString();
	if (!SubPathString.IsEmpty())
	{
		Result += SUBOBJECT_DELIMITER;
		Result += SubPathString;
	}
	return Result;
}

UObject* FSoftObjectPath::ResolveObject() const
{
	return IsNull() ? nullptr : StaticFindObject(UObject::StaticClass(), nullptr, *ToString());
}

UObject* FSoftObjectPath::TryLoad() const
{
	return IsNull() ? nullptr : StaticLoadObject(UObject::StaticClass(), nullptr, *ToString());
}
