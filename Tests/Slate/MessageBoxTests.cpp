// The picture of a message box (`screenshot-box`): built from what the box recorded when it was shown,
// in a Windows message box's look, from the stand-in's widgets and drawn by its renderer.
#include "SlateTestHelpers.h"

#include "HAL/PlatformMisc.h"
#include "MessageBoxWindow.h"
#include "Misc/MessageDialog.h"
#include "Standin/Dialogs.h"
#include "Standin/SlatePaint.h"
#include "WindowCommands.h"

#include <gmock/gmock.h>

#include <filesystem>

using namespace SlateTests;
using ::testing::HasSubstr;
using ::testing::Not;
using Standin::Editor::RunWindowCommand;
using Standin::Slate::FImage;
using Standin::Slate::FRgba;

namespace
{
const FRgba Frame{0, 120, 215, 255};
const FRgba White{255, 255, 255, 255};
const FRgba ButtonRow{240, 240, 240, 255};
const FRgba ButtonFace{225, 225, 225, 255};
const FRgba QuestionBlue{0, 102, 204, 255};

// The frame is one pixel; the title bar below its top edge is this high.
constexpr int TitleBarBottom = 1 + 30;
// The button row: 11 pixels above and below buttons 26 high, inside the frame's bottom edge.
constexpr int ButtonRowHeight = 11 + 26 + 11;

const char* const RefusalText = "Publishing sent nothing to Steam. Fix the following, then try again:\n\n"
								"- The title is empty.\n"
								"- The change note is longer than 8000 characters.";

int Occurrences(const std::string& Text, const std::string& Part)
{
	int Count = 0;
	for (std::size_t At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + 1))
	{
		++Count;
	}
	return Count;
}

bool IsDark(FRgba Pixel) { return Pixel.R < 128 && Pixel.G < 128 && Pixel.B < 128; }

// Dark (text) pixels in the rectangle [Left, Right) x [Top, Bottom).
int CountDark(const FImage& Image, int Left, int Top, int Right, int Bottom)
{
	int Count = 0;
	for (int Y = Top; Y < Bottom; ++Y)
	{
		for (int X = Left; X < Right; ++X)
		{
			Count += IsDark(Image.At(X, Y)) ? 1 : 0;
		}
	}
	return Count;
}

int CountColour(const FImage& Image, FRgba Colour, int Left, int Top, int Right, int Bottom)
{
	int Count = 0;
	for (int Y = Top; Y < Bottom; ++Y)
	{
		for (int X = Left; X < Right; ++X)
		{
			Count += Image.At(X, Y) == Colour ? 1 : 0;
		}
	}
	return Count;
}

class MessageBoxPicture : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Standin::Dialogs::ClearShown();
		StartFolder = std::filesystem::path(LEVELWRIGHT_BUILD_DIR) / "Tests" / "SlateOutput";
		std::filesystem::create_directories(StartFolder);
	}
	void TearDown() override { Standin::Editor::CloseAllWindows(); }

	// Takes the picture of the last box shown with `screenshot-box` and reads it back.
	FImage Shoot(const std::string& Name)
	{
		std::filesystem::remove(StartFolder / "boxes" / Name);
		const auto Result = RunWindowCommand("screenshot-box", "boxes/" + Name, StartFolder);
		EXPECT_TRUE(Result.bHandled);
		EXPECT_TRUE(Result.bOk) << Result.Error;
		const auto Image = Standin::Slate::LoadPng(StartFolder / "boxes" / Name);
		EXPECT_TRUE(Image.has_value()) << Name << " was not written";
		return Image.value_or(FImage{});
	}

	FImage ShootOkBox(const char* Text, const std::string& Name)
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *FString(Text), TEXT("Drovik Workshop"));
		return Shoot(Name);
	}

	std::string Describe(const Standin::Dialogs::FShownDialog& Dialog)
	{
		const TSharedRef<SWidget> Box = Standin::Editor::MakeMessageBoxWidget(Dialog);
		return FHeadlessWindow(Box, Standin::Editor::GetMessageBoxSize(Box)).Describe();
	}

	std::filesystem::path StartFolder;
};
} // namespace

TEST_F(MessageBoxPicture, AnOkBoxIsTheCaptionTheTextAndOneOkButtonOfStandinWidgets)
{
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("Successfully built!"), TEXT("Drovik Build"));
	const std::string Shown = Describe(Standin::Dialogs::GetShown().back());
	EXPECT_THAT(Shown, HasSubstr("STextBlock \"Drovik Build\""));
	EXPECT_THAT(Shown, HasSubstr("STextBlock \"Successfully built!\""));
	EXPECT_THAT(Shown, HasSubstr("SButton \"OK\""));
	EXPECT_THAT(Shown, Not(HasSubstr("\"Yes\"")));
	// The close glyph; an Ok box asks nothing, so it has no question icon.
	EXPECT_EQ(Occurrences(Shown, "SImage ("), 1) << Shown;
}

