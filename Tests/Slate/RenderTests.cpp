#include "SlateTestHelpers.h"

#include "Brushes/SlateDynamicImageBrush.h"
#include "Brushes/SlateNoResource.h"
#include "EditorStyleSet.h"
#include "Input/HittestGrid.h"
#include "Rendering/DrawElements.h"
#include "Styling/WidgetStyle.h"
#include "Types/PaintArgs.h"

#include <filesystem>

using namespace SlateTests;
using Standin::Slate::FImage;
using Standin::Slate::FRgba;

namespace
{
std::filesystem::path OutputDir()
{
	const std::filesystem::path Dir = std::filesystem::path(LEVELWRIGHT_BUILD_DIR) / "Tests" / "SlateOutput";
	std::filesystem::create_directories(Dir);
	return Dir;
}

// Pixels that differ from the given background colour, as a bounding box; false if none.
bool BoundsOfInk(const FImage& Image, FRgba Background, int& Left, int& Top, int& Right, int& Bottom)
{
	Left = Image.Width, Top = Image.Height, Right = -1, Bottom = -1;
	for (int Y = 0; Y < Image.Height; ++Y)
	{
		for (int X = 0; X < Image.Width; ++X)
		{
			if (!(Image.At(X, Y) == Background))
			{
				Left = std::min(Left, X), Top = std::min(Top, Y), Right = std::max(Right, X), Bottom = std::max(Bottom, Y);
			}
		}
	}
	return Right >= 0;
}

// A page like the workshop window's: logo, status, page headers, a panel with text and buttons.
TSharedRef<SWidget> SampleWindow(const FSlateBrush* Logo, const FButtonStyle* HeaderStyle)
{
	auto Header = [&](const char* Label, bool bActive) {
		return SNew(SBox).MinDesiredWidth(200).MinDesiredHeight(40)
			[SNew(SOverlay) +
			 SOverlay::Slot()[SNew(SBorder).BorderImage(FEditorStyle::GetBrush("ToolPanel.GroupBorder")).Visibility(bActive ? EVisibility::Visible : EVisibility::Collapsed)] +
			 SOverlay::Slot()[SNew(SButton).Text(Text(Label)).ButtonStyle(HeaderStyle).HAlign(HAlign_Center).VAlign(VAlign_Center).ForegroundColor(FLinearColor(0.8f, 0.8f, 0.8f, 1)).Cursor(EMouseCursor::Hand)]];
	};
	return SNew(SDockTab).TabRole(ETabRole::MajorTab).ContentPadding(5).Label(Text("Drovik Workshop"))
		[SNew(SBorder).Padding(4)
			 [SNew(SVerticalBox) +
			  SVerticalBox::Slot().AutoHeight()[SNew(SHorizontalBox) +
												SHorizontalBox::Slot().AutoWidth().HAlign(HAlign_Left).VAlign(VAlign_Top)[SNew(SBox).MinDesiredWidth(200).MaxDesiredWidth(200).MinDesiredHeight(80).MaxDesiredHeight(80)[SNew(SImage).Image(Logo)]] +
												SHorizontalBox::Slot().FillWidth(1).Padding(5).HAlign(HAlign_Left)[SNew(STextBlock).Text(Text("1.0.3       D:/SteamLibrary/steamapps/common/DrovikVR - OK"))]] +
			  SVerticalBox::Slot().AutoHeight()[SNew(SHorizontalBox) + SHorizontalBox::Slot().AutoWidth()[Header("Setup", false)] +
												SHorizontalBox::Slot().AutoWidth()[Header("Testing(Steam)", true)] +
												SHorizontalBox::Slot().AutoWidth()[Header("Deployment(Steam)", false)] +
												SHorizontalBox::Slot().AutoWidth()[Header("Server Map", false)]] +
			  SVerticalBox::Slot()[SNew(SBorder).BorderImage(FEditorStyle::GetBrush("ToolPanel.GroupBorder")).Padding(20)
									   [SNew(SVerticalBox) +
										SVerticalBox::Slot().FillHeight(1)[SNew(STextBlock).AutoWrapText(true).Text(Text("Click on \"stage\" to cook and copy the map to your Drovik installation for testing purposes, single player only"))] +
										SVerticalBox::Slot().AutoHeight().Padding(0, 10, 0, 0)[SNew(STextBlock).Text(Text("Change note"))] +
										SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Left)[SNew(SEditableTextBox).MinDesiredWidth(512).Text(Text("Fixed the north bridge"))] +
										SVerticalBox::Slot().AutoHeight().Padding(0, 10, 0, 0)[SNew(SHorizontalBox) +
																							  SHorizontalBox::Slot().AutoWidth()[SNew(SBox).MinDesiredWidth(200).MinDesiredHeight(40)[SNew(SButton).Text(Text("Stage")).HAlign(HAlign_Center).VAlign(VAlign_Center)]] +
																							  SHorizontalBox::Slot().AutoWidth().Padding(10, 0, 0, 0)[SNew(SBox).MinDesiredWidth(200).MinDesiredHeight(40)[SNew(SThrobber)]] +
																							  SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Center).Padding(10, 0, 0, 0)[SNew(SHyperlink).Text(Text("Add/Edit Images & Videos"))]] +
										SVerticalBox::Slot().AutoHeight().Padding(0, 5, 0, 0).HAlign(HAlign_Left)[SNew(SCheckBox).IsChecked(ECheckBoxState::Unchecked)[SNew(STextBlock).Text(Text("Windows")).AutoWrapText(true)]] +
										SVerticalBox::Slot().AutoHeight().Padding(0, 5, 0, 0).HAlign(HAlign_Left)[SNew(SCheckBox).IsChecked(ECheckBoxState::Checked)[SNew(STextBlock).Text(Text("Android")).AutoWrapText(true)]]]]]];
}
} // namespace

