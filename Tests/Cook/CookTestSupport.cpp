#include "CookTestSupport.h"

#include <algorithm>

#include "PluginTestFixture.h"

namespace fs = std::filesystem;

namespace LevelwrightTest
{
std::vector<std::string> Names(const std::map<std::string, std::string>& Files)
{
	std::vector<std::string> Result;
	for (const auto& [Name, Bytes] : Files)
	{
		Result.push_back(Name);
	}
	return Result;
}

void FCookTest::SetUp()
{
	Project.RemovePlugin();
}

void FCookTest::WriteSmallProject(const std::string& Title)
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

FProcessResult FCookTest::Cook(const std::string& Map, const std::string& Platforms, const std::vector<std::string>& More)
{
	std::vector<std::string> Switches{Platforms, "-UnVersioned", "-map=" + Map};
	Switches.insert(Switches.end(), More.begin(), More.end());
	return RunCook(Engine, Project, Switches);
}
} // namespace LevelwrightTest
