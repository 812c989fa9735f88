// String conversions as the engine has them: without a length up to the terminator and terminated;
// with a length exactly that many characters and NOT terminated, so that reading the result as a C
// string fails loudly (a fault, or AddressSanitizer's report) instead of stopping at a zero by luck.
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <type_traits>

#include "Containers/StringConv.h"
#include "CoreTestSupport.h"
#include "Standin/Sanitizers.h"

namespace
{
const TCHAR* const Title = TEXT("Caf\u00e9 \u65e5\u672c \U0001F600 Harbour");

template <typename ConverterType>
std::string Bytes(const ConverterType& Converted)
{
	return std::string(reinterpret_cast<const char*>(Converted.Get()), static_cast<size_t>(Converted.Length()));
}

// Reads the converted text as a C string, as code that forgets Length() does.
template <typename ConverterType>
void ReadAsCString(const ConverterType& Converted)
{
	volatile size_t Length = std::strlen(reinterpret_cast<const char*>(Converted.Get()));
	(void)Length;
}

// What an over-read of an unterminated result does in this build.
#if STANDIN_ADDRESS_SANITIZER
#define EXPECT_OVERREAD_DIES(Statement) EXPECT_DEATH(Statement, "heap-buffer-overflow")
#elif STANDIN_THREAD_SANITIZER
// ThreadSanitizer catches the guard page's fault itself, reports it and aborts.
#define EXPECT_OVERREAD_DIES(Statement) EXPECT_DEATH(Statement, "ThreadSanitizer: SEGV")
#else
#define EXPECT_OVERREAD_DIES(Statement) EXPECT_EXIT(Statement, testing::KilledBySignal(SIGSEGV), "")
#endif
} // namespace

TEST(StringConversions, WithALengthConvertsExactlyThatManyCharacters)
{
	const FTCHARToUTF8 Four(Title, 4);
	EXPECT_EQ(Bytes(Four), "Caf\u00e9");
	EXPECT_EQ(Four.Length(), 5) << "the converted length in bytes";

	const FTCHARToUTF8 Whole(Title, FCString::Strlen(Title));
	EXPECT_EQ(Bytes(Whole), "Caf\u00e9 \u65e5\u672c \U0001F600 Harbour");

	// A length that takes a zero character converts it too; nothing stops at it.
	const TCHAR WithZero[] = {u'a', u'\0', u'b'};
	EXPECT_EQ(Bytes(FTCHARToUTF8(WithZero, 3)), std::string("a\0b", 3));

	const FTCHARToUTF8 None(Title, 0);
	EXPECT_NE(None.Get(), nullptr);
	EXPECT_EQ(None.Length(), 0);
	EXPECT_EQ(FTCHARToUTF8(Title, -3).Length(), 0) << "a negative length converts nothing";

	const FUTF8ToTCHAR Wide("Caf\xC3\xA9 and more", 5);
	EXPECT_EQ(std::u16string(Wide.Get(), Wide.Length()), u"Caf\u00e9");
	EXPECT_EQ(Wide.Length(), 4);
}

TEST(StringConversions, StringCastWithALengthGivesGetAndLength)
{
	const auto Ansi = StringCast<ANSICHAR>(Title, 6);
	static_assert(std::is_same_v<decltype(Ansi.Get()), const ANSICHAR*>);
	EXPECT_EQ(Bytes(Ansi), "Caf? ?") << "characters above U+007F become '?'";
	EXPECT_EQ(Ansi.Length(), 6);

	const auto Utf8 = StringCast<UTF8CHAR>(Title, 6);
	static_assert(std::is_same_v<decltype(Utf8.Get()), const UTF8CHAR*>);
	EXPECT_EQ(Bytes(Utf8), "Caf\u00e9 \u65e5");
	EXPECT_EQ(Utf8.Length(), 9);

	const auto Terminated = StringCast<ANSICHAR>(TEXT("plain"));
	EXPECT_STREQ(Terminated.Get(), "plain");
	EXPECT_EQ(Terminated.Length(), 5);
}