TEST(SlateRender, TextPixelsLieInsideTheTextRectangle)
{
	const TSharedRef<STextBlock> Label = SNew(STextBlock).Text(Text("Sync Metadata"));
	FHeadlessWindow Window(SNew(SOverlay) + SOverlay::Slot().Padding(37, 23, 0, 0).HAlign(HAlign_Left).VAlign(VAlign_Top)[Label], FVector2D(300, 120));
	const FGeometry Rect = GeometryOf(Window, Label);
	const FImage Image = Window.Render();

	int Left, Top, Right, Bottom;
	const FRgba Background = Standin::Slate::ToRgba(Standin::Slate::Look::WindowBackground);
	ASSERT_TRUE(BoundsOfInk(Image, Background, Left, Top, Right, Bottom)) << "no text was drawn";
	EXPECT_GE(Left, Rect.AbsolutePosition.X);
	EXPECT_GE(Top, Rect.AbsolutePosition.Y);
	EXPECT_LT(Right, Rect.AbsolutePosition.X + Rect.Size.X);
	EXPECT_LT(Bottom, Rect.AbsolutePosition.Y + Rect.Size.Y);
	// The ink spans most of the measured width: measuring and drawing agree.
	EXPECT_GT(Right - Left, Rect.Size.X * 0.8f);
}

TEST(SlateRender, ImageBrushDrawsItsFileScaledAndAMissingFileDrawsNothing)
{
	const std::filesystem::path Png = OutputDir() / "two-by-two.png";
	FImage Source{2, 2, {255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255}};
	std::string Error;
	ASSERT_TRUE(Standin::Slate::SavePng(Source, Png, &Error)) << Error;

	const FSlateDynamicImageBrush Present(FName(*FString(Png.string().c_str())), FVector2D(40, 20));
	const FSlateDynamicImageBrush Missing(FName(*FString((OutputDir() / "missing.png").string().c_str())), FVector2D(40, 20));
	FHeadlessWindow Window(SNew(SHorizontalBox) + SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Top)[SNew(SImage).Image(&Present)] +
							   SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Top)[SNew(SImage).Image(&Missing)],
						   FVector2D(100, 50));
	const FImage Image = Window.Render();
	const FRgba Background = Standin::Slate::ToRgba(Standin::Slate::Look::WindowBackground);

	EXPECT_EQ(Image.At(0, 0), (FRgba{255, 0, 0, 255}));
	EXPECT_EQ(Image.At(39, 19), (FRgba{255, 0, 0, 255}));
	EXPECT_EQ(Image.At(40, 0), Background);
	EXPECT_EQ(Image.At(60, 10), Background);
	EXPECT_EQ(Image.At(10, 20), Background);
}

TEST(SlateRender, ButtonWithNoResourceStyleDrawsOnlyItsText)
{
	static FButtonStyle Invisible = FButtonStyle().SetNormal(FSlateNoResource()).SetHovered(FSlateNoResource()).SetPressed(FSlateNoResource());
	const TSharedRef<SButton> Plain = SNew(SButton).ButtonStyle(&Invisible).Text(Text("Setup"));
	const TSharedRef<SButton> Editor = SNew(SButton).Text(Text("Setup"));
	FHeadlessWindow Window(SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[SNew(SBox).HeightOverride(40)[Plain]] +
							   SVerticalBox::Slot().AutoHeight()[SNew(SBox).HeightOverride(40)[Editor]],
						   FVector2D(200, 80));
	const FImage Image = Window.Render();
	const FRgba Background = Standin::Slate::ToRgba(Standin::Slate::Look::WindowBackground);
	// Corners of the button area: the plain one leaves the background, the editor one is filled.
	EXPECT_EQ(Image.At(100, 2), Background);
	EXPECT_NE(Image.At(100, 42), Background);
}

