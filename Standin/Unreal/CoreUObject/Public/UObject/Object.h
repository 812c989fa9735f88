// UObject: the base of every engine object. An object has a name, an outer (its package, for an
// asset), a class and flags; its path is "<package>.<name>".
#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
// As in the engine, whose UObjectBase.h includes it: NewObject, LoadObject and the rest come with UObject.
#include "UObject/UObjectGlobals.h"

class UClass;
class UPackage;

namespace Standin
{
class FObjectRegistry;
}

class UObject
{
	GENERATED_BODY()

public:
	UObject() = default;
	virtual ~UObject() = default;
	UObject(const UObject&) = delete;
	UObject& operator=(const UObject&) = delete;

	FName GetFName() const { return NamePrivate; }
	FString GetName() const { return NamePrivate.ToString(); }
	UObject* GetOuter() const { return OuterPrivate; }
	// The package at the top of the outer chain (the object itself when it is a package).
	UPackage* GetOutermost() const;
	UPackage* GetPackage() const { return GetOutermost(); }
	UClass* GetClass() const;

	bool IsA(const UClass* SomeBase) const;
	template <class T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

	// Marks the object's package as modified, so that a save-all writes it. False for transient packages.
	bool MarkPackageDirty() const;

	// "/Game/A/B" for a package, "/Game/A/B.B" for an asset, "/Game/A/B.B:Sub" below it.
	FString GetPathName(const UObject* StopOuter = nullptr) const;
	// "<ClassName> <PathName>".
	FString GetFullName() const;

	EObjectFlags GetFlags() const { return FlagsPrivate; }
	bool HasAnyFlags(EObjectFlags Flags) const { return (FlagsPrivate & Flags) != RF_NoFlags; }
	bool HasAllFlags(EObjectFlags Flags) const { return (FlagsPrivate & Flags) == Flags; }
	void SetFlags(EObjectFlags Flags) { FlagsPrivate |= Flags; }
	void ClearFlags(EObjectFlags Flags) { FlagsPrivate &= ~Flags; }

	virtual void PostInitProperties() {}
	virtual void PostLoad() {}
	// Runs PostLoad once if the object still needs it (objects loaded by the stand-in have had it).
	void ConditionalPostLoad();

	bool IsValidLowLevel() const { return ClassPrivate != nullptr; }
	bool IsPendingKill() const { return false; }

private:
	friend class Standin::FObjectRegistry;

	FName NamePrivate;
	UObject* OuterPrivate = nullptr;
	UClass* ClassPrivate = nullptr;
	EObjectFlags FlagsPrivate = RF_NoFlags;
};
