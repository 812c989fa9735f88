#pragma once

#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

struct FLogCategoryBase
{
	FLogCategoryBase(const TCHAR* InCategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity)
		: CategoryName(InCategoryName), Verbosity(InDefaultVerbosity), CompileTimeVerbosity(InCompileTimeVerbosity)
	{
	}

	const FName& GetCategoryName() const { return CategoryName; }
	ELogVerbosity::Type GetVerbosity() const { return Verbosity; }
	void SetVerbosity(ELogVerbosity::Type NewVerbosity) { Verbosity = NewVerbosity; }
	bool IsSuppressed(ELogVerbosity::Type MessageVerbosity) const
	{
		return MessageVerbosity > Verbosity || MessageVerbosity > CompileTimeVerbosity;
	}

private:
	FName CategoryName;
	ELogVerbosity::Type Verbosity;
	ELogVerbosity::Type CompileTimeVerbosity;
};
