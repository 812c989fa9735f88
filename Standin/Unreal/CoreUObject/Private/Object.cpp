#include "UObject/Object.h"

#include "ObjectRegistry.h"
#include "Standin/ClassModel.h"
#include "UObject/Class.h"
#include "UObject/Package.h"

UClass* UObject::GetPrivateStaticClass()
{
	static UClass* const ClassObject = Standin::RegisterClass(
		TEXT("UObject"), TEXT("CoreUObject"), nullptr, []() -> UObject* { return new UObject(); }, [](Standin::FClassDescription&) {});
	return ClassObject;
}

STANDIN_IMPLEMENT_CLASS(UClass, UObject, CoreUObject)
{
}

STANDIN_IMPLEMENT_CLASS(UPackage, UObject, CoreUObject)
{
}

UClass::~UClass() = default;

bool UClass::IsChildOf(const UClass* SomeBase) const
{
	for (const UClass* Class = this; Class != nullptr; Class = Class->SuperClass)
	{
		if (Class == SomeBase)
		{
			return true;
		}
	}
	return false;
}

UClass* UObject::GetClass() const
{
	if (ClassPrivate != nullptr)
	{
		return ClassPrivate;
	}
	// Class objects and packages are made before their own classes may exist (see FObjectRegistry).
	return dynamic_cast<const UClass*>(this) != nullptr ? UClass::StaticClass() : UPackage::StaticClass();
}

UPackage* UObject::GetOutermost() const
{
	const UObject* Top = this;
	while (Top->OuterPrivate != nullptr)
	{
		Top = Top->OuterPrivate;
	}
	return static_cast<UPackage*>(const_cast<UObject*>(Top));
}

bool UObject::IsA(const UClass* SomeBase) const
{
	return SomeBase != nullptr && GetClass()->IsChildOf(SomeBase);
}

bool UObject::MarkPackageDirty() const
{
	UPackage* Package = GetOutermost();
	if (Package == nullptr || Package->HasAnyFlags(RF_Transient) || HasAnyFlags(RF_Transient))
	{
		return false;
	}
	Package->SetDirtyFlag(true);
	return true;
}

FString UObject::GetPathName(const UObject* StopOuter) const
{
	if (this == StopOuter)
	{
		return FString(TEXT("None"));
	}
	FString Result;
	if (OuterPrivate != nullptr && OuterPrivate != StopOuter)
	{
		Result = OuterPrivate->GetPathName(StopOuter);
		// A subobject of an asset is separated by ':', everything else by '.'.
		const UObject* OuterOuter = OuterPrivate->OuterPrivate;
		const bool bSubobject = OuterOuter != nullptr && OuterOuter->OuterPrivate == nullptr;
		Result += bSubobject ? SUBOBJECT_DELIMITER : TEXT(".");
	}
	Result += GetName();
	return Result;
}

FString UObject::GetFullName() const
{
	return GetClass()->GetName() + TEXT(" ") + GetPathName();
}

void UObject::ConditionalPostLoad()
{
	if (HasAnyFlags(RF_NeedPostLoad))
	{
		ClearFlags(RF_NeedPostLoad);
		PostLoad();
	}
}
