// The exact texts the pipeline hands to the cook commandlet and UnrealPak, and writes to disk.
#include <gtest/gtest.h>

#include "Common/CustomMapNames.h"
#include "Levelwright/BuildCommands.h"

using namespace LevelwrightBuild;
using namespace CustomMapNames;

namespace
{
std::u16string Str(const FString& Text)
{
	return std::u16string(*Text);
}
} // namespace

TEST(CookCommandLine, QuotesTheProjectAndNamesClientAndServerPlatforms)
{
	EXPECT_EQ(Str(MakeCookParams(TEXT("C:/Maps/Arena/Arena.uproject"), GetCookPlatform(true), TEXT("/Game/CustomMaps/UGC1234/Arena"))),
			  u"\"C:/Maps/Arena/Arena.uproject\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map=/Game/CustomMaps/UGC1234/Arena");
	EXPECT_EQ(Str(MakeCookParams(TEXT("C:/My Maps/Old Harbour/Drovik.uproject"), GetCookPlatform(false), TEXT("/Game/CustomMaps/QRN_Old/Quest"))),
			  u"\"C:/My Maps/Old Harbour/Drovik.uproject\"  -run=cook -targetplatform=Android_ASTC+LinuxServer -UnVersioned -map=/Game/CustomMaps/QRN_Old/Quest");
}

TEST(CookCommandLine, AnIterativeCookAddsIterateAtTheEnd)
{
	EXPECT_EQ(Str(MakeCookParams(TEXT("C:/P/Drovik.uproject"), TEXT("WindowsNoEditor"), TEXT("/Game/CustomMaps/UGC1/Arena"), true)),
			  u"\"C:/P/Drovik.uproject\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map=/Game/CustomMaps/UGC1/Arena -iterate");
}

TEST(CookCommandLine, AnEmptyMapEndsInAnEmptyMapSwitch)
{
	EXPECT_EQ(Str(MakeCookParams(TEXT("C:/P/Drovik.uproject"), TEXT("WindowsNoEditor"), FString())),
			  u"\"C:/P/Drovik.uproject\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map=");
}

// Unquoted: the engine's CreateProc quotes the path itself.
TEST(ToolPath, KeepsARelativeEngineFolder)
{
	EXPECT_EQ(Str(MakeToolPath(TEXT("../../../Engine/"), TEXT("UE4Editor.exe"))), u"../../../Engine/Binaries/Win64/UE4Editor.exe");
	EXPECT_EQ(Str(MakeToolPath(TEXT("C:/Program Files/Epic Games/UE_4.21/Engine"), TEXT("UnrealPak.exe"))),
			  u"C:/Program Files/Epic Games/UE_4.21/Engine/Binaries/Win64/UnrealPak.exe");
}

TEST(PakCommandLine, QuotesPakListAndPlatform)
{
	EXPECT_EQ(Str(MakePakParams(TEXT("C:/Maps/Arena/Saved/Cooked/Workshop/LinuxServer.pak"), TEXT("C:/Maps/Arena/Saved/custommap_paklist.txt"),
								GetPakPlatform(TEXT("LinuxServer")))),
			  u"\"C:/Maps/Arena/Saved/Cooked/Workshop/LinuxServer.pak\" -create=\"C:/Maps/Arena/Saved/custommap_paklist.txt\" "
			  u"-platform=\"Linux\" -UTF8Output -multiprocess -patchpaddingalign=2048");
}

TEST(PakPlatform, MapsCookPlatformsIgnoringCase)
{
	EXPECT_EQ(Str(GetPakPlatform(TEXT("WindowsNoEditor"))), u"Windows");
	EXPECT_EQ(Str(GetPakPlatform(TEXT("windowsnoeditor"))), u"Windows");
	EXPECT_EQ(Str(GetPakPlatform(TEXT("Android_ASTC"))), u"Android_ASTC");
	EXPECT_EQ(Str(GetPakPlatform(TEXT("ANDROID_astc"))), u"Android_ASTC");
	EXPECT_EQ(Str(GetPakPlatform(TEXT("LinuxServer"))), u"Linux");
	EXPECT_EQ(Str(GetPakPlatform(TEXT("WindowsServer"))), u"Linux");
	EXPECT_EQ(Str(GetPakPlatform(FString())), u"Linux");
}

TEST(PakList, EachLineNamesTheSourceAndItsPathBelowTheMountPoint)
{
	const FString MountPoint = MakeMountPoint(MakeWorkshopFolderName(1234));
	FString PakList;
	AppendPakListLine(PakList, TEXT("C:/Maps/Arena/Saved/Cooked/WindowsNoEditor/Drovik/Content/CustomMaps/UGC1234/Maps/Arena.umap"),
					  MountPoint, TEXT("Maps/Arena.umap"));
	AppendPakListLine(PakList, TEXT("C:/Maps/Arena/Saved/Cooked/WindowsNoEditor/Drovik/Content/CustomMaps/UGC1234/Maps/Arena.uexp"),
					  MountPoint, TEXT("Maps/Arena.uexp"));
	EXPECT_EQ(Str(PakList), u"\"C:/Maps/Arena/Saved/Cooked/WindowsNoEditor/Drovik/Content/CustomMaps/UGC1234/Maps/Arena.umap\" "
							u"\"../../../Drovik/Content/CustomMaps/UGC1234/Maps/Arena.umap\"\r\n"
							u"\"C:/Maps/Arena/Saved/Cooked/WindowsNoEditor/Drovik/Content/CustomMaps/UGC1234/Maps/Arena.uexp\" "
							u"\"../../../Drovik/Content/CustomMaps/UGC1234/Maps/Arena.uexp\"\r\n");
}

