// Escaping for the writers and the parser behind FJsonSerializer::Deserialize.
#include "Dom/JsonObject.h"
#include "Modules/ModuleManager.h"
#include "Serialization/JsonSerializer.h"

namespace Standin::Json
{
FString EscapeJsonString(const FString& String)
{
	FString Result;
	for (const TCHAR* Char = *String; *Char != u'\0'; ++Char)
	{
		switch (*Char)
		{
		case u'\\':
			Result += TEXT("\\\\");
			break;
		case u'\n':
			Result += TEXT("\\n");
			break;
		case u'\t':
			Result += TEXT("\\t");
			break;
		case u'\b':
			Result += TEXT("\\b");
			break;
		case u'\f':
			Result += TEXT("\\f");
			break;
		case u'\r':
			Result += TEXT("\\r");
			break;
		case u'"':
			Result += TEXT("\\\"");
			break;
		default:
			Result += *Char;
		}
	}
	return Result;
}

namespace
{
class FParser
{
public:
	explicit FParser(const FString& InText) : Text(*InText), End(*InText + InText.Len()) {}

	TSharedPtr<FJsonValue> ParseDocument(FString& OutError)
	{
		TSharedPtr<FJsonValue> Value = ParseValue(0);
		SkipBlanks();
		if (Value.IsValid() && Cursor() != End)
		{
			Fail(TEXT("unexpected text after the value"));
		}
		if (!Error.IsEmpty())
		{
			OutError = FString::Printf(TEXT("%s at character %d"), *Error, static_cast<int32>(Position - Text));
			return nullptr;
		}
		return Value;
	}

private:
	const TCHAR* Cursor() const { return Position; }
	void SkipBlanks()
	{
		while (Position != End && (*Position == u' ' || *Position == u'\t' || *Position == u'\r' || *Position == u'\n'))
		{
			++Position;
		}
	}
	TSharedPtr<FJsonValue> Fail(const TCHAR* Message)
	{
		if (Error.IsEmpty())
		{
			Error = Message;
		}
		return nullptr;
	}
	bool Consume(const TCHAR* Word)
	{
		const TCHAR* Scan = Position;
		for (; *Word != u'\0'; ++Word, ++Scan)
		{
			if (Scan == End || *Scan != *Word)
			{
				return false;
			}
		}
		Position = Scan;
		return true;
	}

	TSharedPtr<FJsonValue> ParseValue(int32 Depth)
	{
		SkipBlanks();
		if (Depth > 512)
		{
			return Fail(TEXT("nesting too deep"));
		}
		if (Position == End)
		{
			return Fail(TEXT("unexpected end of text"));
		}
		switch (*Position)
		{
		case u'{':
			return ParseObject(Depth);
		case u'[':
			return ParseArray(Depth);
		case u'"':
		{
			FString String;
			return ParseString(String) ? TSharedPtr<FJsonValue>(MakeShared<FJsonValueString>(String)) : nullptr;
		}
		default:
			break;
		}
		if (Consume(TEXT("true")))
		{
			return MakeShared<FJsonValueBoolean>(true);
		}
		if (Consume(TEXT("false")))
		{
			return MakeShared<FJsonValueBoolean>(false);
		}
		if (Consume(TEXT("null")))
		{
			return MakeShared<FJsonValueNull>();
		}
		return ParseNumber();
	}

	TSharedPtr<FJsonValue> ParseNumber()
	{
		std::string Digits;
		while (Position != End && (FChar::IsDigit(*Position) || *Position == u'-' || *Position == u'+' || *Position == u'.' ||
								   *Position == u'e' || *Position == u'E'))
		{
			Digits.push_back(static_cast<char>(*Position++));
		}
		char* Stop = nullptr;
		const double Number = Digits.empty() ? 0 : std::strtod(Digits.c_str(), &Stop);
		if (Digits.empty() || Stop != Digits.c_str() + Digits.size())
		{
			return Fail(TEXT("invalid value"));
		}
		return MakeShared<FJsonValueNumber>(Number);
	}