TEST_F(MessageBoxPicture, TheRefusalBoxHasItsFrameTitleBarTextAndDefaultOkButtonWhereWindowsDrawsThem)
{
	const FImage Image = ShootOkBox(RefusalText, "refusal.png");
	ASSERT_GT(Image.Width, 0);
	// As wide as its longest line, which is shorter than the wrapping width; as high as a title bar,
	// four lines of text with their margins and the button row.
	EXPECT_GE(Image.Width, 300);
	EXPECT_LE(Image.Width, 2 + 12 + static_cast<int>(Standin::Editor::MessageBoxTextWidth) + 24);
	EXPECT_GE(Image.Height, TitleBarBottom + 24 + 4 * 12 + 24 + ButtonRowHeight + 1);
	EXPECT_LE(Image.Height, 260);

	// The one-pixel frame all round.
	for (const auto& [X, Y] : {std::pair{0, Image.Height / 2}, {Image.Width - 1, Image.Height / 2}, {Image.Width / 2, 0}, {Image.Width / 2, Image.Height - 1}})
	{
		EXPECT_EQ(Image.At(X, Y), Frame) << X << "," << Y;
	}

	// The title bar: white, the caption from 8 pixels in, the close glyph in the last 46 pixels.
	EXPECT_EQ(Image.At(3, 3), White);
	EXPECT_EQ(CountDark(Image, 1, 1, 9, TitleBarBottom), 0);
	EXPECT_GT(CountDark(Image, 9, 1, 9 + 110, TitleBarBottom), 60);
	EXPECT_TRUE(IsDark(Image.At(Image.Width - 1 - 23, 1 + 15)));
	EXPECT_EQ(CountDark(Image, 9 + 110, 1, Image.Width - 1 - 46, TitleBarBottom), 0);

	// The client area: white, with the text 12 pixels in from the left.
	const int RowTop = Image.Height - 1 - ButtonRowHeight;
	EXPECT_EQ(Image.At(3, TitleBarBottom + 3), White);
	EXPECT_EQ(CountDark(Image, 1, TitleBarBottom, 13, RowTop), 0);
	EXPECT_GT(CountDark(Image, 13, TitleBarBottom, Image.Width - 1, RowTop), 400);

	// The button row, and OK at its right: 12 pixels from the frame, a blue border (the default
	// button), the face, and the label inside.
	EXPECT_EQ(Image.At(3, RowTop + 3), ButtonRow);
	const int ButtonRight = Image.Width - 1 - 12;
	const int ButtonBottom = Image.Height - 1 - 11;
	EXPECT_EQ(Image.At(ButtonRight, ButtonBottom - 13), ButtonRow);
	EXPECT_EQ(Image.At(ButtonRight - 1, ButtonBottom - 13), Frame);
	EXPECT_EQ(Image.At(ButtonRight - 3, ButtonBottom - 3), ButtonFace);
	EXPECT_EQ(Image.At(ButtonRight - 88, ButtonBottom - 13), Frame);
	EXPECT_EQ(Image.At(ButtonRight - 89, ButtonBottom - 13), ButtonRow);
	EXPECT_GT(CountDark(Image, ButtonRight - 87, ButtonBottom - 25, ButtonRight - 1, ButtonBottom - 1), 20);
	// One button only: no other border in the row.
	EXPECT_EQ(CountColour(Image, Frame, 1, RowTop, ButtonRight - 89, Image.Height - 1), 0);
}

TEST_F(MessageBoxPicture, MoreLinesMakeATallerBoxAndTheTextsOwnLineBreaksAreKept)
{
	const FImage One = ShootOkBox("- The title is empty.", "one-line.png");
	const FImage Three = ShootOkBox("- The title is empty.\n- The description is empty.\n- The title is empty.", "three-lines.png");
	const FImage WithBlank = ShootOkBox("- The title is empty.\n\n- The title is empty.", "blank-line.png");
	const int Line = static_cast<int>(Standin::Slate::LineHeight(Standin::Slate::DefaultFontSize));
	EXPECT_NEAR(Three.Height - One.Height, 2 * Line, 1);
	// An empty line takes its place too.
	EXPECT_NEAR(WithBlank.Height - One.Height, 2 * Line, 1);
	// The lines are drawn one below the other: text in the rows of the third line.
	const int TextTop = TitleBarBottom + 24;
	EXPECT_GT(CountDark(Three, 13, TextTop + 2 * Line, Three.Width - 1, TextTop + 3 * Line), 20);
	EXPECT_EQ(CountDark(WithBlank, 13, TextTop + Line, WithBlank.Width - 1, TextTop + 2 * Line), 0);
}

