// The page headers, the plugin's style set, the logo brush and the nomad tab that hosts the window.
#include <gmock/gmock.h>

#include "Framework/Docking/TabManager.h"
#include "Levelwright/LevelwrightStyle.h"
#include "Standin/Machine.h"
#include "Standin/SlatePaint.h"
#include "Standin/SlateTabs.h"
#include "Standin/SlateWindow.h"
#include "Standin/StringUtf8.h"
#include "Styling/SlateStyleRegistry.h"
#include "UI/WorkshopTab.h"
#include "WindowTest.h"
#include "Widgets/Images/SImage.h"

using namespace LevelwrightTest;
using ::testing::HasSubstr;

namespace
{
const FName StyleSetName(TEXT("LevelwrightUIResources"));
const FName WorkshopTabId(TEXT("DrovikWorkshopTab"));

// The brush an image draws (the engine keeps it protected; a subclass may name the member).
class FImageBrushAccess : public SImage
{
public:
	static const FSlateBrush* BrushOf(const SImage& Image)
	{
		constexpr TAttribute<const FSlateBrush*> SImage::*Member = &FImageBrushAccess::Image;
		return (Image.*Member).Get();
	}
};

const FSlateBrush* LogoBrushOf(const TSharedRef<SDrovikWorkshopWindow>& Window)
{
	for (const Standin::Slate::FVisibleWidget& Shown : Standin::Slate::FHeadlessWindow(Window, FVector2D(1024, 640)).Layout())
	{
		if (Shown.Widget->GetTypeAsString() == TEXT("SImage"))
		{
			return FImageBrushAccess::BrushOf(static_cast<const SImage&>(*Shown.Widget));
		}
	}
	return nullptr;
}

std::vector<TSharedRef<SWorkshopTab>> MakeHeaders()
{
	std::vector<TSharedRef<SWorkshopTab>> Headers;
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Headers.push_back(SNew(SWorkshopTab).Index(Index).Text(FText::FromString(TEXT("Page"))));
	}
	return Headers;
}

std::vector<int32> HeadersShowingTheirPanel(const std::vector<TSharedRef<SWorkshopTab>>& Headers)
{
	std::vector<int32> Shown;
	for (size_t Index = 0; Index < Headers.size(); ++Index)
	{
		if (Headers[Index]->GetActiveVisibility() == EVisibility::Visible)
		{
			Shown.push_back(static_cast<int32>(Index));
		}
		else
		{
			EXPECT_TRUE(Headers[Index]->GetActiveVisibility() == EVisibility::Collapsed);
		}
	}
	return Shown;
}
} // namespace

TEST_F(FWindowTest, AHeaderSelectsItsPageAndOnlyTheSelectedHeaderShowsItsPanel)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	const std::vector<TSharedRef<SWorkshopTab>> Headers = MakeHeaders();
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	EXPECT_EQ(HeadersShowingTheirPanel(Headers), std::vector<int32>{0});

	EXPECT_TRUE(Headers[2]->Clicked().IsEventHandled());
	EXPECT_EQ(Module.SelectedTab, 2);
	EXPECT_EQ(Window->GetTabIndex(), 2);
	EXPECT_EQ(HeadersShowingTheirPanel(Headers), std::vector<int32>{2});

	// Clicking the selected header again changes nothing and is still handled.
	EXPECT_TRUE(Headers[2]->Clicked().IsEventHandled());
	EXPECT_EQ(HeadersShowingTheirPanel(Headers), std::vector<int32>{2});

	// Headers built later (a reopened tab) read the same selection.
	EXPECT_EQ(HeadersShowingTheirPanel(MakeHeaders()), std::vector<int32>{2});
	EXPECT_TRUE(Headers[0]->Clicked().IsEventHandled());
	EXPECT_EQ(Module.SelectedTab, 0);
}

TEST_F(FWindowTest, TheWindowsHeadersSwitchItsPages)
{
	StartWorkshopMode();
	Standin::Slate::FHeadlessWindow Shown(MakeWindow(), FVector2D(1024, 640));
	std::string Error;
	const std::pair<const char*, const char*> Pages[] = {{"Testing(Steam)", "SButton \"Stage\""},
														  {"Deployment(Steam)", "SButton \"Submit\""},
														  {"Server Map", "SCheckBox \"Android\""},
														  {"Setup", "SButton \"Create New\""}};
	for (const auto& [Header, Content] : Pages)
	{
		ASSERT_TRUE(Shown.Click(Header, Error)) << Error;
		EXPECT_THAT(Shown.Describe(), HasSubstr(Content)) << Header;
	}
}

