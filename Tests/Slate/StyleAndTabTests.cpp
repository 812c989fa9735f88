#include "SlateTestHelpers.h"

#include "EditorStyleSet.h"
#include "Interfaces/IPluginManager.h"
#include "Slate/SlateGameResources.h"
#include "Standin/Engine.h"
#include "Standin/SlateTabs.h"
#include "TestFiles.h"
#include "WorkspaceMenuStructureModule.h"

#include <gmock/gmock.h>

#include <filesystem>

using namespace SlateTests;
using ::testing::HasSubstr;

TEST(SlateStyles, EditorBrushesAreKnownAndUnknownNamesWarnOnce)
{
	const FSlateBrush* Panel = FEditorStyle::GetBrush("ToolPanel.GroupBorder");
	ASSERT_NE(Panel, nullptr);
	EXPECT_EQ(Panel->DrawAs, ESlateBrushDrawType::Box);
	EXPECT_NE(Panel, FEditorStyle::GetDefaultBrush());
	EXPECT_EQ(FEditorStyle::GetBrush("Log.TabIcon")->ImageSize, FVector2D(16, 16));

	::testing::internal::CaptureStdout();
	EXPECT_EQ(FEditorStyle::GetBrush("No.Such.Brush"), FEditorStyle::GetDefaultBrush());
	EXPECT_EQ(FEditorStyle::GetBrush("No.Such.Brush"), FEditorStyle::GetDefaultBrush());
	const std::string Output = ::testing::internal::GetCapturedStdout();
	EXPECT_THAT(Output, HasSubstr("Warning: Unable to find Brush 'No.Such.Brush'."));
	EXPECT_EQ(Output.find("No.Such.Brush"), Output.rfind("No.Such.Brush"));

	const FSlateIcon Icon(FEditorStyle::GetStyleSetName(), "Log.TabIcon");
	EXPECT_EQ(Icon.GetIcon(), FEditorStyle::GetBrush("Log.TabIcon"));
}

TEST(SlateStyles, GameResourcesRegisterAndUnregisterByName)
{
	TSharedPtr<FSlateStyleSet> Resources = FSlateGameResources::New(FName("LevelwrightUIResources"), "/Levelwright/UI", "/Levelwright/UI");
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(FName("LevelwrightUIResources")), nullptr);
	FSlateStyleRegistry::RegisterSlateStyle(*Resources);
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(FName("LevelwrightUIResources")), Resources.Get());
	FSlateStyleRegistry::UnRegisterSlateStyle(*Resources);
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(FName("LevelwrightUIResources")), nullptr);
	EXPECT_TRUE(Resources.IsUnique());
}

namespace
{
int Spawns = 0;

TSharedRef<SDockTab> SpawnSample(const FSpawnTabArgs& Args)
{
	++Spawns;
	EXPECT_EQ(Args.GetTabId().TabType, FName("SampleTab"));
	return SNew(SDockTab).TabRole(ETabRole::MajorTab).Label(Text("Sample"))[SNew(STextBlock).Text(Text("inside"))];
}
} // namespace

TEST(SlateTabs, NomadSpawnerIsFiledInTheMenuAndSpawnsOneTabWhileOpen)
{
	const IWorkspaceMenuStructure& Menu = WorkspaceMenu::GetMenuStructure();
	FGlobalTabmanager::Get()
		->RegisterNomadTabSpawner(FName("SampleTab"), FOnSpawnTab::CreateStatic(&SpawnSample))
		.SetDisplayName(Text("Sample Tab"))
		.SetGroup(Menu.GetToolsStructureRoot())
		.SetIcon(FSlateIcon(FEditorStyle::GetStyleSetName(), "Log.TabIcon"));

	ASSERT_EQ(Menu.GetToolsStructureRoot()->GetChildItems().Num(), 1);
	EXPECT_EQ(Menu.GetToolsStructureRoot()->GetChildItems()[0]->GetDisplayName().ToString(), FString("Sample Tab"));

	const TSharedPtr<SDockTab> First = FGlobalTabmanager::Get()->TryInvokeTab(FTabId(FName("SampleTab")));
	ASSERT_TRUE(First.IsValid());
	EXPECT_EQ(FGlobalTabmanager::Get()->TryInvokeTab(FName("SampleTab")).Get(), First.Get());
	EXPECT_EQ(Spawns, 1);

	First->RequestCloseTab();
	const TSharedPtr<SDockTab> Second = FGlobalTabmanager::Get()->TryInvokeTab(FName("SampleTab"));
	EXPECT_NE(Second.Get(), First.Get());
	EXPECT_EQ(Spawns, 2);

	EXPECT_TRUE(FGlobalTabmanager::Get()->UnregisterNomadTabSpawner(FName("SampleTab")));
	EXPECT_TRUE(Menu.GetToolsStructureRoot()->GetChildItems().IsEmpty());
	Standin::Slate::CloseAllTabs();
	EXPECT_FALSE(FGlobalTabmanager::Get()->TryInvokeTab(FName("SampleTab")).IsValid());
}

TEST(SlateTabs, DockTabShowsItsLabelAboveItsPaddedContent)
{
	const TSharedRef<STextBlock> Inside = SNew(STextBlock).Text(Text("inside"));
	FHeadlessWindow Window(SNew(SDockTab).ContentPadding(5).Label(Text("Drovik Workshop"))[Inside], FVector2D(1024, 640));
	using Standin::Slate::Look::TabStripHeight;
	EXPECT_RECT(GeometryOf(Window, Inside), 5, TabStripHeight + 5, 1014, 640 - TabStripHeight - 10);
	EXPECT_THAT(Window.Describe(), HasSubstr("SDockTab \"Drovik Workshop\" (0,0 1024x640)"));
}

TEST(SlatePlugins, FindPluginReadsTheProjectDescriptor)
{
	const LevelwrightTest::FTempDir Temp;
	const std::filesystem::path& Root = Temp.Path();
	std::filesystem::create_directories(Root / "Engine/Binaries/Win64");
	LevelwrightTest::WriteFile(Root / "Project/Project.uproject", "{}");
	LevelwrightTest::WriteFile(Root / "Project/Plugins/Levelwright/Levelwright.uplugin",
							   "\xEF\xBB\xBF{ \"FileVersion\": 3, \"Version\": 4, \"VersionName\": \"1.0.3\", \"FriendlyName\": \"Levelwright\" }");
	LevelwrightTest::WriteFile(Root / "Project/Plugins/Group/Other/Other.uplugin", "{ \"VersionName\": \"2.0\" }");
	Standin::Engine::FSettings Settings;
	Settings.BinariesDir = Root / "Engine/Binaries/Win64";
	Settings.ProjectFile = Root / "Project/Project.uproject";
	Standin::Engine::Initialize(Settings);
	// Engine paths are relative to the editor's binary folder, its working folder.
	std::filesystem::current_path(Settings.BinariesDir);

	const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(TEXT("Levelwright"));
	ASSERT_TRUE(Plugin.IsValid());
	EXPECT_EQ(Plugin->GetDescriptor().VersionName, FString("1.0.3"));
	EXPECT_EQ(Plugin->GetDescriptor().Version, 4);
	ASSERT_TRUE(IPluginManager::Get().FindPlugin(TEXT("Other")).IsValid());
	EXPECT_EQ(IPluginManager::Get().FindPlugin(TEXT("Other"))->GetDescriptor().VersionName, FString("2.0"));
	EXPECT_FALSE(IPluginManager::Get().FindPlugin(TEXT("Missing")).IsValid());
}
