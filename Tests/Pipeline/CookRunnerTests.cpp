// CookMap through the stand-in cook commandlet, and the two output folders of the build jobs.
#include <regex>

#include <gmock/gmock.h>

#include "Levelwright/BuildCommands.h"
#include "Misc/Paths.h"
#include "PipelineTestSupport.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
constexpr unsigned long long ItemId = 2000000001ull;
const std::string MapFolder = "UGC2000000001";
const std::string MapPackage = "/Game/CustomMaps/UGC2000000001/Arena";

std::string WithoutTimes(const std::string& Line)
{
	return std::regex_replace(Line, std::regex("[0-9]+\\.[0-9]+ ?s(econds)?"), "<t>");
}

class FCookRunnerTest : public FPipelineTest
{
protected:
	void SetUp() override
	{
		FPipelineTest::SetUp();
		WriteSampleWorkshopMap(ItemId);
		StartModule();
	}

	std::string ProjectFile() const { return Project.File().generic_string(); }

	// The cook the plugin ran, run again by the test, for its exact output.
	FToolRun RerunCook(const FString& Map) const
	{
		return RunTool(LevelwrightBuild::MakeToolPath(FPaths::EngineDir(), TEXT("UE4Editor.exe")),
					   LevelwrightBuild::MakeCookParams(FString(ProjectFile().c_str()), TEXT("WindowsNoEditor"), Map));
	}
};
} // namespace

TEST_F(FCookRunnerTest, LogsTheMapAndCommandThenCooksClientAndServer)
{
	MarkLog();

	EXPECT_TRUE(Module().CookMap(true, FString(MapPackage.c_str())));

	const std::vector<std::string> Lines = LinesSinceMark();
	ASSERT_GE(Lines.size(), 2u);
	EXPECT_EQ(Lines[0], "LevelwrightLog: MapURL = " + MapPackage);
	EXPECT_EQ(Lines[1], "LevelwrightLog: Cook command: \"" + ProjectFile() + "\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map=" + MapPackage);
	EXPECT_FALSE(LogHas("LevelwrightLog: Error"));
	for (const char* Platform : {"WindowsNoEditor", "LinuxServer"})
	{
		EXPECT_TRUE(fs::exists(CookedMapDir(Platform, MapFolder) / "Arena.umap")) << Platform;
	}
	EXPECT_FALSE(fs::exists(SavedDir() / "Cooked" / "Android_ASTC"));
}

TEST_F(FCookRunnerTest, AnAndroidCookNamesAndroidAndTheServer)
{
	EXPECT_TRUE(Module().CookMap(false, FString(MapPackage.c_str())));

	EXPECT_TRUE(LogHas("-targetplatform=Android_ASTC+LinuxServer -UnVersioned -map=" + MapPackage));
	EXPECT_TRUE(fs::exists(CookedMapDir("Android_ASTC", MapFolder) / "Arena.umap"));
	EXPECT_TRUE(fs::exists(CookedMapDir("LinuxServer", MapFolder) / "Arena.umap"));
	EXPECT_FALSE(fs::exists(SavedDir() / "Cooked" / "WindowsNoEditor"));
}

TEST_F(FCookRunnerTest, AFailedCookLogsItsErrorLinesThenItsExitCodeAndOutput)
{
	MarkLog();

	EXPECT_FALSE(Module().CookMap(true, TEXT("/Game/Missing/Nowhere")));

	const FToolRun Rerun = RerunCook(TEXT("/Game/Missing/Nowhere"));
	ASSERT_TRUE(Rerun.bStarted);
	EXPECT_EQ(Rerun.ReturnCode, 1);
	EXPECT_THAT(ToUtf8(Rerun.Output), ::testing::HasSubstr("LogCook: Error:"));
	std::vector<std::string> Errors;
	for (const std::string& Line : LinesSinceMark())
	{
		if (Line.rfind("LevelwrightLog: Error:", 0) == 0)
		{
			Errors.push_back(WithoutTimes(Line));
		}
	}
	std::vector<std::string> Expected;
	for (const std::string& Line : MakeFailureLines("LevelwrightLog: Error: Cook command returned non-zero value:", Rerun))
	{
		Expected.push_back(WithoutTimes(Line));
	}
	EXPECT_EQ(Errors, Expected);
}

TEST_F(FCookRunnerTest, AnEmptyMapIsPassedOnAndTheCookRefusesIt)
{
	EXPECT_FALSE(Module().CookMap(true, FString()));

	EXPECT_TRUE(HasLine("LevelwrightLog: Cook command: \"" + ProjectFile() + "\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map="));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Cook command returned non-zero value: 1 \n"));
}

TEST_F(FCookRunnerTest, AMissingEditorGivesTheLaunchFailureLine)
{
	fs::remove(Engine.BinariesDir() / "UE4Editor.exe");

	EXPECT_FALSE(Module().CookMap(true, FString(MapPackage.c_str())));

	ASSERT_FALSE(RerunCook(FString(MapPackage.c_str())).bStarted);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Cook command failed: " + ToUtf8(FPaths::EngineDir()) + "Binaries/Win64/UE4Editor.exe \"" + ProjectFile() + "\"  -run=cook"));
	EXPECT_FALSE(LogHas("Cook command returned non-zero value"));
}

TEST_F(FCookRunnerTest, OutputFoldersAreBelowTheAbsoluteSavedFolder)
{
	const std::string Saved = SavedDir().generic_string();
	EXPECT_EQ(ToUtf8(Module().GetWorkshopContentDir()), Saved + "/Cooked/Workshop");
	EXPECT_EQ(ToUtf8(Module().GetDepotDir()), Saved + "/Cooked/Depot");
	EXPECT_FALSE(fs::exists(SavedDir() / "Cooked" / "Workshop"));
}
