// UE4Editor.exe -run=cook -iterate: which packages an iterative cook keeps, cooks again and removes,
// and that its tree is always byte for byte what a full cook of the same project writes.
#include <chrono>
#include <filesystem>
#include <map>
#include <set>

#include <gmock/gmock.h>

#include "CookTestSupport.h"
#include "PluginTestFixture.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
using FTimes = std::map<std::string, fs::file_time_type>;
const std::vector<std::string> Platforms{"WindowsNoEditor", "LinuxServer"};

// Arena -> Crate -> Wood -> Grain (a texture) is the chain; Arena also uses Barrel and the texture
// Logo; Extra is cooked only because its folder is always cooked. Seven packages on each platform.
class FIterativeCookTest : public FCookTest
{
protected:
	void SetUp() override
	{
		FCookTest::SetUp();
		WriteArena({"/Game/Props/Crate", "/Game/Props/Barrel"});
		Project.WritePackage("/Game/Props/Crate", R"({"Class": "StaticMesh", "References": ["/Game/Materials/Wood"]})");
		Project.WritePackage("/Game/Props/Barrel", R"({"Class": "StaticMesh", "Properties": {"Triangles": 40}})");
		WriteWood("Oak");
		Project.WritePackage("/Game/Textures/Grain", R"({"Class": "Texture2D", "Properties": {"Source": "Grain.png"}})");
		WriteFile(Project.ContentPath("/Game/Textures/Grain", ".png"), MakePng(2, 2, 0x996633FFu));
		Project.WritePackage("/Game/Textures/Logo", R"({"Class": "Texture2D", "Properties": {"Source": "Logo.png"}})");
		WriteFile(Project.ContentPath("/Game/Textures/Logo", ".png"), MakePng(4, 2, 0x3366CCFFu));
		// FTestProject's DefaultGame.ini always cooks /Game/CustomMaps.
		Project.WritePackage("/Game/CustomMaps/UGC7/Extra", R"({"Class": "StaticMesh"})");
		AgeSources();
	}

	void WriteArena(const std::vector<std::string>& References) const
	{
		std::string List;
		for (const std::string& Reference : References)
		{
			List += (List.empty() ? "\"" : ", \"") + Reference + "\"";
		}
		Project.WritePackage("/Game/Maps/Arena", R"({"Class": "World", "Properties": {"Logo": "/Game/Textures/Logo.Logo"}, "References": [)" + List + "]}",
							 true);
	}

	void WriteWood(const std::string& Kind) const
	{
		Project.WritePackage("/Game/Materials/Wood", R"({"Class": "Material", "Properties": {"Kind": ")" + Kind + R"(", "Texture": "/Game/Textures/Grain.Grain"}})");
	}

	// Every source an hour old, so that a cook's files are surely newer and only what a test then
	// writes is newer than them.
	void AgeSources() const
	{
		const auto HourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
		for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Project.Dir() / "Content"))
		{
			fs::last_write_time(Entry.path(), HourAgo);
		}
	}

	FProcessResult Iterate() { return Cook("/Game/Maps/Arena", PcPlatforms, {"-iterate"}); }
	FProcessResult FullCook() { return Cook("/Game/Maps/Arena"); }

	FTimes CookedTimes() const
	{
		FTimes Times;
		for (const auto& [Name, Bytes] : ReadTree(CookedDir()))
		{
			Times[Name] = fs::last_write_time(CookedDir() / Name);
		}
		return Times;
	}

	// The packages (as "<Platform>:<path without extension>") with a file written since Before.
	static std::set<std::string> Rewritten(const FTimes& Before, const FTimes& After)
	{
		std::set<std::string> Packages;
		for (const auto& [Name, Time] : After)
		{
			const auto Old = Before.find(Name);
			if (Old == Before.end() || Old->second != Time)
			{
				const std::string Platform = Name.substr(0, Name.find('/'));
				const std::string Path = Name.substr(Name.find("/Content/") + 9);
				Packages.insert(Platform + ":" + Path.substr(0, Path.rfind('.')));
			}
		}
		return Packages;
	}

	static std::set<std::string> OnBothPlatforms(const std::vector<std::string>& Paths)
	{
		std::set<std::string> Packages;
		for (const std::string& Platform : Platforms)
		{
			for (const std::string& Path : Paths)
			{
				Packages.insert(Platform + ":" + Path);
			}
		}
		return Packages;
	}

	// Runs a full cook of the project as it now is and expects exactly the tree the iterative cook left.
	void ExpectSameAsAFullCook()
	{
		const auto Iterated = ReadTree(CookedDir());
		const FProcessResult Full = FullCook();
		ASSERT_EQ(Full.ExitCode, 0) << Full.Output;
		EXPECT_EQ(Iterated, ReadTree(CookedDir()));
		EXPECT_EQ(FoldersBelow(CookedDir()), FoldersAfterIterating) << "an iterative cook leaves no folder a full cook would not make";
	}

	FProcessResult IterateAndKeepFolders()
	{
		FProcessResult Result = Iterate();
		FoldersAfterIterating = FoldersBelow(CookedDir());
		return Result;
	}

	static std::string Summary(const std::string& Platform, const std::string& Counts)
	{
		return "LogCook: Display: Iterative cook of " + Platform + ": " + Counts;
	}

