// BuildPak on a cooked tree written by the test: the pak list bytes, the UnrealPak run, its errors and
// the size it reports.
#include <regex>

#include <gmock/gmock.h>

#include "Levelwright/BuildCommands.h"
#include "Levelwright/ProjectMap.h"
#include "Misc/Paths.h"
#include "PipelineTestSupport.h"
#include "QRNInterface/QRNInterface.h"
#include "Standin/Dialogs.h"
#include "Standin/Machine.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
const std::string WorkshopFolder = "UGC1234";
const std::string WorkshopMount = "../../../Drovik/Content/CustomMaps/UGC1234";

// Tool output carries run times; they differ between two runs of the same command.
std::string WithoutTimes(const std::string& Line)
{
	return std::regex_replace(Line, std::regex("[0-9]+\\.[0-9]+ ?s(econds)?"), "<t>");
}

class FPakBuilderTest : public FPipelineTest
{
protected:
	// A Workshop project whose map folder is UGC1234.
	void StartWorkshopProject()
	{
		fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / WorkshopFolder);
		StartModule();
		ASSERT_NE(Module().WorkshopMap, nullptr);
		ASSERT_EQ(Module().WorkshopMap->ItemId, 1234u);
	}

	// Quarn mode on a project without a mod: Steam is down and the author says it is a Quarn mod.
	void StartQuarnProjectWithoutMod()
	{
		Machine.SetClient("running", "false");
		Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
		StartModule();
		ASSERT_NE(Module().QuarnMod, nullptr);
		ASSERT_FALSE(Module().QuarnMod->HasMod());
	}

	void WriteCooked(const std::string& Platform, const std::string& Folder, const std::string& RelativePath, const std::string& Bytes = "cooked")
	{
		WriteFile(CookedMapDir(Platform, Folder) / RelativePath, Bytes);
	}

	std::string SourcePath(const std::string& Platform, const std::string& Folder, const std::string& RelativePath) const
	{
		return (CookedMapDir(Platform, Folder) / RelativePath).generic_string();
	}

	std::string ExpectedLine(const std::string& Folder, const std::string& Mount, const std::string& RelativePath) const
	{
		return "\"" + SourcePath("WindowsNoEditor", Folder, RelativePath) + "\" \"" + Mount + "/" + RelativePath + "\"\r\n";
	}

	fs::path PakPath() const { return SavedDir() / "Cooked" / "Workshop" / "Test.pak"; }
	FString PakPathText() const { return FString(PakPath().string().c_str()); }

	// Packs the folder of the map the project builds, as the jobs do.
	bool Pack(const TCHAR* CookPlatform, int64* OutPakSize = nullptr)
	{
		return Module().BuildPak(Module().GetProjectMap().FolderName, CookPlatform, PakPathText(), OutPakSize);
	}

	// The same UnrealPak command the plugin ran for PakPath(), run again by the test.
	FToolRun RerunPack(const char* CookPlatform) const
	{
		const FString ListPath = FString((SavedDir() / "custommap_paklist.txt").string().c_str());
		return RunTool(LevelwrightBuild::MakeToolPath(FPaths::EngineDir(), TEXT("UnrealPak.exe")),
					   LevelwrightBuild::MakePakParams(PakPathText(), ListPath, LevelwrightBuild::GetPakPlatform(FString(CookPlatform))));
	}
};

// The list file's lines, CRLF removed, sorted (their order is the file system's walk order).
std::vector<std::string> SortedLines(const std::string& Text)
{
	std::vector<std::string> Lines;
	size_t Start = 0;
	for (size_t End; (End = Text.find("\r\n", Start)) != std::string::npos; Start = End + 2)
	{
		Lines.push_back(Text.substr(Start, End + 2 - Start));
	}
	EXPECT_EQ(Start, Text.size()) << "text after the last CRLF";
	std::sort(Lines.begin(), Lines.end());
	return Lines;
}
} // namespace

