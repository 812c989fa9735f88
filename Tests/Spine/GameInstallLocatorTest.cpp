// Finding the game: through Steam, or through the registry and the library list, with every line of
// the failure table.
#include <filesystem>

#include "Levelwright/GameInstallLocator.h"
#include "PluginTestFixture.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
const char* SteamFolder = "C:/Program Files (x86)/Steam";

class GameInstallLocator : public FPluginTest
{
protected:
	void SetUp() override
	{
		FPluginTest::SetUp();
		Machine.SetClient("running", "false");
		// Nobody answers the start-up question: the locator runs before it in any case.
	}
	void WriteLibraryFile(const std::string& Text) { WriteFile(Machine.Drive(std::string(SteamFolder) + "/steamapps/libraryfolders.vdf"), Text); }
	void InstallGame(const std::string& GameFolder) { WriteFile(Machine.Drive(GameFolder + "/Drovik.exe"), "MZ"); }
	void WriteRegistry(const std::string& Values)
	{
		WriteFile(Machine.Path() / "registry.reg",
				  "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam]\r\n" + Values + "\r\n");
	}
	void WriteCookMarker(const std::string& Text) { WriteFile(Project.Dir() / "Saved" / "WorkshopCook.txt", Text); }
	FString Located() { return StartModule().GameInstallPath; }
};
} // namespace

TEST_F(GameInstallLocator, SteamRoadAsksSteamAndLogsNothing)
{
	Machine.SetClient("running", "true");
	EXPECT_EQ(Located(), FString(TEXT("D:\\SteamLibrary\\steamapps\\common\\DrovikVR")));
	EXPECT_FALSE(LogHas("Looking for Drovik"));
	EXPECT_FALSE(LogHas("Found Drovik"));
}

TEST_F(GameInstallLocator, SteamRoadWithTheGameNotInstalled)
{
	Machine.SetClient("running", "true");
	fs::remove(Machine.Drive("D:/SteamLibrary/steamapps/appmanifest_731904.acf"));
	EXPECT_TRUE(Located().IsEmpty());
	EXPECT_FALSE(LogHas("Drovik installation not found"));
}

TEST_F(GameInstallLocator, RegistryRoadSearchesTheSteamFolderFirst)
{
	EXPECT_EQ(Located(), FString(TEXT("D:/SteamLibrary/steamapps/common/DrovikVR")));
	const auto Lines = LogLines();
	const auto Steam = std::find(Lines.begin(), Lines.end(), "LevelwrightLog: Looking for Drovik in C:\\Program Files (x86)\\Steam ");
	const auto Library = std::find(Lines.begin(), Lines.end(), "LevelwrightLog: Looking for Drovik in C:/Program Files (x86) ");
	ASSERT_NE(Steam, Lines.end()) << "the registry's folder comes first, backslashes kept";
	ASSERT_NE(Library, Lines.end()) << "then every match of the library file";
	EXPECT_LT(Steam, Library);
	EXPECT_TRUE(LogHas("LevelwrightLog: Looking for Drovik in D:/SteamLibrary "));
	EXPECT_TRUE(LogHas("LevelwrightLog: Found Drovik at D:/SteamLibrary/steamapps/common/DrovikVR "));
}

TEST_F(GameInstallLocator, NestedLibraryPathsStopAtTheirFirstFolder)
{
	WriteLibraryFile("\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"E:\\\\Games\\\\SteamLibrary\"\n\t}\n}\n");
	InstallGame("E:/Games/steamapps/common/Drovik");
	EXPECT_EQ(Located(), FString(TEXT("E:/Games/steamapps/common/Drovik")));
	EXPECT_TRUE(LogHas("LevelwrightLog: Looking for Drovik in E:/Games "));
}

TEST_F(GameInstallLocator, DrovikVRWinsOverDrovikAndEarlierLibrariesWin)
{
	WriteLibraryFile("\"LibraryFolders\"\n{\n\t\"1\"\t\t\"E:\\\\SteamLibrary\"\n\t\"2\"\t\t\"F:\\\\SteamLibrary\"\n}\n");
	InstallGame("E:/SteamLibrary/steamapps/common/Drovik");
	InstallGame("E:/SteamLibrary/steamapps/common/DrovikVR");
	InstallGame("F:/SteamLibrary/steamapps/common/DrovikVR");
	EXPECT_EQ(Located(), FString(TEXT("E:/SteamLibrary/steamapps/common/DrovikVR")));
	EXPECT_FALSE(LogHas("Looking for Drovik in F:/SteamLibrary"));
}

