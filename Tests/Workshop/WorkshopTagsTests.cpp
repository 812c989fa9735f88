// The tag table: which game modes become which tags, and in which order.
#include <string>
#include <vector>

#include "Drovik_Map.h"
#include "PluginTestFixture.h"
#include "UGCInterface/WorkshopTags.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace LevelwrightTest
{
namespace
{
class FWorkshopTagsTest : public FPluginTest
{
protected:
	std::vector<std::string> TagsFor(std::vector<int> GameModes, bool bIsCustomGameMode = false)
	{
		UDrovik_Map* Definition = NewObject<UDrovik_Map>(GetTransientPackage());
		for (int Mode : GameModes)
		{
			Definition->GameModes.Add(static_cast<EDrovikGameModeType>(Mode));
		}
		Definition->IsCustomGameMode = bIsCustomGameMode;
		std::vector<std::string> Tags;
		for (const ANSICHAR* Tag : GetWorkshopTags(*Definition))
		{
			Tags.emplace_back(Tag);
		}
		return Tags;
	}

	using FTags = std::vector<std::string>;
};

TEST_F(FWorkshopTagsTest, TagsFollowTheTableNotTheModeNumbers)
{
	EXPECT_EQ(TagsFor({1, 12}), (FTags{"Deathmatch", "Push"}));
	EXPECT_EQ(TagsFor({10, 7}), (FTags{"Zombie Coop", "Capture the Flag"}));
	EXPECT_EQ(TagsFor({7, 10}), (FTags{"Zombie Coop", "Capture the Flag"}));
	EXPECT_EQ(TagsFor({12, 11, 10, 8, 7, 6, 3, 2, 1, 0}, true),
			  (FTags{"Deathmatch", "Team Deathmatch", "Search and Destroy", "Gun Game", "Zombie Coop", "Capture the Flag",
					 "TTT", "The Hidden", "Push", "Custom"}));
}

TEST_F(FWorkshopTagsTest, CustomNeedsBothTheModeAndTheFlag)
{
	EXPECT_EQ(TagsFor({0}, true), (FTags{"Custom"}));
	EXPECT_EQ(TagsFor({1}, true), (FTags{"Deathmatch"}));
	EXPECT_EQ(TagsFor({0, 1}, false), (FTags{"Deathmatch"}));
}

TEST_F(FWorkshopTagsTest, UnlistedModesGiveNoTag)
{
	EXPECT_TRUE(TagsFor({4, 5, 9}).empty());
	EXPECT_TRUE(TagsFor({}).empty());
}
} // namespace
} // namespace LevelwrightTest
