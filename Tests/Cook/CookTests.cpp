// UE4Editor.exe -run=cook: what it cooks, where it writes, the bytes it writes and how it fails.
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "EditorProcess.h"
#include "PluginTestFixture.h"
#include "TestEnvironment.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
const std::string PcPlatforms = "-targetplatform=WindowsNoEditor+LinuxServer";

class FCookTest : public ::testing::Test
{
protected:
	FTempDir Temp;
	FTestMachine Machine{Temp.Path() / "machine"};
	FTestProject Project{Temp.Path() / "Project"};
	FTestEngine Engine{Temp.Path()};

	void SetUp() override
	{
		// The cook is under test, not the plugin's start-up inside it.
		fs::remove(Project.Dir() / "Plugins" / "Levelwright");
	}

	// A map referencing a crate (by "References"), a logo texture (by a property) and an engine
	// asset outside /Game.
	void WriteSmallProject(const std::string& Title = "Arena")
	{
		Project.WritePackage("/Game/Maps/Arena",
							 R"({"Class": "World", "Properties": {"Title": ")" + Title +
								 R"(", "Logo": "/Game/Textures/Logo.Logo"}, "References": ["/Game/Props/Crate", "/Engine/BasicShapes/Cube"]})",
							 true);
		Project.WritePackage("/Game/Props/Crate", R"({"Class": "StaticMesh", "Properties": {"Triangles": 12, "Scale": 1.5}})");
		Project.WritePackage("/Game/Textures/Logo", R"({"Class": "Texture2D", "Properties": {"Source": "Logo.png"}})");
		WriteFile(Project.Dir() / "Content" / "Textures" / "Logo.png", MakePng(4, 2, 0x3366CCFFu));
		Project.WritePackage("/Game/Unused/Thing", R"({"Class": "StaticMesh"})");
	}

	FProcessResult Cook(const std::string& Map, const std::string& Platforms = PcPlatforms)
	{
		return RunCook(Engine, Project, {Platforms, "-UnVersioned", "-map=" + Map});
	}

	fs::path Cooked(const std::string& Platform) const { return Project.Dir() / "Saved" / "Cooked" / Platform / "Drovik" / "Content"; }
};

// Every file below Folder with its bytes, by relative path.
std::map<std::string, std::string> ReadTree(const fs::path& Folder)
{
	std::map<std::string, std::string> Files;
	for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Folder))
	{
		if (Entry.is_regular_file())
		{
			Files[fs::relative(Entry.path(), Folder).generic_string()] = ReadFile(Entry.path());
		}
	}
	return Files;
}

std::vector<std::string> Names(const std::map<std::string, std::string>& Files)
{
	std::vector<std::string> Result;
	for (const auto& [Name, Bytes] : Files)
	{
		Result.push_back(Name);
	}
	return Result;
}
} // namespace

TEST_F(FCookTest, CooksTheMapAndWhatItReferencesForEachPlatform)
{
	WriteSmallProject();
	const FProcessResult Result = Cook("/Game/Maps/Arena");
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_FALSE(Result.LinesWith("LogCook: Display:").empty());
	EXPECT_TRUE(Result.LinesWith("LogCook: Error").empty()) << Result.Output;

	const std::vector<std::string> Client{"Maps/Arena.uexp", "Maps/Arena.umap", "Props/Crate.uasset", "Props/Crate.uexp",
										  "Textures/Logo.uasset", "Textures/Logo.ubulk", "Textures/Logo.uexp"};
	EXPECT_EQ(Names(ReadTree(Cooked("WindowsNoEditor"))), Client);
	// A server has no texture data.
	const std::vector<std::string> Server{"Maps/Arena.uexp", "Maps/Arena.umap", "Props/Crate.uasset", "Props/Crate.uexp",
										  "Textures/Logo.uasset", "Textures/Logo.uexp"};
	EXPECT_EQ(Names(ReadTree(Cooked("LinuxServer"))), Server);
}

TEST_F(FCookTest, TheBulkFileHoldsTheDecodedPixels)
{
	WriteSmallProject();
	ASSERT_EQ(Cook("/Game/Maps/Arena", "-targetplatform=Android_ASTC+LinuxServer").ExitCode, 0);
	std::string Expected;
	for (int Pixel = 0; Pixel < 4 * 2; ++Pixel)
	{
		Expected += "\xCC\x66\x33\xFF"; // BGRA of 0x3366CC, opaque
	}
	EXPECT_EQ(ReadFile(Cooked("Android_ASTC") / "Textures" / "Logo.ubulk"), Expected);
}