TEST_F(FWindowTest, TheStyleSetIsRegisteredOnceFromStartUpToShutDown)
{
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), nullptr);
	FLevelwrightModule& Module = StartModule();
	const ISlateStyle* Registered = FSlateStyleRegistry::FindSlateStyle(StyleSetName);
	ASSERT_NE(Registered, nullptr);
	EXPECT_EQ(Registered, Module.Resources.Get());

	FLevelwrightStyle::Initialize(Module.Resources);
	EXPECT_EQ(Module.Resources.Get(), Registered);
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), Registered);

	ShutdownModule();
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), nullptr);
	EXPECT_EQ(CountLines("Ensure condition failed"), 0);
}

TEST_F(FWindowTest, AnotherHolderOfTheStyleSetAtShutDownIsReportedAndTheSetStillGoes)
{
	const TSharedPtr<ISlateStyle> Holder = StartModule().Resources;
	ShutdownModule();
	EXPECT_EQ(EnsureReports("Resources.IsUnique()"), 1);
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(StyleSetName), nullptr);
	ASSERT_TRUE(Holder.IsValid());
	EXPECT_TRUE(Holder->GetStyleSetName() == StyleSetName);
}

TEST_F(FWindowTest, EachWindowDrawsTheLogoFromThePluginFolderAt200By80)
{
	StartWorkshopMode();
	const TSharedRef<SDrovikWorkshopWindow> First = MakeWindow();
	const TSharedRef<SDrovikWorkshopWindow> Second = MakeWindow();
	const FSlateBrush* Brush = LogoBrushOf(First);
	ASSERT_NE(Brush, nullptr);
	EXPECT_NE(LogoBrushOf(Second), Brush) << "windows share a logo brush";

	const FString LogoPath = Brush->GetResourceName().ToString();
	EXPECT_EQ(LogoPath, FLevelwrightStyle::GetLogoPath());
	// The engine gives the project folder relative to the binaries, the working folder.
	EXPECT_EQ(std::filesystem::absolute(Standin::ToHostPath(LogoPath)).lexically_normal(), Project.Dir() / "Plugins" / "Levelwright" / "Resources" / "DrovikLogo.png");
	EXPECT_NE(Standin::Slate::FindBrushImage(Brush->GetResourceName()), nullptr) << "the logo file cannot be read";
	EXPECT_EQ(Brush->GetImageSize(), FVector2D(200, 80));
	EXPECT_EQ(Brush->GetDrawType(), ESlateBrushDrawType::Image);
	EXPECT_EQ(Brush->Tiling, ESlateBrushTileType::NoTile);
	EXPECT_EQ(Brush->ImageType, ESlateBrushImageType::FullColor);
	EXPECT_TRUE(Brush->GetTint(FWidgetStyle().SetForegroundColor(FLinearColor(0.2f, 0.2f, 0.2f, 0.5f))) == FLinearColor(1, 1, 1, 1));
}

TEST_F(FWindowTest, TheTabOpensAWindowUntilShutDown)
{
	StartWorkshopMode();
	const TSharedPtr<FTabSpawnerEntry> Spawner = Standin::Slate::FindNomadTabSpawner(WorkshopTabId);
	ASSERT_TRUE(Spawner.IsValid());
	EXPECT_EQ(ToUtf8(Spawner->GetDisplayName()), "Drovik Workshop");
	EXPECT_NE(Spawner->GetMenuType(), ETabSpawnerMenuType::Hidden);

	for (int Opening = 0; Opening < 2; ++Opening)
	{
		const TSharedPtr<SDockTab> Tab = FGlobalTabmanager::Get()->TryInvokeTab(FTabId(WorkshopTabId));
		ASSERT_TRUE(Tab.IsValid());
		EXPECT_EQ(ToUtf8(Tab->GetTabLabel()), "Drovik Workshop");
		EXPECT_EQ(Tab->GetTabRole(), ETabRole::MajorTab);
		EXPECT_THAT(Describe(Tab.ToSharedRef()), HasSubstr("SDrovikWorkshopWindow"));
		Standin::Slate::CloseAllTabs();
	}

	ShutdownModule();
	EXPECT_FALSE(FGlobalTabmanager::Get()->HasTabSpawner(WorkshopTabId));
}
