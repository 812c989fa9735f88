// FString against the engine's documented behaviour: searching, replacing, slicing, comparing,
// splitting and the path-join operator.
#include "CoreTestSupport.h"
#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"
#include "Internationalization/Text.h"

using CoreTest::Utf8;

namespace
{
std::vector<std::string> Utf8All(const TArray<FString>& Parts)
{
	std::vector<std::string> Out;
	for (const FString& Part : Parts)
	{
		Out.push_back(Utf8(Part));
	}
	return Out;
}
} // namespace

TEST(StringFind, FromStartIgnoresCaseByDefaultAndClampsTheStart)
{
	const FString Text(TEXT("Hello World Hello"));
	EXPECT_EQ(Text.Find(TEXT("hello")), 0);
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::CaseSensitive), INDEX_NONE);
	EXPECT_EQ(Text.Find(TEXT("Hello"), ESearchCase::CaseSensitive, ESearchDir::FromStart, 1), 12);
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromStart, 12), 12);
	// A start below 0 becomes 0; one past the end becomes the last character.
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromStart, -5), 0);
	EXPECT_EQ(Text.Find(TEXT("o"), ESearchCase::IgnoreCase, ESearchDir::FromStart, 100), 16);
	EXPECT_EQ(Text.Find(TEXT("lo"), ESearchCase::IgnoreCase, ESearchDir::FromStart, 100), INDEX_NONE);
	EXPECT_EQ(Text.Find(FString(TEXT("WORLD"))), 6);
	EXPECT_EQ(Text.Find(static_cast<const TCHAR*>(nullptr)), INDEX_NONE);
	EXPECT_EQ(Text.Find(TEXT("Hello World Hello!")), INDEX_NONE);
	EXPECT_EQ(FString().Find(TEXT("a")), INDEX_NONE);
}