	bool ParseHex(uint32& OutValue)
	{
		OutValue = 0;
		for (int32 Index = 0; Index < 4; ++Index, ++Position)
		{
			if (Position == End)
			{
				return false;
			}
			const TCHAR C = *Position;
			const int32 Digit = FChar::IsDigit(C) ? C - u'0' : (C >= u'a' && C <= u'f') ? C - u'a' + 10 : (C >= u'A' && C <= u'F') ? C - u'A' + 10 : -1;
			if (Digit < 0)
			{
				return false;
			}
			OutValue = OutValue * 16 + Digit;
		}
		return true;
	}

	bool ParseString(FString& OutString)
	{
		++Position;
		while (Position != End && *Position != u'"')
		{
			TCHAR C = *Position++;
			if (C == u'\\')
			{
				if (Position == End)
				{
					break;
				}
				const TCHAR Escape = *Position++;
				uint32 Code = 0;
				switch (Escape)
				{
				case u'n': C = u'\n'; break;
				case u't': C = u'\t'; break;
				case u'b': C = u'\b'; break;
				case u'f': C = u'\f'; break;
				case u'r': C = u'\r'; break;
				case u'"': case u'\\': case u'/': C = Escape; break;
				case u'u':
					if (!ParseHex(Code))
					{
						Fail(TEXT("invalid \\u escape"));
						return false;
					}
					C = static_cast<TCHAR>(Code);
					break;
				default:
					Fail(TEXT("invalid escape"));
					return false;
				}
			}
			OutString += C;
		}
		if (Position == End)
		{
			Fail(TEXT("unterminated string"));
			return false;
		}
		++Position;
		return true;
	}

	TSharedPtr<FJsonValue> ParseArray(int32 Depth)
	{
		++Position;
		TArray<TSharedPtr<FJsonValue>> Elements;
		SkipBlanks();
		if (Position != End && *Position == u']')
		{
			++Position;
			return MakeShared<FJsonValueArray>(Elements);
		}
		while (true)
		{
			TSharedPtr<FJsonValue> Element = ParseValue(Depth + 1);
			if (!Element.IsValid())
			{
				return nullptr;
			}
			Elements.Add(Element);
			SkipBlanks();
			if (Consume(TEXT("]")))
			{
				return MakeShared<FJsonValueArray>(Elements);
			}
			if (!Consume(TEXT(",")))
			{
				return Fail(TEXT("expected ',' or ']'"));
			}
		}
	}

	TSharedPtr<FJsonValue> ParseObject(int32 Depth)
	{
		++Position;
		auto Object = MakeShared<FJsonObject>();
		SkipBlanks();
		if (Consume(TEXT("}")))
		{
			return MakeShared<FJsonValueObject>(Object);
		}
		while (true)
		{
			SkipBlanks();
			FString Name;
			if (Position == End || *Position != u'"' || !ParseString(Name))
			{
				return Fail(TEXT("expected a field name"));
			}
			SkipBlanks();
			if (!Consume(TEXT(":")))
			{
				return Fail(TEXT("expected ':'"));
			}
			TSharedPtr<FJsonValue> Value = ParseValue(Depth + 1);
			if (!Value.IsValid())
			{
				return nullptr;
			}
			Object->SetField(Name, Value);
			SkipBlanks();
			if (Consume(TEXT("}")))
			{
				return MakeShared<FJsonValueObject>(Object);
			}
			if (!Consume(TEXT(",")))
			{
				return Fail(TEXT("expected ',' or '}'"));
			}
		}
	}

	const TCHAR* const Text;
	const TCHAR* const End;
	const TCHAR* Position = Text;
	FString Error;
};
} // namespace

TSharedPtr<FJsonValue> Parse(const FString& Text, FString& OutError)
{
	return FParser(Text).ParseDocument(OutError);
}
} // namespace Standin::Json

IMPLEMENT_MODULE(FDefaultModuleImpl, Json)
