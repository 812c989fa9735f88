// The sample projects the demo runs on: every package readable, every /Game reference present, the
// definitions complete, and each map cooked by the stand-in cook as the plugin will ask for it.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "EditorProcess.h"
#include "TestEnvironment.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using nlohmann::json;

namespace
{
fs::path SampleDir(const std::string& Name)
{
	return SourceDir() / "Samples" / Name;
}

json ReadJson(const fs::path& Path)
{
	return json::parse(ReadFile(Path));
}

// "/Game/A/B" or "/Game/A/B.B" to Content/A/B.uasset or .umap of the project; empty when neither exists.
fs::path FindPackageFile(const fs::path& Project, std::string Reference)
{
	const std::string Prefix = "/Game/";
	if (Reference.rfind(Prefix, 0) != 0)
	{
		return {};
	}
	const auto Dot = Reference.find('.', Reference.rfind('/'));
	if (Dot != std::string::npos)
	{
		Reference.resize(Dot);
	}
	const fs::path Base = Project / "Content" / Reference.substr(Prefix.size());
	for (const char* Extension : {".uasset", ".umap"})
	{
		fs::path Candidate = Base;
		Candidate += Extension;
		if (fs::is_regular_file(Candidate))
		{
			return Candidate;
		}
	}
	return {};
}

// Every /Game string a package names: its References and any string in its Properties (as the cook follows them).
void CollectReferences(const json& Value, std::vector<std::string>& Out)
{
	if (Value.is_string() && Value.get<std::string>().rfind("/Game/", 0) == 0)
	{
		Out.push_back(Value.get<std::string>());
	}
	else if (Value.is_structured())
	{
		for (const json& Child : Value)
		{
			CollectReferences(Child, Out);
		}
	}
}

struct FPngSize
{
	uint32_t Width = 0;
	uint32_t Height = 0;
};

// The size from a PNG's header; zero when the bytes are not a PNG.
FPngSize ReadPngSize(const std::string& Bytes)
{
	const std::string Signature = "\x89PNG\r\n\x1a\n";
	if (Bytes.size() < 24 || Bytes.compare(0, Signature.size(), Signature) != 0 || Bytes.compare(12, 4, "IHDR") != 0)
	{
		return {};
	}
	auto BigEndian = [&Bytes](size_t At) {
		uint32_t Value = 0;
		for (size_t Index = 0; Index < 4; ++Index)
		{
			Value = (Value << 8) | static_cast<unsigned char>(Bytes[At + Index]);
		}
		return Value;
	};
	return {BigEndian(16), BigEndian(20)};
}

json LoadPackage(const fs::path& Project, const std::string& Reference)
{
	const fs::path File = FindPackageFile(Project, Reference);
	if (File.empty())
	{
		ADD_FAILURE() << Reference << " is missing in " << Project;
		return json::object();
	}
	return ReadJson(File);
}

bool IsInside(const std::string& Reference, const std::string& Folder)
{
	return Reference.rfind(Folder + "/", 0) == 0;
}
} // namespace

TEST(SampleProjects, PackagesParseAndEveryReferenceIsPresent)
{
	for (const char* Name : {"WorkshopMap", "QuarnMod"})
	{
		SCOPED_TRACE(Name);
		const fs::path Project = SampleDir(Name);
		int Packages = 0;
		for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Project / "Content"))
		{
			const std::string Extension = Entry.path().extension().string();
			if (Extension != ".uasset" && Extension != ".umap")
			{
				continue;
			}
			SCOPED_TRACE(Entry.path().string());
			++Packages;
			json Package;
			ASSERT_NO_THROW(Package = ReadJson(Entry.path()));
			ASSERT_TRUE(Package.contains("Class") && Package["Class"].is_string());
			EXPECT_EQ(Package["Class"] == "World", Extension == ".umap") << "a World, and only a World, is saved as .umap";

			std::vector<std::string> References;
			CollectReferences(Package.value("Properties", json::object()), References);
			CollectReferences(Package.value("References", json::array()), References);
			for (const std::string& Reference : References)
			{
				EXPECT_FALSE(FindPackageFile(Project, Reference).empty()) << Reference << " is missing";
			}
			if (Package["Class"] == "Texture2D")
			{
				const fs::path Image = Entry.path().parent_path() / Package["Properties"]["Source"].get<std::string>();
				EXPECT_GT(ReadPngSize(ReadFile(Image)).Width, 0u) << Image << " is not a PNG";
			}
		}
		EXPECT_GE(Packages, 5);
	}
}

