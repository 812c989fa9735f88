// Creating, finding and loading objects. As in the engine, this header only declares UObject, UClass
// and UPackage (include "UObject/Package.h" to use a UPackage*), and loading (LoadPackage,
// StaticLoadObject, LoadObject, FSoftObjectPath::TryLoad) is for the game thread only: anywhere else
// it is a fatal check. Creating and finding lock the object registry and work from any thread.
#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UClass;
class UPackage;

// Finds the package in memory or creates it (empty, in memory). InOuter must be null.
UPackage* CreatePackage(UObject* InOuter, const TCHAR* PackageName);
UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName);
// Finds the package in memory or loads it from its file; null when there is none.
UPackage* LoadPackage(UPackage* InOuter, const TCHAR* InLongPackageName, uint32 LoadFlags);
UPackage* GetTransientPackage();

// Creates an object of Class. A NAME_None name gets a unique "<Class>_<N>" name. An object of the
// same name and class in Outer is replaced (the old one stays allocated); a different class gives null.
UObject* StaticConstructObject_Internal(UClass* Class, UObject* InOuter, FName Name, EObjectFlags SetFlags = RF_NoFlags);

// Name is an object path ("/Game/A/B.B") when InOuter is null, else a name inside InOuter.
UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool ExactClass = false);
// As StaticFindObject, loading the package from disk when it is not in memory. Logs a warning
// "Failed to find object '<Class> <Path>'" when there is no such object (unless LOAD_Quiet/LOAD_NoWarn).
UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename = nullptr,
						  uint32 LoadFlags = LOAD_None, void* Sandbox = nullptr, bool bAllowObjectReconciliation = true);

// A fatal check that Child is a class and a child of Parent (NewObject with an explicit class).
void CheckIsClassChildOf_Internal(const UClass* Parent, const UClass* Child);

template <class T>
T* NewObject(UObject* Outer, const UClass* Class, FName Name = NAME_None, EObjectFlags Flags = RF_NoFlags)
{
	CheckIsClassChildOf_Internal(T::StaticClass(), Class);
	return static_cast<T*>(StaticConstructObject_Internal(const_cast<UClass*>(Class), Outer, Name, Flags));
}

template <class T>
T* NewObject(UObject* Outer, FName Name, EObjectFlags Flags = RF_NoFlags)
{
	return static_cast<T*>(StaticConstructObject_Internal(T::StaticClass(), Outer, Name, Flags));
}

template <class T>
T* NewObject(UObject* Outer = (UObject*)GetTransientPackage())
{
	return static_cast<T*>(StaticConstructObject_Internal(T::StaticClass(), Outer, NAME_None, RF_NoFlags));
}

template <class T>
T* FindObject(UObject* Outer, const TCHAR* Name, bool ExactClass = false)
{
	return static_cast<T*>(StaticFindObject(T::StaticClass(), Outer, Name, ExactClass));
}

template <class T>
T* LoadObject(UObject* Outer, const TCHAR* Name, const TCHAR* Filename = nullptr, uint32 LoadFlags = LOAD_None, void* Sandbox = nullptr)
{
	return static_cast<T*>(StaticLoadObject(T::StaticClass(), Outer, Name, Filename, LoadFlags, Sandbox));
}
