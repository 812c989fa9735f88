// Stand-in only (not engine API): the class model that the engine's header tool would generate.
// A module defines each of its classes once in a source file:
//
//   STANDIN_IMPLEMENT_CLASS(UDrovik_Map, UDataAsset, DrovikProxy)
//   {
//       Class.AddProperty(TEXT("Id"), &UDrovik_Map::Id);
//   }
//
// which defines the class object (StaticClass), registers it by name for package loading when the
// module's library loads, and lists the properties that packages save and the details panel edits.
// Property values are held as the package file's JSON values.
#pragma once

#include <filesystem>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <type_traits>
#include <vector>

#include "Internationalization/Text.h"
#include "Standin/StringUtf8.h"
#include "UObject/Class.h"
#include "UObject/SoftObjectPath.h"

namespace Standin
{
using FPackageJson = nlohmann::ordered_json;

enum class EPropertyKind : uint8
{
	String,
	Text,
	Name,
	Int,
	Float,
	Bool,
	Object,
	SoftObject,
	IntList,
	Custom
};

// What a property's conversion may need to know: where its package's file is (or will be).
struct FPropertyContext
{
	std::filesystem::path PackageFile;
};

struct FPropertyDesc
{
	FString Name;
	EPropertyKind Kind = EPropertyKind::Custom;
	// Int and IntList: the accepted values.
	int64 MinValue = std::numeric_limits<int32>::min();
	int64 MaxValue = std::numeric_limits<int32>::max();
	// Object: the class the reference must be.
	UClass* (*ObjectClass)() = nullptr;
	std::function<FPackageJson(const UObject*)> Get;
	// Sets the value; false with a message (and the object unchanged) for a value of the wrong type or range.
	std::function<bool(const FPropertyDesc&, UObject*, const FPackageJson&, const FPropertyContext&, std::string&)> Set;

	FPropertyDesc& SetRange(int64 Min, int64 Max)
	{
		MinValue = Min;
		MaxValue = Max;
		return *this;
	}
};

// Loads the object at Path for an object property: null with a message when there is none or it is not a Class.
UObject* LoadObjectForProperty(const FString& Path, UClass* Class, std::string& OutError);
// Checks that Value is an integer in the property's range.
bool ReadIntegerValue(const FPropertyDesc& Property, const FPackageJson& Value, int64& OutValue, std::string& OutError);

class FClassDescription
{
public:
	using FConstructor = UObject* (*)();
	using FSaveHook = std::function<bool(UObject*, const FPropertyContext&, std::string&)>;

	FClassDescription(FString InName, FConstructor InConstructor) : Name(MoveTemp(InName)), Constructor(InConstructor) {}

	template <class ClassType, class MemberType>
	FPropertyDesc& AddProperty(const TCHAR* PropertyName, MemberType ClassType::*Member);

	FPropertyDesc& AddCustomProperty(const TCHAR* PropertyName, std::function<FPackageJson(const UObject*)> Get,
									 std::function<bool(const FPropertyDesc&, UObject*, const FPackageJson&, const FPropertyContext&, std::string&)> Set)
	{
		FPropertyDesc& Property = NewProperty(PropertyName, EPropertyKind::Custom);
		Property.Get = MoveTemp(Get);
		Property.Set = MoveTemp(Set);
		return Property;
	}

	// Runs before a package holding an object of this class is written (e.g. to write a side file).
	void SetSaveHook(FSaveHook Hook) { SaveHook = MoveTemp(Hook); }
	// Objects of this class are maps: their packages are .umap files.
	void SetMapAsset() { bMapAsset = true; }

	const FString& GetName() const { return Name; }
	FConstructor GetConstructor() const { return Constructor; }
	const std::vector<FPropertyDesc>& GetProperties() const { return Properties; }
	const FSaveHook& GetSaveHook() const { return SaveHook; }
	bool IsMapAsset() const { return bMapAsset; }

private:
	FPropertyDesc& NewProperty(const TCHAR* PropertyName, EPropertyKind Kind)
	{
		FPropertyDesc& Property = Properties.emplace_back();
		Property.Name = PropertyName;
		Property.Kind = Kind;
		return Property;
	}

