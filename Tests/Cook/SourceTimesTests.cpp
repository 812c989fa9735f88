// The source time an iterative cook compares a package's cooked files with: the latest of its own file,
// its image (a texture) and everything it reaches through its imports, cycles and long chains included.
#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "Cook/CookedTree.h"
#include "TestFiles.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using Standin::Editor::Cook::FCookPackage;
using Standin::Editor::Cook::FCookSet;
using Standin::Editor::Cook::LatestSourceTimes;

namespace
{
class FSourceTimesTest : public ::testing::Test
{
protected:
	FTempDir Temp;
	const fs::file_time_type Base = fs::file_time_type::clock::now() - std::chrono::hours(2);

	fs::file_time_type At(int Minutes) const { return Base + std::chrono::minutes(Minutes); }

	// A package file written Minutes after Base; the set keeps the order of the calls.
	FCookPackage& Add(const std::string& Name, int Minutes, std::vector<std::string> Imports = {}, const std::string& Class = "StaticMesh")
	{
		FCookPackage Package;
		Package.Name = "/Game/" + Name;
		Package.SourceFile = Temp.Path() / (Name + ".uasset");
		Package.Class = Class;
		for (std::string& Import : Imports)
		{
			Import = Import.starts_with("/") ? Import : "/Game/" + Import;
		}
		Package.Imports = std::move(Imports);
		WriteFile(Package.SourceFile, "{}");
		fs::last_write_time(Package.SourceFile, At(Minutes));
		Set.Packages.push_back(std::move(Package));
		return Set.Packages.back();
	}

	void AddTexture(const std::string& Name, int Minutes, const char* Image, int ImageMinutes)
	{
		FCookPackage& Texture = Add(Name, Minutes, {}, "Texture2D");
		if (Image == nullptr)
		{
			return;
		}
		Texture.Properties["Source"] = Image;
		if (ImageMinutes >= 0)
		{
			WriteFile(Temp.Path() / Image, "png");
			fs::last_write_time(Temp.Path() / Image, At(ImageMinutes));
		}
	}

	FCookSet Set;
};

constexpr fs::file_time_type Unknown = fs::file_time_type::max();
} // namespace

TEST_F(FSourceTimesTest, APackageTakesTheLatestTimeOfEverythingItReaches)
{
	Add("Map", 0, {"Crate", "/Engine/BasicShapes/Cube"});
	Add("Crate", 1, {"Wood"});
	Add("Wood", 5);
	Add("Barrel", 2, {"Wood"});
	Add("Lonely", 3);

	EXPECT_EQ(LatestSourceTimes(Set), (std::vector<fs::file_time_type>{At(5), At(5), At(5), At(5), At(3)}));
}

TEST_F(FSourceTimesTest, ACycleSharesOneTimeAndPassesItOnToWhatReachesIt)
{
	Add("Map", 0, {"Hinge"});
	Add("Hinge", 1, {"Door"});
	Add("Door", 0, {"Hinge", "Paint"});
	Add("Paint", 2);
	Add("Later", 9, {"Hinge"});

	// The cycle Hinge <-> Door reaches Paint; nothing in it reaches Later.
	EXPECT_EQ(LatestSourceTimes(Set), (std::vector<fs::file_time_type>{At(2), At(2), At(2), At(2), At(9)}));
}

TEST_F(FSourceTimesTest, ALongChainIsWalkedWithoutRecursion)
{
	// Deep enough that a recursive walk would overflow the stack. The links share two files.
	constexpr size_t Length = 200000;
	Add("Tail", 7);
	Add("Link", 0);
	for (size_t Index = 0; Index < Length; ++Index)
	{
		FCookPackage Link = Set.Packages.back();
		Link.Name = "/Game/Link" + std::to_string(Index);
		// Link0 -> Link1 -> ... -> Tail: the walk starts at the head of the chain.
		Link.Imports = {Index + 1 == Length ? "/Game/Tail" : "/Game/Link" + std::to_string(Index + 1)};
		Set.Packages.push_back(std::move(Link));
	}
	const std::vector<fs::file_time_type> Times = LatestSourceTimes(Set);
	ASSERT_EQ(Times.size(), Length + 2);
	EXPECT_EQ(Times[1], At(0)) << "the package whose file the links share reaches nothing";
	EXPECT_EQ(Times[2], At(7));
	EXPECT_EQ(Times.back(), At(7));
}

TEST_F(FSourceTimesTest, ATextureTakesItsImageTimeAndAnUnreadableSourceIsNeverCurrent)
{
	AddTexture("Logo", 0, "Logo.png", 4);
	Add("Sign", 1, {"Logo"});
	AddTexture("NoImage", 0, "Missing.png", -1);
	Add("Poster", 1, {"NoImage"});
	AddTexture("NoSource", 0, nullptr, -1);
	Add("Vanished", 0);
	fs::remove(Set.Packages.back().SourceFile);
	Add("Old", 0);

	EXPECT_EQ(LatestSourceTimes(Set), (std::vector<fs::file_time_type>{At(4), At(4), Unknown, Unknown, Unknown, Unknown, At(0)}));
}
