// The process's objects: class objects by name, packages by name and the objects inside them, all
// guarded by one recursive lock (loading a package may load the packages it refers to).
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Standin/ClassModel.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/Package.h"

namespace Standin
{
struct FPackageRecord
{
	UPackage* Package = nullptr;
	// Every object whose outermost is the package, in creation order.
	std::vector<UObject*> Objects;
	// A load from disk was tried for this package (after which its in-memory state wins).
	bool bLoadAttempted = false;
	// What the package's file held that the object's class does not model, kept for saving.
	FPackageJson ExtraProperties = FPackageJson::object();
	FPackageJson LoadedReferences = FPackageJson::array();
};

class FObjectRegistry
{
public:
	static FObjectRegistry& Get();

	std::recursive_mutex& GetMutex() { return Mutex; }

	UClass* RegisterClass(const TCHAR* CppName, const TCHAR* ModuleName, UClass* SuperClass, FClassDescription::FConstructor Constructor,
						  void (*Describe)(FClassDescription&));
	UClass* FindClass(const FString& ClassName);

	FPackageRecord* FindRecord(const FString& PackageName);
	FPackageRecord& FindOrCreateRecord(const FString& PackageName);
	// All records, sorted by package name.
	std::vector<FPackageRecord*> GetRecords();

	UObject* FindObjectIn(const UObject* Outer, FName Name);
	// Creates (or replaces, see StaticConstructObject_Internal) an object. Null when it cannot.
	UObject* Construct(UClass* Class, UObject* Outer, FName Name, EObjectFlags Flags);
	// Takes an object out of its package again (a load that failed half-way). It stays allocated.
	void Forget(UObject* Object);

private:
	static void InitObject(UObject& Object, FName Name, UObject* Outer, UClass* Class, EObjectFlags Flags);
	static std::u16string KeyOf(const FString& Name);
	FName MakeUniqueName(const UClass* Class);

	std::recursive_mutex Mutex;
	std::map<std::u16string, FPackageRecord> Packages;
	std::map<std::u16string, UClass*> Classes;
	std::vector<std::unique_ptr<UObject>> Owned;
	uint64 UniqueNameCounter = 0;
};

// The property of that name (case-insensitive) in the class or its super classes, or null.
const FPropertyDesc* FindProperty(const UClass* Class, const FString& Name);
// The properties of the class, those of its super classes first.
std::vector<const FPropertyDesc*> GetAllProperties(const UClass* Class);
// The class chain, the root first.
std::vector<const UClass*> GetClassChain(const UClass* Class);
} // namespace Standin