	FString Name;
	FConstructor Constructor;
	std::vector<FPropertyDesc> Properties;
	FSaveHook SaveHook;
	bool bMapAsset = false;
};

// Registers a class (CppName with its U prefix) and returns its class object.
UClass* RegisterClass(const TCHAR* CppName, const TCHAR* ModuleName, UClass* SuperClass, FClassDescription::FConstructor Constructor,
					  void (*Describe)(FClassDescription&));
// The registered class of that name (without prefix, case-insensitive), or null.
UClass* FindClassByName(const FString& ClassName);

namespace ClassModel
{
template <class T>
struct TIsArray : std::false_type
{
};
template <class T>
struct TIsArray<TArray<T>> : std::true_type
{
	using ElementType = T;
};

template <class T>
constexpr bool IsIntegerLike = (std::is_integral_v<T> && !std::is_same_v<T, bool>) || std::is_enum_v<T>;

template <class T>
void RangeOf(FPropertyDesc& Property)
{
	using U = typename std::conditional_t<std::is_enum_v<T>, std::underlying_type<T>, std::type_identity<T>>::type;
	Property.MinValue = static_cast<int64>(std::numeric_limits<U>::min());
	Property.MaxValue = static_cast<int64>(std::min<uint64>(std::numeric_limits<U>::max(), std::numeric_limits<int64>::max()));
}

inline bool ExpectString(const FPackageJson& Value, std::string& OutError)
{
	if (!Value.is_string())
	{
		OutError = "expected a string";
		return false;
	}
	return true;
}
} // namespace ClassModel

template <class ClassType, class MemberType>
FPropertyDesc& FClassDescription::AddProperty(const TCHAR* PropertyName, MemberType ClassType::*Member)
{
	using namespace ClassModel;
	FPropertyDesc* Property = nullptr;
	auto Field = [Member](UObject* Object) -> MemberType& { return static_cast<ClassType*>(Object)->*Member; };
	auto ConstField = [Member](const UObject* Object) -> const MemberType& { return static_cast<const ClassType*>(Object)->*Member; };

	if constexpr (std::is_same_v<MemberType, FString> || std::is_same_v<MemberType, FText> || std::is_same_v<MemberType, FName> ||
				  std::is_same_v<MemberType, FSoftObjectPath>)
	{
		constexpr EPropertyKind Kind = std::is_same_v<MemberType, FString> ? EPropertyKind::String
									   : std::is_same_v<MemberType, FText> ? EPropertyKind::Text
									   : std::is_same_v<MemberType, FName> ? EPropertyKind::Name
																			: EPropertyKind::SoftObject;
		Property = &NewProperty(PropertyName, Kind);
		Property->Get = [ConstField](const UObject* Object) {
			const MemberType& Value = ConstField(Object);
			if constexpr (std::is_same_v<MemberType, FString>)
			{
				return FPackageJson(ToUtf8(Value));
			}
			else
			{
				return FPackageJson(ToUtf8(Value.ToString()));
			}
		};
		Property->Set = [Field](const FPropertyDesc&, UObject* Object, const FPackageJson& Value, const FPropertyContext&, std::string& OutError) {
			if (!ExpectString(Value, OutError))
			{
				return false;
			}
			const FString Text = FromUtf8(Value.get<std::string>());
			if constexpr (std::is_same_v<MemberType, FText>)
			{
				Field(Object) = FText::FromString(Text);
			}
			else
			{
				Field(Object) = MemberType(Text);
			}
			return true;
		};
	}
	else if constexpr (std::is_same_v<MemberType, bool>)
	{
		Property = &NewProperty(PropertyName, EPropertyKind::Bool);
		Property->Get = [ConstField](const UObject* Object) { return FPackageJson(ConstField(Object)); };
		Property->Set = [Field](const FPropertyDesc&, UObject* Object, const FPackageJson& Value, const FPropertyContext&, std::string& OutError) {
			if (!Value.is_boolean())
			{
				OutError = "expected true or false";
				return false;
			}
			Field(Object) = Value.get<bool>();
			return true;
		};
	}
	else if constexpr (std::is_floating_point_v<MemberType>)
	{
		Property = &NewProperty(PropertyName, EPropertyKind::Float);
		Property->Get = [ConstField](const UObject* Object) { return FPackageJson(static_cast<double>(ConstField(Object))); };
		Property->Set = [Field](const FPropertyDesc&, UObject* Object, const FPackageJson& Value, const FPropertyContext&, std::string& OutError) {
			if (!Value.is_number())
			{
				OutError = "expected a number";
				return false;
			}
			Field(Object) = static_cast<MemberType>(Value.get<double>());
			return true;
		};
	}
	else if constexpr (IsIntegerLike<MemberType>)
	{
		Property = &NewProperty(PropertyName, EPropertyKind::Int);
		RangeOf<MemberType>(*Property);
		Property->Get = [ConstField](const UObject* Object) { return FPackageJson(static_cast<int64>(ConstField(Object))); };
		Property->Set = [Field](const FPropertyDesc& Desc, UObject* Object, const FPackageJson& Value, const FPropertyContext&, std::string& OutError) {
			int64 Number = 0;
			if (!ReadIntegerValue(Desc, Value, Number, OutError))
			{
				return false;
			}
			Field(Object) = static_cast<MemberType>(Number);
			return true;
		};
	}
	else if constexpr (TIsArray<MemberType>::value)
	{
		using ElementType = typename TIsArray<MemberType>::ElementType;
		static_assert(IsIntegerLike<ElementType>, "the stand-in's class model saves arrays of integers and enums only");
		Property = &NewProperty(PropertyName, EPropertyKind::IntList);
		RangeOf<ElementType>(*Property);
		Property->Get = [ConstField](const UObject* Object) {
			FPackageJson List = FPackageJson::array();
			for (const ElementType& Element : ConstField(Object))
			{
				List.push_back(static_cast<int64>(Element));
			}
			return List;
		};
		Property->Set = [Field](const FPropertyDesc& Desc, UObject* Object, const FPackageJson& Value, const FPropertyContext&, std::string& OutError) {
			if (!Value.is_array())
			{
				OutError = "expected a list";
				return false;
			}
			MemberType List;
			for (const FPackageJson& Element : Value)
			{
				int64 Number = 0;
				if (!ReadIntegerValue(Desc, Element, Number, OutError))
				{
					return false;
				}
				List.Add(static_cast<ElementType>(Number));
			}
			Field(Object) = MoveTemp(List);
			return true;
		};
	}
	else if constexpr (std::is_pointer_v<MemberType> && std::is_base_of_v<UObject, std::remove_pointer_t<MemberType>>)
	{
		using ObjectType = std::remove_pointer_t<MemberType>;
		Property = &NewProperty(PropertyName, EPropertyKind::Object);
		Property->ObjectClass = &ObjectType::StaticClass;
		Property->Get = [ConstField](const UObject* Object) {
			const UObject* Target = ConstField(Object);
			return FPackageJson(Target ? ToUtf8(Target->GetPathName()) : std::string());
		};
		Property->Set = [Field](const FPropertyDesc& Desc, UObject* Object, const FPackageJson& Value, const FPropertyContext&, std::string& OutError) {
			if (!ExpectString(Value, OutError))
			{
				return false;
			}
			const FString Path = FromUtf8(Value.get<std::string>());
			if (Path.IsEmpty() || Path.Equals(TEXT("None")))
			{
				Field(Object) = nullptr;
				return true;
			}
			UObject* Target = LoadObjectForProperty(Path, Desc.ObjectClass(), OutError);
			if (Target == nullptr)
			{
				return false;
			}
			Field(Object) = static_cast<ObjectType*>(Target);
			return true;
		};
	}
	else
	{
		static_assert(!std::is_same_v<MemberType, MemberType>, "property type not supported by the stand-in's class model");
	}
	return *Property;
}
} // namespace Standin

// Defines the class object of TClass (declared by GENERATED_BODY) and opens the body of the function
// that lists its properties into `Class`.
#define STANDIN_IMPLEMENT_CLASS(TClass, TSuperClass, ModuleName)                                                      \
	static void StandinDescribe_##TClass(Standin::FClassDescription& Class);                                            \
	UClass* TClass::GetPrivateStaticClass()                                                                            \
	{                                                                                                                  \
		static UClass* const ClassObject = Standin::RegisterClass(                                                     \
			TEXT(#TClass), TEXT(#ModuleName), TSuperClass::StaticClass(), []() -> UObject* { return new TClass(); },   \
			&StandinDescribe_##TClass);                                                                                \
		return ClassObject;                                                                                            \
	}                                                                                                                  \
	[[maybe_unused]] static UClass* const StandinClassRegistrar_##TClass = TClass::StaticClass();                     \
	static void StandinDescribe_##TClass([[maybe_unused]] Standin::FClassDescription& Class)