TEST(SampleProjects, WorkshopMapDefinitionIsCompleteAndItsItemIsOnTheMachine)
{
	const fs::path Project = SampleDir("WorkshopMap");
	const std::string Folder = "/Game/CustomMaps/UGC2000000001";
	const json Definition = LoadPackage(Project, Folder + "/definition");
	ASSERT_EQ(Definition.value("Class", ""), "Drovik_Map");
	const json& Properties = Definition["Properties"];

	EXPECT_EQ(Properties.value("Id", ""), "UGC2000000001");
	EXPECT_FALSE(Properties.value("MapLabel", "").empty());
	EXPECT_GT(Properties.value("Version", 0), 0);
	const std::string Map = Properties.value("Map", "");
	EXPECT_TRUE(IsInside(Map, Folder)) << Map;
	EXPECT_EQ(LoadPackage(Project, Map).value("Class", ""), "World");

	ASSERT_TRUE(Properties["GameModes"].is_array());
	const std::set<int> Modes = Properties["GameModes"].get<std::set<int>>();
	EXPECT_GE(Modes.size(), 2u) << "the synced item should show several tags";
	for (const int Mode : Modes)
	{
		EXPECT_TRUE(Mode >= 0 && Mode <= 12) << Mode;
	}

	// The preview becomes the item's picture: a real image, within the Workshop's 1 MB.
	const std::string Preview = Properties.value("PreviewImage", "");
	const json Texture = LoadPackage(Project, Preview);
	ASSERT_EQ(Texture.value("Class", ""), "Texture2D");
	const fs::path Image = FindPackageFile(Project, Preview).parent_path() / Texture["Properties"].value("Source", "");
	const FPngSize Size = ReadPngSize(ReadFile(Image));
	EXPECT_GE(Size.Width, 256u);
	EXPECT_GE(Size.Height, 128u);
	EXPECT_LT(fs::file_size(Image), 1000000u);

	// The map uses one asset outside its folder, so the demo shows what a pak leaves out.
	const auto WorldReferences = LoadPackage(Project, Map)["References"].get<std::vector<std::string>>();
	EXPECT_TRUE(std::any_of(WorldReferences.begin(), WorldReferences.end(), [&](const std::string& R) { return !IsInside(R, Folder); }));

	EXPECT_TRUE(fs::is_regular_file(SampleDir("machine") / "steam" / "workshop" / "731904" / "2000000001" / "item.json"));
}

TEST(SampleProjects, QuarnModDefinitionNamesAMapForEachBuild)
{
	const fs::path Project = SampleDir("QuarnMod");
	const std::string Folder = "/Game/CustomMaps/QRN_Harbour";
	const json Definition = LoadPackage(Project, Folder + "/definition");
	ASSERT_EQ(Definition.value("Class", ""), "Drovik_Map");
	const json& Properties = Definition["Properties"];
	EXPECT_EQ(Properties.value("Id", ""), "QRN_Harbour");
	for (const char* Key : {"Map", "QuestMap"})
	{
		const std::string Map = Properties.value(Key, "");
		EXPECT_TRUE(IsInside(Map, Folder)) << Key << " = " << Map;
		EXPECT_EQ(LoadPackage(Project, Map).value("Class", ""), "World") << Key;
	}
	EXPECT_NE(Properties.value("Map", ""), Properties.value("QuestMap", ""));
	// The project holds only this mod: another map folder would change which one the plugin picks.
	int Folders = 0;
	for (const fs::directory_entry& Entry : fs::directory_iterator(Project / "Content" / "CustomMaps"))
	{
		Folders += Entry.is_directory();
	}
	EXPECT_EQ(Folders, 1);
}

