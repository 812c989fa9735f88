// The printf formatter of the stand-in, over UTF-16, shared by FString::Printf and UE_LOG.
// Arguments are captured with their types (see MakeFormatArg), so a mismatch is reported instead of
// reading garbage. Supported: %s (a TCHAR*), %c, %d %i %u %x %X %o, %f %F %e %E %g %G, %p, %%, with
// flags "-+ 0#", widths and precisions (also '*'), and the length modifiers h hh l ll z I64.
// As on Win64, 'l' means 32 bits and 'll' or I64 means 64 bits.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>

#include "HAL/Platform.h"

namespace Standin::Format
{
struct FArg
{
	enum class EKind : uint8
	{
		Signed,
		Unsigned,
		Double,
		WideString,
		Pointer
	};
	EKind Kind = EKind::Signed;
	int64 Signed = 0;
	uint64 Unsigned = 0;
	double Double = 0;
	const TCHAR* String = nullptr;
	const void* Pointer = nullptr;
};

template <typename T>
FArg MakeFormatArg(T Value)
{
	using U = std::decay_t<T>;
	FArg Arg;
	if constexpr (std::is_same_v<U, std::nullptr_t>)
	{
		Arg.Kind = FArg::EKind::WideString;
	}
	else if constexpr (std::is_enum_v<U>)
	{
		return MakeFormatArg(static_cast<std::underlying_type_t<U>>(Value));
	}
	else if constexpr (std::is_same_v<U, bool>)
	{
		Arg.Kind = FArg::EKind::Signed;
		Arg.Signed = Value ? 1 : 0;
	}
	else if constexpr (std::is_integral_v<U> && std::is_signed_v<U>)
	{
		Arg.Kind = FArg::EKind::Signed;
		Arg.Signed = static_cast<int64>(Value);
	}
	else if constexpr (std::is_integral_v<U>)
	{
		Arg.Kind = FArg::EKind::Unsigned;
		Arg.Unsigned = static_cast<uint64>(Value);
	}
	else if constexpr (std::is_floating_point_v<U>)
	{
		Arg.Kind = FArg::EKind::Double;
		Arg.Double = static_cast<double>(Value);
	}
	else if constexpr (std::is_same_v<U, const TCHAR*> || std::is_same_v<U, TCHAR*>)
	{
		Arg.Kind = FArg::EKind::WideString;
		Arg.String = Value;
	}
	else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>)
	{
		static_assert(!std::is_same_v<U, U>, "%s takes a TCHAR*; convert 8-bit text first");
	}
	else if constexpr (std::is_pointer_v<U>)
	{
		Arg.Kind = FArg::EKind::Pointer;
		Arg.Pointer = static_cast<const void*>(Value);
	}
	else
	{
		static_assert(!std::is_same_v<U, U>, "Invalid argument passed to a printf-style function (pass *String for an FString)");
	}
	return Arg;
}

// Formats Fmt with the arguments. Mismatched or missing arguments are reported once on stderr.
std::u16string FormatString(const TCHAR* Fmt, const FArg* Args, std::size_t NumArgs);

// The engine's printf-style entry points take a TEXT("...") literal and the arguments as they are.
template <typename FmtType, typename... Types>
std::u16string Format(const FmtType& Fmt, Types... Args)
{
	static_assert(std::is_array_v<FmtType> && std::is_same_v<std::remove_cv_t<std::remove_extent_t<FmtType>>, TCHAR>,
				  "Formatting string must be a TCHAR array.");
	const FArg ArgArray[] = {MakeFormatArg(Args)..., FArg()};
	return FormatString(Fmt, ArgArray, sizeof...(Args));
}
} // namespace Standin::Format
