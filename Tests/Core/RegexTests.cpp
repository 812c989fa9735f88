// FRegexPattern/FRegexMatcher on ICU: the library-folder pattern the install locator uses, UTF-16
// offsets, capture groups and successive matches.
#include <vector>

#include "CoreTestSupport.h"
#include "Internationalization/Regex.h"

using CoreTest::Utf8;

namespace
{
// A Windows path in a .vdf file: a drive, an escaped backslash, then characters up to the next one
// that cannot be part of a folder name (the next escaped backslash among them).
const TCHAR* const LibraryPathPattern = TEXT(R"re([a-zA-Z]:\\\\(?![<>:"/\\|?*])((?![<>:"/\\|?*]).)+)re");

// The Steam client's library list as it looked in 2018: backslashes escaped as in every .vdf file.
const TCHAR* const LibraryFolders = TEXT(
	"\"LibraryFolders\"\n"
	"{\n"
	"\t\"TimeNextStatsReport\"\t\t\"1543937323\"\n"
	"\t\"ContentStatsID\"\t\t\"-4553447286163946640\"\n"
	"\t\"1\"\t\t\"D:\\\\Games\\\\SteamLibrary\"\n"
	"\t\"2\"\t\t\"e:\\\\SteamLibrary\"\n"
	"\t\"3\"\t\t\"F:\\\\\"\n"
	"}\n");

std::vector<std::string> AllMatches(const FString& Pattern, const FString& Input)
{
	const FRegexPattern Compiled(Pattern);
	FRegexMatcher Matcher(Compiled, Input);
	std::vector<std::string> Found;
	while (Matcher.FindNext())
	{
		Found.push_back(Utf8(Input.Mid(Matcher.GetMatchBeginning(), Matcher.GetMatchEnding() - Matcher.GetMatchBeginning())));
	}
	return Found;
}
} // namespace

TEST(Regex, LibraryFolderPatternFindsEachLibraryDriveAndFirstFolder)
{
	EXPECT_EQ(AllMatches(LibraryPathPattern, LibraryFolders), (std::vector<std::string>{"D:\\\\Games", "e:\\\\SteamLibrary"}))
		<< "the match stops at the next escaped backslash; a bare drive has no folder to match";
}

TEST(Regex, OffsetsAndGroupsOfAMatch)
{
	const FString Input(LibraryFolders);
	const FRegexPattern Pattern(LibraryPathPattern);
	FRegexMatcher Matcher(Pattern, Input);
	ASSERT_TRUE(Matcher.FindNext());
	const int32 Expected = Input.Find(TEXT("D:\\\\Games"), ESearchCase::CaseSensitive);
	EXPECT_EQ(Matcher.GetMatchBeginning(), Expected);
	EXPECT_EQ(Matcher.GetMatchEnding(), Expected + 9) << "exclusive end";
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(0)), "D:\\\\Games");
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(1)), "s") << "a repeated group keeps its last repetition";
	EXPECT_EQ(Matcher.GetCaptureGroupBeginning(1), Expected + 8);
	EXPECT_EQ(Matcher.GetCaptureGroupEnding(1), Expected + 9);
	ASSERT_TRUE(Matcher.FindNext());
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(0)), "e:\\\\SteamLibrary");
	EXPECT_FALSE(Matcher.FindNext());
	EXPECT_FALSE(Matcher.FindNext());
}

TEST(Regex, IndicesAreUtf16OffsetsAndUnmatchedGroupsAreEmpty)
{
	const FString Input(TEXT("\U0001F600 caf\u00e9 id=42"));
	const FRegexPattern Pattern(TEXT("(x)?id=([0-9]+)"));
	FRegexMatcher Matcher(Pattern, Input);
	ASSERT_TRUE(Matcher.FindNext());
	EXPECT_EQ(Matcher.GetMatchBeginning(), 8) << "the emoji counts two UTF-16 units";
	EXPECT_EQ(Matcher.GetMatchEnding(), 13);
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(1)), "");
	EXPECT_EQ(Matcher.GetCaptureGroupBeginning(1), INDEX_NONE);
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(2)), "42");
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(5)), "") << "a group the pattern does not have";

	EXPECT_EQ(AllMatches(TEXT("caf\u00e9|\U0001F600"), Input), (std::vector<std::string>{"\U0001F600", "caf\u00e9"}));
}

TEST(Regex, MatcherOutlivesATemporaryPattern)
{
	const FString Input(TEXT("a1 b22 c333"));
	FRegexMatcher Matcher(FRegexPattern(TEXT("[a-z]([0-9]+)")), Input);
	// Fill the heap the pattern was freed into, if it was.
	std::vector<FString> Noise;
	for (int Index = 0; Index < 64; ++Index)
	{
		Noise.emplace_back(FString::Printf(TEXT("noise %d ............................................................"), Index));
	}
	std::vector<std::string> Groups;
	while (Matcher.FindNext())
	{
		Groups.push_back(Utf8(Matcher.GetCaptureGroup(1)));
	}
	EXPECT_EQ(Groups, (std::vector<std::string>{"1", "22", "333"}));
}

TEST(Regex, AnInvalidPatternMatchesNothing)
{
	testing::internal::CaptureStderr();
	const FRegexPattern Broken(TEXT("(unclosed"));
	const std::string Error = testing::internal::GetCapturedStderr();
	EXPECT_NE(Error.find("invalid regular expression"), std::string::npos) << Error;
	FRegexMatcher Matcher(Broken, TEXT("(unclosed"));
	EXPECT_FALSE(Matcher.FindNext());
	EXPECT_EQ(Matcher.GetMatchBeginning(), INDEX_NONE);
	EXPECT_EQ(Utf8(Matcher.GetCaptureGroup(0)), "");
}