private:
	std::vector<std::string> FoldersAfterIterating;
};
} // namespace

TEST_F(FIterativeCookTest, AnUnchangedProjectKeepsEveryPackageAsAFullCookWroteIt)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	const FTimes Before = CookedTimes();
	const auto BytesBefore = ReadTree(CookedDir());

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_THAT(Result.LinesWith("Iterative cook of"), ElementsAre(Summary("WindowsNoEditor", "kept 7 packages, cooked 0, removed 0 files"),
																	Summary("LinuxServer", "kept 7 packages, cooked 0, removed 0 files")));
	EXPECT_FALSE(Result.Has("Full cook: deleting")) << "an iterative cook keeps the platform folders";
	EXPECT_EQ(CookedTimes(), Before) << "no file was written again";
	EXPECT_EQ(ReadTree(CookedDir()), BytesBefore);
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, WithNothingCookedBeforeItCooksEverything)
{
	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has(Summary("WindowsNoEditor", "kept 0 packages, cooked 7, removed 0 files"))) << Result.Output;
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, AnEditedPackageIsCookedAgainWithEveryPackageThatReachesIt)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	const FTimes Before = CookedTimes();
	const std::string OldWood = ReadFile(Cooked("WindowsNoEditor") / "Materials" / "Wood.uexp");
	WriteWood("Walnut");

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	// Crate uses Wood; Arena, two references away, uses Crate.
	EXPECT_EQ(Rewritten(Before, CookedTimes()), OnBothPlatforms({"Materials/Wood", "Props/Crate", "Maps/Arena"}));
	EXPECT_TRUE(Result.Has(Summary("LinuxServer", "kept 4 packages, cooked 3, removed 0 files"))) << Result.Output;
	EXPECT_NE(ReadFile(Cooked("WindowsNoEditor") / "Materials" / "Wood.uexp"), OldWood);
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, ATextureWhoseImageChangedIsCookedAgainWithItsReferrers)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	const FTimes Before = CookedTimes();
	WriteFile(Project.ContentPath("/Game/Textures/Grain", ".png"), MakePng(2, 2, 0x224488FFu));

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(Rewritten(Before, CookedTimes()), OnBothPlatforms({"Textures/Grain", "Materials/Wood", "Props/Crate", "Maps/Arena"}));
	EXPECT_EQ(ReadFile(Cooked("WindowsNoEditor") / "Textures" / "Grain.ubulk"), std::string("\x88\x44\x22\xFF", 4) + std::string("\x88\x44\x22\xFF", 4) +
																					 std::string("\x88\x44\x22\xFF", 4) + std::string("\x88\x44\x22\xFF", 4));
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, ADeletedPackageLosesItsCookedFiles)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	const FTimes Before = CookedTimes();
	fs::remove(Project.ContentPath("/Game/CustomMaps/UGC7/Extra", ".uasset"));

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_THAT(Result.LinesWith("Iterative cook of"), ElementsAre(Summary("WindowsNoEditor", "kept 6 packages, cooked 0, removed 2 files"),
																	Summary("LinuxServer", "kept 6 packages, cooked 0, removed 2 files")));
	EXPECT_FALSE(fs::exists(Cooked("WindowsNoEditor") / "CustomMaps")) << "the folders it leaves empty go too";
	EXPECT_FALSE(fs::exists(Cooked("LinuxServer") / "CustomMaps"));
	EXPECT_THAT(Rewritten(Before, CookedTimes()), IsEmpty());
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, APackageTheMapNoLongerReachesIsRemovedThoughItsSourceStays)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	WriteArena({"/Game/Props/Barrel"});

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	// Crate, Wood and Grain (whose .ubulk only a client has) are out of the cook's reach.
	EXPECT_THAT(Result.LinesWith("Iterative cook of"), ElementsAre(Summary("WindowsNoEditor", "kept 3 packages, cooked 1, removed 7 files"),
																	Summary("LinuxServer", "kept 3 packages, cooked 1, removed 6 files")));
	EXPECT_TRUE(fs::exists(Project.ContentPath("/Game/Props/Crate", ".uasset")));
	EXPECT_FALSE(fs::exists(Cooked("WindowsNoEditor") / "Props" / "Crate.uasset"));
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, FilesNoCookWritesAreRemoved)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	WriteFile(Cooked("WindowsNoEditor") / "CustomMaps" / "UGC2000000001" / "Old" / "Gone.uasset", "left by an earlier cook");
	WriteFile(CookedDir() / "WindowsNoEditor" / "Notes.txt", "not cooked at all");
	WriteFile(Cooked("LinuxServer") / "Props" / "Crate.uasset.partial", "what a killed cook left");

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_THAT(Result.LinesWith("Iterative cook of"), ElementsAre(Summary("WindowsNoEditor", "kept 7 packages, cooked 0, removed 2 files"),
																	Summary("LinuxServer", "kept 7 packages, cooked 0, removed 1 file")));
	EXPECT_FALSE(fs::exists(Cooked("WindowsNoEditor") / "CustomMaps" / "UGC2000000001"));
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, APackageMissingACookedFileIsCookedAgainOnThatPlatformOnly)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	const FTimes Before = CookedTimes();
	fs::remove(Cooked("WindowsNoEditor") / "Props" / "Barrel.uexp");
	// A folder where a cooked file belongs is no cooked file either.
	fs::remove(Cooked("LinuxServer") / "Textures" / "Logo.uexp");
	fs::create_directories(Cooked("LinuxServer") / "Textures" / "Logo.uexp" / "Inside");

	const FProcessResult Result = IterateAndKeepFolders();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(Rewritten(Before, CookedTimes()), (std::set<std::string>{"WindowsNoEditor:Props/Barrel", "LinuxServer:Textures/Logo"}));
	ExpectSameAsAFullCook();
}

