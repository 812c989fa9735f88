// Creating, finding and loading objects. All of these are safe to call from any thread: the object
// registry is guarded by one lock, and a package is loaded once, then stays in memory.
#pragma once

#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"

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

template <class T>
T* NewObject(UObject* Outer, UClass* Class, FName Name = NAME_None, EObjectFlags Flags = RF_NoFlags)
{
	if (Class == nullptr || !Class->IsChildOf(T::StaticClass()))
	{
		return nullptr;
	}
	return static_cast<T*>(StaticConstructObject_Internal(Class, Outer, Name, Flags));
}

template <class T>
T* NewObject(UObject* Outer, FName Name, EObjectFlags Flags = RF_NoFlags)
{
	return static_cast<T*>(StaticConstructObject_Internal(T::StaticClass(), Outer, Name, Flags));
}

template <class T>
T* NewObject(UObject* Outer = GetTransientPackage())
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