TEST_F(FCookTest, TheCookLogsToItsOwnFile)
{
	WriteSmallProject();
	ASSERT_EQ(Cook("/Game/Maps/Arena").ExitCode, 0);
	EXPECT_TRUE(fs::exists(Project.Dir() / "Saved" / "Logs" / "Drovik-cook.log"));
	EXPECT_FALSE(fs::exists(Project.Dir() / "Saved" / "Logs" / "Drovik.log"));
}

TEST_F(FCookTest, CookedBytesDependOnlyOnTheContentAndThePlatform)
{
	WriteSmallProject();
	ASSERT_EQ(Cook("/Game/Maps/Arena").ExitCode, 0);
	const auto First = ReadTree(Project.Dir() / "Saved" / "Cooked");

	// The same content in another folder, cooked again.
	const fs::path Copy = Temp.Path() / "Elsewhere" / "Project";
	fs::create_directories(Copy.parent_path());
	fs::copy(Project.Dir(), Copy, fs::copy_options::recursive);
	fs::remove_all(Copy / "Saved");
	FTestProject Moved(Copy);
	fs::remove(Copy / "Plugins" / "Levelwright");
	ASSERT_EQ(RunCook(Engine, Moved, {PcPlatforms, "-map=/Game/Maps/Arena"}).ExitCode, 0);
	EXPECT_EQ(ReadTree(Copy / "Saved" / "Cooked"), First);

	// The platform is part of the bytes.
	EXPECT_NE(First.at("WindowsNoEditor/Drovik/Content/Props/Crate.uasset"), First.at("LinuxServer/Drovik/Content/Props/Crate.uasset"));
}

TEST_F(FCookTest, ALongerStringPropertyMakesABiggerExportFile)
{
	WriteSmallProject("Arena");
	ASSERT_EQ(Cook("/Game/Maps/Arena").ExitCode, 0);
	const auto Short = fs::file_size(Cooked("WindowsNoEditor") / "Maps" / "Arena.uexp");
	const auto ShortHeader = fs::file_size(Cooked("WindowsNoEditor") / "Maps" / "Arena.umap");
	WriteSmallProject("Arena of the Seven Winds");
	ASSERT_EQ(Cook("/Game/Maps/Arena").ExitCode, 0);
	EXPECT_EQ(fs::file_size(Cooked("WindowsNoEditor") / "Maps" / "Arena.uexp"), Short + 19);
	EXPECT_EQ(fs::file_size(Cooked("WindowsNoEditor") / "Maps" / "Arena.umap"), ShortHeader);
}

TEST_F(FCookTest, PackagesOutsideGameAreSkipped)
{
	WriteSmallProject();
	const FProcessResult Result = Cook("/Game/Maps/Arena");
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(Result.LinesWith("/Engine/BasicShapes/Cube"), std::vector<std::string>{"LogCook: Display: Skipping /Engine/BasicShapes/Cube: not below /Game"});
	for (const auto& [Name, Bytes] : ReadTree(Project.Dir() / "Saved" / "Cooked"))
	{
		EXPECT_EQ(Name.find("Cube"), std::string::npos) << Name;
		EXPECT_EQ(Name.find("Unused"), std::string::npos) << Name;
	}
}

TEST_F(FCookTest, DirectoriesToAlwaysCookAreCookedWithTheirReferences)
{
	WriteSmallProject();
	// FTestProject's DefaultGame.ini always cooks /Game/CustomMaps.
	Project.WritePackage("/Game/CustomMaps/UGC7/definition", R"({"Class": "Drovik_Map", "Properties": {"Map": "/Game/CustomMaps/UGC7/Hill.Hill"}})");
	Project.WritePackage("/Game/CustomMaps/UGC7/Hill", R"({"Class": "World", "References": ["/Game/Shared/Rock"]})", true);
	Project.WritePackage("/Game/Shared/Rock", R"({"Class": "StaticMesh"})");
	ASSERT_EQ(Cook("/Game/Maps/Arena").ExitCode, 0);
	const fs::path Client = Cooked("WindowsNoEditor");
	EXPECT_TRUE(fs::exists(Client / "CustomMaps" / "UGC7" / "definition.uasset"));
	EXPECT_TRUE(fs::exists(Client / "CustomMaps" / "UGC7" / "Hill.umap"));
	EXPECT_TRUE(fs::exists(Client / "Shared" / "Rock.uexp"));
	EXPECT_FALSE(fs::exists(Client / "Unused"));
}

