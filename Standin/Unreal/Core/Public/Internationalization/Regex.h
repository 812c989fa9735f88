// Regular expressions on ICU, as in the engine. Indices are UTF-16 offsets.
#pragma once

#include <memory>

#include "Containers/UnrealString.h"

class FRegexPattern
{
public:
	explicit FRegexPattern(const FString& SourceString);
	~FRegexPattern();
	FRegexPattern(const FRegexPattern& Other);

	struct FImplementation;
	std::shared_ptr<FImplementation> Implementation;
};

class FRegexMatcher
{
public:
	FRegexMatcher(const FRegexPattern& Pattern, const FString& Input);
	~FRegexMatcher();

	bool FindNext();
	int32 GetMatchBeginning();
	int32 GetMatchEnding();
	int32 GetCaptureGroupBeginning(const int32 Index);
	int32 GetCaptureGroupEnding(const int32 Index);
	FString GetCaptureGroup(const int32 Index);

	struct FImplementation;

private:
	std::unique_ptr<FImplementation> Implementation;
};