TEST(SlateRender, SampleWindowRendersToAReadablePicture)
{
	const std::filesystem::path Logo = std::filesystem::path(LEVELWRIGHT_SOURCE_DIR) / "Plugins/Levelwright/Resources/DrovikLogo.png";
	const FSlateDynamicImageBrush LogoBrush(FName(*FString(Logo.string().c_str())), FVector2D(200, 80));
	static FButtonStyle HeaderStyle = FButtonStyle().SetNormal(FSlateNoResource()).SetHovered(FSlateNoResource()).SetPressed(FSlateNoResource());
	FHeadlessWindow Window(SampleWindow(&LogoBrush, &HeaderStyle), FVector2D(1024, 640));

	const std::filesystem::path Png = OutputDir() / "sample-window.png";
	std::string Error;
	ASSERT_TRUE(Window.Screenshot(Png, Error)) << Error;
	const std::optional<FImage> Read = Standin::Slate::LoadPng(Png, &Error);
	ASSERT_TRUE(Read.has_value()) << Error;
	EXPECT_EQ(Read->Width, 1024);
	EXPECT_EQ(Read->Height, 640);
	EXPECT_EQ(Read->Rgba, Window.Render().Rgba);
}

TEST(SlateRender, WidgetsPaintDrawElementsInLayersAndRecordThemselvesForHitTests)
{
	const FSlateBrush* Panel = FEditorStyle::GetBrush("ToolPanel.GroupBorder");
	const TSharedRef<STextBlock> Label = SNew(STextBlock).Text(Text("Stage"));
	const TSharedRef<SOverlay> Root = SNew(SOverlay) + SOverlay::Slot()[SNew(SBorder).BorderImage(Panel)] +
									  SOverlay::Slot().Padding(10, 5, 0, 0).HAlign(HAlign_Left).VAlign(VAlign_Top)[Label];
	Root->SlatePrepass();
	FHittestGrid Grid;
	FSlateWindowElementList Elements(nullptr);
	const FGeometry Window(FVector2D(0, 0), FVector2D(0, 0), FVector2D(200, 50), 1.0f);
	const FWidgetStyle Style = FWidgetStyle().SetForegroundColor(FLinearColor(0.5f, 0.25f, 1.0f));
	const int32 MaxLayer = Root->Paint(FPaintArgs(*Root, Grid, FVector2D(0, 0), 0, 0), Window, FSlateRect(0, 0, 200, 50), Elements, 0, Style, true);

	const TArray<FSlateDrawElement>& Painted = Elements.GetDrawElements();
	ASSERT_EQ(Painted.Num(), 2);
	EXPECT_EQ(Painted[0].GetElementType(), FSlateDrawElement::ET_Box);
	EXPECT_EQ(Painted[0].GetDataPayload().BrushResource, Panel);
	EXPECT_EQ(Painted[0].GetLocalSize(), FVector2D(200, 50));
	EXPECT_EQ(Painted[1].GetElementType(), FSlateDrawElement::ET_Text);
	EXPECT_EQ(Painted[1].GetDataPayload().ImmutableText, FString("Stage"));
	EXPECT_EQ(Painted[1].GetPosition(), FVector2D(10, 5));
	// The text takes the foreground colour it inherits, and the later slot paints above the earlier.
	EXPECT_TRUE(Painted[1].GetDataPayload().Tint == FLinearColor(0.5f, 0.25f, 1.0f));
	EXPECT_GT(Painted[1].GetLayer(), Painted[0].GetLayer());
	EXPECT_EQ(MaxLayer, static_cast<int32>(Painted[1].GetLayer()));
	EXPECT_EQ(Label->GetCachedGeometry().AbsolutePosition, FVector2D(10, 5));

	// Over the text the path runs from the overlay to the text; beside it, to the border.
	const TArray<FWidgetAndPointer> OverText = Grid.GetBubblePath(FVector2D(12, 8), 0, false);
	ASSERT_EQ(OverText.Num(), 2);
	EXPECT_EQ(OverText[0].GetWidgetPtr(), &*Root);
	EXPECT_EQ(OverText[1].GetWidgetPtr(), &*Label);
	const TArray<FWidgetAndPointer> Beside = Grid.GetBubblePath(FVector2D(150, 40), 0, false);
	ASSERT_EQ(Beside.Num(), 2);
	EXPECT_EQ(Beside[1].Widget->GetTypeAsString(), FString("SBorder"));
}

TEST(SlateRender, DisabledTextIsGreyedOut)
{
	const TSharedRef<STextBlock> Label = SNew(STextBlock).Text(Text("WWWWWWWW")).ColorAndOpacity(FLinearColor(1, 0, 0));
	FHeadlessWindow Window(SNew(SOverlay) + SOverlay::Slot().HAlign(HAlign_Left).VAlign(VAlign_Top)[Label], FVector2D(120, 30));
	auto HasRedInk = [](const FImage& Image) {
		for (int Y = 0; Y < Image.Height; ++Y)
		{
			for (int X = 0; X < Image.Width; ++X)
			{
				const FRgba P = Image.At(X, Y);
				if (P.R > 200 && P.G < 60)
				{
					return true;
				}
			}
		}
		return false;
	};
	EXPECT_TRUE(HasRedInk(Window.Render()));
	Label->SetEnabled(false);
	const FImage Disabled = Window.Render();
	EXPECT_FALSE(HasRedInk(Disabled));
	int Left, Top, Right, Bottom;
	EXPECT_TRUE(BoundsOfInk(Disabled, Standin::Slate::ToRgba(Standin::Slate::Look::WindowBackground), Left, Top, Right, Bottom));
}
