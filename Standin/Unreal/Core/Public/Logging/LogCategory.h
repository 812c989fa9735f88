#pragma once

#include <string>

#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

struct FLogCategoryBase
{
	FLogCategoryBase(const TCHAR* InCategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity);

	const FName& GetCategoryName() const { return CategoryName; }
	ELogVerbosity::Type GetVerbosity() const { return Verbosity; }
	void SetVerbosity(ELogVerbosity::Type NewVerbosity) { Verbosity = NewVerbosity; }
	bool IsSuppressed(ELogVerbosity::Type MessageVerbosity) const
	{
		return MessageVerbosity > Verbosity || MessageVerbosity > CompileTimeVerbosity;
	}

	// Stand-in only: the name as every log line starts with it, converted once.
	const std::string& GetUtf8Name() const { return Utf8Name; }

private:
	FName CategoryName;
	ELogVerbosity::Type Verbosity;
	ELogVerbosity::Type CompileTimeVerbosity;
	std::string Utf8Name;
};
