#include "ObjectRegistry.h"

#include "Standin/StringUtf8.h"
#include "UObject/UObjectGlobals.h"

namespace Standin
{
FObjectRegistry& FObjectRegistry::Get()
{
	// Never destroyed: objects may be reached from other libraries' static destructors.
	static FObjectRegistry* Registry = new FObjectRegistry();
	return *Registry;
}

std::u16string FObjectRegistry::KeyOf(const FString& Name)
{
	return std::u16string(*Name.ToLower());
}

void FObjectRegistry::InitObject(UObject& Object, FName Name, UObject* Outer, UClass* Class, EObjectFlags Flags)
{
	Object.NamePrivate = Name;
	Object.OuterPrivate = Outer;
	Object.ClassPrivate = Class;
	Object.FlagsPrivate = Flags;
}

UClass* FObjectRegistry::RegisterClass(const TCHAR* CppName, const TCHAR* ModuleName, UClass* SuperClass,
									   FClassDescription::FConstructor Constructor, void (*Describe)(FClassDescription&))
{
	std::lock_guard Lock(Mutex);
	FString Name(CppName);
	if (Name.Len() > 1 && (Name[0] == u'U' || Name[0] == u'A'))
	{
		Name = Name.RightChop(1);
	}
	auto Class = std::make_unique<UClass>();
	Class->SuperClass = SuperClass;
	Class->Description = std::make_unique<FClassDescription>(Name, Constructor);
	Describe(*Class->Description);

	// Class objects live in their module's script package. Their own class (UClass) is found lazily
	// by GetClass, since UClass's class object may be the one being registered.
	FPackageRecord& Script = FindOrCreateRecord(FString(TEXT("/Script/")) + ModuleName);
	InitObject(*Class, FName(*Name), Script.Package, nullptr, RF_Public | RF_Standalone | RF_MarkAsNative);
	UClass* Result = Class.get();
	Script.Objects.push_back(Result);
	Owned.push_back(std::move(Class));
	Classes[KeyOf(Name)] = Result;
	return Result;
}

UClass* FObjectRegistry::FindClass(const FString& ClassName)
{
	std::lock_guard Lock(Mutex);
	const auto Found = Classes.find(KeyOf(ClassName));
	return Found == Classes.end() ? nullptr : Found->second;
}

FPackageRecord* FObjectRegistry::FindRecord(const FString& PackageName)
{
	std::lock_guard Lock(Mutex);
	const auto Found = Packages.find(KeyOf(PackageName));
	return Found == Packages.end() ? nullptr : &Found->second;
}

FPackageRecord& FObjectRegistry::FindOrCreateRecord(const FString& PackageName)
{
	std::lock_guard Lock(Mutex);
	FPackageRecord& Record = Packages[KeyOf(PackageName)];
	if (Record.Package == nullptr)
	{
		auto Package = std::make_unique<UPackage>();
		// The class (UPackage) is found lazily by GetClass: packages are made while classes register.
		InitObject(*Package, FName(*PackageName), nullptr, nullptr, RF_Public);
		Record.Package = Package.get();
		Owned.push_back(std::move(Package));
	}
	return Record;
}

std::vector<FPackageRecord*> FObjectRegistry::GetRecords()
{
	std::lock_guard Lock(Mutex);
	std::vector<FPackageRecord*> Result;
	for (auto& [Key, Record] : Packages)
	{
		Result.push_back(&Record);
	}
	return Result;
}

UObject* FObjectRegistry::FindObjectIn(const UObject* Outer, FName Name)
{
	std::lock_guard Lock(Mutex);
	if (Outer == nullptr)
	{
		return nullptr;
	}
	FPackageRecord* Record = FindRecord(Outer->GetOutermost()->GetName());
	if (Record == nullptr)
	{
		return nullptr;
	}
	for (auto It = Record->Objects.rbegin(); It != Record->Objects.rend(); ++It)
	{
		if ((*It)->GetOuter() == Outer && (*It)->GetFName() == Name)
		{
			return *It;
		}
	}
	return nullptr;
}

FName FObjectRegistry::MakeUniqueName(const UClass* Class)
{
	return FName(*FString::Printf(TEXT("%s_%llu"), *Class->GetName(), ++UniqueNameCounter));
}

UObject* FObjectRegistry::Construct(UClass* Class, UObject* Outer, FName Name, EObjectFlags Flags)
{
	std::lock_guard Lock(Mutex);
	if (Class == nullptr || Outer == nullptr)
	{
		return nullptr;
	}
	if (Name.IsNone())
	{
		Name = MakeUniqueName(Class);
	}
	FPackageRecord* Record = FindRecord(Outer->GetOutermost()->GetName());
	if (Record == nullptr)
	{
		return nullptr;
	}
	if (UObject* Existing = FindObjectIn(Outer, Name))
	{
		if (Existing->GetClass() != Class)
		{
			return nullptr;
		}
		// The engine reconstructs the object in place; the stand-in makes a new one and forgets the old.
		Forget(Existing);
	}
	UObject* Object = Class->GetStandinDescription().GetConstructor()();
	InitObject(*Object, Name, Outer, Class, Flags);
	Owned.emplace_back(Object);
	Record->Objects.push_back(Object);
	Object->PostInitProperties();
	return Object;
}

void FObjectRegistry::Forget(UObject* Object)
{
	std::lock_guard Lock(Mutex);
	if (FPackageRecord* Record = FindRecord(Object->GetOutermost()->GetName()))
	{
		std::erase(Record->Objects, Object);
	}
}

std::vector<const UClass*> GetClassChain(const UClass* Class)
{
	std::vector<const UClass*> Chain;
	for (; Class != nullptr; Class = Class->GetSuperClass())
	{
		Chain.insert(Chain.begin(), Class);
	}
	return Chain;
}

const FPropertyDesc* FindProperty(const UClass* Class, const FString& Name)
{
	for (; Class != nullptr; Class = Class->GetSuperClass())
	{
		for (const FPropertyDesc& Property : Class->GetStandinDescription().GetProperties())
		{
			if (Property.Name.Equals(Name, ESearchCase::IgnoreCase))
			{
				return &Property;
			}
		}
	}
	return nullptr;
}

std::vector<const FPropertyDesc*> GetAllProperties(const UClass* Class)
{
	std::vector<const FPropertyDesc*> Result;
	for (const UClass* Each : GetClassChain(Class))
	{
		for (const FPropertyDesc& Property : Each->GetStandinDescription().GetProperties())
		{
			Result.push_back(&Property);
		}
	}
	return Result;
}

UClass* RegisterClass(const TCHAR* CppName, const TCHAR* ModuleName, UClass* SuperClass, FClassDescription::FConstructor Constructor,
					  void (*Describe)(FClassDescription&))
{
	return FObjectRegistry::Get().RegisterClass(CppName, ModuleName, SuperClass, Constructor, Describe);
}

UClass* FindClassByName(const FString& ClassName)
{
	return FObjectRegistry::Get().FindClass(ClassName);
}
} // namespace Standin
