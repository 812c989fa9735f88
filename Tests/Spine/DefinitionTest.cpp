// Definition assets: loading, creating, saving, and resolving the map to cook from them.
#include <filesystem>

#include "Drovik_Map.h"
#include "PluginTestFixture.h"
#include "QRNInterface/QRNInterface.h"
#include "Standin/Packages.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
class Definitions : public FPluginTest
{
protected:
	void WriteDefinitionWithMaps(const std::string& Folder, const std::string& Map, const std::string& QuestMap)
	{
		Project.WriteDefinition(Folder, "{\"Id\": \"" + Folder + "\", \"MapLabel\": \"Harbour\", \"Version\": 2, \"Map\": \"" + Map +
											"\", \"QuestMap\": \"" + QuestMap + "\"}");
	}
};
} // namespace

TEST_F(Definitions, WorkshopDefinitionIsLoadedFromDisk)
{
	WriteSampleWorkshopMap(2000000001);
	FLevelwrightModule& Module = StartModule();
	UDrovik_Map* Definition = Module.WorkshopMap->GetDefinition();
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Definition->Id, FString(TEXT("UGC2000000001")));
	EXPECT_EQ(Definition->MapLabel.ToString(), FString(TEXT("Arena")));
	EXPECT_EQ(Module.WorkshopMap->GetDefinition(), Definition) << "a second load finds the object in memory";
}

TEST_F(Definitions, ItemZeroHasNoDefinition)
{
	FLevelwrightModule& Module = StartModule();
	EXPECT_EQ(Module.WorkshopMap->GetDefinition(), nullptr);
}

TEST_F(Definitions, AnObjectThatIsNotADefinitionIsNone)
{
	Project.WritePackage("/Game/CustomMaps/UGC5/definition", "{\"Class\": \"StaticMesh\", \"Properties\": {}}");
	FLevelwrightModule& Module = StartModule();
	EXPECT_EQ(Module.WorkshopMap->ItemId, 5u);
	EXPECT_EQ(Module.WorkshopMap->GetDefinition(), nullptr);
}

// A Workshop item's definition is the project's link to the item: it is saved as soon as it exists.
TEST_F(Definitions, CreatedDefinitionIsSavedAtOnce)
{
	FLevelwrightModule& Module = StartModule();
	Module.WorkshopMap->CreateDefinition(123);
	EXPECT_TRUE(LogHas("LevelwrightLog: Creating map folder for id 123"));
	Module.WorkshopMap->ItemId = 123;
	UDrovik_Map* Definition = Module.WorkshopMap->GetDefinition();
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Definition->Id, FString(TEXT("UGC123")));
	EXPECT_TRUE(Definition->bCreatedByPlugin);
	const fs::path Saved = Project.ContentPath("/Game/CustomMaps/UGC123/definition", ".uasset");
	ASSERT_TRUE(fs::exists(Saved)) << "saved before any save-all";
	EXPECT_NE(ReadFile(Saved).find("\"UGC123\""), std::string::npos);
	EXPECT_TRUE(Standin::Packages::GetDirtyPackageNames().empty());
}

TEST_F(Definitions, QuarnDefinitionOfAWorkshopFolder)
{
	Machine.SetClient("running", "false");
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	WriteDefinitionWithMaps("UGC77", "/Game/Maps/Harbour.Harbour", "");
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.QuarnMod, nullptr);
	UDrovik_Map* Definition = Module.QuarnMod->GetDefinition();
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Definition->Id, FString(TEXT("UGC77")));
}

TEST_F(Definitions, ResolveCookMapTakesTheLongPackageName)
{
	WriteDefinitionWithMaps("QRN_Harbour", "/Game/Maps/Harbour.Harbour", "/Game/Maps/Quest.Quest");
	FLevelwrightModule& Module = StartModule();
	EXPECT_TRUE(Module.ResolveCookMap(true));
	EXPECT_EQ(Module.MapPackageName, FString(TEXT("/Game/Maps/Harbour")));
	EXPECT_TRUE(Module.ResolveCookMap(false));
	EXPECT_EQ(Module.MapPackageName, FString(TEXT("/Game/Maps/Quest")));
	EXPECT_TRUE(Boxes().empty());
}

TEST_F(Definitions, ResolveCookMapExplainsEachFailureAndKeepsTheOldName)
{
	WriteDefinitionWithMaps("QRN_Harbour", "", "");
	FLevelwrightModule& Module = StartModule();
	Module.MapPackageName = TEXT("/Game/Previous");

	EXPECT_FALSE(Module.ResolveCookMap(true));
	EXPECT_TRUE(BoxShown("Cook Error", "ERROR: Map is not linked in the definition"));
	EXPECT_FALSE(Module.ResolveCookMap(false));
	EXPECT_TRUE(BoxShown("Cook Error", "ERROR: Quest Map is not linked in the definition"));
	EXPECT_EQ(Module.MapPackageName, FString(TEXT("/Game/Previous")));
}

TEST_F(Definitions, ResolveCookMapWithoutDefinition)
{
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.WorkshopMap, nullptr);
	EXPECT_FALSE(Module.ResolveCookMap(true));
	EXPECT_TRUE(BoxShown("Cook Error", "ERROR: Definition not found!"));
	EXPECT_TRUE(Module.MapPackageName.IsEmpty());
}
