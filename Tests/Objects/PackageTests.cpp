// Creating assets in memory and saving them as package files.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "AssetRegistryModule.h"
#include "Engine/World.h"
#include "Modules/ModuleManager.h"
#include "ObjectTestSupport.h"
#include "Standin/AssetRegistry.h"
#include "Standin/Packages.h"
#include "ScratchProject.h"

namespace
{
nlohmann::ordered_json ReadJson(const std::filesystem::path& File)
{
	return nlohmann::ordered_json::parse(ReadFile(File));
}

bool SaveAll()
{
	std::string Error;
	const bool bSaved = Standin::Packages::SaveDirtyPackages(Error);
	EXPECT_EQ(Error, "");
	return bSaved;
}
} // namespace

TEST(Packages, NewDefinitionIsInMemoryAndDirtyUntilSaved)
{
	FScratchProject Project;
	UPackage* Package = CreatePackage(nullptr, TEXT("/Game/CustomMaps/UGC77/definition"));
	ASSERT_NE(Package, nullptr);
	EXPECT_EQ(CreatePackage(nullptr, TEXT("/Game/CustomMaps/UGC77/definition")), Package) << "CreatePackage finds the existing package";

	UDrovik_Map* Definition = NewObject<UDrovik_Map>(Package, FName(TEXT("definition")), RF_Public | RF_Standalone);
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Definition->GetName(), FString(TEXT("definition")));
	EXPECT_EQ(Definition->GetOuter(), Package);
	EXPECT_EQ(Definition->GetOutermost(), Package);
	EXPECT_TRUE(Definition->HasAllFlags(RF_Public | RF_Standalone));
	EXPECT_TRUE(Definition->GetPathName().Equals(TEXT("/Game/CustomMaps/UGC77/definition.definition")));
	EXPECT_FALSE(Package->IsDirty());

	EXPECT_TRUE(Definition->MarkPackageDirty());
	EXPECT_TRUE(Package->IsDirty());
	EXPECT_FALSE(std::filesystem::exists(Project.Content("CustomMaps/UGC77/definition.uasset"))) << "nothing is written before a save";

	ASSERT_TRUE(SaveAll());
	EXPECT_TRUE(std::filesystem::exists(Project.Content("CustomMaps/UGC77/definition.uasset")));
	EXPECT_FALSE(Package->IsDirty());
	EXPECT_TRUE(Standin::Packages::GetDirtyPackageNames().empty());
}

TEST(Packages, SavedDefinitionHoldsEveryPropertyInDeclarationOrder)
{
	FScratchProject Project;
	MakeFullDefinition();
	ASSERT_TRUE(SaveAll());

	const auto File = ReadJson(Project.Content("CustomMaps/UGC123/definition.uasset"));
	EXPECT_EQ(File["Class"], "Drovik_Map");
	const auto& Properties = File["Properties"];
	std::vector<std::string> Names;
	for (const auto& [Name, Value] : Properties.items())
	{
		Names.push_back(Name);
	}
	EXPECT_EQ(Names, (std::vector<std::string>{"Id", "MapLabel", "Version", "PreviewImage", "Map", "QuestMap", "IsCustomGameMode",
											   "CustomGameModeLabel", "GameModes", "bCreatedByPlugin"}));
	EXPECT_EQ(Properties["Id"], "UGC123");
	EXPECT_EQ(Properties["MapLabel"], "Harbour \"Night\" \xc3\xa9" "dition");
	EXPECT_EQ(Properties["Version"], 42);
	EXPECT_EQ(Properties["PreviewImage"], "/Game/Previews/Shot.Shot");
	EXPECT_EQ(Properties["Map"], "/Game/Maps/Harbour.Harbour");
	EXPECT_EQ(Properties["QuestMap"], "/Game/Maps/Harbour_Quest.Harbour_Quest");
	EXPECT_EQ(Properties["IsCustomGameMode"], true);
	EXPECT_EQ(Properties["CustomGameModeLabel"], "Hide & Seek");
	EXPECT_EQ(Properties["GameModes"], nlohmann::ordered_json({1, 4, 12}));
	EXPECT_EQ(Properties["bCreatedByPlugin"], true);
	EXPECT_EQ(File["References"], nlohmann::ordered_json({"/Game/Previews/Shot"})) << "hard references only, not the soft map paths";

	const auto Texture = ReadJson(Project.Content("Previews/Shot.uasset"));
	EXPECT_EQ(Texture["Class"], "Texture2D");
	EXPECT_EQ(Texture["Properties"]["Source"], "Shot.png");
	EXPECT_TRUE(std::filesystem::exists(Project.Content("Previews/Shot.png")));
}

