// Bad input the author's machine or hands can give the plugin: broken or huge Steam library lists, a
// damaged registry export, odd folder names below CustomMaps, odd map names typed into the window,
// and definitions whose map lies outside /Game or does not exist.
#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "Common/CustomMapNames.h"
#include "Levelwright/ProjectMap.h"
#include "Misc/Paths.h"
#include "QRNInterface/QRNInterface.h"
#include "ReliabilityTest.h"
#include "Standin/Machine.h"
#include "Standin/Packages.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::HasSubstr;

namespace
{
// ---------------------------------------------------------------------------------------------
// libraryfolders.vdf

enum class ELibraryFile
{
	Binary,
	Empty,
	FiftyMegabytes,
	TenThousandEntries
};

// The game's library (D:\SteamLibrary) is named last, if the file names one at all.
std::string MakeLibraryFile(ELibraryFile Kind)
{
	const std::string GameLibrary = "\t\"1\"\t\t\"D:\\\\SteamLibrary\"\n}\n";
	switch (Kind)
	{
	case ELibraryFile::Binary:
	{
		std::mt19937 Random(7);
		std::string Bytes(64 * 1024, '\0');
		for (char& Byte : Bytes)
		{
			Byte = static_cast<char>(Random());
		}
		// Unbalanced braces and quotes, deeply nested: a recursive reader must not run out of stack.
		return Bytes + std::string(200000, '{') + "\"" + std::string(1000, '\\');
	}
	case ELibraryFile::Empty:
		return std::string();
	case ELibraryFile::FiftyMegabytes:
	{
		std::string Text = "\"LibraryFolders\"\n{\n";
		const std::string Filler = "\t\"ContentStatsID\"\t\t\"-158337411978317545 no library here, just a long value\"\n";
		while (Text.size() < 50u * 1024 * 1024)
		{
			Text += Filler;
		}
		return Text + GameLibrary;
	}
	case ELibraryFile::TenThousandEntries:
	{
		std::string Text = "\"LibraryFolders\"\n{\n";
		for (int Index = 0; Index < 10000; ++Index)
		{
			Text += "\t\"" + std::to_string(Index + 2) + "\"\t\t\"E:\\\\Library" + std::to_string(Index) + "\"\n";
		}
		return Text + GameLibrary;
	}
	}
	return std::string();
}

bool NamesTheGame(ELibraryFile Kind)
{
	return Kind == ELibraryFile::FiftyMegabytes || Kind == ELibraryFile::TenThousandEntries;
}

std::string LibraryFileCaseName(const testing::TestParamInfo<std::tuple<ELibraryFile, bool>>& Info)
{
	const char* Names[] = {"Binary", "Empty", "FiftyMegabytes", "TenThousandEntries"};
	return std::string(Names[static_cast<int>(std::get<0>(Info.param))]) + (std::get<1>(Info.param) ? "_ThroughSteam" : "_ThroughTheRegistry");
}

class FLibraryFileTest : public FReliabilityTest, public testing::WithParamInterface<std::tuple<ELibraryFile, bool>>
{
protected:
	void WriteLibraryFile()
	{
		WriteFile(Machine.Drive("C:/Program Files (x86)/Steam/steamapps/libraryfolders.vdf"), MakeLibraryFile(std::get<0>(GetParam())));
	}
};

TEST_P(FLibraryFileTest, StartUpFindsTheGameOrSaysItDidNot)
{
	const auto [Kind, bSteamRuns] = GetParam();
	WriteLibraryFile();
	if (!bSteamRuns)
	{
		Machine.SetClient("running", "false");
		Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	}
	StartModule();

	const std::string GameDir = bSteamRuns ? "D:\\SteamLibrary\\steamapps\\common\\DrovikVR" : "D:/SteamLibrary/steamapps/common/DrovikVR";
	if (NamesTheGame(Kind))
	{
		EXPECT_EQ(ToUtf8(Module().GameInstallPath), GameDir);
	}
	else
	{
		EXPECT_TRUE(Module().GameInstallPath.IsEmpty());
		if (!bSteamRuns)
		{
			EXPECT_TRUE(LogHas("LevelwrightLog: Error: No steam library folders found!"));
		}
	}
	// The window says where the game is, or that it was not found.
	const std::string Config = ToUtf8(Window().GetConfigState().ToString());
	EXPECT_THAT(Config, HasSubstr(NamesTheGame(Kind) ? " - OK" : "ERROR, NOT FOUND!"));
}

INSTANTIATE_TEST_SUITE_P(Files, FLibraryFileTest,
						 testing::Combine(testing::Values(ELibraryFile::Binary, ELibraryFile::Empty, ELibraryFile::FiftyMegabytes,
														  ELibraryFile::TenThousandEntries),
										  testing::Bool()),
						 LibraryFileCaseName);

// ---------------------------------------------------------------------------------------------
// registry.reg

TEST_F(FReliabilityTest, ARegistryWithEveryValueTypeAndBrokenLinesStillGivesTheSteamFolder)
{
	WriteFile(Machine.Path() / "registry.reg",
			  "Windows Registry Editor Version 5.00\r\n\r\n"
			  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam\r\n" // no closing bracket
			  "\"Broken\"=hex:zz,\r\n"
			  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam]\r\n"
			  "@=\"default\"\r\n"
			  "\"Binary\"=hex:01,02,\\\r\n  03\r\n"
			  "\"Dword\"=dword:0000002a\r\n"
			  "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\r\n"
			  "\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
			  "\"Expand\"=hex(2):25,00,00,00\r\n"
			  "\"NoValue\r\n"
			  "\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Steam\"\r\n"
			  "\"Half\"=dword:\r\n"
			  "=\"nameless\"\r\n");
	Machine.SetClient("running", "false");
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	StartModule();
	EXPECT_EQ(ToUtf8(Module().GameInstallPath), "D:/SteamLibrary/steamapps/common/DrovikVR");
}