TEST(StringFind, FromEndMatchesMustEndAtOrBeforeTheStart)
{
	const FString Text(TEXT("Hello World Hello"));
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromEnd), 12);
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 17), 12);
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 500), 12);
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 16), 0) << "the last Hello ends at 17";
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 5), 0);
	EXPECT_EQ(Text.Find(TEXT("hello"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 4), INDEX_NONE);
	EXPECT_EQ(Text.Find(TEXT("l"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 3), 2);
	EXPECT_EQ(Text.Find(TEXT("HELLO"), ESearchCase::CaseSensitive, ESearchDir::FromEnd), INDEX_NONE);
	EXPECT_EQ(Text.Find(static_cast<const TCHAR*>(nullptr), ESearchCase::IgnoreCase, ESearchDir::FromEnd), INDEX_NONE);

	const FString Path(TEXT("C:/Maps/Arena.umap"));
	EXPECT_EQ(Path.Find(TEXT("/"), ESearchCase::CaseSensitive, ESearchDir::FromEnd), 7);
	EXPECT_TRUE(Path.Contains(TEXT("maps/ARENA")));
	EXPECT_FALSE(Path.Contains(TEXT("maps/ARENA"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Path.Contains(TEXT(".UMAP"), ESearchCase::IgnoreCase, ESearchDir::FromEnd));
}

TEST(StringReplace, LeftToRightNonOverlappingAndNotRescanned)
{
	EXPECT_EQ(Utf8(FString(TEXT("aaa")).Replace(TEXT("aa"), TEXT("b"))), "ba");
	EXPECT_EQ(Utf8(FString(TEXT("aXa")).Replace(TEXT("a"), TEXT("aa"))), "aaXaa");
	EXPECT_EQ(Utf8(FString(TEXT("a\\b\\c")).Replace(TEXT("\\"), TEXT("/"))), "a/b/c");
	EXPECT_EQ(Utf8(FString(TEXT("Abc abC")).Replace(TEXT("bc"), TEXT("-"))), "A- a-");
	EXPECT_EQ(Utf8(FString(TEXT("Abc abC")).Replace(TEXT("bc"), TEXT("-"), ESearchCase::CaseSensitive)), "A- abC");
	EXPECT_EQ(Utf8(FString(TEXT("remove me")).Replace(TEXT(" me"), TEXT(""))), "remove");

	// Nothing to search for, or nothing to search in: an unchanged copy.
	EXPECT_EQ(Utf8(FString(TEXT("abc")).Replace(TEXT(""), TEXT("x"))), "abc");
	EXPECT_EQ(Utf8(FString(TEXT("abc")).Replace(nullptr, TEXT("x"))), "abc");
	EXPECT_EQ(Utf8(FString().Replace(TEXT("a"), TEXT("x"))), "");

	const FString Original(TEXT("keep"));
	const FString Copy = Original.Replace(TEXT("e"), TEXT("o"));
	EXPECT_EQ(Utf8(Original), "keep");
	EXPECT_EQ(Utf8(Copy), "koop");
}

TEST(StringReplace, InlineReturnsTheCountAndRefusesNullOrEmptyArguments)
{
	FString Text(TEXT("one, two, three"));
	EXPECT_EQ(Text.ReplaceInline(TEXT(", "), TEXT(";")), 2);
	EXPECT_EQ(Utf8(Text), "one;two;three");
	EXPECT_EQ(Text.ReplaceInline(TEXT("O"), TEXT("0"), ESearchCase::CaseSensitive), 0);
	EXPECT_EQ(Text.ReplaceInline(TEXT("O"), TEXT("0")), 2);
	EXPECT_EQ(Utf8(Text), "0ne;tw0;three");

	EXPECT_EQ(Text.ReplaceInline(TEXT(""), TEXT("x")), 0);
	EXPECT_EQ(Text.ReplaceInline(nullptr, TEXT("x")), 0);
	EXPECT_EQ(Text.ReplaceInline(TEXT("e"), nullptr), 0);
	EXPECT_EQ(Utf8(Text), "0ne;tw0;three");

	FString Empty;
	EXPECT_EQ(Empty.ReplaceInline(TEXT("a"), TEXT("b")), 0);
	EXPECT_TRUE(Empty.IsEmpty());
}

TEST(StringSlices, LeftRightMidAndChopsClamp)
{
	const FString Text(TEXT("abcdef"));
	EXPECT_EQ(Utf8(Text.Left(2)), "ab");
	EXPECT_EQ(Utf8(Text.Left(100)), "abcdef");
	EXPECT_EQ(Utf8(Text.Left(-1)), "");
	EXPECT_EQ(Utf8(Text.Right(2)), "ef");
	EXPECT_EQ(Utf8(Text.Right(100)), "abcdef");
	EXPECT_EQ(Utf8(Text.Right(-3)), "");
	EXPECT_EQ(Utf8(Text.LeftChop(2)), "abcd");
	EXPECT_EQ(Utf8(Text.LeftChop(100)), "");
	EXPECT_EQ(Utf8(Text.LeftChop(-1)), "abcdef");
	EXPECT_EQ(Utf8(Text.RightChop(2)), "cdef") << "characters [n, Len)";
	EXPECT_EQ(Utf8(Text.RightChop(6)), "");
	EXPECT_EQ(Utf8(Text.RightChop(100)), "");
	EXPECT_EQ(Utf8(Text.RightChop(-2)), "abcdef");
	EXPECT_EQ(Utf8(Text.Mid(2)), "cdef");
	EXPECT_EQ(Utf8(Text.Mid(2, 3)), "cde");
	EXPECT_EQ(Utf8(Text.Mid(4, 100)), "ef");
	EXPECT_EQ(Utf8(Text.Mid(1, MAX_int32)), "bcdef");
	EXPECT_EQ(Utf8(Text.Mid(6)), "");
	EXPECT_EQ(Utf8(Text.Mid(10, 2)), "");
	EXPECT_EQ(Utf8(Text.Mid(1, 0)), "");
	EXPECT_EQ(Utf8(FString().Left(3)), "");
	EXPECT_EQ(Utf8(FString().Mid(0, 3)), "");
}

TEST(StringCompare, OperatorsIgnoreCaseButEqualsDoesNotByDefault)
{
	const FString Mixed(TEXT("Drovik Map"));
	EXPECT_TRUE(Mixed == FString(TEXT("drovik MAP")));
	EXPECT_TRUE(Mixed == TEXT("DROVIK map"));
	EXPECT_FALSE(Mixed != TEXT("drovik map"));
	EXPECT_TRUE(Mixed != TEXT("drovik maps"));
	EXPECT_FALSE(Mixed.Equals(TEXT("drovik map")));
	EXPECT_TRUE(Mixed.Equals(TEXT("drovik map"), ESearchCase::IgnoreCase));
	EXPECT_TRUE(Mixed.Equals(TEXT("Drovik Map")));
	EXPECT_FALSE(Mixed.Equals(TEXT("Drovik Ma")));

	EXPECT_TRUE(FString(TEXT("apple")) < FString(TEXT("Banana"))) << "'B' < 'a' only when case counts";
	EXPECT_FALSE(FString(TEXT("ABC")) < FString(TEXT("abc")));
	EXPECT_EQ(GetTypeHash(FString(TEXT("Content/Maps"))), GetTypeHash(FString(TEXT("CONTENT/maps"))));

	EXPECT_EQ(Utf8(*FString()), "");
	EXPECT_NE(*FString(), nullptr) << "operator* of an empty string is \"\", not null";
	EXPECT_EQ(**FString(), u'\0');
}

TEST(StringCompare, StartsWithAndEndsWith)
{
	const FString Text(TEXT("UGC2000000001"));
	EXPECT_TRUE(Text.StartsWith(TEXT("ugc")));
	EXPECT_FALSE(Text.StartsWith(TEXT("ugc"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Text.EndsWith(TEXT("0001")));
	EXPECT_TRUE(Text.StartsWith(Text));
	EXPECT_FALSE(Text.StartsWith(TEXT("UGC2000000001x")));
	EXPECT_FALSE(Text.EndsWith(TEXT("xUGC2000000001")));
	// An empty prefix or suffix gives false, even on an empty string.
	EXPECT_FALSE(Text.StartsWith(TEXT("")));
	EXPECT_FALSE(Text.EndsWith(TEXT("")));
	EXPECT_FALSE(Text.StartsWith(FString()));
	EXPECT_FALSE(FString().StartsWith(TEXT("")));
	EXPECT_FALSE(FString().EndsWith(FString()));
}

TEST(StringSplit, SplitsAtTheFirstOrLastMatchAndLeavesOutputsAloneWhenNotFound)
{
	const FString Text(TEXT("Key=Value=More"));
	FString Left;
	FString Right;
	ASSERT_TRUE(Text.Split(TEXT("="), &Left, &Right));
	EXPECT_EQ(Utf8(Left), "Key");
	EXPECT_EQ(Utf8(Right), "Value=More");
	ASSERT_TRUE(Text.Split(TEXT("="), &Left, &Right, ESearchCase::IgnoreCase, ESearchDir::FromEnd));
	EXPECT_EQ(Utf8(Left), "Key=Value");
	EXPECT_EQ(Utf8(Right), "More");
	ASSERT_TRUE(Text.Split(TEXT("value"), &Left, nullptr));
	EXPECT_EQ(Utf8(Left), "Key=");
	EXPECT_FALSE(Text.Split(TEXT("value"), &Left, &Right, ESearchCase::CaseSensitive));

	Left = TEXT("untouched");
	Right = TEXT("also untouched");
	EXPECT_FALSE(Text.Split(TEXT(";"), &Left, &Right));
	EXPECT_EQ(Utf8(Left), "untouched");
	EXPECT_EQ(Utf8(Right), "also untouched");

	ASSERT_TRUE(FString(TEXT("=x")).Split(TEXT("="), &Left, &Right));
	EXPECT_EQ(Utf8(Left), "");
	EXPECT_EQ(Utf8(Right), "x");
}

TEST(StringSplit, ParseIntoArrayResetsTheOutputAndCullsEmptyPieces)
{
	TArray<FString> Parts;
	Parts.Add(TEXT("stale"));
	EXPECT_EQ(FString(TEXT("a,,b,")).ParseIntoArray(Parts, TEXT(",")), 2);
	EXPECT_EQ(Utf8All(Parts), (std::vector<std::string>{"a", "b"}));

	EXPECT_EQ(FString(TEXT("a,,b,")).ParseIntoArray(Parts, TEXT(","), false), 4);
	EXPECT_EQ(Utf8All(Parts), (std::vector<std::string>{"a", "", "b", ""}));

	EXPECT_EQ(FString(TEXT("Win64::Linux::::PS4")).ParseIntoArray(Parts, TEXT("::")), 3);
	EXPECT_EQ(Utf8All(Parts), (std::vector<std::string>{"Win64", "Linux", "PS4"}));

	EXPECT_EQ(FString(TEXT("no delimiter")).ParseIntoArray(Parts, TEXT(",")), 1);
	EXPECT_EQ(Utf8All(Parts), (std::vector<std::string>{"no delimiter"}));

	EXPECT_EQ(FString().ParseIntoArray(Parts, TEXT(",")), 0);
	EXPECT_EQ(Parts.Num(), 0);
	EXPECT_EQ(FString(TEXT(",,,")).ParseIntoArray(Parts, TEXT(",")), 0);

	EXPECT_EQ(FString(TEXT("a\r\nb\n\nc\r")).ParseIntoArrayLines(Parts), 3);
	EXPECT_EQ(Utf8All(Parts), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(StringPathJoin, SlashOperatorFollowsTheEngineTable)
{
	struct FRow
	{
		const TCHAR* Left;
		const TCHAR* Right;
		const char* Expected;
	};
	const FRow Rows[] = {
		{TEXT(""), TEXT("b"), "b"},		  {TEXT("a"), TEXT("b"), "a/b"},   {TEXT("a/"), TEXT("b"), "a/b"},
		{TEXT("a\\"), TEXT("b"), "a\\b"}, {TEXT("a"), TEXT("/b"), "a/b"},  {TEXT("a/"), TEXT("/b"), "a//b"},
		{TEXT("a"), TEXT(""), "a/"},	  {TEXT("a/.."), TEXT("b"), "a/../b"},
	};
	for (const FRow& Row : Rows)
	{
		EXPECT_EQ(Utf8(FString(Row.Left) / FString(Row.Right)), Row.Expected) << Utf8(Row.Left) << " / " << Utf8(Row.Right);
		EXPECT_EQ(Utf8(FString(Row.Left) / Row.Right), Row.Expected) << Utf8(Row.Left) << " / " << Utf8(Row.Right);
		FString Joined(Row.Left);
		Joined /= Row.Right;
		EXPECT_EQ(Utf8(Joined), Row.Expected) << Utf8(Row.Left) << " /= " << Utf8(Row.Right);
	}
	EXPECT_EQ(Utf8(FString(TEXT("Saved")) / TEXT("Cooked") / TEXT("Win64")), "Saved/Cooked/Win64");
}

TEST(StringConversions, Utf8AnsiAndCStringHelpers)
{
	const FString Text(TEXT("Caf\u00e9 \u65e5 \U0001F600"));
	EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Text)), "Caf\u00e9 \u65e5 \U0001F600");
	EXPECT_EQ(std::string(TCHAR_TO_ANSI(*Text)), "Caf? ? ??") << "each UTF-16 unit above 0x7F becomes '?'";
	EXPECT_EQ(Utf8(FString(UTF8_TO_TCHAR("Caf\xC3\xA9"))), "Caf\u00e9");
	EXPECT_EQ(Utf8(FString(ANSI_TO_TCHAR("plain"))), "plain");
	EXPECT_TRUE(FCString::IsPureAnsi(TEXT("steam_appid.txt")));
	EXPECT_FALSE(FCString::IsPureAnsi(TEXT("caf\u00e9")));

	// As the C runtime's _wtoi/_wcstoui64: leading blanks and sign, digits up to the first other character.
	EXPECT_EQ(FCString::Atoi(TEXT("  -42abc")), -42);
	EXPECT_EQ(FCString::Atoi(TEXT("+7")), 7);
	EXPECT_EQ(FCString::Atoi(TEXT("abc")), 0);
	EXPECT_EQ(FCString::Atoi(TEXT("")), 0);
	EXPECT_EQ(FCString::Atoi(TEXT("4294967296")), MAX_int32) << "out of range saturates, it does not wrap";
	EXPECT_EQ(FCString::Atoi(TEXT("-99999999999")), MIN_int32);
	EXPECT_EQ(FCString::Atoi64(TEXT("99999999999999999999")), MAX_int64);
	EXPECT_EQ(FCString::Atoi64(TEXT("-5000000000")), -5000000000LL);
	EXPECT_EQ(FCString::Strtoui64(TEXT("2000000001"), nullptr, 10), 2000000001ULL);
	EXPECT_EQ(FCString::Strtoui64(TEXT("18446744073709551615"), nullptr, 10), MAX_uint64);
	const TCHAR* Digits = TEXT("731904 rest");
	TCHAR* End = nullptr;
	EXPECT_EQ(FCString::Strtoui64(Digits, &End, 10), 731904ULL);
	EXPECT_EQ(End, Digits + 6);
}

TEST(StringConversions, TextKeepsItsSourceString)
{
#define LOCTEXT_NAMESPACE "CoreTests"
	const FText Localised = LOCTEXT("PublishButton", "Publish");
#undef LOCTEXT_NAMESPACE
	EXPECT_EQ(Utf8(Localised.ToString()), "Publish");
	EXPECT_EQ(Utf8(NSLOCTEXT("Ns", "Key", "Value").ToString()), "Value");
	EXPECT_EQ(Utf8(FText::FromString(TEXT("Arena")).ToString()), "Arena");
	EXPECT_TRUE(FText::GetEmpty().IsEmpty());
	EXPECT_TRUE(FText().IsEmpty());
	EXPECT_FALSE(Localised.IsEmpty());
}
