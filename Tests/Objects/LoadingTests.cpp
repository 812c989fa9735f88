// Loading objects: from memory, from package files, malformed files, and only on the game thread.
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#include <type_traits>
#include <vector>

#include "Engine/DataAsset.h"
#include "Engine/StaticMesh.h"
#include "ObjectTestSupport.h"
#include "Standin/Log.h"
#include "Templates/Casts.h"
#include "ScratchProject.h"

namespace
{
// Some cases read back the warnings a load writes.
[[maybe_unused]] const bool bLogLinesKept = (Standin::Log::KeepLines(true), true);

const char* const DefinitionFile = R"({
	"Class": "Drovik_Map",
	"Properties": {
		"Id": "QRN_Arena", "MapLabel": "Arena", "Version": 3, "PreviewImage": "",
		"Map": "/Game/Maps/Arena.Arena", "QuestMap": "", "IsCustomGameMode": false,
		"CustomGameModeLabel": "", "GameModes": [2, 10], "bCreatedByPlugin": true
	}
})";

UObject* TryLoad(const TCHAR* Path)
{
	return FSoftObjectPath(Path).TryLoad();
}
} // namespace

TEST(Loading, TryLoadFindsObjectCreatedInMemory)
{
	FScratchProject Project;
	UDrovik_Map* Created = NewObject<UDrovik_Map>(CreatePackage(nullptr, TEXT("/Game/CustomMaps/UGC123/definition")),
												  FName(TEXT("definition")), RF_Public | RF_Standalone);
	EXPECT_EQ(TryLoad(TEXT("/Game/CustomMaps/UGC123/definition.definition")), Created);
	EXPECT_EQ(TryLoad(TEXT("/game/custommaps/ugc123/DEFINITION.definition")), Created) << "names ignore case";
	EXPECT_EQ(FSoftObjectPath(TEXT("/Game/CustomMaps/UGC123/definition.definition")).ResolveObject(), Created);
}

