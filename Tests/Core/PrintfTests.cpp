// The printf formatter behind FString::Printf and UE_LOG, against the Win64 C runtime's printf over
// wide strings: what the plugin's format strings produce there, they must produce here.
#include <climits>
#include <cstdint>
#include <string>

#include "CoreTestSupport.h"
#include "Containers/UnrealString.h"

using CoreTest::Utf8;

namespace
{
// Formats with a fresh stderr capture; Warning receives what the formatter reported.
template <typename FmtType, typename... Types>
std::string FormatReporting(std::string& Warning, const FmtType& Fmt, Types... Args)
{
	testing::internal::CaptureStderr();
	const FString Result = FString::Printf(Fmt, Args...);
	Warning = testing::internal::GetCapturedStderr();
	return Utf8(Result);
}
} // namespace

TEST(PrintfStrings, TcharStringsWithWidthPrecisionAndNull)
{
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%s]"), TEXT("abc"))), "[abc]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%s]"), static_cast<const TCHAR*>(nullptr))), "[(null)]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%s]"), nullptr)), "[(null)]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%6s]"), TEXT("ab"))), "[    ab]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%-6s]"), TEXT("ab"))), "[ab    ]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%.2s]"), TEXT("abcdef"))), "[ab]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%5.1s]"), TEXT("xyz"))), "[    x]");

	const FString Name(TEXT("Caf\u00e9 \u65e5\u672c"));
	EXPECT_EQ(Utf8(FString::Printf(TEXT("Map %s!"), *Name)), "Map Caf\u00e9 \u65e5\u672c!");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%s"), *FString())), "");
}

TEST(PrintfIntegers, SignedAndUnsignedWithWin64LengthRules)
{
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%d %i"), -42, 17)), "-42 17");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%d"), INT32_MIN)), "-2147483648");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%u"), -1)), "4294967295");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%x %X"), 255, 0xBEEFu)), "ff BEEF");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%x"), -1)), "ffffffff");

	// 'll' (and I64) read 64 bits.
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%lld"), INT64_MIN)), "-9223372036854775808");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%llu"), UINT64_MAX)), "18446744073709551615");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%llu"), uint64(2000000001))), "2000000001");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%llx"), uint64(0x123456789AULL))), "123456789a");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%I64d"), int64(-5000000000LL))), "-5000000000");

	// On Win64 'long' is 32 bits, so %ld/%lu read 32 bits, as plain %d/%u do.
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%ld"), int64(0x100000005LL))), "5");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%lu"), UINT64_MAX)), "4294967295");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%d"), int64(0x200000007LL))), "7");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%hu"), 65537)), "1");

	EXPECT_EQ(Utf8(FString::Printf(TEXT("%d %d"), true, false)), "1 0");
	enum class ECount : uint8 { Three = 3 };
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%d"), ECount::Three)), "3");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%zu"), sizeof(uint64))), "8");
}

TEST(PrintfIntegers, FlagsWidthsAndStarArguments)
{
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%5d]"), 42)), "[   42]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%-5d]"), 42)), "[42   ]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%05d]"), 42)), "[00042]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%05d]"), -42)), "[-0042]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%-05d]"), 42)), "[42   ]") << "'-' wins over '0'";
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%+d]"), 5)), "[+5]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%.3d]"), 7)), "[007]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%2d]"), 12345)), "[12345]") << "a width never truncates";
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%08llu]"), uint64(12))), "[00000012]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%#x]"), 255)), "[0xff]");

	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%*d]"), 6, 42)), "[    42]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%-*d]"), 4, 7)), "[7   ]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%.*f]"), 2, 3.14159)), "[3.14]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%*.*f]"), 7, 1, 2.26)), "[    2.3]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%.*s]"), 3, TEXT("abcdef"))), "[abc]");
	// As in C: a negative '*' width means '-' and its magnitude; a negative '*' precision is none.
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%*d]"), -4, 42)), "[42  ]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%.*s]"), -1, TEXT("abc"))), "[abc]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%.*f]"), -1, 0.5)), "[0.500000]");
}

TEST(PrintfFloats, SeventeenDigitsForWholeAndFractionalNumbers)
{
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 42.0)), "42");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), -7.0)), "-7");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 0.0)), "0");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 731904.0)), "731904");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 0.1)), "0.10000000000000001");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 1.0 / 3.0)), "0.33333333333333331");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 1.5)), "1.5");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 1e21)), "1e+21");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.17g"), 9007199254740993.0)), "9007199254740992");
}

