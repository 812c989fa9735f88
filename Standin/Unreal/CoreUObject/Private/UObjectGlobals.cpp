#include "UObject/UObjectGlobals.h"

#include <atomic>

#include "CoreGlobals.h"
#include "Logging/LogMacros.h"
#include "Misc/AssertionMacros.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "ObjectRegistry.h"
#include "PackageFile.h"

DEFINE_LOG_CATEGORY_STATIC(LogUObjectGlobals, Log, All);

using Standin::FObjectRegistry;
using Standin::FPackageRecord;

namespace
{
struct FObjectPathParts
{
	FString PackageName;
	FString ObjectName;
	FString SubObjectName;
};

// "/Game/A/B.C:D" gives package /Game/A/B, object C, subobject D. Without a '.', the object is the
// asset named after the package.
FObjectPathParts SplitObjectPath(const FString& Path)
{
	FObjectPathParts Parts;
	FString Rest = Path;
	int32 Colon = INDEX_NONE;
	if (Rest.FindChar(u':', Colon))
	{
		Parts.SubObjectName = Rest.RightChop(Colon + 1);
		Rest = Rest.Left(Colon);
	}
	int32 Dot = INDEX_NONE;
	if (Rest.FindChar(u'.', Dot))
	{
		Parts.PackageName = Rest.Left(Dot);
		Parts.ObjectName = Rest.RightChop(Dot + 1);
	}
	else
	{
		Parts.PackageName = Rest;
		Parts.ObjectName = Standin::GetPackageShortName(Rest);
	}
	return Parts;
}

// The engine's package loader begins with this check, and every way of loading reaches it. The
// stand-in checks at every entry, whether or not the package is already in memory: in the engine that
// is a matter of luck, and a load off the game thread a fault either way.
void CheckLoadingOnGameThread(const FString& PackageName)
{
	checkf(IsInGameThread(), TEXT("Unable to load %s. Objects and Packages can only be loaded from the game thread."), *PackageName);
}

bool ClassMatches(const UObject* Object, const UClass* Class, bool bExactClass)
{
	return Object != nullptr && (Class == nullptr || (bExactClass ? Object->GetClass() == Class : Object->IsA(Class)));
}

UObject* FindOrLoad(UClass* Class, UObject* InOuter, const FString& Name, bool bAllowLoad, bool bExactClass)
{
	FObjectRegistry& Registry = FObjectRegistry::Get();
	std::lock_guard Lock(Registry.GetMutex());
	if (InOuter != nullptr)
	{
		UObject* Found = Registry.FindObjectIn(InOuter, FName(*Name));
		return ClassMatches(Found, Class, bExactClass) ? Found : nullptr;
	}
	const FObjectPathParts Parts = SplitObjectPath(Name);
	FPackageRecord* Record = Registry.FindRecord(Parts.PackageName);
	if (Class != nullptr && Class->IsChildOf(UPackage::StaticClass()) && !Name.Contains(TEXT(".")))
	{
		if (Record == nullptr && bAllowLoad && Standin::LoadPackageFile(Parts.PackageName) != nullptr)
		{
			Record = Registry.FindRecord(Parts.PackageName);
		}
		return Record ? Record->Package : nullptr;
	}
	UObject* Found = Record ? Registry.FindObjectIn(Record->Package, FName(*Parts.ObjectName)) : nullptr;
	if (Found == nullptr && bAllowLoad && (Record == nullptr || !Record->bLoadAttempted))
	{
		Standin::LoadPackageFile(Parts.PackageName);
		Record = Registry.FindRecord(Parts.PackageName);
		Found = Record ? Registry.FindObjectIn(Record->Package, FName(*Parts.ObjectName)) : nullptr;
	}
	if (Found != nullptr && !Parts.SubObjectName.IsEmpty())
	{
		Found = Registry.FindObjectIn(Found, FName(*Parts.SubObjectName));
	}
	return ClassMatches(Found, Class, bExactClass) ? Found : nullptr;
}
} // namespace

UPackage* CreatePackage(UObject* InOuter, const TCHAR* PackageName)
{
	FString Name = PackageName ? FString(PackageName) : FString();
	if (Name.IsEmpty())
	{
		static std::atomic<int32> UntitledCounter{0};
		Name = FString::Printf(TEXT("/Temp/Untitled_%d"), ++UntitledCounter);
	}
	if (InOuter != nullptr)
	{
		UE_LOG(LogUObjectGlobals, Error, TEXT("CreatePackage: the stand-in supports only top-level packages (%s)"), *Name);
		return nullptr;
	}
	return FObjectRegistry::Get().FindOrCreateRecord(Name).Package;
}

UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName)
{
	FPackageRecord* Record = PackageName ? FObjectRegistry::Get().FindRecord(FString(PackageName)) : nullptr;
	return InOuter == nullptr && Record ? Record->Package : nullptr;
}

UPackage* LoadPackage(UPackage* InOuter, const TCHAR* InLongPackageName, uint32 LoadFlags)
{
	CheckLoadingOnGameThread(FString(InLongPackageName));
	return static_cast<UPackage*>(FindOrLoad(UPackage::StaticClass(), InOuter, FString(InLongPackageName), true, false));
}

UPackage* GetTransientPackage()
{
	static UPackage* const Transient = [] {
		UPackage* Package = CreatePackage(nullptr, TEXT("/Engine/Transient"));
		Package->SetFlags(RF_Transient);
		return Package;
	}();
	return Transient;
}

void CheckIsClassChildOf_Internal(const UClass* Parent, const UClass* Child)
{
	checkf(Child, TEXT("NewObject called with a nullptr class object"));
	checkf(Child->IsChildOf(Parent), TEXT("NewObject called with invalid class, %s must be a child of %s"), *Child->GetName(),
		   *Parent->GetName());
}

UObject* StaticConstructObject_Internal(UClass* Class, UObject* InOuter, FName Name, EObjectFlags SetFlags)
{
	UObject* Object = FObjectRegistry::Get().Construct(Class, InOuter, Name, SetFlags);
	if (Object == nullptr)
	{
		UE_LOG(LogUObjectGlobals, Error, TEXT("Cannot create object %s of class %s in %s"), *Name.ToString(),
			   Class ? *Class->GetName() : TEXT("None"), InOuter ? *InOuter->GetPathName() : TEXT("None"));
	}
	return Object;
}

UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool ExactClass)
{
	return Name ? FindOrLoad(Class, InOuter, FString(Name), false, ExactClass) : nullptr;
}

UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, void* Sandbox,
						  bool bAllowObjectReconciliation)
{
	check(Class);
	check(Name);
	CheckLoadingOnGameThread(InOuter ? InOuter->GetOutermost()->GetName() : SplitObjectPath(FString(Name)).PackageName);
	UObject* Object = FindOrLoad(Class, InOuter, FString(Name), true, false);
	if (Object == nullptr && (LoadFlags & (LOAD_Quiet | LOAD_NoWarn)) == 0)
	{
		const FString Path = InOuter ? InOuter->GetPathName() + TEXT(".") + Name : FString(Name);
		UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to find object '%s %s'"), *Class->GetName(), *Path);
	}
	return Object;
}