TEST_F(GameInstallLocator, NoDrivePathMeansNothingIsSearched)
{
	WriteLibraryFile("\"libraryfolders\"\n{\n}\n");
	EXPECT_TRUE(Located().IsEmpty());
	EXPECT_FALSE(LogHas("Looking for Drovik"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: No steam library folders found!"));
}

TEST_F(GameInstallLocator, TheAndroidCookMarkerTurnsTheLastLineIntoAWarning)
{
	WriteLibraryFile("nothing here");
	WriteCookMarker("Build:1");
	EXPECT_TRUE(Located().IsEmpty());
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: No steam library folders found!"));
}

TEST_F(GameInstallLocator, OtherMarkersLeaveItAnError)
{
	for (const char* Marker : {"Build:0", "Build:", ""})
	{
		SCOPED_TRACE(Marker);
		WriteLibraryFile("nothing here");
		WriteCookMarker(Marker);
		EXPECT_TRUE(Located().IsEmpty());
		EXPECT_TRUE(LogHas("LevelwrightLog: Error: No steam library folders found!"));
		EXPECT_FALSE(LogHas("LevelwrightLog: Warning: No steam library folders found!"));
		ShutdownModule();
	}
}

TEST_F(GameInstallLocator, LibrariesSearchedButNoGame)
{
	fs::remove(Machine.GameDir() / "Drovik.exe");
	EXPECT_TRUE(Located().IsEmpty());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Drovik installation not found! Stage wont work"));
}

TEST_F(GameInstallLocator, UnreadableLibraryFile)
{
	fs::remove(Machine.Drive(std::string(SteamFolder) + "/steamapps/libraryfolders.vdf"));
	EXPECT_TRUE(Located().IsEmpty());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Couldn't read libraryfolder.vdf file!"));
}

TEST_F(GameInstallLocator, RegistryValueMissingOrNotAString)
{
	for (const char* Values : {"\"SteamPID\"=dword:00000000", "\"InstallPath\"=dword:00000001",
							   "\"InstallPath\"=hex(2):43,00,3a,00,5c,00,00,00"})
	{
		SCOPED_TRACE(Values);
		WriteRegistry(Values);
		EXPECT_TRUE(Located().IsEmpty());
		EXPECT_TRUE(LogHas("LevelwrightLog: Error: Couldn't find the steam installation folder"));
		ShutdownModule();
	}
}

TEST_F(GameInstallLocator, ReadRegistryStringWritesOnlyOnSuccess)
{
	WriteRegistry("\"InstallPath\"=\"C:\\\\Steam\"\r\n\"Count\"=dword:00000002");
	FString Value(TEXT("untouched"));
	EXPECT_FALSE(ReadRegistryString(TEXT("SOFTWARE\\Wow6432Node\\Valve\\Steam"), TEXT("Count"), Value));
	EXPECT_FALSE(ReadRegistryString(TEXT("SOFTWARE\\Nobody"), TEXT("InstallPath"), Value));
	EXPECT_EQ(Value, FString(TEXT("untouched")));
	ASSERT_TRUE(ReadRegistryString(TEXT("SOFTWARE\\Wow6432Node\\Valve\\Steam"), TEXT("InstallPath"), Value));
	EXPECT_TRUE(Value.Equals(TEXT("C:\\Steam")));
}

TEST(LibraryFolders, MatchesEachDrivePathUpToItsNextBackslash)
{
	const TArray<FString> Folders =
		FindLibraryFolders(TEXT("\"1\"\t\"D:\\\\Games\\\\SteamLibrary\"\n\"path\"\t\"e:\\\\Steam Library\"\n\"x\" \"C:\\\\\"\n"));
	ASSERT_EQ(Folders.Num(), 2);
	EXPECT_TRUE(Folders[0].Equals(TEXT("D:/Games")));
	EXPECT_TRUE(Folders[1].Equals(TEXT("e:/Steam Library")));
}

TEST(LibraryFolders, FindsEachPathAmongThousandsOfCrLfAppLines)
{
	FString Text = TEXT("\"libraryfolders\"\r\n{\r\n\t\"path\"\t\t\"C:\\\\Steam\"\r\n\t\"apps\"\r\n\t{\r\n");
	for (int32 App = 0; App < 2000; ++App)
	{
		Text += FString::Printf(TEXT("\t\t\"%d\"\t\t\"%d\"\r\n"), App, App * 7);
	}
	// Two paths on one line, then one on a last line that has no line end.
	Text += TEXT("\t}\r\n\t\"1\"\t\"D:\\\\Lib\" \"E:\\\\Other\"\r\n}\r\n\"x\"\t\"F:\\\\Last\"");
	const TArray<FString> Folders = FindLibraryFolders(Text);
	ASSERT_EQ(Folders.Num(), 4);
	EXPECT_TRUE(Folders[0].Equals(TEXT("C:/Steam")));
	EXPECT_TRUE(Folders[1].Equals(TEXT("D:/Lib")));
	EXPECT_TRUE(Folders[2].Equals(TEXT("E:/Other")));
	EXPECT_TRUE(Folders[3].Equals(TEXT("F:/Last")));
}
