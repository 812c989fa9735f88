// The Windows command-line rules: known splits of the Microsoft C runtime, and quoting that always
// splits back to the same arguments.
#include "HAL/ProcessRunner.h"
#include "RandomArguments.h"

#include <gtest/gtest.h>

using Standin::Process::QuoteWindowsArgument;
using Standin::Process::SplitWindowsCommandLine;
using ProcessTest::Args;
using ProcessTest::RandomArguments;

TEST(WindowsCommandLine, SplitsArgumentsAsTheCRuntime)
{
	// The runtime's documented examples, after a program name.
	EXPECT_EQ(SplitWindowsCommandLine(u"p \"abc\" d e"), (Args{u"p", u"abc", u"d", u"e"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p a\\b d"e f"g h)"), (Args{u"p", uR"(a\\b)", u"de fg", u"h"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p a\\\"b c d)"), (Args{u"p", uR"(a\"b)", u"c", u"d"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p a\\\\"b c" d e)"), (Args{u"p", uR"(a\\b c)", u"d", u"e"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p a"b"" c d)"), (Args{u"p", uR"(ab" c d)"}));
}

TEST(WindowsCommandLine, SplitsBlanksQuotesAndBackslashes)
{
	EXPECT_EQ(SplitWindowsCommandLine(u"  p\t a \t\tb  "), (Args{u"p", u"a", u"b"}));
	EXPECT_EQ(SplitWindowsCommandLine(u"p \"\" x"), (Args{u"p", u"", u"x"}));
	EXPECT_EQ(SplitWindowsCommandLine(u"p \"unterminated arg"), (Args{u"p", u"unterminated arg"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p C:\dir\ trailing\\)"), (Args{u"p", uR"(C:\dir\)", uR"(trailing\\)"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p "C:\dir\\" next)"), (Args{u"p", uR"(C:\dir\)", u"next"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(p a"b c"d)"), (Args{u"p", u"ab cd"}));
	EXPECT_EQ(SplitWindowsCommandLine(u"p \"Caf\u00e9 \u65e5\u672c\""), (Args{u"p", u"Caf\u00e9 \u65e5\u672c"}));
	EXPECT_TRUE(SplitWindowsCommandLine(u" \t ").empty());
}

TEST(WindowsCommandLine, ProgramNameTakesQuotesAndBackslashesLiterally)
{
	EXPECT_EQ(SplitWindowsCommandLine(uR"("C:\Program Files\Tool.exe" -x)"),
			  (Args{uR"(C:\Program Files\Tool.exe)", u"-x"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(C:\dir\\Tool.exe "a b")"), (Args{uR"(C:\dir\\Tool.exe)", u"a b"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"(a"b c)"), (Args{uR"(a"b)", u"c"}));
	EXPECT_EQ(SplitWindowsCommandLine(uR"("C:\dir\"rest x)"), (Args{uR"(C:\dir\)", u"rest", u"x"}));
	EXPECT_EQ(SplitWindowsCommandLine(u"\"unterminated program"), (Args{u"unterminated program"}));
}

TEST(WindowsCommandLine, QuotesOnlyWhatNeedsIt)
{
	EXPECT_EQ(QuoteWindowsArgument(u"plain"), u"plain");
	EXPECT_EQ(QuoteWindowsArgument(uR"(C:\dir\)"), uR"(C:\dir\)");
	EXPECT_EQ(QuoteWindowsArgument(u""), u"\"\"");
	EXPECT_EQ(QuoteWindowsArgument(uR"(C:\my dir\)"), uR"("C:\my dir\\")");
	EXPECT_EQ(QuoteWindowsArgument(uR"(say "hi")"), uR"("say \"hi\"")");
	EXPECT_EQ(QuoteWindowsArgument(uR"(a\"b)"), uR"("a\\\"b")");
}

TEST(WindowsCommandLine, QuotedArgumentsSplitBackUnchanged)
{
	const unsigned Seed = std::random_device{}();
	SCOPED_TRACE("seed " + std::to_string(Seed));
	std::mt19937 Random(Seed);
	for (int Round = 0; Round < 2000; ++Round)
	{
		Args Arguments = RandomArguments(Random, u"ab \t\"\\\n-");
		const std::u16string Line = ProcessTest::JoinCommandLine(uR"("C:\Program Files\Tool.exe")", Arguments);
		Arguments.insert(Arguments.begin(), uR"(C:\Program Files\Tool.exe)");
		ASSERT_EQ(SplitWindowsCommandLine(Line), Arguments) << "round " << Round;
	}
}
