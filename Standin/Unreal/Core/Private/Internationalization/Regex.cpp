#include "Internationalization/Regex.h"

#include <cstdio>
#include <unicode/regex.h>
#include <unicode/unistr.h>

#include "Standin/Machine.h"

struct FRegexPattern::FImplementation
{
	std::unique_ptr<icu::RegexPattern> Pattern;
};

struct FRegexMatcher::FImplementation
{
	// ICU's matcher points into its pattern and its input: both live as long as the matcher
	// (declared first, destroyed last), even when the FRegexPattern was a temporary.
	std::shared_ptr<FRegexPattern::FImplementation> Pattern;
	icu::UnicodeString Input;
	std::unique_ptr<icu::RegexMatcher> Matcher;
	bool bHasMatch = false;
};

FRegexPattern::FRegexPattern(const FString& SourceString) : Implementation(std::make_shared<FImplementation>())
{
	UErrorCode Status = U_ZERO_ERROR;
	UParseError ParseError;
	const icu::UnicodeString Source(reinterpret_cast<const UChar*>(*SourceString), SourceString.Len());
	Implementation->Pattern.reset(icu::RegexPattern::compile(Source, 0, ParseError, Status));
	if (U_FAILURE(Status))
	{
		std::fprintf(stderr, "Standin: Error: invalid regular expression \"%s\": %s\n", Standin::Machine::ToUtf8(*SourceString).c_str(),
					 u_errorName(Status));
		Implementation->Pattern.reset();
	}
}

FRegexPattern::~FRegexPattern() = default;
FRegexPattern::FRegexPattern(const FRegexPattern& Other) = default;

FRegexMatcher::FRegexMatcher(const FRegexPattern& Pattern, const FString& Input) : Implementation(std::make_unique<FImplementation>())
{
	Implementation->Pattern = Pattern.Implementation;
	Implementation->Input = icu::UnicodeString(reinterpret_cast<const UChar*>(*Input), Input.Len());
	if (Pattern.Implementation && Pattern.Implementation->Pattern)
	{
		UErrorCode Status = U_ZERO_ERROR;
		Implementation->Matcher.reset(Pattern.Implementation->Pattern->matcher(Implementation->Input, Status));
		if (U_FAILURE(Status))
		{
			Implementation->Matcher.reset();
		}
	}
}

FRegexMatcher::~FRegexMatcher() = default;

bool FRegexMatcher::FindNext()
{
	Implementation->bHasMatch = Implementation->Matcher && Implementation->Matcher->find();
	return Implementation->bHasMatch;
}

int32 FRegexMatcher::GetCaptureGroupBeginning(const int32 Index)
{
	if (!Implementation->bHasMatch)
	{
		return INDEX_NONE;
	}
	UErrorCode Status = U_ZERO_ERROR;
	const int32 Result = Implementation->Matcher->start(Index, Status);
	return U_FAILURE(Status) ? INDEX_NONE : Result;
}

int32 FRegexMatcher::GetCaptureGroupEnding(const int32 Index)
{
	if (!Implementation->bHasMatch)
	{
		return INDEX_NONE;
	}
	UErrorCode Status = U_ZERO_ERROR;
	const int32 Result = Implementation->Matcher->end(Index, Status);
	return U_FAILURE(Status) ? INDEX_NONE : Result;
}

int32 FRegexMatcher::GetMatchBeginning()
{
	return GetCaptureGroupBeginning(0);
}

int32 FRegexMatcher::GetMatchEnding()
{
	return GetCaptureGroupEnding(0);
}

FString FRegexMatcher::GetCaptureGroup(const int32 Index)
{
	const int32 Begin = GetCaptureGroupBeginning(Index);
	const int32 End = GetCaptureGroupEnding(Index);
	if (Begin == INDEX_NONE || End == INDEX_NONE || End < Begin)
	{
		return FString();
	}
	icu::UnicodeString Group;
	Implementation->Input.extractBetween(Begin, End, Group);
	return FString(std::u16string(reinterpret_cast<const char16_t*>(Group.getBuffer()), Group.length()));
}
