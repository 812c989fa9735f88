// The platform deploy job of a Quarn mod through the stand-in tools: paks, metadata.json, the size
// limit of the Android pak and where the job stops.
#include <gmock/gmock.h>

#include "PipelineTestSupport.h"
#include "QRNInterface/QRNInterface.h"
#include "UI/DrovikWorkshopWindow.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
const std::string ModFolder = "/Game/CustomMaps/QRN_Harbour";

class FDeployJobTest : public FPipelineTest
{
protected:
	// A mod with a main map and a quest map; either link may be left out of the definition.
	void WriteHarbourMod(bool bLinkMap, bool bLinkQuestMap)
	{
		Project.WritePackage(ModFolder + "/Props/Crate", "{\"Class\": \"StaticMesh\", \"Properties\": {\"Triangles\": 12}}");
		Project.WritePackage(ModFolder + "/Maps/Main", "{\"Class\": \"World\", \"Properties\": {}, \"References\": [\"" + ModFolder + "/Props/Crate\"]}", true);
		Project.WritePackage(ModFolder + "/Maps/Quest",
							 "{\"Class\": \"World\", \"Properties\": {}, \"References\": [\"" + ModFolder + "/Props/Crate\", \"" + ModFolder + "/ZFiller\"]}",
							 true);
		WriteFiller(16);
		Project.WriteDefinition("QRN_Harbour", "{\"Id\": \"QRN_Harbour\", \"MapLabel\": \"Old \\\"Harbour\\\"\", \"Version\": 7, \"Map\": \"" +
												   (bLinkMap ? ModFolder + "/Maps/Main.Main" : std::string()) + "\", \"QuestMap\": \"" +
												   (bLinkQuestMap ? ModFolder + "/Maps/Quest.Quest" : std::string()) +
												   "\", \"IsCustomGameMode\": true, \"CustomGameModeLabel\": \"Hide and Seek\", \"bCreatedByPlugin\": true}");
	}

	// The quest map's filler asset: the cook writes its string into the .uexp byte for byte, so its
	// length moves the Android pak's size one byte at a time.
	void WriteFiller(size_t Length)
	{
		Project.WritePackage(ModFolder + "/ZFiller", "{\"Class\": \"DataAsset\", \"Properties\": {\"Payload\": \"" + std::string(Length, 'x') + "\"}}");
	}

	void StartQuarnProject()
	{
		StartModule();
		ASSERT_NE(Module().QuarnMod, nullptr);
		ASSERT_EQ(Module().WorkshopMap, nullptr);
	}

	fs::path OutputDir() const { return SavedDir() / "Cooked" / "Depot" / "QRN_Harbour"; }

	long long PakSize(const char* Name) const { return fs::exists(OutputDir() / Name) ? static_cast<long long>(fs::file_size(OutputDir() / Name)) : 0; }

	void Deploy()
	{
		Standin::Dialogs::ClearShown();
		Module().RequestDeploy();
		ASSERT_TRUE(WaitIdle(600));
		EXPECT_FALSE(Module().bBusy.load());
	}

	std::string ExpectedMetadata(long long Android, long long Windows, long long Linux, long long QuarnLinux) const
	{
		return "{\r\n"
			   "\t\"Id\": \"QRN_Harbour\",\r\n"
			   "\t\"Version\": 7,\r\n"
			   "\t\"MapLabel\": \"Old \\\"Harbour\\\"\",\r\n"
			   "\t\"IsCustomGameMode\": true,\r\n"
			   "\t\"CustomGameModeLabel\": \"Hide and Seek\",\r\n"
			   "\t\"AndroidPakSize\": " +
			   std::to_string(Android) + ",\r\n\t\"WindowsPakSize\": " + std::to_string(Windows) + ",\r\n\t\"LinuxServerPakSize\": " +
			   std::to_string(Linux) + ",\r\n\t\"QuarnLinuxServerPakSize\": " + std::to_string(QuarnLinux) + "\r\n}";
	}

