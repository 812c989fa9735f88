// check/checkf abort with "Assertion failed: ..."; ensure reports "Ensure condition failed: <expr>"
// once per call site per process and lets execution go on, returning the condition.
#pragma once

#include <atomic>
#include <string>

#include "CoreTypes.h"
#include "Standin/Printf.h"

namespace Standin::Assert
{
[[noreturn]] void Fail(const char* Expression, const char* File, int Line, const std::u16string& Message);
// Returns false. Reports only when *bReported was false (and sets it), unless bAlways.
bool EnsureFailed(const char* Expression, const char* File, int Line, std::atomic<bool>* bReported,
				  const std::u16string& Message = std::u16string());
} // namespace Standin::Assert

#define STANDIN_ENSURE_SITE() ([]() -> std::atomic<bool>* { static std::atomic<bool> bReported{false}; return &bReported; }())

#define check(expr)                                                                                                    \
	do                                                                                                                 \
	{                                                                                                                  \
		if (UNLIKELY(!(expr)))                                                                                         \
		{                                                                                                              \
			Standin::Assert::Fail(#expr, __FILE__, __LINE__, std::u16string());                                       \
		}                                                                                                              \
	} while (0)

#define checkf(expr, Fmt, ...)                                                                                      \
	do                                                                                                                 \
	{                                                                                                                  \
		if (UNLIKELY(!(expr)))                                                                                         \
		{                                                                                                              \
			Standin::Assert::Fail(#expr, __FILE__, __LINE__, Standin::Format::Format(Fmt, ##__VA_ARGS__));          \
		}                                                                                                              \
	} while (0)

#define verify(expr) check(expr)
#define checkNoEntry() check(!"Enclosing block should never be called")
#define checkSlow(expr)

#define ensure(expr) (LIKELY(!!(expr)) || Standin::Assert::EnsureFailed(#expr, __FILE__, __LINE__, STANDIN_ENSURE_SITE()))

#define ensureMsgf(expr, Fmt, ...)                                                                                  \
	(LIKELY(!!(expr)) || Standin::Assert::EnsureFailed(#expr, __FILE__, __LINE__, STANDIN_ENSURE_SITE(),            \
													   Standin::Format::Format(Fmt, ##__VA_ARGS__)))

#define ensureAlways(expr) (LIKELY(!!(expr)) || Standin::Assert::EnsureFailed(#expr, __FILE__, __LINE__, nullptr))