TEST_F(FReliabilityTest, AnInstallPathOfTheWrongTypeIsNotTakenForAFolder)
{
	WriteFile(Machine.Path() / "registry.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
											   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam]\r\n"
											   "\"InstallPath\"=hex(7):43,00,3a,00,00,00,00,00\r\n");
	Machine.SetClient("running", "false");
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	StartModule();
	EXPECT_TRUE(Module().GameInstallPath.IsEmpty());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Couldn't find the steam installation folder"));
}

// ---------------------------------------------------------------------------------------------
// Folder names below CustomMaps

// True when Name is one path component that does not climb: the build puts it into file paths and
// pak mount points.
bool IsOneHarmlessComponent(const std::string& Name)
{
	return !Name.empty() && Name.find_first_of("/\\:") == std::string::npos && Name != ".." && Name != ".";
}

class FMapFolderNameTest : public FReliabilityTest, public testing::WithParamInterface<std::tuple<const char*, bool>>
{
};

TEST_P(FMapFolderNameTest, StartUpDecidesAModeAndTheBuildFolderStaysInside)
{
	const auto [FolderName, bSteamRuns] = GetParam();
	fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / FolderName / "x");
	if (!bSteamRuns)
	{
		Machine.SetClient("running", "false");
		Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	}
	StartModule();

	ASSERT_TRUE(Module().WorkshopMap || Module().QuarnMod);
	const FString BuildFolder = Module().GetProjectMap().FolderName;
	if (!BuildFolder.IsEmpty())
	{
		EXPECT_TRUE(IsOneHarmlessComponent(ToUtf8(BuildFolder))) << ToUtf8(BuildFolder);
		// The game mounts the pak in its own CustomMaps folder, whatever the project's folder was called.
		const std::string Mount = ToUtf8(FPaths::ConvertRelativePathToFull(TEXT("C:/Game/Binaries/Win64/"), CustomMapNames::MakeMountPoint(BuildFolder)));
		EXPECT_EQ(Mount, "C:/Drovik/Content/CustomMaps/" + ToUtf8(BuildFolder));
	}
	// The window can be built and asked for its labels whatever the folder was called.
	Window().GetMapSwitcherIndex();
	Window().GetConfigState();
	EXPECT_TRUE(WindowIdle());
}

INSTANTIATE_TEST_SUITE_P(Names, FMapFolderNameTest,
						 testing::Combine(testing::Values("Carte_\xc3\xa9t\xc3\xa9", "UGC", "QRN_", "UGC..", "QRN_..", "UGC...",
														  "UGC12.backup", "My.Maps", "QRN_Caf\xc3\xa9", "QRN_Harbour.old",
														  "UGC\xd9\xa3\xd9\xa4", "xQRN_Mod"),
										  testing::Bool()),
						 [](const auto& Info) { return "Case" + std::to_string(Info.index); });

// ---------------------------------------------------------------------------------------------
// Map names typed into the window