TEST(StringConversions, WithoutALengthConvertsToTheTerminatorAndTerminates)
{
	const FTCHARToUTF8 Converted(Title);
	EXPECT_EQ(Converted.Length(), static_cast<int32>(std::strlen(Converted.Get())));
	EXPECT_EQ(Converted.Get()[Converted.Length()], '\0');
	EXPECT_STREQ(Converted.Get(), "Caf\u00e9 \u65e5\u672c \U0001F600 Harbour");

	const FUTF8ToTCHAR Back(Converted.Get());
	EXPECT_EQ(Back.Get()[Back.Length()], u'\0');
	EXPECT_EQ(std::u16string(Back.Get()), std::u16string(Title));
	EXPECT_EQ(FTCHARToANSI(TEXT("a\u00e9")).Get()[2], '\0');
	EXPECT_EQ(FANSIToTCHAR("ab").Get()[2], u'\0');
}

TEST(StringConversions, ANullSourceGivesANullResult)
{
	EXPECT_EQ(FTCHARToUTF8(nullptr).Get(), nullptr);
	EXPECT_EQ(FTCHARToUTF8(nullptr, 4).Get(), nullptr);
	EXPECT_EQ(FTCHARToUTF8(nullptr, 4).Length(), 0);
	EXPECT_EQ(FUTF8ToTCHAR(nullptr).Get(), nullptr);
	EXPECT_EQ(TCHAR_TO_UTF8(nullptr), nullptr);
}

TEST(StringConversions, AMovedConverterKeepsItsText)
{
	FTCHARToUTF8 Short(TEXT("short"));
	const FTCHARToUTF8 MovedShort(std::move(Short));
	EXPECT_STREQ(MovedShort.Get(), "short");
	EXPECT_EQ(Short.Get(), nullptr);

	FTCHARToUTF8 Exact(Title, 4);
	const FTCHARToUTF8 MovedExact(std::move(Exact));
	EXPECT_EQ(Bytes(MovedExact), "Caf\u00e9");
}

// The engine's UTF-8 decoder gives '?' for what is not UTF-8: a sequence cut off by the end is one '?',
// each stray continuation byte is one '?'.
TEST(StringConversions, MalformedUtf8BecomesQuestionMarksAsInTheEngine)
{
	const auto Decode = [](const char* Text) { return std::u16string(FUTF8ToTCHAR(Text).Get()); };
	EXPECT_EQ(Decode("x\xE2\x82"), u"x?") << "a cut-off sequence";
	EXPECT_EQ(Decode("\x82\xACy"), u"??y") << "stray continuation bytes";
	EXPECT_EQ(Decode("a\xC3(b"), u"a?(b") << "a bad continuation byte: the lead byte alone";
	EXPECT_EQ(Decode("\xC0\x80"), u"??") << "an overlong form";
	EXPECT_EQ(Decode("\xF0\x9F\x98\x80"), u"\U0001F600") << "a surrogate pair for a character beyond U+FFFF";
}

TEST(StringConversionsDeathTest, ReadingAResultWithALengthAsACStringDies)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	const FString Text(TEXT("Harbour at night"));
	EXPECT_OVERREAD_DIES(ReadAsCString(FTCHARToUTF8(*Text, Text.Len())));
	EXPECT_OVERREAD_DIES(ReadAsCString(FTCHARToUTF8(*Text, 0)));
	EXPECT_OVERREAD_DIES(ReadAsCString(StringCast<ANSICHAR>(*Text, 7)));
	EXPECT_OVERREAD_DIES(ReadAsCString(StringCast<UTF8CHAR>(*Text, Text.Len())));
	// Long enough to fill whole pages: the end is still where the reading stops.
	const FString Long = FString::Printf(TEXT("%0*d"), 9000, 7);
	EXPECT_OVERREAD_DIES(ReadAsCString(FTCHARToUTF8(*Long, Long.Len())));

	const FTCHARToUTF8 Terminated(*Text);
	ReadAsCString(Terminated);
}