TEST_F(FIterativeCookTest, TimesAreComparedToTheNanosecondAndATieCountsAsAChange)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	// Extra is referenced by nothing, so only its own times matter. Its cooked files all get one time
	// half-way through a second; its source gets that time, or one nanosecond less.
	const auto Tie = std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now()) - std::chrono::minutes(10) + std::chrono::milliseconds(500);
	const fs::path Source = Project.ContentPath("/Game/CustomMaps/UGC7/Extra", ".uasset");
	const auto SetTimes = [&](fs::file_time_type SourceTime) {
		for (const std::string& Platform : Platforms)
		{
			for (const char* Extension : {".uasset", ".uexp"})
			{
				fs::last_write_time(Cooked(Platform) / "CustomMaps" / "UGC7" / (std::string("Extra") + Extension), Tie);
			}
		}
		fs::last_write_time(Source, SourceTime);
		ASSERT_EQ(fs::last_write_time(Source), SourceTime) << "the file system keeps nanoseconds";
	};

	SetTimes(Tie - std::chrono::nanoseconds(1));
	FTimes Before = CookedTimes();
	FProcessResult Result = Iterate();
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_THAT(Rewritten(Before, CookedTimes()), IsEmpty()) << "a source older by a nanosecond is older";

	SetTimes(Tie);
	Before = CookedTimes();
	Result = Iterate();
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(Rewritten(Before, CookedTimes()), OnBothPlatforms({"CustomMaps/UGC7/Extra"})) << "a tie may hide an edit";
}

TEST_F(FIterativeCookTest, AFailedIterativeCookLeavesTheTreeAsItWas)
{
	ASSERT_EQ(FullCook().ExitCode, 0);
	const FTimes Before = CookedTimes();
	const auto BytesBefore = ReadTree(CookedDir());
	WriteArena({"/Game/Props/Crate", "/Game/Props/Gone"});
	fs::remove(Project.ContentPath("/Game/CustomMaps/UGC7/Extra", ".uasset"));

	const FProcessResult Result = Iterate();

	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_TRUE(Result.Has("LogCook: Error: Package /Game/Props/Gone (referenced by /Game/Maps/Arena) not found")) << Result.Output;
	EXPECT_EQ(CookedTimes(), Before);
	EXPECT_EQ(ReadTree(CookedDir()), BytesBefore);
}
