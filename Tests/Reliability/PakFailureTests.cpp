// Failed packs and cooks inside the plugin's jobs: a write-protected or full game install, a
// read-only staged pak, a full project disk, a cooked file the packer may not read, a cooked folder the
// cook may not clear, a read-only Workshop content folder, tools that die of a signal. The job ends with its Error lines, the window
// shows its buttons again, and the paks made before stay as they were.
#include <algorithm>
#include <cstdlib>

#include <gmock/gmock.h>

#include "EditorProcess.h"
#include "ReliabilityTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::HasSubstr;

namespace
{
const std::string OlderPak = "an earlier stage";

class FPakFailureTest : public FReliabilityTest
{
protected:
	void TearDown() override
	{
		::unsetenv("LEVELWRIGHT_FAULT_DISK_FULL");
		FReliabilityTest::TearDown();
	}

	void Stage()
	{
		Window().StageButtonClicked();
		EXPECT_FALSE(WindowIdle()) << "the throbber replaces the buttons while the job runs";
		ASSERT_TRUE(WaitIdle());
		EXPECT_FALSE(Module().bBusy.load());
		EXPECT_TRUE(WindowIdle());
	}

	// The Paks folder holds the older pak and nothing a failed pack left behind.
	void ExpectOlderPakAlone()
	{
		EXPECT_EQ(ReadFile(StagedPak()), OlderPak);
		EXPECT_EQ(PaksFolderFiles(), std::vector<std::string>{"pakchunk_workshop_stage.pak"});
	}

	// Replaces the test's UE4Editor.exe with a script that runs the real one under the same name (so the
	// engine folder stays the test's own) and then makes File unreadable, as a scanner holding a freshly
	// cooked file would.
	void MakeCookLeaveUnreadable(const fs::path& File)
	{
		const fs::path Program = Engine.BinariesDir() / "UE4Editor.exe";
		fs::remove(Program);
		WriteFile(Program, "#!/bin/bash\n(exec -a \"$0\" '" + (BuiltBinariesDir() / "UE4Editor.exe").string() + "' \"$@\") || exit $?\nchmod 000 '" +
							   File.string() + "'\n");
		fs::permissions(Program, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
	}

	// Replaces one of the test's engine tools with a script that prints a line and kills itself.
	void MakeToolCrash(const char* Tool)
	{
		const fs::path Program = Engine.BinariesDir() / Tool;
		fs::remove(Program);
		WriteFile(Program, "#!/bin/sh\necho working on it\nkill -SEGV $$\n");
		fs::permissions(Program, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
	}
};
} // namespace

TEST_F(FPakFailureTest, AWriteProtectedPaksFolderFailsThePackAndKeepsTheOlderPak)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	{
		FUnprivilegedScope Unprivileged(Temp.Path(), {PaksDir()});
		Stage();
	}
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 1 \n"));
	EXPECT_TRUE(LogHas("LogPakFile: Error: Failed to create pak file")) << "UnrealPak's own reason is in the Error line";
	EXPECT_FALSE(LogHas("Successfully")) << "nothing claims success";
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, AWriteProtectedStagedPakIsNotReplaced)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	// The folder stays writable; the author marked the pak itself read-only.
	fs::permissions(StagedPak(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
	Stage();
	fs::permissions(StagedPak(), fs::perms::owner_write, fs::perm_options::add);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 1 \n"));
	EXPECT_TRUE(LogHas("Permission denied"));
	EXPECT_FALSE(LogHas("Successfully"));
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, AFullGameDiskFailsThePackAndKeepsTheOlderPak)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	::setenv("LEVELWRIGHT_FAULT_DISK_FULL", PaksDir().c_str(), 1);
	Stage();
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 1 \n"));
	EXPECT_TRUE(LogHas("No space left on device"));
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, APackerThatDiesOfASignalIsReportedAsSuch)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	MakeToolCrash("UnrealPak.exe");
	Stage();
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 139 \nworking on it\n"));
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, ACookThatDiesOfASignalStopsTheStageBeforeThePack)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	MakeToolCrash("UE4Editor.exe");
	Stage();
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Cook command returned non-zero value: 139 \nworking on it\n"));
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: Cooked content is needed for staging!"));
	EXPECT_FALSE(LogHas("Pak command"));
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, AFullProjectDiskEndsTheStageWithErrorsAndLosesNothing)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	// What an earlier stage left in the project.
	WriteFile(SavedDir() / "WorkshopCook.txt", "Build:0");
	WriteFile(SavedDir() / "custommap_paklist.txt", "an earlier list");
	::setenv("LEVELWRIGHT_FAULT_DISK_FULL", SavedDir().c_str(), 1);
	Stage();
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: "));
	EXPECT_EQ(ReadSaved("WorkshopCook.txt"), "Build:0");
	EXPECT_EQ(ReadSaved("custommap_paklist.txt"), "an earlier list");
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, AFailedPackEndsTheSubmissionBeforeSteamIsAsked)
{
	StartWorkshopProject();
	const auto Before = WorkshopFiles();
	::setenv("LEVELWRIGHT_FAULT_DISK_FULL", (SavedDir() / "Cooked" / "Workshop").c_str(), 1);
	Window().SubmitButtonClicked();
	ASSERT_TRUE(WaitIdle());
	EXPECT_TRUE(WindowIdle());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 1 \n"));
	EXPECT_FALSE(LogHas("Submiting content"));
	EXPECT_EQ(WorkshopFiles(), Before);
	EXPECT_FALSE(BoxShown("Drovik Workshop", "Successfully submited to the workshop!"));
	EXPECT_TRUE(BoxShown("Drovik Workshop", "The submission to the Workshop failed.\n\nThe cooked map could not be packed. The log's pak "
											"lines say why; fix that, then submit again."));
}

