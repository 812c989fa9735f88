// Setting properties from text, as the headless editor's `edit` command does.
#include <gtest/gtest.h>

#include "ObjectTestSupport.h"
#include "Standin/Packages.h"
#include "ScratchProject.h"

namespace
{
using FAssignments = std::vector<std::pair<std::string, std::string>>;

const TCHAR* const DefinitionPath = TEXT("/Game/CustomMaps/QRN_Arena/definition.definition");

class Edit : public testing::Test
{
protected:
	void SetUp() override
	{
		Definition = NewObject<UDrovik_Map>(CreatePackage(nullptr, TEXT("/Game/CustomMaps/QRN_Arena/definition")),
											FName(TEXT("definition")), RF_Public | RF_Standalone);
		Texture = MakeTextureAsset(TEXT("/Game/Previews/Shot"), TEXT("Shot"));
		std::string Error;
		ASSERT_TRUE(Standin::Packages::SaveDirtyPackages(Error)) << Error;
	}

	bool Apply(const FAssignments& Assignments)
	{
		Error.clear();
		return Standin::Packages::EditObject(DefinitionPath, Assignments, Error);
	}

	FScratchProject Project;
	UDrovik_Map* Definition = nullptr;
	UTexture2D* Texture = nullptr;
	std::string Error;
};
} // namespace

TEST_F(Edit, SetsEveryKindOfValueAndMarksThePackageDirty)
{
	ASSERT_FALSE(Definition->GetOutermost()->IsDirty());
	ASSERT_TRUE(Apply({{"Id", "QRN_Arena"},
					   {"MapLabel", "Arena at \"night\""},
					   {"Version", "-7"},
					   {"PreviewImage", "/Game/Previews/Shot.Shot"},
					   {"Map", "/Game/Maps/Arena.Arena"},
					   {"QuestMap", "/Game/Maps/Arena_Quest.Arena_Quest"},
					   {"IsCustomGameMode", "TRUE"},
					   {"CustomGameModeLabel", ""},
					   {"GameModes", "1, 12,4"},
					   {"bcreatedbyplugin", "true"}}))
		<< Error;
	EXPECT_TRUE(Definition->Id.Equals(TEXT("QRN_Arena")));
	EXPECT_TRUE(Definition->MapLabel.ToString().Equals(TEXT("Arena at \"night\"")));
	EXPECT_EQ(Definition->Version, -7);
	EXPECT_EQ(Definition->PreviewImage, Texture);
	EXPECT_TRUE(Definition->Map.GetAssetPathString().Equals(TEXT("/Game/Maps/Arena.Arena")));
	EXPECT_TRUE(Definition->QuestMap.GetAssetName().Equals(TEXT("Arena_Quest")));
	EXPECT_TRUE(Definition->IsCustomGameMode);
	EXPECT_TRUE(Definition->CustomGameModeLabel.IsEmpty());
	EXPECT_EQ(Definition->GameModes, (TArray<EDrovikGameModeType>{EDrovikGameModeType::Deathmatch, EDrovikGameModeType::Push,
																  static_cast<EDrovikGameModeType>(4)}));
	EXPECT_TRUE(Definition->bCreatedByPlugin);
	EXPECT_TRUE(Definition->GetOutermost()->IsDirty());

	ASSERT_TRUE(Apply({{"PreviewImage", "None"}, {"GameModes", ""}, {"Map", ""}, {"IsCustomGameMode", "false"}})) << Error;
	EXPECT_EQ(Definition->PreviewImage, nullptr);
	EXPECT_EQ(Definition->GameModes.Num(), 0);
	EXPECT_TRUE(Definition->Map.IsNull());
	EXPECT_FALSE(Definition->IsCustomGameMode);
}

TEST_F(Edit, LoadsTheObjectFromDiskWhenItIsNotInMemory)
{
	Project.WriteContent("CustomMaps/UGC9/definition.uasset", R"({"Class": "Drovik_Map", "Properties": {"Version": 1}})");
	ASSERT_TRUE(Standin::Packages::EditObject(TEXT("/Game/CustomMaps/UGC9/definition.definition"), {{"Version", "2"}}, Error)) << Error;
	ASSERT_TRUE(Standin::Packages::SaveDirtyPackages(Error)) << Error;
	EXPECT_NE(ReadFile(Project.Content("CustomMaps/UGC9/definition.uasset")).find("\"Version\": 2"), std::string::npos);
}

TEST_F(Edit, RefusesUnknownObjectsAndProperties)
{
	EXPECT_FALSE(Standin::Packages::EditObject(TEXT("/Game/Nowhere/definition.definition"), {{"Version", "1"}}, Error));
	EXPECT_NE(Error.find("no such object"), std::string::npos) << Error;

	EXPECT_FALSE(Apply({{"Colour", "red"}}));
	EXPECT_NE(Error.find("Drovik_Map has no property 'Colour'"), std::string::npos) << Error;
	EXPECT_FALSE(Definition->GetOutermost()->IsDirty());
}

TEST_F(Edit, RefusesBadValuesAndChangesNothing)
{
	const std::vector<std::pair<FAssignments, std::string>> Cases = {
		{{{"Version", "seven"}}, "'seven' is not an integer"},
		{{{"Version", "12abc"}}, "not an integer"},
		{{{"Version", "4294967296"}}, "out of range"},
		{{{"IsCustomGameMode", "yes"}}, "'yes' is not true or false"},
		{{{"GameModes", "1,,2"}}, "comma-separated list"},
		{{{"GameModes", "13"}}, "13 is out of range (0 to 12)"},
		{{{"GameModes", "-1"}}, "out of range"},
		{{{"PreviewImage", "/Game/Missing/Tex.Tex"}}, "no object /Game/Missing/Tex.Tex"},
		{{{"PreviewImage", "/Game/CustomMaps/QRN_Arena/definition.definition"}}, "is a Drovik_Map, not a Texture2D"},
		// Earlier assignments of a refused edit are undone.
		{{{"Id", "Changed"}, {"Version", "9"}, {"PreviewImage", "/Game/Missing/Tex.Tex"}}, "PreviewImage"},
	};
	for (const auto& [Assignments, Expected] : Cases)
	{
		EXPECT_FALSE(Apply(Assignments)) << Expected;
		EXPECT_NE(Error.find(Expected), std::string::npos) << "got: " << Error;
		EXPECT_TRUE(Definition->Id.IsEmpty());
		EXPECT_EQ(Definition->Version, 0);
		EXPECT_EQ(Definition->PreviewImage, nullptr);
		EXPECT_FALSE(Definition->GetOutermost()->IsDirty());
	}
}