TEST_F(FPakBuilderTest, ListsEveryCookedFileOfTheMapFolderAndPacksThem)
{
	StartWorkshopProject();
	for (const char* File : {"Arena.umap", "Arena.uexp", "Props/Crate.uasset", "Props/Deep/Rock.uexp"})
	{
		WriteCooked("WindowsNoEditor", WorkshopFolder, File);
	}
	fs::create_directories(CookedMapDir("WindowsNoEditor", WorkshopFolder) / "Empty");
	WriteCooked("WindowsNoEditor", "UGC999", "Other.uasset");

	EXPECT_TRUE(Pack(TEXT("WindowsNoEditor")));

	std::vector<std::string> Expected;
	for (const char* File : {"Arena.umap", "Arena.uexp", "Props/Crate.uasset", "Props/Deep/Rock.uexp"})
	{
		Expected.push_back(ExpectedLine(WorkshopFolder, WorkshopMount, File));
	}
	std::sort(Expected.begin(), Expected.end());
	EXPECT_EQ(SortedLines(ReadSaved("custommap_paklist.txt")), Expected);
	EXPECT_TRUE(HasLine("LevelwrightLog: Adding to paklist Props/Deep/Rock.uexp"));

	const FPakListing Listing = ListPak(PakPath());
	EXPECT_EQ(Listing.MountPoint, WorkshopMount + "/");
	EXPECT_THAT(Listing.Names, ::testing::ElementsAre("Arena.uexp", "Arena.umap", "Props/Crate.uasset", "Props/Deep/Rock.uexp"));
}

TEST_F(FPakBuilderTest, ANonAsciiFileNameMakesTheListUtf16WithByteOrderMark)
{
	StartWorkshopProject();
	WriteCooked("WindowsNoEditor", WorkshopFolder, "K\xC3\xA4rnten.uasset");

	EXPECT_TRUE(Pack(TEXT("WindowsNoEditor")));

	const std::u16string Line = Standin::Machine::ToUtf16(ExpectedLine(WorkshopFolder, WorkshopMount, "K\xC3\xA4rnten.uasset"));
	std::string Expected = "\xFF\xFE";
	for (char16_t C : Line)
	{
		Expected += static_cast<char>(C & 0xFF);
		Expected += static_cast<char>(C >> 8);
	}
	EXPECT_EQ(ReadSaved("custommap_paklist.txt"), Expected);
	EXPECT_THAT(ListPak(PakPath()).Names, ::testing::ElementsAre("K\xC3\xA4rnten.uasset"));
}

TEST_F(FPakBuilderTest, AnEmptyMapFolderGivesAnEmptyListAndThePackersError)
{
	StartWorkshopProject();
	fs::create_directories(CookedMapDir("WindowsNoEditor", WorkshopFolder) / "Empty");
	WriteFile(PakPath(), "old");
	int64 PakSize = 0;
	MarkLog();

	EXPECT_FALSE(Pack(TEXT("WindowsNoEditor"), &PakSize));

	EXPECT_TRUE(fs::exists(SavedDir() / "custommap_paklist.txt"));
	EXPECT_EQ(ReadSaved("custommap_paklist.txt"), "");
	// A failed run leaves the older pak in place and reports its size.
	EXPECT_EQ(PakSize, 3);
	EXPECT_EQ(ReadFile(PakPath()), "old");

	const FToolRun Rerun = RerunPack("WindowsNoEditor");
	ASSERT_TRUE(Rerun.bStarted);
	ASSERT_NE(Rerun.ReturnCode, 0);
	EXPECT_THAT(ToUtf8(Rerun.Output), ::testing::HasSubstr("No files specified to add to pak file."));
	std::vector<std::string> Expected;
	for (const std::string& Line : MakeFailureLines("LevelwrightLog: Error: Pak command returned non-zero value:", Rerun))
	{
		Expected.push_back(WithoutTimes(Line));
	}
	std::vector<std::string> Errors;
	for (const std::string& Line : LinesSinceMark())
	{
		if (Line.rfind("LevelwrightLog: Error:", 0) == 0)
		{
			Errors.push_back(WithoutTimes(Line));
		}
	}
	EXPECT_EQ(Errors, Expected);
}

