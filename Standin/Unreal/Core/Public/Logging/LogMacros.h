// UE_LOG and log categories. A line reads "<Category>: <Verbosity>: <message>", without the verbosity
// word for Log; it goes to standard output and to the project's log file (see Standin/Log.h).
#pragma once

#include <string>
#include <type_traits>

#include "Containers/UnrealString.h"
#include "Logging/LogCategory.h"
#include "Logging/LogVerbosity.h"

namespace Standin::Log
{
void WriteMessage(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const std::u16string& Message);

template <typename FmtType, typename... Types>
void Write(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const FmtType& Fmt, Types... Args)
{
	if (Category.IsSuppressed(Verbosity) && Verbosity != ELogVerbosity::Fatal)
	{
		return;
	}
	WriteMessage(Category, Verbosity, Format::Format(Fmt, Args...));
}
} // namespace Standin::Log

#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                             \
	extern struct FLogCategory##CategoryName : public FLogCategoryBase                                                \
	{                                                                                                                  \
		FLogCategory##CategoryName()                                                                                   \
			: FLogCategoryBase(TEXT(#CategoryName), ELogVerbosity::DefaultVerbosity, ELogVerbosity::CompileTimeVerbosity) \
		{                                                                                                              \
		}                                                                                                              \
	} CategoryName;

#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategory##CategoryName CategoryName;

#define DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                              \
	static struct FLogCategory##CategoryName : public FLogCategoryBase                                                \
	{                                                                                                                  \
		FLogCategory##CategoryName()                                                                                   \
			: FLogCategoryBase(TEXT(#CategoryName), ELogVerbosity::DefaultVerbosity, ELogVerbosity::CompileTimeVerbosity) \
		{                                                                                                              \
		}                                                                                                              \
	} CategoryName;

#define UE_LOG(CategoryName, Verbosity, Format, ...)                                                                   \
	Standin::Log::Write(CategoryName, ELogVerbosity::Verbosity, Format, ##__VA_ARGS__)

DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All)