TEST(Packages, SavedDefinitionLoadsBackWithTheSameValues)
{
	FScratchProject Project;
	MakeFullDefinition();
	ASSERT_TRUE(SaveAll());
	// Another package with the same file contents is not in memory, so it is read from disk.
	std::filesystem::create_directories(Project.Content("CustomMaps/UGC124"));
	std::filesystem::copy_file(Project.Content("CustomMaps/UGC123/definition.uasset"), Project.Content("CustomMaps/UGC124/definition.uasset"));

	UObject* Loaded = FSoftObjectPath(TEXT("/Game/CustomMaps/UGC124/definition.definition")).TryLoad();
	ASSERT_NE(Loaded, nullptr);
	ASSERT_TRUE(Loaded->IsA<UDrovik_Map>());
	const UDrovik_Map* Definition = static_cast<UDrovik_Map*>(Loaded);
	EXPECT_TRUE(Definition->Id.Equals(TEXT("UGC123")));
	EXPECT_TRUE(Definition->MapLabel.ToString().Equals(TEXT("Harbour \"Night\" \u00e9dition")));
	EXPECT_EQ(Definition->Version, 42);
	ASSERT_NE(Definition->PreviewImage, nullptr);
	EXPECT_TRUE(Definition->PreviewImage->GetPathName().Equals(TEXT("/Game/Previews/Shot.Shot")));
	EXPECT_TRUE(Definition->Map.GetLongPackageName().Equals(TEXT("/Game/Maps/Harbour")));
	EXPECT_TRUE(Definition->QuestMap.ToString().Equals(TEXT("/Game/Maps/Harbour_Quest.Harbour_Quest")));
	EXPECT_TRUE(Definition->IsCustomGameMode);
	EXPECT_TRUE(Definition->CustomGameModeLabel.Equals(TEXT("Hide & Seek")));
	EXPECT_TRUE(Definition->HasFlag(EDrovikGameModeType::Deathmatch));
	EXPECT_TRUE(Definition->HasFlag(static_cast<EDrovikGameModeType>(4)));
	EXPECT_TRUE(Definition->HasFlag(EDrovikGameModeType::Push));
	EXPECT_FALSE(Definition->HasFlag(EDrovikGameModeType::Custom));
	EXPECT_FALSE(Definition->HasFlag(EDrovikGameModeType::ZombieCoop));
	EXPECT_TRUE(Definition->bCreatedByPlugin);
	EXPECT_FALSE(Definition->GetOutermost()->IsDirty()) << "a loaded package is clean";
}

TEST(Packages, WorldIsSavedAsMapFileAndKeepsWhatItsClassDoesNotModel)
{
	FScratchProject Project;
	Project.WriteContent("Maps/Harbour.umap", R"({"Class": "World", "Properties": {"Actors": [1, 2]},
		"References": ["/Game/Meshes/Crate", "/Game/Materials/Wood"]})");
	UObject* World = FSoftObjectPath(TEXT("/Game/Maps/Harbour.Harbour")).TryLoad();
	ASSERT_NE(World, nullptr);
	EXPECT_TRUE(World->IsA<UWorld>());
	World->MarkPackageDirty();
	ASSERT_TRUE(SaveAll());

	const auto File = ReadJson(Project.Content("Maps/Harbour.umap"));
	EXPECT_EQ(File["Class"], "World");
	EXPECT_EQ(File["Properties"]["Actors"], nlohmann::ordered_json({1, 2}));
	EXPECT_EQ(File["References"], nlohmann::ordered_json({"/Game/Meshes/Crate", "/Game/Materials/Wood"}));
	EXPECT_FALSE(std::filesystem::exists(Project.Content("Maps/Harbour.uasset")));

	UWorld* NewWorld = NewObject<UWorld>(CreatePackage(nullptr, TEXT("/Game/Maps/Arena")), FName(TEXT("Arena")), RF_Public | RF_Standalone);
	NewWorld->MarkPackageDirty();
	ASSERT_TRUE(SaveAll());
	EXPECT_TRUE(std::filesystem::exists(Project.Content("Maps/Arena.umap")));
}

