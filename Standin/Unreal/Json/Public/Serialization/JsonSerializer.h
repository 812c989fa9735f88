#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonWriter.h"

namespace Standin::Json
{
// Parses one Json value (RFC 8259, with the whole text consumed); null with a message on error.
TSharedPtr<FJsonValue> Parse(const FString& Text, FString& OutError);
} // namespace Standin::Json

class FJsonSerializer
{
public:
	// Writes the object; true when the writer was closed balanced (or not closed at all).
	template <class CharType, class PrintPolicy>
	static bool Serialize(const TSharedRef<FJsonObject>& Object, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer,
						  bool bCloseWriter = true)
	{
		WriteObject(*Object, *Writer, nullptr);
		return bCloseWriter ? Writer->Close() : true;
	}

	template <class CharType, class PrintPolicy>
	static bool Serialize(const TArray<TSharedPtr<FJsonValue>>& Array, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer,
						  bool bCloseWriter = true)
	{
		WriteArray(Array, *Writer, nullptr);
		return bCloseWriter ? Writer->Close() : true;
	}

	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TSharedPtr<FJsonObject>& OutObject)
	{
		const TSharedPtr<FJsonValue> Value = ParseReader(*Reader);
		const TSharedPtr<FJsonObject>* Object = nullptr;
		if (!Value.IsValid() || !Value->TryGetObject(Object))
		{
			return false;
		}
		OutObject = *Object;
		return true;
	}

	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TArray<TSharedPtr<FJsonValue>>& OutArray)
	{
		const TSharedPtr<FJsonValue> Value = ParseReader(*Reader);
		const TArray<TSharedPtr<FJsonValue>>* Array = nullptr;
		if (!Value.IsValid() || !Value->TryGetArray(Array))
		{
			return false;
		}
		OutArray = *Array;
		return true;
	}

	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TSharedPtr<FJsonValue>& OutValue)
	{
		OutValue = ParseReader(*Reader);
		return OutValue.IsValid();
	}

private:
	template <class CharType>
	static TSharedPtr<FJsonValue> ParseReader(TJsonReader<CharType>& Reader)
	{
		FString Error;
		TSharedPtr<FJsonValue> Value = Standin::Json::Parse(Reader.GetText(), Error);
		Reader.SetErrorMessage(Error);
		return Value;
	}

	template <class WriterType>
	static void WriteObject(const FJsonObject& Object, WriterType& Writer, const FString* Identifier)
	{
		Identifier ? Writer.WriteObjectStart(*Identifier) : Writer.WriteObjectStart();
		for (const auto& Pair : Object.Values)
		{
			WriteValue(Pair.Value, Writer, &Pair.Key);
		}
		Writer.WriteObjectEnd();
	}

	template <class WriterType>
	static void WriteArray(const TArray<TSharedPtr<FJsonValue>>& Array, WriterType& Writer, const FString* Identifier)
	{
		Identifier ? Writer.WriteArrayStart(*Identifier) : Writer.WriteArrayStart();
		for (const TSharedPtr<FJsonValue>& Element : Array)
		{
			WriteValue(Element, Writer, nullptr);
		}
		Writer.WriteArrayEnd();
	}

	template <class WriterType, class FValue>
	static void WriteScalar(WriterType& Writer, const FString* Identifier, FValue Value)
	{
		Identifier ? Writer.WriteValue(*Identifier, Value) : Writer.WriteValue(Value);
	}

	template <class WriterType>
	static void WriteValue(const TSharedPtr<FJsonValue>& Value, WriterType& Writer, const FString* Identifier)
	{
		const EJson Type = Value.IsValid() ? Value->Type : EJson::Null;
		switch (Type)
		{
		case EJson::String:
			WriteScalar(Writer, Identifier, Value->AsString());
			break;
		case EJson::Number:
			WriteScalar(Writer, Identifier, Value->AsNumber());
			break;
		case EJson::Boolean:
			WriteScalar(Writer, Identifier, Value->AsBool());
			break;
		case EJson::Array:
			WriteArray(Value->AsArray(), Writer, Identifier);
			break;
		case EJson::Object:
			WriteObject(*Value->AsObject(), Writer, Identifier);
			break;
		default:
			WriteScalar(Writer, Identifier, nullptr);
			break;
		}
	}
};