TEST(MapFolders, NamesMountPointsAndCookedFolders)
{
	EXPECT_EQ(Str(MakeWorkshopFolderName(2000000001ull)), u"UGC2000000001");
	EXPECT_EQ(Str(MakeWorkshopFolderName(0)), u"UGC0");
	EXPECT_EQ(Str(MakeModFolderName(TEXT("Harbour"), false)), u"QRN_Harbour");
	EXPECT_EQ(Str(MakeModFolderName(TEXT("77"), true)), u"UGC77");
	EXPECT_EQ(Str(MakeMountPoint(TEXT("QRN_Harbour"))), u"../../../Drovik/Content/CustomMaps/QRN_Harbour");
	EXPECT_EQ(Str(MakeCookedMapDir(TEXT("C:/Maps/Arena/Saved/"), TEXT("WindowsNoEditor"), TEXT("UGC1234"))),
			  u"C:/Maps/Arena/Saved/Cooked/WindowsNoEditor/Drovik/Content/CustomMaps/UGC1234");
	EXPECT_EQ(Str(MakeDefinitionObjectPath(TEXT("QRN_Harbour"))), u"/Game/CustomMaps/QRN_Harbour/definition.definition");
	// Item ids are unsigned: the largest one stays a number.
	EXPECT_EQ(Str(MakeWorkshopFolderName(18446744073709551615ull)), u"UGC18446744073709551615");
}

TEST(CookMarker, IsSevenCharactersNamingTheClientBuild)
{
	EXPECT_EQ(Str(MakeCookMarkerText(true)), u"Build:0");
	EXPECT_EQ(Str(MakeCookMarkerText(false)), u"Build:1");
}

TEST(DeployMetadata, IsTheEnginesPrettyJsonOfNineKeysInOrder)
{
	FDeployMetadata Metadata;
	Metadata.Id = TEXT("QRN_Arena");
	Metadata.Version = 3;
	Metadata.MapLabel = TEXT("Arena");
	Metadata.AndroidPakSize = 123456;
	Metadata.QuarnLinuxServerPakSize = 7890;
	FString Text;
	ASSERT_TRUE(SerializeDeployMetadata(Metadata, Text));
	EXPECT_EQ(Str(Text), u"{\r\n"
						 u"\t\"Id\": \"QRN_Arena\",\r\n"
						 u"\t\"Version\": 3,\r\n"
						 u"\t\"MapLabel\": \"Arena\",\r\n"
						 u"\t\"IsCustomGameMode\": false,\r\n"
						 u"\t\"CustomGameModeLabel\": \"\",\r\n"
						 u"\t\"AndroidPakSize\": 123456,\r\n"
						 u"\t\"WindowsPakSize\": 0,\r\n"
						 u"\t\"LinuxServerPakSize\": 0,\r\n"
						 u"\t\"QuarnLinuxServerPakSize\": 7890\r\n"
						 u"}");
}

TEST(DeployMetadata, KeepsSizesOfTwoGibibytesAndMoreWholeAndEscapesText)
{
	FDeployMetadata Metadata;
	Metadata.Id = TEXT("QRN_Big");
	Metadata.Version = -2;
	Metadata.MapLabel = TEXT("The \"Big\" one\\two");
	Metadata.bIsCustomGameMode = true;
	Metadata.CustomGameModeLabel = TEXT("Tab\there");
	Metadata.AndroidPakSize = 2147483648ll;
	Metadata.WindowsPakSize = 4294967297ll;
	Metadata.LinuxServerPakSize = 3000000000ll;
	Metadata.QuarnLinuxServerPakSize = 1;
	FString Text;
	ASSERT_TRUE(SerializeDeployMetadata(Metadata, Text));
	EXPECT_EQ(Str(Text), u"{\r\n"
						 u"\t\"Id\": \"QRN_Big\",\r\n"
						 u"\t\"Version\": -2,\r\n"
						 u"\t\"MapLabel\": \"The \\\"Big\\\" one\\\\two\",\r\n"
						 u"\t\"IsCustomGameMode\": true,\r\n"
						 u"\t\"CustomGameModeLabel\": \"Tab\\there\",\r\n"
						 u"\t\"AndroidPakSize\": 2147483648,\r\n"
						 u"\t\"WindowsPakSize\": 4294967297,\r\n"
						 u"\t\"LinuxServerPakSize\": 3000000000,\r\n"
						 u"\t\"QuarnLinuxServerPakSize\": 1\r\n"
						 u"}");
}