TEST(Packages, SavingRefusesPackagesThatHaveNoFile)
{
	FScratchProject Project;
	UPackage* Empty = CreatePackage(nullptr, TEXT("/Game/Nothing/Here"));
	Empty->SetDirtyFlag(true);
	UObject* Outside = NewObject<UDrovik_Map>(CreatePackage(nullptr, TEXT("/Engine/Maps/Entry")), FName(TEXT("Entry")));
	Outside->MarkPackageDirty();
	MakeTextureAsset(TEXT("/Game/Good/Tex"), TEXT("Tex"));

	std::string Error;
	EXPECT_FALSE(Standin::Packages::SaveDirtyPackages(Error));
	EXPECT_NE(Error.find("/Game/Nothing/Here"), std::string::npos) << Error;
	EXPECT_NE(Error.find("/Engine/Maps/Entry"), std::string::npos) << Error;
	EXPECT_TRUE(std::filesystem::exists(Project.Content("Good/Tex.uasset"))) << "the other packages are still saved";
	EXPECT_TRUE(Empty->IsDirty());
}

TEST(Packages, NewObjectNamesAndReplacement)
{
	FScratchProject Project;
	UPackage* Package = CreatePackage(nullptr, TEXT("/Game/Names/Pkg"));
	UDrovik_Map* First = NewObject<UDrovik_Map>(Package, NAME_None);
	UDrovik_Map* Second = NewObject<UDrovik_Map>(Package, NAME_None);
	ASSERT_TRUE(First && Second);
	EXPECT_FALSE(First->GetName().Equals(Second->GetName())) << "unnamed objects get unique names";

	UDrovik_Map* Named = NewObject<UDrovik_Map>(Package, FName(TEXT("Pkg")));
	UDrovik_Map* Again = NewObject<UDrovik_Map>(Package, FName(TEXT("Pkg")));
	ASSERT_NE(Again, nullptr);
	EXPECT_NE(Again, Named);
	EXPECT_EQ(FindObject<UDrovik_Map>(nullptr, TEXT("/Game/Names/Pkg.Pkg")), Again) << "the newest object of that name is found";
	EXPECT_EQ(NewObject<UWorld>(Package, FName(TEXT("Pkg"))), nullptr) << "a name taken by another class cannot be reused";
}

TEST(AssetRegistry, AssetCreatedRecordsTheAssetAndLoadsTheModule)
{
	FScratchProject Project;
	UDrovik_Map* Definition = NewObject<UDrovik_Map>(CreatePackage(nullptr, TEXT("/Game/CustomMaps/QRN_A/definition")),
													 FName(TEXT("definition")), RF_Public | RF_Standalone);
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(FName("AssetRegistry")));
	FAssetRegistryModule::AssetCreated(Definition);
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(FName("AssetRegistry")));
	const std::vector<FString> Created = Standin::AssetRegistry::GetCreatedAssets();
	ASSERT_EQ(Created.size(), 1u);
	EXPECT_TRUE(Created[0].Equals(TEXT("/Game/CustomMaps/QRN_A/definition.definition")));
}

TEST(Packages, PathNamesAndTransientObjects)
{
	FScratchProject Project;
	UPackage* Package = CreatePackage(nullptr, TEXT("/Game/Maps/Harbour"));
	UWorld* World = NewObject<UWorld>(Package, FName(TEXT("Harbour")));
	UDrovik_Map* Inner = NewObject<UDrovik_Map>(World, FName(TEXT("Inner")));
	UDrovik_Map* Deeper = NewObject<UDrovik_Map>(Inner, FName(TEXT("Deeper")));
	EXPECT_TRUE(Package->GetPathName().Equals(TEXT("/Game/Maps/Harbour")));
	EXPECT_TRUE(Inner->GetPathName().Equals(TEXT("/Game/Maps/Harbour.Harbour:Inner")));
	EXPECT_TRUE(Deeper->GetPathName().Equals(TEXT("/Game/Maps/Harbour.Harbour:Inner.Deeper")));
	EXPECT_EQ(FSoftObjectPath(TEXT("/Game/Maps/Harbour.Harbour:Inner")).ResolveObject(), Inner);
	EXPECT_EQ(Deeper->GetOutermost(), Package);

	UDrovik_Map* Transient = NewObject<UDrovik_Map>();
	ASSERT_NE(Transient, nullptr);
	EXPECT_EQ(Transient->GetOutermost(), GetTransientPackage());
	EXPECT_FALSE(Transient->MarkPackageDirty()) << "the transient package is never saved";
	EXPECT_FALSE(GetTransientPackage()->IsDirty());
}
