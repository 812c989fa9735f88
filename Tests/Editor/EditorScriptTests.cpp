// UE4Editor.exe running scripts: start-up, commands, errors, frames, waiting and shut-down.
#include <cstdlib>
#include <filesystem>

#include "Cook/PngImage.h"
#include "EditorTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

TEST_F(FEditorTest, AScriptThatWorksExitsZeroAfterTheBanner)
{
	const FProcessResult Result = Run("# nothing to ask\ntick 3\nwait-idle 5\nquit\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("Levelwright stand-in of Unreal Engine 4.21")) << Result.Output;
	EXPECT_FALSE(Result.Has("Script: Error")) << Result.Output;
	EXPECT_TRUE(fs::exists(Project.Dir() / "Saved" / "Logs" / "Drovik.log"));
}

TEST_F(FEditorTest, ABadCommandIsReportedAndTheExitCodeIsNotZero)
{
	UseTestModule();
	const FProcessResult Result = Run("tick 2\nfrobnicate the widget\ntick 3\n");
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_EQ(Result.LinesWith("Script: Error:"), std::vector<std::string>{"Script: Error: line 2: unknown command 'frobnicate'"});
	// The script goes on after the error, and the module is still shut down.
	EXPECT_TRUE(Result.Has("EditorTestModule: ShutdownModule after 5 frames")) << Result.Output;
}

TEST_F(FEditorTest, MalformedArgumentsAreErrorsToo)
{
	const FProcessResult Result = Run("tick many\nwait-idle -1\nedit /Game/X.X Title=\"open\n");
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_EQ(Result.LinesWith("Script: Error:").size(), 3u) << Result.Output;
}

TEST_F(FEditorTest, NothingAfterQuitRuns)
{
	UseTestModule();
	const FProcessResult Result = Run("tick 4\nquit\nfrobnicate\ntick 10\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("ShutdownModule after 4 frames")) << Result.Output;
}

TEST_F(FEditorTest, TheModuleStartsInTheBinaryFolderWithTheMachineSet)
{
	UseTestModule();
	const FProcessResult Result = Run("quit\n");
	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	// The engine folder made of links is kept as it is, not resolved to the build's folder.
	EXPECT_TRUE(Result.Has("StartupModule cwd=" + Engine.BinariesDir().string() + " machine=" + Machine.Path().string() + " commandlet=0"))
		<< Result.Output;
	EXPECT_LT(LineIndex(Result, "StartupModule"), LineIndex(Result, "ShutdownModule"));
}

TEST_F(FEditorTest, NoPluginDescriptorLoadsNoModule)
{
	const FProcessResult Result = Run("tick\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_FALSE(Result.Has("EditorTestModule")) << Result.Output;
}

TEST_F(FEditorTest, AModuleThatIsNotThereFailsTheStart)
{
	WriteFile(Project.Dir() / "Plugins" / "Levelwright" / "Levelwright.uplugin", R"({"Modules": [{"Name": "NoSuchModule"}]})");
	const FProcessResult Result = Run("tick\n");
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_TRUE(Result.Has("LogInit: Error:")) << Result.Output;
	EXPECT_TRUE(Result.Has("NoSuchModule")) << Result.Output;
}

TEST_F(FEditorTest, LeadingAnswersAreQueuedBeforeStartUp)
{
	UseTestModule();
	::setenv("EDITOR_TEST_QUESTIONS", "3", 1);
	const FProcessResult Result = Run("# answers first\nanswer no\n\nanswer yes\ntick\nanswer yes\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("Question: Test question 1 -> No")) << Result.Output;
	EXPECT_TRUE(Result.Has("Question: Test question 2 -> Yes")) << Result.Output;
	// An answer after the first other command comes too late for start-up.
	EXPECT_TRUE(Result.Has("Question: Test question 3 -> Cancel")) << Result.Output;
}

TEST_F(FEditorTest, WaitIdleWaitsForBackgroundWork)
{
	UseTestModule();
	::setenv("EDITOR_TEST_BUSY_MS", "300", 1);
	const FProcessResult Result = Run("wait-idle 60\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	// The work's game thread part has run before shut-down.
	EXPECT_LT(LineIndex(Result, "busy work done"), LineIndex(Result, "ShutdownModule"));
	EXPECT_NE(LineIndex(Result, "busy work done"), -1) << Result.Output;
}

TEST_F(FEditorTest, WaitIdleTimesOut)
{
	UseTestModule();
	::setenv("EDITOR_TEST_BUSY_MS", "3000", 1);
	const FProcessResult Result = Run("wait-idle 0.2\ntick\n");
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_EQ(Result.LinesWith("Script: Error:"), std::vector<std::string>{"Script: Error: wait-idle timed out after 0.2 s"});
}

TEST_F(FEditorTest, ScreenshotBoxPicturesTheLastMessageBoxAndFailsWithoutOne)
{
	UseTestModule();
	const FProcessResult None = Run("screenshot-box shots/none.png\ntick\n");
	EXPECT_NE(None.ExitCode, 0);
	EXPECT_EQ(None.LinesWith("Script: Error:"), std::vector<std::string>{"Script: Error: screenshot-box: no message box has been shown"});
	EXPECT_FALSE(fs::exists(Temp.Path() / "shots" / "none.png"));

	::setenv("EDITOR_TEST_BOX", "Publishing sent nothing to Steam.\n\n- The title is empty.", 1);
	const FProcessResult Shown = Run("screenshot-box shots/box.png\n");
	EXPECT_EQ(Shown.ExitCode, 0) << Shown.Output;
	EXPECT_TRUE(Shown.Has("MessageBox [Drovik Workshop] Publishing sent nothing to Steam.")) << Shown.Output;
	Standin::Editor::Cook::FBgraImage Image;
	std::string Error;
	ASSERT_TRUE(Standin::Editor::Cook::DecodePngFile(Temp.Path() / "shots" / "box.png", Image, Error)) << Error;
	// A box the size of its three lines, not a window.
	EXPECT_GT(Image.Width, 200u);
	EXPECT_LT(Image.Width, 400u);
	EXPECT_GT(Image.Height, 150u);
	EXPECT_LT(Image.Height, 250u);
}

TEST_F(FEditorTest, WithoutAScriptFileTheScriptArrivesOnStandardInput)
{
	UseTestModule();
	FChildProcess Editor(EditorProgram(Engine), {Project.File().string(), "-machine=" + Machine.Path().string()}, Temp.Path());
	Editor.Write("tick 2\nfrobnicate\n");
	// The line is run while the script is still open: the editor does not wait for its end.
	ASSERT_TRUE(Editor.WaitForOutput("Script: Error: line 2")) << Editor.OutputSoFar();
	EXPECT_FALSE(Editor.OutputSoFar().find("ShutdownModule") != std::string::npos);
	Editor.Write("tick 1\nquit\n");
	const FProcessResult Result = Editor.Finish();
	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_TRUE(Result.Has("ShutdownModule after 3 frames")) << Result.Output;
}

TEST_F(FEditorTest, RelativePathsAreTakenFromTheStartFolder)
{
	WriteFile(Temp.Path() / "scripts" / "one.txt", "tick\n");
	const FProcessResult Result =
		RunProcess(EditorProgram(Engine), {"Project/Drovik.uproject", "-script=scripts/one.txt", "-machine=machine"}, Temp.Path());
	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("Project: " + Project.File().string())) << Result.Output;
}

TEST_F(FEditorTest, AMissingScriptOrProjectIsAnError)
{
	EXPECT_NE(RunProcess(EditorProgram(Engine), {Project.File().string(), "-script=missing.txt"}, Temp.Path()).ExitCode, 0);
	EXPECT_NE(RunProcess(EditorProgram(Engine), {(Temp.Path() / "Nope.uproject").string()}, Temp.Path()).ExitCode, 0);
	EXPECT_NE(RunProcess(EditorProgram(Engine), {}, Temp.Path()).ExitCode, 0);
}
