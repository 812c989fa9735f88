// UE4Editor.exe -run=cook: what it cooks, where it writes, the bytes it writes and how it fails.
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "CookTestSupport.h"
#include "PluginTestFixture.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

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
	const FTestProject Moved(Copy);
	Moved.RemovePlugin();
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

TEST_F(FCookTest, AFullCookDeletesTheFoldersOfItsPlatformsBeforeItCooks)
{
	WriteSmallProject();
	const fs::path ClientLeftover = Cooked("WindowsNoEditor") / "CustomMaps" / "UGC2000000001" / "Old" / "Gone.uasset";
	const fs::path ServerLeftover = CookedDir() / "LinuxServer" / "Notes.txt";
	const fs::path OtherPlatform = Cooked("Android_ASTC") / "Maps" / "Arena.umap";
	const fs::path JobOutput = CookedDir() / "Workshop" / "WindowsNoEditor.pak";
	for (const fs::path& File : {ClientLeftover, ServerLeftover, OtherPlatform, JobOutput})
	{
		WriteFile(File, "left by an earlier cook");
	}

	const FProcessResult Result = Cook("/Game/Maps/Arena");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	const std::vector<std::string> Deleting = Result.LinesWith("Full cook: deleting");
	EXPECT_EQ(Deleting, (std::vector<std::string>{"LogCook: Display: Full cook: deleting the cooked folder " + (CookedDir() / "WindowsNoEditor").generic_string(),
												   "LogCook: Display: Full cook: deleting the cooked folder " + (CookedDir() / "LinuxServer").generic_string()}))
		<< Result.Output;
	EXPECT_LT(Result.Output.find("Full cook: deleting"), Result.Output.find("LogCook: Display: Cooked "));
	EXPECT_TRUE(Result.Has("LogCook: Display: Full cook of WindowsNoEditor: cooked 3 packages")) << Result.Output;
	// Each platform folder holds what a cook into an empty project writes, and no empty folder.
	EXPECT_EQ(Names(ReadTree(CookedDir() / "WindowsNoEditor")),
			  (std::vector<std::string>{"Drovik/Content/Maps/Arena.uexp", "Drovik/Content/Maps/Arena.umap", "Drovik/Content/Props/Crate.uasset",
										"Drovik/Content/Props/Crate.uexp", "Drovik/Content/Textures/Logo.uasset", "Drovik/Content/Textures/Logo.ubulk",
										"Drovik/Content/Textures/Logo.uexp"}));
	EXPECT_FALSE(fs::exists(Cooked("WindowsNoEditor") / "CustomMaps"));
	EXPECT_FALSE(fs::exists(ServerLeftover));
	// Only the platforms of this cook: another platform's tree and the build jobs' folder stay.
	EXPECT_EQ(ReadFile(OtherPlatform), "left by an earlier cook");
	EXPECT_EQ(ReadFile(JobOutput), "left by an earlier cook");
}

struct FFailingCook
{
	const char* Name;
	std::vector<std::string> Switches;
	std::string ErrorText; // expected in a LogCook: Error line
	// The engine checks its command line, then deletes the platforms' folders, then reads packages:
	// a cook that fails after its checks has already deleted what an earlier cook left.
	bool bPassesItsChecks;
};

void PrintTo(const FFailingCook& Cook, std::ostream* Stream)
{
	*Stream << Cook.Name;
}

class FCookFailureTest : public FCookTest, public ::testing::WithParamInterface<FFailingCook>
{
protected:
	void WriteProjectWithFaults()
	{
		WriteSmallProject();
		Project.WritePackage("/Game/Maps/Broken", R"({"Class": "World", "References": ["/Game/Props/Gone"]})", true);
		Project.WritePackage("/Game/Maps/Garbled", R"({"Class": "World", "Properties": )", true);
		Project.WritePackage("/Game/Maps/Escape", R"({"Class": "World", "References": ["/Game/../../etc/passwd"]})", true);
		Project.WritePackage("/Game/Maps/NoImage", R"({"Class": "World", "References": ["/Game/Textures/Blank"]})", true);
		Project.WritePackage("/Game/Textures/Blank", R"({"Class": "Texture2D", "Properties": {"Source": "Blank.png"}})");
	}
};

TEST_P(FCookFailureTest, FailsWithErrorLinesAndWritesNothing)
{
	WriteProjectWithFaults();
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

TEST_P(FCookFailureTest, AnEarlierCookIsDeletedOnlyOnceTheChecksPassed)
{
	WriteProjectWithFaults();
	ASSERT_EQ(Cook("/Game/Maps/Arena").ExitCode, 0);
	const FProcessResult Result = RunCook(Engine, Project, GetParam().Switches);
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_EQ(Result.Has("Full cook: deleting"), GetParam().bPassesItsChecks) << Result.Output;
	EXPECT_EQ(fs::exists(CookedDir() / "WindowsNoEditor"), !GetParam().bPassesItsChecks);
	EXPECT_EQ(fs::exists(CookedDir() / "LinuxServer"), !GetParam().bPassesItsChecks);
}

INSTANTIATE_TEST_SUITE_P(
	Cook, FCookFailureTest,
	::testing::Values(FFailingCook{"MissingMap", {PcPlatforms, "-map=/Game/Maps/Nowhere"}, "/Game/Maps/Nowhere", true},
					  FFailingCook{"MissingReference", {PcPlatforms, "-map=/Game/Maps/Broken"}, "/Game/Props/Gone (referenced by /Game/Maps/Broken)", true},
					  FFailingCook{"EmptyMap", {PcPlatforms, "-UnVersioned", "-map="}, "-map= names no map", false},
					  FFailingCook{"NoMap", {PcPlatforms}, "No map given", false},
					  FFailingCook{"NoPlatform", {"-map=/Game/Maps/Arena"}, "No target platform", false},
					  FFailingCook{"EmptyPlatform", {"-targetplatform=WindowsNoEditor+", "-map=/Game/Maps/Arena"}, "Invalid target platform", false},
					  FFailingCook{"MapOutsideGame", {PcPlatforms, "-map=/Engine/Maps/Entry"}, "is not a package below /Game", false},
					  FFailingCook{"MalformedPackage", {PcPlatforms, "-map=/Game/Maps/Garbled"}, "malformed", true},
					  FFailingCook{"ReferenceOutOfContent", {PcPlatforms, "-map=/Game/Maps/Escape"}, "Malformed package name", true},
					  FFailingCook{"MapThatIsNoWorld", {PcPlatforms, "-map=/Game/Props/Crate"}, "not a World", true},
					  FFailingCook{"MissingTextureSource", {PcPlatforms, "-map=/Game/Maps/NoImage"}, "Blank.png", true}),
	[](const ::testing::TestParamInfo<FFailingCook>& Info) { return std::string(Info.param.Name); });