TEST(Loading, TryLoadReadsPackageFileOnceThenKeepsItInMemory)
{
	FScratchProject Project;
	Project.WriteContent("CustomMaps/QRN_Arena/definition.uasset", DefinitionFile);
	EXPECT_EQ(FSoftObjectPath(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition")).ResolveObject(), nullptr) << "not loaded yet";

	UObject* Loaded = TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition"));
	ASSERT_NE(Loaded, nullptr);
	const UDrovik_Map* Definition = Cast<UDrovik_Map>(Loaded);
	ASSERT_NE(Definition, nullptr);
	EXPECT_TRUE(Definition->Id.Equals(TEXT("QRN_Arena")));
	EXPECT_EQ(Definition->Version, 3);
	EXPECT_EQ(Definition->PreviewImage, nullptr);
	EXPECT_TRUE(Definition->QuestMap.IsNull());
	EXPECT_TRUE(Definition->HasFlag(EDrovikGameModeType::TeamDeathmatch));
	EXPECT_TRUE(Definition->HasFlag(EDrovikGameModeType::ZombieCoop));
	EXPECT_FALSE(Definition->HasFlag(EDrovikGameModeType::Deathmatch));

	std::filesystem::remove(Project.Content("CustomMaps/QRN_Arena/definition.uasset"));
	EXPECT_EQ(TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition")), Loaded) << "the package stays in memory";
}

// Kept from the package-loader fuzzer (clang's UBSan): a load clears RF_NeedPostLoad with the mask
// ~RF_NeedPostLoad, which is only a value of EObjectFlags when the type's underlying type is fixed. GCC's
// sanitizer does not check enum values, so the type itself is checked here.
TEST(Loading, ALoadedObjectLosesOnlyItsNeedPostLoadFlag)
{
	static_assert(std::is_same_v<std::underlying_type_t<EObjectFlags>, uint32>, "masks over all 32 bits are flag values");
	EXPECT_EQ(static_cast<uint32>(~RF_NeedPostLoad), 0xFFFFEFFFu);

	FScratchProject Project;
	Project.WriteContent("CustomMaps/QRN_Arena/definition.uasset", DefinitionFile);
	const UObject* Loaded = TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_TRUE(Loaded->HasAllFlags(RF_Public | RF_Standalone | RF_WasLoaded));
	EXPECT_FALSE(Loaded->HasAnyFlags(RF_NeedPostLoad));
}

TEST(Loading, MissingObjectGivesNullAndAWarning)
{
	FScratchProject Project;
	EXPECT_EQ(TryLoad(TEXT("/Game/CustomMaps/UGC0/definition.definition")), nullptr);
	EXPECT_TRUE(Standin::Log::Contains("LogUObjectGlobals: Warning: Failed to find object 'Object /Game/CustomMaps/UGC0/definition.definition'"));
	EXPECT_EQ(TryLoad(TEXT("")), nullptr);

	// The file appearing later (saved by another process) is found then.
	Project.WriteContent("CustomMaps/UGC0/definition.uasset", DefinitionFile);
	EXPECT_NE(TryLoad(TEXT("/Game/CustomMaps/UGC0/definition.definition")), nullptr);
	EXPECT_EQ(TryLoad(TEXT("/Game/CustomMaps/UGC0/other.other")), nullptr) << "a package holds only its own asset";
}

TEST(Loading, IsAFollowsTheClassChain)
{
	FScratchProject Project;
	Project.WriteContent("CustomMaps/QRN_Arena/definition.uasset", DefinitionFile);
	Project.WriteContent("Meshes/Crate.uasset", R"({"Class": "StaticMesh", "Properties": {}})");
	UObject* Definition = TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition"));
	UObject* Mesh = TryLoad(TEXT("/Game/Meshes/Crate.Crate"));
	ASSERT_TRUE(Definition && Mesh);

	EXPECT_TRUE(Definition->IsA(UDrovik_Map::StaticClass()));
	EXPECT_TRUE(Definition->IsA<UDataAsset>());
	EXPECT_TRUE(Definition->IsA<UObject>());
	EXPECT_FALSE(Definition->IsA<UStaticMesh>());
	EXPECT_FALSE(Mesh->IsA<UDrovik_Map>());
	EXPECT_EQ(Cast<UDrovik_Map>(Mesh), nullptr);
	EXPECT_FALSE(Definition->IsA(nullptr));

	EXPECT_TRUE(UDrovik_Map::StaticClass()->GetName().Equals(TEXT("Drovik_Map")));
	EXPECT_EQ(UDrovik_Map::StaticClass()->GetSuperClass(), UDataAsset::StaticClass());
	EXPECT_EQ(Definition->GetClass(), UDrovik_Map::StaticClass());
	EXPECT_TRUE(UDrovik_Map::StaticClass()->IsA<UClass>());
	EXPECT_TRUE(Definition->GetPackage()->IsA<UPackage>());
	EXPECT_TRUE(Definition->GetFullName().Equals(TEXT("Drovik_Map /Game/CustomMaps/QRN_Arena/definition.definition")));
}

TEST(Loading, DefinitionLoadsTheTextureItRefersTo)
{
	FScratchProject Project;
	MakeTextureAsset(TEXT("/Game/Previews/Shot"), TEXT("Shot"), 4, 2);
	std::string Error;
	ASSERT_TRUE(Standin::Packages::SaveDirtyPackages(Error)) << Error;
	// Copy the texture's files to a package that is not in memory, and refer to it.
	std::filesystem::create_directories(Project.Content("Other"));
	std::filesystem::copy_file(Project.Content("Previews/Shot.png"), Project.Content("Other/Shot.png"));
	Project.WriteContent("Other/Shot.uasset", R"({"Class": "Texture2D", "Properties": {"Source": "Shot.png"}})");
	Project.WriteContent("CustomMaps/UGC5/definition.uasset",
						 R"({"Class": "Drovik_Map", "Properties": {"PreviewImage": "/Game/Other/Shot.Shot"}, "References": ["/Game/Other/Shot"]})");

	const UDrovik_Map* Definition = Cast<UDrovik_Map>(TryLoad(TEXT("/Game/CustomMaps/UGC5/definition.definition")));
	ASSERT_NE(Definition, nullptr);
	UTexture2D* Texture = Definition->PreviewImage;
	ASSERT_NE(Texture, nullptr);
	EXPECT_TRUE(Texture->GetPathName().Equals(TEXT("/Game/Other/Shot.Shot")));
	ASSERT_NE(Texture->PlatformData, nullptr);
	ASSERT_EQ(Texture->PlatformData->Mips.Num(), 1);
	EXPECT_EQ(Texture->PlatformData->Mips[0].SizeX, 4);
	EXPECT_EQ(Texture->PlatformData->Mips[0].SizeY, 2);
	EXPECT_EQ(Texture->Source.GetFormat(), TSF_BGRA8);
	TArray<uint8> Pixels;
	ASSERT_TRUE(Texture->Source.GetMipData(Pixels, 0));
	EXPECT_EQ(Pixels, MakeBgraPixels(4, 2)) << "the PNG decodes to the same BGRA bytes";
}

class MalformedPackage : public testing::TestWithParam<std::pair<const char*, const char*>>
{
};

TEST_P(MalformedPackage, IsReportedAndTreatedAsMissing)
{
	FScratchProject Project;
	Project.WriteContent("Broken/Asset.uasset", GetParam().first);
	EXPECT_EQ(TryLoad(TEXT("/Game/Broken/Asset.Asset")), nullptr);
	EXPECT_TRUE(Standin::Log::Contains("LogLinker: Error: Failed to load package '/Game/Broken/Asset'"));
	EXPECT_TRUE(Standin::Log::Contains(GetParam().second)) << "the reason is given";
	EXPECT_EQ(TryLoad(TEXT("/Game/Broken/Asset.Asset")), nullptr) << "still missing when asked again";
}

INSTANTIATE_TEST_SUITE_P(
	Files, MalformedPackage,
	testing::Values(std::make_pair("", "is not valid JSON"), std::make_pair("{\"Class\": \"Drovik_Map\", ", "is not valid JSON"),
					std::make_pair("[1, 2]", "not a JSON object"), std::make_pair("{\"Properties\": {}}", "\"Class\" is missing"),
					std::make_pair("{\"Class\": \"Spaceship\"}", "unknown class 'Spaceship'"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"Properties\": []}", "\"Properties\" is not an object"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"References\": [3]}", "\"References\" holds a value"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"Properties\": {\"Version\": \"three\"}}", "property Version: expected an integer"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"Properties\": {\"Version\": 1.5}}", "property Version: expected an integer"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"Properties\": {\"GameModes\": [1, 99]}}", "99 is out of range"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"Properties\": {\"IsCustomGameMode\": \"yes\"}}", "expected true or false"),
					std::make_pair("{\"Class\": \"Drovik_Map\", \"Properties\": {\"PreviewImage\": \"/Game/Nope.Nope\"}}", "no object /Game/Nope.Nope"),
					std::make_pair("{\"Class\": \"Texture2D\", \"Properties\": {\"Source\": \"missing.png\"}}", "cannot read"),
					std::make_pair("{\"Class\": \"Texture2D\", \"Properties\": {\"Source\": \"Asset.uasset\"}}", "is not a readable PNG")),
	[](const testing::TestParamInfo<MalformedPackage::ParamType>& Info) { return "Case" + std::to_string(Info.index); });

namespace
{
// Runs Load on a thread other than the game thread, as a background task would.
template <typename LoadType>
void LoadOnAWorker(LoadType Load)
{
	std::thread Worker(Load);
	Worker.join();
}

// The same in a death test: check failures print to standard output, death tests read standard error.
template <typename LoadType>
void DieLoadingOnAWorker(LoadType Load)
{
	std::fflush(stdout);
	::dup2(2, 1);
	LoadOnAWorker(Load);
}
} // namespace

// As in the engine, every way of loading checks that it runs on the game thread, and a worker has
// no exemption. The stand-in checks even when the package is already in memory: in the engine whether
// it is would be a matter of luck.
TEST(LoadingDeathTest, LoadingOffTheGameThreadIsFatal)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	FScratchProject Project;
	Project.WriteContent("CustomMaps/QRN_Arena/definition.uasset", DefinitionFile);
	const std::string Message = "Assertion failed: IsInGameThread\\(\\).*\n.*Unable to load /Game/CustomMaps/QRN_Arena/definition\\. "
								"Objects and Packages can only be loaded from the game thread\\.";
	EXPECT_DEATH(DieLoadingOnAWorker([] { TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition")); }), Message);
	EXPECT_DEATH(DieLoadingOnAWorker([] { LoadPackage(nullptr, TEXT("/Game/CustomMaps/QRN_Arena/definition"), LOAD_None); }), Message);
	EXPECT_DEATH(DieLoadingOnAWorker([] { LoadObject<UDrovik_Map>(nullptr, TEXT("/Game/CustomMaps/QRN_Arena/definition.definition")); }),
				 Message);
	EXPECT_DEATH(DieLoadingOnAWorker([] {
					 StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/CustomMaps/QRN_Arena/definition.definition:Sub"));
				 }),
				 Message);

	// Loaded on the game thread first, it is in memory; a worker's load still fails.
	UObject* const Loaded = TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_DEATH(DieLoadingOnAWorker([] { TryLoad(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition")); }), Message);
	EXPECT_DEATH(DieLoadingOnAWorker([Loaded] { LoadObject<UDrovik_Map>(Loaded->GetOuter(), TEXT("definition")); }), Message);
	// Finding what is in memory is no load.
	UObject* Found = nullptr;
	LoadOnAWorker([&Found] { Found = FSoftObjectPath(TEXT("/Game/CustomMaps/QRN_Arena/definition.definition")).ResolveObject(); });
	EXPECT_EQ(Found, Loaded);
}

TEST(LoadingDeathTest, TheGameThreadIsTheOneThatStartedTheEngine)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	// The headless editor and the tools start the engine on their main thread; a process that starts
	// it elsewhere has its game thread there, and its main thread may no longer load.
	EXPECT_DEATH(
		{
			std::thread Starter([] { FScratchProject Project; });
			Starter.join();
			std::fflush(stdout);
			::dup2(2, 1);
			TryLoad(TEXT("/Game/Anything.Anything"));
		},
		"Unable to load /Game/Anything\\. Objects and Packages can only be loaded from the game thread\\.");
	FScratchProject Project;
	EXPECT_EQ(TryLoad(TEXT("/Game/Anything.Anything")), nullptr) << "missing, but loading was allowed";
}