	std::vector<std::string> DeployBoxes() const
	{
		std::vector<std::string> Texts;
		for (const auto& Box : Boxes())
		{
			Texts.push_back(Box.Caption + ": " + Box.Text);
		}
		return Texts;
	}

	// Deploys only the Android build with the filler sized so that Android_ASTC.pak has Target bytes:
	// a first deploy measures the pak; the filler is the pak's last entry, so only its length changes.
	void DeployAndroidPakOf(long long Target)
	{
		const size_t ProbeLength = 4096;
		WriteFiller(ProbeLength);
		Deploy();
		const long long ProbeSize = PakSize("Android_ASTC.pak");
		ASSERT_GT(ProbeSize, 0);
		WriteFiller(ProbeLength + static_cast<size_t>(Target - ProbeSize));
		Deploy();
		ASSERT_EQ(PakSize("Android_ASTC.pak"), Target);
	}
};
} // namespace

TEST_F(FDeployJobTest, BothBuildsWriteFourPaksAndTheMetadata)
{
	WriteHarbourMod(true, true);
	StartQuarnProject();
	Module().bBuildWindows = true;
	Module().bBuildAndroid = true;

	Deploy();

	EXPECT_THAT(ListFilesBelow(OutputDir()),
				ElementsAre("Android_ASTC.pak", "LinuxServer.pak", "QuarnLinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"));
	EXPECT_EQ(ReadFile(OutputDir() / "metadata.json"),
			  ExpectedMetadata(PakSize("Android_ASTC.pak"), PakSize("WindowsNoEditor.pak"), PakSize("LinuxServer.pak"), PakSize("QuarnLinuxServer.pak")));
	std::vector<std::string> Cooks;
	for (const std::string& Line : LogLines())
	{
		if (Line.rfind("LevelwrightLog: MapURL = ", 0) == 0 || Line.rfind("LevelwrightLog: Cook command: ", 0) == 0)
		{
			Cooks.push_back(Line.substr(Line.find_last_of(' ') + 1));
		}
	}
	EXPECT_THAT(Cooks, ElementsAre(ModFolder + "/Maps/Main", "-map=" + ModFolder + "/Maps/Main", ModFolder + "/Maps/Quest", "-map=" + ModFolder + "/Maps/Quest"));
	EXPECT_TRUE(LogHas("-targetplatform=WindowsNoEditor+LinuxServer"));
	EXPECT_TRUE(LogHas("-targetplatform=Android_ASTC+LinuxServer"));
	EXPECT_EQ(ReadSaved("WorkshopCook.txt"), "Build:1");
	EXPECT_THAT(ListPak(OutputDir() / "Android_ASTC.pak").Names, Contains("Maps/Quest.umap"));
	EXPECT_EQ(ListPak(OutputDir() / "WindowsNoEditor.pak").MountPoint, "../../../Drovik/Content/CustomMaps/QRN_Harbour/");
	EXPECT_THAT(DeployBoxes(), ElementsAre("Drovik Build: Successfully built!"));
}

TEST_F(FDeployJobTest, NoBuildSelectedCooksNothingAndRecordsZeroSizes)
{
	WriteHarbourMod(true, true);
	StartQuarnProject();
	Module().bBuildWindows = false;
	Module().bBuildAndroid = false;

	Deploy();

	EXPECT_FALSE(LogHas("Cook command"));
	EXPECT_THAT(ListFilesBelow(OutputDir()), ElementsAre("metadata.json"));
	EXPECT_EQ(ReadFile(OutputDir() / "metadata.json"), ExpectedMetadata(0, 0, 0, 0));
	EXPECT_THAT(DeployBoxes(), ElementsAre("Drovik Build: Successfully built!"));
}

