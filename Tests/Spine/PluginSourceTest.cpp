// The plugin's sources must compile in the real editor, where none of the stand-ins exist: every
// include is a real 4.21 header (EngineHeaders.txt), the plugin's own or the SDK's; no preprocessor
// condition looks for the stand-ins; no stand-in identifier appears in the code.
#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace fs = std::filesystem;
using LevelwrightTest::ReadFile;

namespace
{
const fs::path PluginSourceDir = fs::path(LEVELWRIGHT_SOURCE_DIR) / "Plugins" / "Levelwright" / "Source" / "Levelwright";

std::set<std::string> ReadAllowedHeaders()
{
	std::set<std::string> Headers;
	std::istringstream Lines(ReadFile(fs::path(LEVELWRIGHT_SOURCE_DIR) / "Tests" / "Spine" / "EngineHeaders.txt"));
	for (std::string Line; std::getline(Lines, Line);)
	{
		if (!Line.empty() && Line[0] != '#')
		{
			Headers.insert(Line);
		}
	}
	return Headers;
}

// The code without comments and without the contents of string and character literals, so that prose
// and log texts are not taken for identifiers. Line ends are kept.
std::string StripCommentsAndLiterals(const std::string& Source)
{
	std::string Code;
	for (size_t Index = 0; Index < Source.size(); ++Index)
	{
		const char Char = Source[Index];
		if (Source.compare(Index, 2, "//") == 0)
		{
			Index = Source.find('\n', Index);
			if (Index == std::string::npos)
			{
				break;
			}
			Code += '\n';
		}
		else if (Source.compare(Index, 2, "/*") == 0)
		{
			const size_t End = Source.find("*/", Index + 2);
			const size_t Stop = End == std::string::npos ? Source.size() : End + 2;
			Code.append(static_cast<size_t>(std::count(Source.begin() + Index, Source.begin() + Stop, '\n')), '\n');
			Index = Stop - 1;
		}
		else if (Char == '"' || Char == '\'')
		{
			Code += Char;
			for (++Index; Index < Source.size() && Source[Index] != Char; ++Index)
			{
				Index += Source[Index] == '\\' ? 1 : 0;
			}
			Code += Char;
		}
		else
		{
			Code += Char;
		}
	}
	return Code;
}

struct FSourceFile
{
	std::string Name;
	std::string Text;
};

// What a source file does that the real editor would not compile, one line per finding.
std::vector<std::string> FindStandinDependencies(const FSourceFile& File, const std::set<std::string>& AllowedHeaders,
												 const std::set<std::string>& PluginHeaders)
{
	std::vector<std::string> Findings;
	const std::regex Include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
	const std::regex Condition(R"(^\s*#\s*(if|ifdef|ifndef|elif)\b(.*))");
	const std::regex StandinMacro(R"(\b\w*(STANDIN|LEVELWRIGHT_|__linux__|__unix__|__GNUC__|__clang__)\w*)");
	const std::regex StandinIdentifier(R"(\b\w*(Standin|STANDIN|Stand_in)\w*)");

	std::istringstream Lines(File.Text);
	std::istringstream CodeLines(StripCommentsAndLiterals(File.Text));
	std::string Line;
	std::string Code;
	for (int Number = 1; std::getline(Lines, Line) && std::getline(CodeLines, Code); ++Number)
	{
		const std::string Where = File.Name + ":" + std::to_string(Number) + ": ";
		std::smatch Match;
		if (std::regex_search(Line, Match, Include))
		{
			const std::string Header = Match[1];
			if (!AllowedHeaders.count(Header) && !PluginHeaders.count(Header))
			{
				Findings.push_back(Where + "includes " + Header + ", which is no 4.21 header");
			}
			continue;
		}
		if (std::regex_search(Code, Match, Condition) && std::regex_search(Match[2].str(), StandinMacro))
		{
			Findings.push_back(Where + "a condition on a stand-in macro: " + Line);
		}
		else if (std::regex_search(Code, Match, StandinIdentifier))
		{
			Findings.push_back(Where + "names " + Match[0].str());
		}
	}
	return Findings;
}

std::set<std::string> PluginHeaderNames()
{
	std::set<std::string> Names;
	for (const char* Root : {"Public", "Private"})
	{
		for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(PluginSourceDir / Root))
		{
			if (Entry.path().extension() == ".h")
			{
				Names.insert(Entry.path().lexically_relative(PluginSourceDir / Root).generic_string());
			}
		}
	}
	return Names;
}

class FPluginSourceTest : public ::testing::Test
{
protected:
	const std::set<std::string> AllowedHeaders = ReadAllowedHeaders();
	const std::set<std::string> PluginHeaders = PluginHeaderNames();

	std::vector<std::string> Check(const std::string& Text) const { return FindStandinDependencies({"Example.cpp", Text}, AllowedHeaders, PluginHeaders); }
};
} // namespace

TEST_F(FPluginSourceTest, EveryPluginSourceCompilesWithoutTheStandins)
{
	int Files = 0;
	std::vector<std::string> Findings;
	for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(PluginSourceDir))
	{
		const fs::path& Path = Entry.path();
		if (Path.extension() == ".h" || Path.extension() == ".cpp" || Path.extension() == ".cs")
		{
			++Files;
			const std::vector<std::string> FileFindings =
				FindStandinDependencies({Path.lexically_relative(PluginSourceDir).generic_string(), ReadFile(Path)}, AllowedHeaders, PluginHeaders);
			Findings.insert(Findings.end(), FileFindings.begin(), FileFindings.end());
		}
	}
	EXPECT_GT(Files, 40);
	EXPECT_THAT(Findings, ::testing::IsEmpty());
}

TEST_F(FPluginSourceTest, FindsWhatOnlyTheStandinsHave)
{
	EXPECT_THAT(Check("#include \"Standin/Log.h\"\n"), ::testing::ElementsAre("Example.cpp:1: includes Standin/Log.h, which is no 4.21 header"));
	EXPECT_THAT(Check("#include <filesystem>\n"), ::testing::ElementsAre("Example.cpp:1: includes filesystem, which is no 4.21 header"));
	EXPECT_THAT(Check("\n#ifdef STANDIN_BUILD\n#endif\n"), ::testing::ElementsAre("Example.cpp:2: a condition on a stand-in macro: #ifdef STANDIN_BUILD"));
	EXPECT_THAT(Check("#if defined(__linux__) || WITH_EDITOR\n"), ::testing::SizeIs(1));
	EXPECT_THAT(Check("int32 X = Standin::Log::Count();\n"), ::testing::ElementsAre("Example.cpp:1: names Standin"));
	EXPECT_THAT(Check("Box->GetStandinLabel();\n"), ::testing::ElementsAre("Example.cpp:1: names GetStandinLabel"));
}

TEST_F(FPluginSourceTest, AcceptsEngineHeadersPluginHeadersAndProse)
{
	EXPECT_THAT(Check("#include \"CoreMinimal.h\"\n#include \"Levelwright/LevelwrightModule.h\"\n#include \"steam/steam_api.h\"\n"), ::testing::IsEmpty());
	EXPECT_THAT(Check("#if WITH_EDITOR\n#endif\n"), ::testing::IsEmpty());
	// Comments and texts may say anything; only code counts.
	EXPECT_THAT(Check("// works with the Standin editor too\nUE_LOG(LevelwrightLog, Log, TEXT(\"Standin\"));\n/* Standin\n */ int32 A;\n"),
				::testing::IsEmpty());
}
