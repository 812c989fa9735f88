#include "Dom/JsonObject.h"

namespace
{
const TArray<TSharedPtr<FJsonValue>> EmptyArray;
const TSharedPtr<FJsonObject> NullObject;
} // namespace

TSharedPtr<FJsonValue> FJsonObject::TryGetField(const FString& FieldName) const
{
	const TSharedPtr<FJsonValue>* Field = Values.Find(FieldName);
	return Field ? *Field : TSharedPtr<FJsonValue>();
}

bool FJsonObject::HasField(const FString& FieldName) const
{
	return TryGetField(FieldName).IsValid();
}

void FJsonObject::SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value)
{
	// As the engine's map does, an existing field keeps its place and takes the new spelling.
	for (auto& Pair : Values)
	{
		if (Pair.Key == FieldName)
		{
			Pair.Key = FieldName;
			Pair.Value = Value;
			return;
		}
	}
	Values.Add(FieldName, Value);
}

void FJsonObject::RemoveField(const FString& FieldName)
{
	Values.Remove(FieldName);
}

double FJsonObject::GetNumberField(const FString& FieldName) const
{
	return GetField<EJson::None>(FieldName)->AsNumber();
}

int32 FJsonObject::GetIntegerField(const FString& FieldName) const
{
	int32 Number = 0;
	TryGetNumberField(FieldName, Number);
	return Number;
}

bool FJsonObject::TryGetNumberField(const FString& FieldName, double& OutNumber) const
{
	const TSharedPtr<FJsonValue> Field = TryGetField(FieldName);
	return Field.IsValid() && Field->TryGetNumber(OutNumber);
}

bool FJsonObject::TryGetNumberField(const FString& FieldName, int32& OutNumber) const
{
	const TSharedPtr<FJsonValue> Field = TryGetField(FieldName);
	return Field.IsValid() && Field->TryGetNumber(OutNumber);
}

bool FJsonObject::TryGetNumberField(const FString& FieldName, uint32& OutNumber) const
{
	const TSharedPtr<FJsonValue> Field = TryGetField(FieldName);
	return Field.IsValid() && Field->TryGetNumber(OutNumber);
}

bool FJsonObject::TryGetNumberField(const FString& FieldName, int64& OutNumber) const
{
	const TSharedPtr<FJsonValue> Field = TryGetField(FieldName);
	return Field.IsValid() && Field->TryGetNumber(OutNumber);
}

void FJsonObject::SetNumberField(const FString& FieldName, double Number)
{
	SetField(FieldName, MakeShared<FJsonValueNumber>(Number));
}

FString FJsonObject::GetStringField(const FString& FieldName) const
{
	return GetField<EJson::None>(FieldName)->AsString();
}

bool FJsonObject::TryGetStringField(const FString& FieldName, FString& OutString) const
{
	const TSharedPtr<FJsonValue> Field = TryGetField(FieldName);
	return Field.IsValid() && Field->TryGetString(OutString);
}

bool FJsonObject::TryGetStringArrayField(const FString& FieldName, TArray<FString>& OutArray) const
{
	const TArray<TSharedPtr<FJsonValue>>* Array = nullptr;
	if (!TryGetArrayField(FieldName, Array))
	{
		return false;
	}
	OutArray.Empty();
	for (const TSharedPtr<FJsonValue>& Element : *Array)
	{
		FString String;
		if (!Element.IsValid() || !Element->TryGetString(String))
		{
			return false;
		}
		OutArray.Add(String);
	}
	return true;
}

void FJsonObject::SetStringField(const FString& FieldName, const FString& StringValue)
{
	SetField(FieldName, MakeShared<FJsonValueString>(StringValue));
}

bool FJsonObject::GetBoolField(const FString& FieldName) const
{
	return GetField<EJson::None>(FieldName)->AsBool();
}

bool FJsonObject::TryGetBoolField(const FString& FieldName, bool& OutBool) const
{
	const TSharedPtr<FJsonValue> Field = TryGetField(FieldName);
	return Field.IsValid() && Field->TryGetBool(OutBool);
}

void FJsonObject::SetBoolField(const FString& FieldName, bool InValue)
{
	SetField(FieldName, MakeShared<FJsonValueBoolean>(InValue));
}

const TArray<TSharedPtr<FJsonValue>>& FJsonObject::GetArrayField(const FString& FieldName) const
{
	const TArray<TSharedPtr<FJsonValue>>* Array = nullptr;
	return TryGetArrayField(FieldName, Array) ? *Array : EmptyArray;
}

bool FJsonObject::TryGetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	const TSharedPtr<FJsonValue>* Field = Values.Find(FieldName);
	return Field && Field->IsValid() && (*Field)->TryGetArray(OutArray);
}

void FJsonObject::SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Array)
{
	SetField(FieldName, MakeShared<FJsonValueArray>(Array));
}

const TSharedPtr<FJsonObject>& FJsonObject::GetObjectField(const FString& FieldName) const
{
	const TSharedPtr<FJsonObject>* Object = nullptr;
	return TryGetObjectField(FieldName, Object) ? *Object : NullObject;
}

bool FJsonObject::TryGetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>*& OutObject) const
{
	const TSharedPtr<FJsonValue>* Field = Values.Find(FieldName);
	return Field && Field->IsValid() && (*Field)->TryGetObject(OutObject);
}

void FJsonObject::SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& JsonObject)
{
	SetField(FieldName, JsonObject.IsValid() ? TSharedPtr<FJsonValue>(MakeShared<FJsonValueObject>(JsonObject))
											 : TSharedPtr<FJsonValue>(MakeShared<FJsonValueNull>()));
}
