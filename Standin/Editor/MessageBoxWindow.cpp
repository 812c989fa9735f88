#include "MessageBoxWindow.h"

#include "Brushes/SlateColorBrush.h"
#include "Brushes/SlateImageBrush.h"
#include "Standin/SlatePaint.h"
#include "Standin/SlateWindow.h"
#include "Standin/StringUtf8.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <algorithm>
#include <cmath>

namespace Standin::Editor
{
namespace
{
using namespace Standin::Slate;

// Windows 10's message box at 100 % scale, in pixels.
constexpr float TitleBarHeight = 30.0f;
constexpr float CaptionIndent = 8.0f;
constexpr float CloseButtonWidth = 46.0f;
constexpr float CloseGlyphSize = 10.0f;
constexpr float QuestionIconSize = 32.0f;
const FMargin ClientPadding(12.0f, 24.0f, 24.0f, 24.0f);
const FMargin ButtonRowPadding(12.0f, 11.0f);
constexpr float ButtonWidth = 88.0f;
constexpr float ButtonHeight = 26.0f;
constexpr float ButtonGap = 10.0f;

const FName CloseGlyphName(TEXT("Standin/MessageBox/Close"));
const FName QuestionIconName(TEXT("Standin/MessageBox/Question"));

// The title bar's close glyph: two one-pixel strokes from corner to corner, greyed while the box
// cannot be closed.
void PaintCloseGlyph(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool bDisabled)
{
	const FRgba Colour = bDisabled ? FRgba{160, 160, 160, 255} : ToRgba(Tint);
	for (int Y = static_cast<int>(std::floor(Rect.Top)); Y < static_cast<int>(std::ceil(Rect.Bottom)); ++Y)
	{
		for (int X = static_cast<int>(std::floor(Rect.Left)); X < static_cast<int>(std::ceil(Rect.Right)); ++X)
		{
			const float U = X + 0.5f - Rect.Left;
			const float V = Y + 0.5f - Rect.Top;
			const float Distance = std::min(std::abs(U - V), std::abs(U + V - Rect.Width())) / std::sqrt(2.0f);
			Canvas.BlendPixel(X, Y, Colour, std::clamp(1.0f - Distance, 0.0f, 1.0f));
		}
	}
}

// Windows' question icon: a white question mark on a blue disc.
void PaintQuestionIcon(FCanvas& Canvas, const FRect& Rect, const FLinearColor&, bool)
{
	const float CenterX = (Rect.Left + Rect.Right) / 2;
	const float CenterY = (Rect.Top + Rect.Bottom) / 2;
	Canvas.FillCircle(CenterX, CenterY, std::min(Rect.Width(), Rect.Height()) / 2, FRgba{0, 102, 204, 255});
	constexpr float MarkSize = 16.0f;
	const FTextMetrics Mark = MeasureLine(u"?", MarkSize, EFontWeight::Bold);
	DrawLine(Canvas, u"?", CenterX - Mark.Width / 2, CenterY - Mark.Height / 2, MarkSize, FRgba{255, 255, 255, 255}, EFontWeight::Bold);
}

FButtonStyle ButtonWithBorder(const FLinearColor& Border)
{
	const FSlateColorBrush Brush(Border);
	return FButtonStyle().SetNormal(Brush).SetHovered(Brush).SetPressed(Brush).SetDisabled(Brush).SetNormalPadding(FMargin(0)).SetPressedPadding(FMargin(0));
}

// The brushes and styles of the box, made once; the widgets keep pointers to them.
struct FMessageBoxLook
{
	FSlateColorBrush Frame{FromSrgb(0, 120, 215)};
	FSlateColorBrush Client{FromSrgb(255, 255, 255)};
	FSlateColorBrush ButtonRow{FromSrgb(240, 240, 240)};
	FSlateColorBrush ButtonFace{FromSrgb(225, 225, 225)};
	FButtonStyle DefaultButton = ButtonWithBorder(FromSrgb(0, 120, 215));
	FButtonStyle Button = ButtonWithBorder(FromSrgb(173, 173, 173));
	FSlateImageBrush CloseGlyph{CloseGlyphName, FVector2D(CloseGlyphSize, CloseGlyphSize)};
	FSlateImageBrush QuestionIcon{QuestionIconName, FVector2D(QuestionIconSize, QuestionIconSize)};
	FSlateFontInfo Font = FCoreStyle::GetDefaultFontStyle(FName(TEXT("Regular")), DefaultFontSize);