TEST_F(FPakFailureTest, AnUnreadableCookedFileFailsTheStagedPackAndKeepsTheOlderPak)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	// The cook clears its folder first, so the unreadable file must come from the cook itself.
	const fs::path Unreadable = CookedMapDir("WindowsNoEditor", "UGC2000000001") / "Props" / "Crate.uexp";
	MakeCookLeaveUnreadable(Unreadable);
	{
		FUnprivilegedScope Unprivileged(Temp.Path());
		Stage();
	}
	fs::permissions(Unreadable, fs::perms::owner_read, fs::perm_options::add);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 1 \n"));
	const std::vector<std::string> Lines = LogLines();
	const auto Reason = std::find_if(Lines.begin(), Lines.end(), [](const std::string& Line) {
		return Line.find("LogPakFile: Error: Failed to collect files to add to pak file: unable to read source file") != std::string::npos;
	});
	ASSERT_NE(Reason, Lines.end());
	EXPECT_THAT(*Reason, HasSubstr("Crate.uexp")) << "the packer names the file it could not read";
	EXPECT_FALSE(LogHas("Successfully"));
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, ACookThatCannotClearItsFolderFailsAndNothingIsPacked)
{
	StartWorkshopProject();
	WriteFile(StagedPak(), OlderPak);
	// An earlier cook's folder with a sub-folder whose entries may not be deleted.
	const fs::path Locked = CookedMapDir("WindowsNoEditor", "UGC2000000001") / "Locked";
	WriteFile(Locked / "Arena.umap", "an earlier cook");
	const fs::path ServerFile = CookedMapDir("LinuxServer", "UGC2000000001") / "Arena.umap";
	WriteFile(ServerFile, "an earlier cook");
	{
		FUnprivilegedScope Unprivileged(Temp.Path(), {Locked});
		Stage();
	}
	const std::string Folder = (SavedDir() / "Cooked" / "WindowsNoEditor").generic_string();
	EXPECT_TRUE(LogHas("LogCook: Display: Full cook: deleting the cooked folder " + Folder));
	EXPECT_TRUE(LogHas("LogCook: Error: Cannot delete the cooked folder of WindowsNoEditor: ")) << "the cook says why it failed";
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Cook command returned non-zero value: 1 \n"));
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: Cooked content is needed for staging!"));
	EXPECT_FALSE(LogHas("Pak command"));
	EXPECT_EQ(ReadFile(ServerFile), "an earlier cook") << "the cook stops at the first folder it cannot delete";
	ExpectOlderPakAlone();
}