class FTypedMapNameTest : public FReliabilityTest, public testing::WithParamInterface<std::u16string>
{
};

TEST_P(FTypedMapNameTest, CreatesAModFolderInsideCustomMapsOrRefusesTheName)
{
	Machine.SetClient("running", "false");
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	StartModule();
	ASSERT_NE(Module().QuarnMod, nullptr);
	ASSERT_FALSE(Module().QuarnMod->HasMod());

	Window().OnMapNameTextChanged(FText::FromString(FString(GetParam())));
	Window().CreateNewClicked();

	std::string Error;
	ASSERT_TRUE(Standin::Packages::SaveDirtyPackages(Error)) << Error;
	const fs::path CustomMaps = Project.Dir() / "Content" / "CustomMaps";
	if (!Module().QuarnMod->HasMod())
	{
		EXPECT_TRUE(BoxShown("Error", "The map name needs to be 3-32 characters long"));
		EXPECT_FALSE(fs::exists(CustomMaps));
		return;
	}
	const std::string ModId = ToUtf8(Module().QuarnMod->ModId);
	EXPECT_TRUE(IsOneHarmlessComponent("QRN_" + ModId)) << ModId;
	EXPECT_EQ(ModId.find_first_of(" .<>:\"/\\|?*"), std::string::npos) << ModId;
	// The definition was saved, and it is the only file the creation wrote.
	const std::vector<std::string> Files = ListFilesBelow(Project.Dir() / "Content");
	EXPECT_EQ(Files, std::vector<std::string>{"CustomMaps/QRN_" + ModId + "/definition.uasset"});
	EXPECT_NE(Module().QuarnMod->GetDefinition(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Names, FTypedMapNameTest,
						 testing::Values(u"Harbour/../../Evil", u"..\\..\\Windows\\System32", u"..", u"../x", u"CON", u"NUL.txt", u"COM1",
										 u"LPT9 ", u"aux", std::u16string(1000, u'M'), u"<>:\"/\\|?*", u"   ", u"...",
										 u"Caf\u00e9 \u6e2f\u53e3", u"C:\\Maps\\Arena", u"\U0001F600\U0001F600"),
						 [](const auto& Info) { return "Case" + std::to_string(Info.index); });

// ---------------------------------------------------------------------------------------------
// Definitions whose map is outside /Game or missing

class FDefinitionMapTest : public FReliabilityTest, public testing::WithParamInterface<const char*>
{
};

TEST_P(FDefinitionMapTest, StageEndsWithErrorsAndKeepsTheStagedPak)
{
	const std::string Folder = "UGC2000000001";
	Project.WritePackage("/Game/CustomMaps/" + Folder + "/Arena", "{\"Class\": \"World\", \"Properties\": {}}", true);
	Project.WriteDefinition(Folder, "{\"Id\": \"" + Folder + "\", \"MapLabel\": \"Arena\", \"Version\": 1, \"Map\": \"" + GetParam() +
										"\", \"QuestMap\": \"\", \"IsCustomGameMode\": false, \"CustomGameModeLabel\": \"\"}");
	WriteFile(StagedPak(), "an earlier stage");
	StartModule();
	ASSERT_NE(Module().WorkshopMap, nullptr);
	ASSERT_NE(Module().WorkshopMap->GetDefinition(), nullptr) << "the definition itself loads";

	Window().StageButtonClicked();
	ASSERT_TRUE(WaitIdle());
	EXPECT_TRUE(WindowIdle());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: "));
	EXPECT_EQ(ReadFile(StagedPak()), "an earlier stage");
	EXPECT_EQ(PaksFolderFiles(), std::vector<std::string>{"pakchunk_workshop_stage.pak"});
	// Nothing was cooked outside the project's own Saved/Cooked folder.
	for (const std::string& File : ListFilesBelow(Temp.Path()))
	{
		EXPECT_FALSE(File.find("Cooked/") != std::string::npos && File.find("Project/Saved/Cooked/") != 0) << File;
	}
}

INSTANTIATE_TEST_SUITE_P(Maps, FDefinitionMapTest,
						 testing::Values("/Engine/Maps/Entry.Entry", "/Game/CustomMaps/UGC2000000001/Missing.Missing", "/Script/Engine.World",
										 "/Game/../../Outside.Outside", "/Temp/Untitled_1.Untitled_1"),
						 [](const auto& Info) { return "Case" + std::to_string(Info.index); });
} // namespace
