// Basic types of the engine, as on its Win64 build where the plugin runs: TCHAR is a 16-bit
// character (here char16_t), TEXT("x") a UTF-16 literal, and LINE_TERMINATOR is CRLF.
#pragma once

#include <cstddef>
#include <cstdint>

using uint8 = std::uint8_t;
using uint16 = std::uint16_t;
using uint32 = std::uint32_t;
using uint64 = std::uint64_t;
using int8 = std::int8_t;
using int16 = std::int16_t;
using int32 = std::int32_t;
using int64 = std::int64_t;
using ANSICHAR = char;
using WIDECHAR = char16_t;
using TCHAR = char16_t;
using UTF8CHAR = std::uint8_t;
using UTF16CHAR = char16_t;
using UCS2CHAR = char16_t;
using SIZE_T = std::size_t;
using PTRINT = std::intptr_t;
using UPTRINT = std::uintptr_t;

#define TEXT_PASTE(x) u##x
#define TEXT(x) TEXT_PASTE(x)
#define LINE_TERMINATOR TEXT("\r\n")

#define FORCEINLINE inline
#define FORCENOINLINE __attribute__((noinline))
#define LIKELY(x) __builtin_expect(!!(x), 1)
#define UNLIKELY(x) __builtin_expect(!!(x), 0)
#define CORE_API
#define UE_DEPRECATED(Version, Message) [[deprecated(Message)]]

// Third-party headers are wrapped in these in the engine to silence their warnings.
#define THIRD_PARTY_INCLUDES_START                                                                                     \
	_Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wall\"")                                         \
		_Pragma("GCC diagnostic ignored \"-Wextra\"")
#define THIRD_PARTY_INCLUDES_END _Pragma("GCC diagnostic pop")

#define PRAGMA_DISABLE_DEPRECATION_WARNINGS
#define PRAGMA_ENABLE_DEPRECATION_WARNINGS

// The stand-in builds the Win64 editor's view of the world.
#define PLATFORM_WINDOWS 1
#define PLATFORM_64BITS 1
#define WITH_EDITOR 1
#define WITH_EDITORONLY_DATA 1