// The check boxes stay live while a job runs: the job builds what was chosen when the button was
// pressed, however often the author changes them afterwards (and, under ThreadSanitizer, without a race
// between the window writing the choices and the worker reading them).
TEST_F(FDeployJobTest, TheJobBuildsThePlatformsChosenWhenTheButtonWasPressed)
{
	WriteHarbourMod(true, true);
	StartQuarnProject();
	TSharedRef<SDrovikWorkshopWindow> Window = SNew(SDrovikWorkshopWindow);
	Window->OnWindowsBuildPlatformsChanged(ECheckBoxState::Unchecked);
	Window->OnAndroidBuildPlatformsChanged(ECheckBoxState::Checked);
	Standin::Dialogs::ClearShown();

	Module().RequestDeploy();
	ASSERT_TRUE(Module().bBusy.load());
	for (bool bWindows = true; Module().bBusy.load(); bWindows = !bWindows)
	{
		Window->OnWindowsBuildPlatformsChanged(bWindows ? ECheckBoxState::Checked : ECheckBoxState::Unchecked);
		Window->OnAndroidBuildPlatformsChanged(bWindows ? ECheckBoxState::Unchecked : ECheckBoxState::Checked);
		Tick();
	}
	ASSERT_TRUE(WaitIdle(600));

	EXPECT_THAT(ListFilesBelow(OutputDir()), ElementsAre("Android_ASTC.pak", "QuarnLinuxServer.pak", "metadata.json"));
	EXPECT_EQ(ReadFile(OutputDir() / "metadata.json"), ExpectedMetadata(PakSize("Android_ASTC.pak"), 0, 0, PakSize("QuarnLinuxServer.pak")));
	EXPECT_THAT(DeployBoxes(), ElementsAre("Drovik Build: Successfully built!"));
}

// Both maps are resolved when the button is pressed, where the definition may be read: a build without
// its map stops the deploy before anything is cooked, and no job starts.
TEST_F(FDeployJobTest, AMissingPcMapStopsTheDeployBeforeAnyCook)
{
	WriteHarbourMod(false, true);
	StartQuarnProject();
	Module().bBuildWindows = true;
	Module().bBuildAndroid = true;

	Deploy();

	EXPECT_THAT(DeployBoxes(), ElementsAre("Cook Error: ERROR: Map is not linked in the definition"));
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: Please specify a map in the Definition file!"));
	EXPECT_FALSE(LogHas("Cook command"));
	EXPECT_FALSE(fs::exists(OutputDir()));
	EXPECT_FALSE(fs::exists(SavedDir() / "WorkshopCook.txt"));
	EXPECT_TRUE(Module().MapPackageName.IsEmpty());
}

TEST_F(FDeployJobTest, AMissingQuestMapStopsTheDeployBeforeThePcBuild)
{
	WriteHarbourMod(true, false);
	StartQuarnProject();
	Module().bBuildWindows = true;
	Module().bBuildAndroid = true;

	Deploy();

	EXPECT_THAT(DeployBoxes(), ElementsAre("Cook Error: ERROR: Quest Map is not linked in the definition"));
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: Please specify a map in the Definition file!"));
	EXPECT_FALSE(LogHas("Cook command"));
	EXPECT_FALSE(fs::exists(OutputDir()));
}

TEST_F(FDeployJobTest, AnAndroidPakOfExactlyTheLimitPasses)
{
	WriteHarbourMod(true, true);
	StartQuarnProject();

	DeployAndroidPakOf(100000000);

	EXPECT_THAT(ReadFile(OutputDir() / "metadata.json"), ::testing::HasSubstr("\t\"AndroidPakSize\": 100000000,\r\n"));
	EXPECT_THAT(DeployBoxes(), ElementsAre("Drovik Build: Successfully built!"));
}

TEST_F(FDeployJobTest, AnAndroidPakOneByteOverTheLimitFails)
{
	WriteHarbourMod(true, true);
	StartQuarnProject();

	DeployAndroidPakOf(100000001);

	// Every file stays written; only the box tells the author.
	EXPECT_THAT(ReadFile(OutputDir() / "metadata.json"), ::testing::HasSubstr("\t\"AndroidPakSize\": 100000001,\r\n"));
	EXPECT_TRUE(fs::exists(OutputDir() / "QuarnLinuxServer.pak"));
	EXPECT_THAT(DeployBoxes(), ElementsAre("Drovik Build: Build failed, quarn pak size is higher than 100mb"));
}
