#include "Standin/ClassModel.h"

#include "UObject/UObjectGlobals.h"

namespace Standin
{
UObject* LoadObjectForProperty(const FString& Path, UClass* Class, std::string& OutError)
{
	UObject* Object = StaticLoadObject(UObject::StaticClass(), nullptr, *Path, nullptr, LOAD_Quiet);
	if (Object == nullptr)
	{
		OutError = "no object " + ToUtf8(Path);
		return nullptr;
	}
	if (!Object->IsA(Class))
	{
		OutError = ToUtf8(Path) + " is a " + ToUtf8(Object->GetClass()->GetName()) + ", not a " + ToUtf8(Class->GetName());
		return nullptr;
	}
	return Object;
}

bool ReadIntegerValue(const FPropertyDesc& Property, const FPackageJson& Value, int64& OutValue, std::string& OutError)
{
	if (!Value.is_number_integer() || (Value.is_number_unsigned() && Value.get<uint64>() > static_cast<uint64>(MAX_int64)))
	{
		OutError = "expected an integer";
		return false;
	}
	OutValue = Value.get<int64>();
	if (OutValue < Property.MinValue || OutValue > Property.MaxValue)
	{
		OutError = std::to_string(OutValue) + " is out of range (" + std::to_string(Property.MinValue) + " to " +
				   std::to_string(Property.MaxValue) + ")";
		return false;
	}
	return true;
}
} // namespace Standin
