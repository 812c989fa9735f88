// Json values: a string, number, boolean, array, object or null.
#pragma once

#include "CoreMinimal.h"
#include "Serialization/JsonTypes.h"

class FJsonObject;

class FJsonValue
{
public:
	virtual ~FJsonValue() = default;

	// The value as that type; a value of another type logs an error and gives 0, "", false or empty.
	virtual double AsNumber() const;
	virtual FString AsString() const;
	virtual bool AsBool() const;
	virtual const TArray<TSharedPtr<FJsonValue>>& AsArray() const;
	virtual const TSharedPtr<FJsonObject>& AsObject() const;

	virtual bool TryGetNumber(double& OutNumber) const { return false; }
	bool TryGetNumber(int32& OutNumber) const;
	bool TryGetNumber(uint32& OutNumber) const;
	bool TryGetNumber(int64& OutNumber) const;
	virtual bool TryGetString(FString& OutString) const { return false; }
	virtual bool TryGetBool(bool& OutBool) const { return false; }
	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const { return false; }
	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const { return false; }

	bool IsNull() const { return Type == EJson::Null || Type == EJson::None; }

	EJson Type = EJson::None;

protected:
	FJsonValue() = default;
	virtual FString GetType() const = 0;
	void ErrorMessage(const FString& InType) const;
};

class FJsonValueString : public FJsonValue
{
public:
	explicit FJsonValueString(const FString& InString) : Value(InString) { Type = EJson::String; }
	bool TryGetString(FString& OutString) const override;
	bool TryGetNumber(double& OutNumber) const override;
	bool TryGetBool(bool& OutBool) const override;

protected:
	FString GetType() const override { return TEXT("String"); }
	FString Value;
};

class FJsonValueNumber : public FJsonValue
{
public:
	explicit FJsonValueNumber(double InNumber) : Value(InNumber) { Type = EJson::Number; }
	bool TryGetNumber(double& OutNumber) const override;
	bool TryGetString(FString& OutString) const override;
	bool TryGetBool(bool& OutBool) const override;

protected:
	FString GetType() const override { return TEXT("Number"); }
	double Value;
};

class FJsonValueBoolean : public FJsonValue
{
public:
	explicit FJsonValueBoolean(bool InBool) : Value(InBool) { Type = EJson::Boolean; }
	bool TryGetBool(bool& OutBool) const override;
	bool TryGetNumber(double& OutNumber) const override;
	bool TryGetString(FString& OutString) const override;

protected:
	FString GetType() const override { return TEXT("Boolean"); }
	bool Value;
};

class FJsonValueArray : public FJsonValue
{
public:
	explicit FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InArray) : Value(InArray) { Type = EJson::Array; }
	bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const override;

protected:
	FString GetType() const override { return TEXT("Array"); }
	TArray<TSharedPtr<FJsonValue>> Value;
};

class FJsonValueObject : public FJsonValue
{
public:
	explicit FJsonValueObject(TSharedPtr<FJsonObject> InObject) : Value(InObject) { Type = EJson::Object; }
	bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const override;

protected:
	FString GetType() const override { return TEXT("Object"); }
	TSharedPtr<FJsonObject> Value;
};

class FJsonValueNull : public FJsonValue
{
public:
	FJsonValueNull() { Type = EJson::Null; }

protected:
	FString GetType() const override { return TEXT("Null"); }
};