	FMessageBoxLook()
	{
		RegisterBrushPainter(CloseGlyphName, &PaintCloseGlyph);
		RegisterBrushPainter(QuestionIconName, &PaintQuestionIcon);
	}
};

const FMessageBoxLook& GetLook()
{
	static const FMessageBoxLook Look;
	return Look;
}

// Windows' own message boxes ask with the question icon; the engine's dialogs with "to All" buttons
// are its own, without one.
bool HasQuestionIcon(EAppMsgType::Type Type)
{
	return Type == EAppMsgType::YesNo || Type == EAppMsgType::OkCancel || Type == EAppMsgType::YesNoCancel || Type == EAppMsgType::CancelRetryContinue;
}

// Windows greys the close button of a box that has no answer for it: a Yes/No question.
bool CanClose(EAppMsgType::Type Type) { return Type != EAppMsgType::YesNo; }

TSharedRef<STextBlock> BlackText(const std::string& Utf8, float WrapAt = 0.0f)
{
	return SNew(STextBlock).Text(FText::FromString(Standin::FromUtf8(Utf8))).Font(GetLook().Font).ColorAndOpacity(FSlateColor(FLinearColor::Black)).WrapTextAt(WrapAt);
}

TSharedRef<SWidget> MakeTitleBar(const Standin::Dialogs::FShownDialog& Dialog)
{
	return SNew(SBorder).BorderImage(&GetLook().Client).Padding(0)
		[SNew(SHorizontalBox) + SHorizontalBox::Slot().FillWidth(1).VAlign(VAlign_Center).Padding(CaptionIndent, 0)[BlackText(Dialog.Caption)] +
		 SHorizontalBox::Slot().AutoWidth()[SNew(SBox).WidthOverride(CloseButtonWidth).HeightOverride(TitleBarHeight).HAlign(HAlign_Center).VAlign(VAlign_Center)
												[SNew(SImage).Image(&GetLook().CloseGlyph).ColorAndOpacity(FSlateColor(FLinearColor::Black)).IsEnabled(CanClose(Dialog.Type))]]];
}

TSharedRef<SWidget> MakeClientArea(const Standin::Dialogs::FShownDialog& Dialog)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox);
	if (HasQuestionIcon(Dialog.Type))
	{
		Row->AddSlot().AutoWidth().VAlign(VAlign_Top).Padding(0, 0, ClientPadding.Left, 0)[SNew(SImage).Image(&GetLook().QuestionIcon)];
	}
	Row->AddSlot().AutoWidth().VAlign(VAlign_Center)[BlackText(Dialog.Text, MessageBoxTextWidth)];
	return SNew(SBorder).BorderImage(&GetLook().Client).Padding(ClientPadding)[Row];
}

TSharedRef<SWidget> MakeButton(const FString& Label, bool bDefault)
{
	return SNew(SBox).MinDesiredWidth(ButtonWidth).HeightOverride(ButtonHeight)
		[SNew(SButton).ButtonStyle(bDefault ? &GetLook().DefaultButton : &GetLook().Button).ContentPadding(FMargin(1))
			 [SNew(SBorder).BorderImage(&GetLook().ButtonFace).Padding(FMargin(8, 0)).HAlign(HAlign_Center).VAlign(VAlign_Center)[BlackText(Standin::ToUtf8(Label))]]];
}

TSharedRef<SWidget> MakeButtonRow(EAppMsgType::Type Type)
{
	const TSharedRef<SHorizontalBox> Buttons = SNew(SHorizontalBox);
	const std::vector<FString> Labels = GetMessageBoxButtons(Type);
	for (std::size_t Index = 0; Index < Labels.size(); ++Index)
	{
		Buttons->AddSlot().AutoWidth().Padding(Index == 0 ? 0.0f : ButtonGap, 0, 0, 0)[MakeButton(Labels[Index], Index == 0)];
	}
	return SNew(SBorder).BorderImage(&GetLook().ButtonRow).Padding(ButtonRowPadding).HAlign(HAlign_Right)[Buttons];
}
} // namespace

std::vector<FString> GetMessageBoxButtons(EAppMsgType::Type Type)
{
	switch (Type)
	{
	case EAppMsgType::YesNo:
		return {TEXT("Yes"), TEXT("No")};
	case EAppMsgType::OkCancel:
		return {TEXT("OK"), TEXT("Cancel")};
	case EAppMsgType::YesNoCancel:
		return {TEXT("Yes"), TEXT("No"), TEXT("Cancel")};
	case EAppMsgType::CancelRetryContinue:
		return {TEXT("Cancel"), TEXT("Try Again"), TEXT("Continue")};
	case EAppMsgType::YesNoYesAllNoAll:
		return {TEXT("Yes"), TEXT("No"), TEXT("Yes to All"), TEXT("No to All")};
	case EAppMsgType::YesNoYesAllNoAllCancel:
		return {TEXT("Yes"), TEXT("No"), TEXT("Yes to All"), TEXT("No to All"), TEXT("Cancel")};
	case EAppMsgType::YesNoYesAll:
		return {TEXT("Yes"), TEXT("No"), TEXT("Yes to All")};
	default:
		return {TEXT("OK")};
	}
}

TSharedRef<SWidget> MakeMessageBoxWidget(const Standin::Dialogs::FShownDialog& Dialog)
{
	return SNew(SBorder).BorderImage(&GetLook().Frame).Padding(1)
		[SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[MakeTitleBar(Dialog)] + SVerticalBox::Slot().AutoHeight()[MakeClientArea(Dialog)] +
		 SVerticalBox::Slot().AutoHeight()[MakeButtonRow(Dialog.Type)]];
}

FVector2D GetMessageBoxSize(const TSharedRef<SWidget>& Box)
{
	Box->SlatePrepass(1.0f);
	const FVector2D Wanted = Box->GetDesiredSize();
	return FVector2D(std::ceil(Wanted.X), std::ceil(Wanted.Y));
}

bool ScreenshotMessageBox(const Standin::Dialogs::FShownDialog& Dialog, const std::filesystem::path& HostPath, std::string& Error)
{
	const TSharedRef<SWidget> Box = MakeMessageBoxWidget(Dialog);
	const FHeadlessWindow Window(Box, GetMessageBoxSize(Box));
	return Window.Screenshot(HostPath, Error);
}
} // namespace Standin::Editor