TEST_F(FCookTest, ThePluginStartsInTheCookProcessToo)
{
	WriteSmallProject();
	fs::create_directory_symlink(SourceDir() / "Plugins" / "Levelwright", Project.Dir() / "Plugins" / "Levelwright");
	const FProcessResult Result = Cook("/Game/Maps/Arena");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("LogInit: Display: Loaded module Levelwright")) << Result.Output;
	EXPECT_LT(Result.Output.find("Loaded module Levelwright"), Result.Output.find("LogCook: Display: Cooking"));
	EXPECT_TRUE(fs::exists(Cooked("LinuxServer") / "Maps" / "Arena.umap"));
}

struct FFailingCook
{
	const char* Name;
	std::vector<std::string> Switches;
	std::string ErrorText; // expected in a LogCook: Error line
};

class FCookFailureTest : public FCookTest, public ::testing::WithParamInterface<FFailingCook>
{
};

TEST_P(FCookFailureTest, FailsWithErrorLinesAndWritesNothing)
{
	WriteSmallProject();
	Project.WritePackage("/Game/Maps/Broken", R"({"Class": "World", "References": ["/Game/Props/Gone"]})", true);
	Project.WritePackage("/Game/Maps/Garbled", R"({"Class": "World", "Properties": )", true);
	Project.WritePackage("/Game/Maps/Escape", R"({"Class": "World", "References": ["/Game/../../etc/passwd"]})", true);
	Project.WritePackage("/Game/Maps/NoImage", R"({"Class": "World", "References": ["/Game/Textures/Blank"]})", true);
	Project.WritePackage("/Game/Textures/Blank", R"({"Class": "Texture2D", "Properties": {"Source": "Blank.png"}})");
	const FProcessResult Result = RunCook(Engine, Project, GetParam().Switches);
	EXPECT_NE(Result.ExitCode, 0);
	bool bFound = false;
	for (const std::string& Line : Result.LinesWith("LogCook: Error: "))
	{
		bFound = bFound || Line.find(GetParam().ErrorText) != std::string::npos;
	}
	EXPECT_TRUE(bFound) << Result.Output;
	EXPECT_FALSE(fs::exists(Project.Dir() / "Saved" / "Cooked"));
}

INSTANTIATE_TEST_SUITE_P(
	Cook, FCookFailureTest,
	::testing::Values(FFailingCook{"MissingMap", {PcPlatforms, "-map=/Game/Maps/Nowhere"}, "/Game/Maps/Nowhere"},
					  FFailingCook{"MissingReference", {PcPlatforms, "-map=/Game/Maps/Broken"}, "/Game/Props/Gone (referenced by /Game/Maps/Broken)"},
					  FFailingCook{"EmptyMap", {PcPlatforms, "-UnVersioned", "-map="}, "-map= names no map"},
					  FFailingCook{"NoMap", {PcPlatforms}, "No map given"},
					  FFailingCook{"NoPlatform", {"-map=/Game/Maps/Arena"}, "No target platform"},
					  FFailingCook{"EmptyPlatform", {"-targetplatform=WindowsNoEditor+", "-map=/Game/Maps/Arena"}, "Invalid target platform"},
					  FFailingCook{"MalformedPackage", {PcPlatforms, "-map=/Game/Maps/Garbled"}, "malformed"},
					  FFailingCook{"ReferenceOutOfContent", {PcPlatforms, "-map=/Game/Maps/Escape"}, "Malformed package name"},
					  FFailingCook{"MapThatIsNoWorld", {PcPlatforms, "-map=/Game/Props/Crate"}, "not a World"},
					  FFailingCook{"MissingTextureSource", {PcPlatforms, "-map=/Game/Maps/NoImage"}, "Blank.png"}),
	[](const ::testing::TestParamInfo<FFailingCook>& Info) { return std::string(Info.param.Name); });