TEST(SampleProjects, ProjectsAreDrovikProjectsWithoutThePlugin)
{
	for (const char* Name : {"WorkshopMap", "QuarnMod", "EmptyProject"})
	{
		SCOPED_TRACE(Name);
		const fs::path Project = SampleDir(Name);
		json Descriptor;
		ASSERT_NO_THROW(Descriptor = ReadJson(Project / "Drovik.uproject"));
		EXPECT_EQ(Descriptor.value("EngineAssociation", ""), "4.21");
		EXPECT_NE(ReadFile(Project / "Config" / "DefaultGame.ini").find("+DirectoriesToAlwaysCook=(Path=\"/Game/CustomMaps\")"), std::string::npos);
		// The demo installs the plugin by copying it, as an author does; a copy here would go stale.
		EXPECT_FALSE(fs::exists(Project / "Plugins"));
	}
	EXPECT_FALSE(fs::exists(SampleDir("EmptyProject") / "Content" / "CustomMaps"));
}

namespace
{
// The samples are cooked as they are, in copies beside the test world's own project.
class FSampleCookTest : public ::testing::Test, protected FTestWorld
{
protected:
	fs::path CopySample(const std::string& Name)
	{
		fs::copy(SampleDir(Name), Temp.Path() / Name, fs::copy_options::recursive);
		return Temp.Path() / Name;
	}

	FProcessResult Cook(const fs::path& Sample, const std::string& Platforms, const std::string& Map)
	{
		return RunProcess(EditorProgram(Engine), {(Sample / "Drovik.uproject").string(), "-run=cook", "-targetplatform=" + Platforms, "-UnVersioned", "-map=" + Map},
						  Temp.Path());
	}
};
} // namespace

TEST_F(FSampleCookTest, WorkshopMapCooksForTheClientAndTheServer)
{
	const fs::path Sample = CopySample("WorkshopMap");
	const FProcessResult Result = Cook(Sample, "WindowsNoEditor+LinuxServer", "/Game/CustomMaps/UGC2000000001/Arena");
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	const fs::path Client = Sample / "Saved" / "Cooked" / "WindowsNoEditor" / "Drovik" / "Content";
	const fs::path Server = Sample / "Saved" / "Cooked" / "LinuxServer" / "Drovik" / "Content";
	EXPECT_TRUE(fs::exists(Client / "CustomMaps" / "UGC2000000001" / "Arena.umap"));
	EXPECT_TRUE(fs::exists(Client / "CustomMaps" / "UGC2000000001" / "Preview.ubulk"));
	EXPECT_FALSE(fs::exists(Server / "CustomMaps" / "UGC2000000001" / "Preview.ubulk"));
	EXPECT_TRUE(fs::exists(Client / "Shared" / "Rock.uasset"));
}

TEST_F(FSampleCookTest, QuarnMapsCookForWindowsAndAndroid)
{
	const fs::path Sample = CopySample("QuarnMod");
	const FProcessResult Windows = Cook(Sample, "WindowsNoEditor+LinuxServer", "/Game/CustomMaps/QRN_Harbour/Maps/Harbour");
	EXPECT_EQ(Windows.ExitCode, 0) << Windows.Output;
	const FProcessResult Android = Cook(Sample, "Android_ASTC+LinuxServer", "/Game/CustomMaps/QRN_Harbour/Maps/Harbour_Quest");
	EXPECT_EQ(Android.ExitCode, 0) << Android.Output;
	EXPECT_TRUE(fs::exists(Sample / "Saved" / "Cooked" / "Android_ASTC" / "Drovik" / "Content" / "CustomMaps" / "QRN_Harbour" / "Textures" / "T_Water.ubulk"));
}