TEST_F(FPakFailureTest, AReadOnlyWorkshopContentFolderFailsBothPacksAndSubmitsNothing)
{
	StartWorkshopProject();
	const fs::path ContentDir = SavedDir() / "Cooked" / "Workshop";
	WriteFile(ContentDir / "WindowsNoEditor.pak", "an earlier Windows pak");
	WriteFile(ContentDir / "LinuxServer.pak", "an earlier server pak");
	const auto Before = WorkshopFiles();
	{
		FUnprivilegedScope Unprivileged(Temp.Path(), {ContentDir});
		Window().SubmitButtonClicked();
		EXPECT_FALSE(WindowIdle());
		ASSERT_TRUE(WaitIdle());
	}
	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(WindowIdle());
	EXPECT_EQ(CountLines("LevelwrightLog: Error: Pak command returned non-zero value: 1 "), 2) << "both platforms are reported";
	EXPECT_EQ(CountLines("LevelwrightLog: Error: LogPakFile: Error: Failed to create pak file"), 2) << "each packer's own line, as it printed it";
	EXPECT_FALSE(LogHas("Submiting content"));
	EXPECT_EQ(WorkshopFiles(), Before) << "nothing reached the Workshop";
	ASSERT_EQ(Boxes().size(), 1u);
	EXPECT_EQ(Boxes()[0].Text, "The submission to the Workshop failed.\n\nThe cooked map could not be packed. The log's pak lines say "
							   "why; fix that, then submit again.");
	EXPECT_EQ(ReadFile(ContentDir / "WindowsNoEditor.pak"), "an earlier Windows pak");
	EXPECT_EQ(ReadFile(ContentDir / "LinuxServer.pak"), "an earlier server pak");
	EXPECT_EQ(ListFilesBelow(ContentDir), (std::vector<std::string>{"LinuxServer.pak", "WindowsNoEditor.pak"}))
		<< "no temporary pak and no metadata.json left behind";
}

// The job empties the content folder before it packs; what it cannot remove would be uploaded with the
// map, so the check after the build lists it and Steam is not asked.
TEST_F(FPakFailureTest, AnEarlierFileTheJobCannotRemoveStopsTheSubmissionBeforeSteam)
{
	StartWorkshopProject();
	const fs::path ContentDir = SavedDir() / "Cooked" / "Workshop";
	const fs::path Locked = ContentDir / "Locked";
	WriteFile(Locked / "old.pak", "an earlier build");
	const auto Before = WorkshopFiles();
	{
		FUnprivilegedScope Unprivileged(Temp.Path(), {Locked});
		Window().SubmitButtonClicked();
		ASSERT_TRUE(WaitIdle());
	}
	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(WindowIdle());
	EXPECT_FALSE(LogHas("Submiting content"));
	EXPECT_EQ(WorkshopFiles(), Before) << "nothing reached the Workshop";
	EXPECT_TRUE(fs::is_regular_file(ContentDir / "WindowsNoEditor.pak")) << "the build itself succeeded";
	const std::string Problem = "Locked in the content folder " + ContentDir.generic_string() +
								" is left from an earlier build and would be uploaded with the map. Delete it (the editor could not), "
								"then submit again.";
	EXPECT_EQ(CountLines("LevelwrightLog: Error: " + Problem), 1);
	ASSERT_EQ(Boxes().size(), 1u);
	EXPECT_EQ(Boxes()[0].Caption, "Drovik Workshop");
	EXPECT_EQ(Boxes()[0].Text, "The submission to the Workshop failed.\n\nSubmit sent nothing to Steam. Fix the following, then try "
							   "again:\n\n- " + Problem);
}

TEST_F(FPakFailureTest, AnUnreadableSourceFailsThePackerAndKeepsTheOlderPak)
{
	const fs::path Folder = Temp.Path() / "pack";
	const fs::path Pak = Folder / "out" / "stage.pak";
	WriteFile(Pak, OlderPak);
	WriteFile(Folder / "list.txt", "\"" + (Folder / "secret.txt").string() + "\" \"../../../Drovik/Content/secret.txt\"\n");
	FProcessResult Result;
	{
		FUnprivilegedScope Unprivileged(Temp.Path());
		// Written by the user the packer runs as, then made unreadable to that user.
		WriteFile(Folder / "secret.txt", "text nobody may read");
		fs::permissions(Folder / "secret.txt", fs::perms::none);
		Result = RunProcess(Engine.BinariesDir() / "UnrealPak.exe", {Pak.string(), "-create=" + (Folder / "list.txt").string()}, Folder);
	}
	EXPECT_EQ(Result.ExitCode, 1) << Result.Output;
	EXPECT_TRUE(Result.Has("LogPakFile: Error: ")) << Result.Output;
	EXPECT_EQ(ReadFile(Pak), OlderPak);
	EXPECT_EQ(ListFilesBelow(Pak.parent_path()), std::vector<std::string>{"stage.pak"});
}