TEST_F(MessageBoxPicture, ALongLineWrapsAtTheBoxesTextWidth)
{
	const FImage Short = ShootOkBox("You need to create a definition before you can deploy!", "short.png");
	std::string Long;
	for (int Sentence = 0; Sentence < 8; ++Sentence)
	{
		Long += "You need to create a definition before you can deploy! ";
	}
	const FImage Wrapped = ShootOkBox(Long.c_str(), "wrapped.png");
	EXPECT_GT(Wrapped.Width, Short.Width);
	EXPECT_LE(Wrapped.Width, 2 + 12 + static_cast<int>(Standin::Editor::MessageBoxTextWidth) + 24);
	EXPECT_GE(Wrapped.Height - Short.Height, 3 * static_cast<int>(Standin::Slate::LineHeight(Standin::Slate::DefaultFontSize)));
}

TEST_F(MessageBoxPicture, AQuestionHasTheQuestionIconYesAndNoAndAGreyedCloseButton)
{
	FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(TEXT("Are you making a Drovik:Quarn mod?")));
	const std::string Shown = Describe(Standin::Dialogs::GetShown().back());
	EXPECT_THAT(Shown, HasSubstr("STextBlock \"Message\""));
	EXPECT_THAT(Shown, HasSubstr("SButton \"Yes\""));
	EXPECT_THAT(Shown, HasSubstr("SButton \"No\""));
	EXPECT_THAT(Shown, Not(HasSubstr("\"OK\"")));
	EXPECT_EQ(Occurrences(Shown, "SImage ("), 2) << Shown;

	const FImage Image = Shoot("question.png");
	const int ClientTop = TitleBarBottom + 24;
	EXPECT_GT(CountColour(Image, QuestionBlue, 13, ClientTop, 13 + 32, ClientTop + 32), 500);
	// The text follows the icon.
	EXPECT_EQ(CountDark(Image, 13 + 32, ClientTop, 13 + 32 + 12, ClientTop + 32), 0);
	EXPECT_GT(CountDark(Image, 13 + 32 + 12, ClientTop, Image.Width - 1, ClientTop + 32), 100);
	// No close: the glyph is grey, not black.
	const FRgba Close = Image.At(Image.Width - 1 - 23, 1 + 15);
	EXPECT_FALSE(IsDark(Close));
	EXPECT_NE(Close, White);
	// Two buttons, Yes the default (blue), No in grey.
	const int RowTop = Image.Height - 1 - ButtonRowHeight;
	const int NoRight = Image.Width - 1 - 12 - 1;
	EXPECT_EQ(Image.At(NoRight, RowTop + 24), (FRgba{173, 173, 173, 255}));
	EXPECT_EQ(Image.At(NoRight - 88 - 10, RowTop + 24), Frame);
}

TEST_F(MessageBoxPicture, ThePictureIsOfTheLastBoxShown)
{
	FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(TEXT("Are you making a Drovik:Quarn mod?")));
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("Successfully built!"), TEXT("Drovik Build"));
	const FImage Image = Shoot("last.png");
	EXPECT_EQ(CountColour(Image, QuestionBlue, 0, 0, Image.Width, Image.Height), 0);
	EXPECT_TRUE(IsDark(Image.At(Image.Width - 1 - 23, 1 + 15)));
}

TEST_F(MessageBoxPicture, WithoutAShownBoxOrAFileNameTheCommandFails)
{
	std::filesystem::remove(StartFolder / "boxes" / "none.png");
	const auto None = RunWindowCommand("screenshot-box", "boxes/none.png", StartFolder);
	EXPECT_TRUE(None.bHandled);
	EXPECT_FALSE(None.bOk);
	EXPECT_EQ(None.Error, "screenshot-box: no message box has been shown");
	EXPECT_FALSE(std::filesystem::exists(StartFolder / "boxes" / "none.png"));

	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("Successfully built!"), TEXT("Drovik Build"));
	const auto NoName = RunWindowCommand("screenshot-box", "", StartFolder);
	EXPECT_FALSE(NoName.bOk);
	EXPECT_EQ(NoName.Error, "screenshot-box: a file name is needed");
}

TEST(MessageBoxButtons, AreWindowsLabelsForEachBoxType)
{
	using Standin::Editor::GetMessageBoxButtons;
	EXPECT_EQ(GetMessageBoxButtons(EAppMsgType::Ok), (std::vector<FString>{TEXT("OK")}));
	EXPECT_EQ(GetMessageBoxButtons(EAppMsgType::YesNo), (std::vector<FString>{TEXT("Yes"), TEXT("No")}));
	EXPECT_EQ(GetMessageBoxButtons(EAppMsgType::OkCancel), (std::vector<FString>{TEXT("OK"), TEXT("Cancel")}));
	EXPECT_EQ(GetMessageBoxButtons(EAppMsgType::YesNoCancel), (std::vector<FString>{TEXT("Yes"), TEXT("No"), TEXT("Cancel")}));
	EXPECT_EQ(GetMessageBoxButtons(EAppMsgType::CancelRetryContinue), (std::vector<FString>{TEXT("Cancel"), TEXT("Try Again"), TEXT("Continue")}));
}
