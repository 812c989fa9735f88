// The script's package commands, edit and save-all, reaching the packages on disk.
#include <nlohmann/json.hpp>

#include "EditorTest.h"

using namespace LevelwrightTest;

namespace
{
const std::string Definition = "/Game/CustomMaps/UGC5/definition";
}

TEST_F(FEditorTest, EditThenSaveAllWritesTheDefinition)
{
	Project.WriteDefinition("UGC5", R"({"Id": "UGC5", "MapLabel": "Harbour", "Version": 1, "GameModes": [1]})");
	const FProcessResult Result =
		Run("edit " + Definition + ".definition MapLabel=\"Harbour at Night\" Version=4 GameModes=1,7 # details panel\nsave-all\n");
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	const nlohmann::json Saved = nlohmann::json::parse(ReadFile(Project.ContentPath(Definition, ".uasset")));
	EXPECT_EQ(Saved["Class"], "Drovik_Map");
	EXPECT_EQ(Saved["Properties"]["MapLabel"], "Harbour at Night");
	EXPECT_EQ(Saved["Properties"]["Version"], 4);
	EXPECT_EQ(Saved["Properties"]["GameModes"], nlohmann::json::array({1, 7}));
}

TEST_F(FEditorTest, AnEditWithoutSaveAllLeavesTheFileAlone)
{
	Project.WriteDefinition("UGC5", R"({"Id": "UGC5", "MapLabel": "Harbour"})");
	const std::string Before = ReadFile(Project.ContentPath(Definition, ".uasset"));
	ASSERT_EQ(Run("edit " + Definition + ".definition MapLabel=Changed\n").ExitCode, 0);
	EXPECT_EQ(ReadFile(Project.ContentPath(Definition, ".uasset")), Before);
}

TEST_F(FEditorTest, AnEditThatCannotBeDoneIsAScriptError)
{
	Project.WriteDefinition("UGC5", R"({"Id": "UGC5"})");
	const FProcessResult Result =
		Run("edit /Game/Nowhere/Thing.Thing Title=x\nedit " + Definition + ".definition NoSuchProperty=1\n");
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_EQ(Result.LinesWith("Script: Error:").size(), 2u) << Result.Output;
}
