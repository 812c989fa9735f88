// Json writers. The layout rules (where line breaks, tabs, blanks and commas go) are the engine's:
// a nested object's '{' starts a new line after its name, short values (numbers, booleans, null)
// in an array share the array's line ("[ 1, 2 ]"), strings and objects in an array get a line each.
#pragma once

#include <vector>

#include "CoreMinimal.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Serialization/JsonTypes.h"

namespace Standin::Json
{
// Escapes \ " and the control characters \n \t \b \f \r; every other character is written as it is.
// Like the engine, stops at an embedded NUL.
FString EscapeJsonString(const FString& String);
} // namespace Standin::Json

template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriter
{
public:
	virtual ~TJsonWriter() = default;

	void WriteObjectStart()
	{
		check(CanWriteObjectWithoutIdentifier());
		if (PreviousTokenWritten != EJsonToken::None)
		{
			WriteCommaIfNeeded();
			PrintPolicy::WriteLineTerminator(Stream);
			PrintPolicy::WriteTabs(Stream, IndentLevel);
		}
		OpenScope(CharType('{'), EJson::Object, EJsonToken::CurlyOpen);
	}

	void WriteObjectStart(const FString& Identifier)
	{
		check(IsInObject());
		WriteIdentifier(Identifier);
		PrintPolicy::WriteLineTerminator(Stream);
		PrintPolicy::WriteTabs(Stream, IndentLevel);
		OpenScope(CharType('{'), EJson::Object, EJsonToken::CurlyOpen);
	}

	void WriteObjectEnd()
	{
		check(IsInObject());
		PrintPolicy::WriteLineTerminator(Stream);
		--IndentLevel;
		PrintPolicy::WriteTabs(Stream, IndentLevel);
		PrintPolicy::WriteChar(Stream, CharType('}'));
		Stack.pop_back();
		PreviousTokenWritten = EJsonToken::CurlyClose;
	}

	void WriteArrayStart()
	{
		check(CanWriteValueWithoutIdentifier());
		if (PreviousTokenWritten != EJsonToken::None)
		{
			WriteCommaIfNeeded();
			PrintPolicy::WriteLineTerminator(Stream);
			PrintPolicy::WriteTabs(Stream, IndentLevel);
		}
		OpenScope(CharType('['), EJson::Array, EJsonToken::SquareOpen);
	}

	void WriteArrayStart(const FString& Identifier)
	{
		check(IsInObject());
		WriteIdentifier(Identifier);
		PrintPolicy::WriteSpace(Stream);
		OpenScope(CharType('['), EJson::Array, EJsonToken::SquareOpen);
	}

	void WriteArrayEnd()
	{
		check(!Stack.empty() && Stack.back() == EJson::Array);
		--IndentLevel;
		if (PreviousTokenWritten == EJsonToken::SquareClose || PreviousTokenWritten == EJsonToken::CurlyClose ||
			PreviousTokenWritten == EJsonToken::String)
		{
			PrintPolicy::WriteLineTerminator(Stream);
			PrintPolicy::WriteTabs(Stream, IndentLevel);
		}
		else if (PreviousTokenWritten != EJsonToken::SquareOpen)
		{
			PrintPolicy::WriteSpace(Stream);
		}
		PrintPolicy::WriteChar(Stream, CharType(']'));
		Stack.pop_back();
		PreviousTokenWritten = EJsonToken::SquareClose;
	}

	// A value inside an array.
	template <class FValue>
	void WriteValue(FValue Value)
	{
		check(CanWriteValueWithoutIdentifier());
		WriteCommaIfNeeded();
		if (PreviousTokenWritten == EJsonToken::SquareOpen || EJsonToken_IsShortValue(PreviousTokenWritten))
		{
			PrintPolicy::WriteSpace(Stream);
		}
		else
		{
			PrintPolicy::WriteLineTerminator(Stream);
			PrintPolicy::WriteTabs(Stream, IndentLevel);
		}
		PreviousTokenWritten = WriteValueOnly(Value);
	}

	void WriteValue(const FString& Value)
	{
		check(CanWriteValueWithoutIdentifier());
		WriteCommaIfNeeded();
		PrintPolicy::WriteLineTerminator(Stream);
		PrintPolicy::WriteTabs(Stream, IndentLevel);
		PreviousTokenWritten = WriteValueOnly(Value);
	}

	void WriteValue(const TCHAR* Value) { WriteValue(FString(Value)); }

	// A named value inside an object.
	template <class FValue>
	void WriteValue(const FString& Identifier, FValue Value)
	{
		check(IsInObject());
		WriteIdentifier(Identifier);
		PrintPolicy::WriteSpace(Stream);
		PreviousTokenWritten = WriteValueOnly(Value);
	}

	void WriteValue(const FString& Identifier, const TArray<FString>& Array)
	{
		WriteArrayStart(Identifier);
		for (const FString& Element : Array)
		{
			WriteValue(Element);
		}
		WriteArrayEnd();
	}

	void WriteNull() { WriteValue(nullptr); }
	void WriteNull(const FString& Identifier) { WriteValue(Identifier, nullptr); }

	// True when everything opened was closed.
	virtual bool Close()
	{
		return (PreviousTokenWritten == EJsonToken::None || PreviousTokenWritten == EJsonToken::CurlyClose ||
				PreviousTokenWritten == EJsonToken::SquareClose) &&
			   Stack.empty();
	}

protected:
	explicit TJsonWriter(int32 InitialIndentLevel) : IndentLevel(InitialIndentLevel) {}

	bool IsInObject() const { return !Stack.empty() && Stack.back() == EJson::Object; }
	bool CanWriteValueWithoutIdentifier() const
	{
		return Stack.empty() || Stack.back() == EJson::Array || PreviousTokenWritten == EJsonToken::Colon;
	}
	bool CanWriteObjectWithoutIdentifier() const { return CanWriteValueWithoutIdentifier(); }

	void OpenScope(CharType Char, EJson Scope, EJsonToken Token)
	{
		PrintPolicy::WriteChar(Stream, Char);
		++IndentLevel;
		Stack.push_back(Scope);
		PreviousTokenWritten = Token;
	}

	void WriteCommaIfNeeded()
	{
		if (PreviousTokenWritten != EJsonToken::CurlyOpen && PreviousTokenWritten != EJsonToken::SquareOpen &&
			PreviousTokenWritten != EJsonToken::Identifier)
		{
			PrintPolicy::WriteChar(Stream, CharType(','));
		}
	}

	void WriteIdentifier(const FString& Identifier)
	{
		WriteCommaIfNeeded();
		PrintPolicy::WriteLineTerminator(Stream);
		PrintPolicy::WriteTabs(Stream, IndentLevel);
		WriteStringValue(Identifier);
		PrintPolicy::WriteChar(Stream, CharType(':'));
	}

	EJsonToken WriteValueOnly(bool Value)
	{
		PrintPolicy::WriteString(Stream, Value ? FString(TEXT("true")) : FString(TEXT("false")));
		return Value ? EJsonToken::True : EJsonToken::False;
	}
	EJsonToken WriteValueOnly(float Value)
	{
		PrintPolicy::WriteFloat(Stream, Value);
		return EJsonToken::Number;
	}
	EJsonToken WriteValueOnly(double Value)
	{
		PrintPolicy::WriteDouble(Stream, Value);
		return EJsonToken::Number;
	}
	EJsonToken WriteValueOnly(int32 Value) { return WriteValueOnly(static_cast<int64>(Value)); }
	EJsonToken WriteValueOnly(int64 Value)
	{
		PrintPolicy::WriteString(Stream, FString::Printf(TEXT("%lld"), Value));
		return EJsonToken::Number;
	}
	EJsonToken WriteValueOnly(std::nullptr_t)
	{
		PrintPolicy::WriteString(Stream, FString(TEXT("null")));
		return EJsonToken::Null;
	}
	EJsonToken WriteValueOnly(const FString& Value)
	{
		WriteStringValue(Value);
		return EJsonToken::String;
	}
	EJsonToken WriteValueOnly(const TCHAR* Value) { return WriteValueOnly(FString(Value)); }

	void WriteStringValue(const FString& String)
	{
		PrintPolicy::WriteChar(Stream, CharType('"'));
		PrintPolicy::WriteString(Stream, Standin::Json::EscapeJsonString(String));
		PrintPolicy::WriteChar(Stream, CharType('"'));
	}

	typename PrintPolicy::FStream Stream;
	std::vector<EJson> Stack;
	EJsonToken PreviousTokenWritten = EJsonToken::None;
	int32 IndentLevel = 0;
};

// Writes into an FString, which receives the whole text (replacing what it held) when the writer closes.
template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonStringWriter : public TJsonWriter<CharType, PrintPolicy>
{
public:
	TJsonStringWriter(FString* const InOutString, int32 InitialIndent)
		: TJsonWriter<CharType, PrintPolicy>(InitialIndent), OutString(InOutString)
	{
	}

	bool Close() override
	{
		*OutString = FString(this->Stream);
		return TJsonWriter<CharType, PrintPolicy>::Close();
	}

private:
	FString* OutString;
};

template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriterFactory
{
public:
	static TSharedRef<TJsonWriter<CharType, PrintPolicy>> Create(FString* const Stream, int32 InitialIndent = 0)
	{
		return TSharedRef<TJsonWriter<CharType, PrintPolicy>>(MakeShared<TJsonStringWriter<CharType, PrintPolicy>>(Stream, InitialIndent));
	}
};