TEST(PrintfFloats, FixedExponentAndGeneralForms)
{
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%f"), 1.5)), "1.500000");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%f"), 0.25f)), "0.250000") << "a float argument is promoted";
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%.2f"), 2.675)), "2.67") << "the binary value is just below 2.675";
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%8.3f]"), 3.14159)), "[   3.142]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%-8.1f]"), -1.26)), "[-1.3    ]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%08.2f]"), -3.5)), "[-0003.50]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%e"), 12345.678)), "1.234568e+04");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%g %g"), 0.0001, 0.00001)), "0.0001 1e-05");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%g"), 100000.0)), "100000");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%g"), 1000000.0)), "1e+06");
}

TEST(PrintfOther, CharactersPercentAndPointers)
{
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%c%c"), TEXT('O'), TEXT('k'))), "Ok");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%c"), TCHAR(0xE9))), "\u00e9");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%3c]"), TEXT('A'))), "[  A]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("[%-3c]"), TEXT('A'))), "[A  ]");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("100%%"))), "100%");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%d%% of %d"), 50, 8)), "50% of 8");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%%s %s"), TEXT("x"))), "%s x");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("%p"), static_cast<void*>(nullptr))), "0000000000000000");
	EXPECT_EQ(Utf8(FString::Printf(TEXT("no conversions"))), "no conversions");
	EXPECT_EQ(Utf8(FString::FromInt(-12)), "-12");
}

TEST(PrintfMisuse, MismatchedArgumentsAreReportedWithoutCrashing)
{
	std::string Warning;
	EXPECT_EQ(FormatReporting(Warning, TEXT("[%s]"), 5), "[]");
	EXPECT_NE(Warning.find("Standin: Warning: printf format \"[%s]\": %s needs a TCHAR* argument"), std::string::npos) << Warning;

	EXPECT_EQ(FormatReporting(Warning, TEXT("<%d>"), TEXT("text")), "<0>");
	EXPECT_NE(Warning.find("\"<%d>\": an integer conversion needs an integer argument"), std::string::npos) << Warning;

	EXPECT_EQ(FormatReporting(Warning, TEXT("<%.1f>"), 3), "<3.0>");
	EXPECT_NE(Warning.find("\"<%.1f>\": a floating-point conversion needs a floating-point argument"), std::string::npos) << Warning;

	FormatReporting(Warning, TEXT("<%x>"), 2.0);
	EXPECT_NE(Warning.find("\"<%x>\": an integer conversion needs an integer argument"), std::string::npos) << Warning;
}

TEST(PrintfMisuse, MissingAndSurplusArgumentsAreReported)
{
	std::string Warning;
	EXPECT_EQ(FormatReporting(Warning, TEXT("%d and %s and %d"), 1), "1 and  and ");
	EXPECT_NE(Warning.find("\"%d and %s and %d\": fewer arguments than conversions"), std::string::npos) << Warning;
	EXPECT_EQ(Warning.find('\n'), Warning.size() - 1) << "reported once per format string: " << Warning;

	EXPECT_EQ(FormatReporting(Warning, TEXT("[%*d]")), "[]");
	EXPECT_NE(Warning.find("fewer arguments than conversions"), std::string::npos) << Warning;

	EXPECT_EQ(FormatReporting(Warning, TEXT("only %d"), 1, 2, 3), "only 1");
	EXPECT_NE(Warning.find("\"only %d\": more arguments than conversions"), std::string::npos) << Warning;

	// The same misuse again is not reported twice in one process.
	EXPECT_EQ(FormatReporting(Warning, TEXT("only %d"), 4, 5), "only 4");
	EXPECT_EQ(Warning, "");
}

TEST(PrintfMisuse, UnknownOrIncompleteConversionsAreCopiedAsTheyStand)
{
	std::string Warning;
	EXPECT_EQ(FormatReporting(Warning, TEXT("a %y b"), 1), "a %y b");
	EXPECT_NE(Warning.find("unknown conversion"), std::string::npos) << Warning;
	EXPECT_EQ(FormatReporting(Warning, TEXT("ends with %")), "ends with %");
	EXPECT_EQ(FormatReporting(Warning, TEXT("ends with %-0")), "ends with %-0");
	EXPECT_EQ(FormatReporting(Warning, TEXT("%d%"), 9), "9%");
}
