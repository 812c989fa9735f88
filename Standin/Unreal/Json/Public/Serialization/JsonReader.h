// Json readers: the text to parse. FJsonSerializer::Deserialize does the parsing.
#pragma once

#include "CoreMinimal.h"

template <class CharType = TCHAR>
class TJsonReader
{
public:
	explicit TJsonReader(FString InText) : Text(MoveTemp(InText)) {}
	virtual ~TJsonReader() = default;

	const FString& GetErrorMessage() const { return ErrorMessage; }

	// Stand-in internals, used by FJsonSerializer.
	const FString& GetText() const { return Text; }
	void SetErrorMessage(const FString& Message) { ErrorMessage = Message; }

private:
	FString Text;
	FString ErrorMessage;
};

template <class CharType = TCHAR>
class TJsonReaderFactory
{
public:
	static TSharedRef<TJsonReader<CharType>> Create(const FString& JsonString) { return MakeShared<TJsonReader<CharType>>(JsonString); }
};
