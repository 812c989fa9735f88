#include "Dom/JsonValue.h"

#include <cmath>
#include <limits>

#include "Dom/JsonObject.h"

DEFINE_LOG_CATEGORY_STATIC(LogJson, Log, All);

namespace
{
const TArray<TSharedPtr<FJsonValue>> EmptyArray;
const TSharedPtr<FJsonObject> NullObject;

// As the engine: rounded half away from zero; false outside the type's range.
template <class T>
bool ToWholeNumber(const FJsonValue& Value, T& OutNumber)
{
	double Number = 0;
	if (!Value.TryGetNumber(Number) || !(Number >= static_cast<double>(std::numeric_limits<T>::min())) ||
		!(Number <= static_cast<double>(std::numeric_limits<T>::max())))
	{
		return false;
	}
	const double Rounded = std::round(Number);
	OutNumber = Rounded >= static_cast<double>(std::numeric_limits<T>::max()) ? std::numeric_limits<T>::max() : static_cast<T>(Rounded);
	return true;
}
} // namespace

void FJsonValue::ErrorMessage(const FString& InType) const
{
	UE_LOG(LogJson, Error, TEXT("Json Value of type '%s' used as a '%s'."), *GetType(), *InType);
}

double FJsonValue::AsNumber() const
{
	double Number = 0;
	if (!TryGetNumber(Number))
	{
		ErrorMessage(TEXT("Number"));
	}
	return Number;
}

FString FJsonValue::AsString() const
{
	FString String;
	if (!TryGetString(String))
	{
		ErrorMessage(TEXT("String"));
	}
	return String;
}

bool FJsonValue::AsBool() const
{
	bool bValue = false;
	if (!TryGetBool(bValue))
	{
		ErrorMessage(TEXT("Boolean"));
	}
	return bValue;
}

const TArray<TSharedPtr<FJsonValue>>& FJsonValue::AsArray() const
{
	const TArray<TSharedPtr<FJsonValue>>* Array = &EmptyArray;
	if (!TryGetArray(Array))
	{
		ErrorMessage(TEXT("Array"));
	}
	return *Array;
}

const TSharedPtr<FJsonObject>& FJsonValue::AsObject() const
{
	const TSharedPtr<FJsonObject>* Object = &NullObject;
	if (!TryGetObject(Object))
	{
		ErrorMessage(TEXT("Object"));
	}
	return *Object;
}

bool FJsonValue::TryGetNumber(int32& OutNumber) const
{
	return ToWholeNumber(*this, OutNumber);
}

bool FJsonValue::TryGetNumber(uint32& OutNumber) const
{
	return ToWholeNumber(*this, OutNumber);
}

bool FJsonValue::TryGetNumber(int64& OutNumber) const
{
	return ToWholeNumber(*this, OutNumber);
}

bool FJsonValueString::TryGetString(FString& OutString) const
{
	OutString = Value;
	return true;
}

bool FJsonValueString::TryGetNumber(double& OutNumber) const
{
	if (!Value.IsNumeric())
	{
		return false;
	}
	OutNumber = FCString::Atod(*Value);
	return true;
}

bool FJsonValueString::TryGetBool(bool& OutBool) const
{
	OutBool = Value.Equals(TEXT("true"), ESearchCase::IgnoreCase);
	return OutBool || Value.Equals(TEXT("false"), ESearchCase::IgnoreCase);
}

bool FJsonValueNumber::TryGetNumber(double& OutNumber) const
{
	OutNumber = Value;
	return true;
}

bool FJsonValueNumber::TryGetString(FString& OutString) const
{
	char Buffer[64];
	std::snprintf(Buffer, sizeof(Buffer), "%.17g", Value);
	OutString = FString(Buffer);
	return true;
}

bool FJsonValueNumber::TryGetBool(bool& OutBool) const
{
	OutBool = Value != 0.0;
	return true;
}

bool FJsonValueBoolean::TryGetBool(bool& OutBool) const
{
	OutBool = Value;
	return true;
}

bool FJsonValueBoolean::TryGetNumber(double& OutNumber) const
{
	OutNumber = Value ? 1.0 : 0.0;
	return true;
}

bool FJsonValueBoolean::TryGetString(FString& OutString) const
{
	OutString = Value ? TEXT("true") : TEXT("false");
	return true;
}

bool FJsonValueArray::TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	OutArray = &Value;
	return true;
}

bool FJsonValueObject::TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const
{
	OutObject = &Value;
	return true;
}