// A program that cannot start has no exit code: the launch failure is the one line.
TEST_F(FPakBuilderTest, AMissingPackerLogsTheLaunchFailure)
{
	StartWorkshopProject();
	WriteCooked("WindowsNoEditor", WorkshopFolder, "Arena.umap");
	fs::remove(Engine.BinariesDir() / "UnrealPak.exe");
	int64 PakSize = 0;

	EXPECT_FALSE(Pack(TEXT("LinuxServer"), &PakSize));

	EXPECT_EQ(PakSize, -1);
	ASSERT_FALSE(RerunPack("LinuxServer").bStarted);
	std::vector<std::string> Failed;
	for (const std::string& Line : LogLines())
	{
		if (Line.rfind("LevelwrightLog: Error: Pak command", 0) == 0)
		{
			Failed.push_back(Line);
		}
	}
	ASSERT_EQ(Failed.size(), 1u);
	EXPECT_THAT(Failed[0], ::testing::StartsWith("LevelwrightLog: Error: Pak command failed: " + ToUtf8(FPaths::EngineDir()) + "Binaries/Win64/UnrealPak.exe \""));
}

TEST_F(FPakBuilderTest, ReportsTheSizeOfTheBuiltPak)
{
	StartWorkshopProject();
	WriteCooked("LinuxServer", WorkshopFolder, "Arena.umap", std::string(5000, 'x'));
	int64 PakSize = 0;

	EXPECT_TRUE(Pack(TEXT("LinuxServer"), &PakSize));

	EXPECT_EQ(PakSize, static_cast<int64>(fs::file_size(PakPath())));
	EXPECT_GT(PakSize, 5000);
	EXPECT_THAT(ReadSaved("custommap_paklist.txt"), ::testing::HasSubstr("/Cooked/LinuxServer/Drovik/Content/CustomMaps/UGC1234/Arena.umap\""));
}

TEST_F(FPakBuilderTest, WithoutAQuarnModNothingIsWrittenOrRun)
{
	StartQuarnProjectWithoutMod();
	int64 PakSize = 42;

	EXPECT_FALSE(Pack(TEXT("Android_ASTC"), &PakSize));

	EXPECT_EQ(PakSize, 42);
	EXPECT_FALSE(fs::exists(SavedDir() / "custommap_paklist.txt"));
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: No Mod found to create a .pak from"));
	EXPECT_FALSE(LogHas("Pak command"));
}

TEST_F(FPakBuilderTest, AQuarnModPacksItsOwnFolder)
{
	fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / "QRN_Harbour");
	StartModule();
	ASSERT_NE(Module().QuarnMod, nullptr);
	WriteCooked("Android_ASTC", "QRN_Harbour", "Quest.umap");

	EXPECT_TRUE(Pack(TEXT("Android_ASTC")));

	EXPECT_EQ(ListPak(PakPath()).MountPoint, "../../../Drovik/Content/CustomMaps/QRN_Harbour/");
}

TEST_F(FPakBuilderTest, TheWorkshopFolderWinsOverAQuarnMod)
{
	StartWorkshopProject();
	Module().QuarnMod = new FQRNInterface();
	Module().QuarnMod->ModId = TEXT("Harbour");
	Module().QuarnMod->bIsUGCFolder = false;
	WriteCooked("WindowsNoEditor", WorkshopFolder, "Arena.umap");
	WriteCooked("WindowsNoEditor", "QRN_Harbour", "Quest.umap");

	EXPECT_TRUE(Pack(TEXT("WindowsNoEditor")));

	EXPECT_THAT(ListPak(PakPath()).Names, ::testing::ElementsAre("Arena.umap"));
}

TEST_F(FPakBuilderTest, AWorkshopMapWithoutItemPacksFolderUGC0)
{
	StartModule();
	ASSERT_NE(Module().WorkshopMap, nullptr);
	ASSERT_EQ(Module().WorkshopMap->ItemId, 0u);
	WriteCooked("WindowsNoEditor", "UGC0", "Arena.umap");

	EXPECT_TRUE(Pack(TEXT("WindowsNoEditor")));

	EXPECT_EQ(ListPak(PakPath()).MountPoint, "../../../Drovik/Content/CustomMaps/UGC0/");
}
