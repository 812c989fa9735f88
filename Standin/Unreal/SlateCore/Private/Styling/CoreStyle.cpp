// Slate's own style set and the widget style types. The engine draws its brushes from image files;
// the stand-in has none, so each image the core style names is drawn by a painter of its own in the
// editor's dark look (SlateLookPainters.cpp).
#include "Styling/CoreStyle.h"

#include "Brushes/SlateBorderBrush.h"
#include "Brushes/SlateBoxBrush.h"
#include "Brushes/SlateColorBrush.h"
#include "Brushes/SlateImageBrush.h"
#include "Standin/SlatePaint.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateTypes.h"
#include "SlateLookPainters.h"

using namespace Standin::Slate;

const FName FButtonStyle::TypeName(TEXT("FButtonStyle"));
const FName FTextBlockStyle::TypeName(TEXT("FTextBlockStyle"));
const FName FCheckBoxStyle::TypeName(TEXT("FCheckBoxStyle"));
const FName FHyperlinkStyle::TypeName(TEXT("FHyperlinkStyle"));
const FName FEditableTextBoxStyle::TypeName(TEXT("FEditableTextBoxStyle"));
const FName FProgressBarStyle::TypeName(TEXT("FProgressBarStyle"));

FButtonStyle::FButtonStyle() : NormalPadding(0), PressedPadding(0) {}
FTextBlockStyle::FTextBlockStyle() : ColorAndOpacity(FSlateColor::UseForeground()) {}
FCheckBoxStyle::FCheckBoxStyle() : Padding(0) {}
FHyperlinkStyle::FHyperlinkStyle() : Padding(0) {}
FEditableTextBoxStyle::FEditableTextBoxStyle() : ForegroundColor(FSlateColor::UseForeground()), Padding(0) {}
FProgressBarStyle::FProgressBarStyle() = default;

#define DEFINE_STYLE_DEFAULT(StyleType)                                                                               \
	const StyleType& StyleType::GetDefault()                                                                          \
	{                                                                                                                 \
		static const StyleType Default;                                                                               \
		return Default;                                                                                               \
	}
DEFINE_STYLE_DEFAULT(FButtonStyle)
DEFINE_STYLE_DEFAULT(FTextBlockStyle)
DEFINE_STYLE_DEFAULT(FCheckBoxStyle)
DEFINE_STYLE_DEFAULT(FHyperlinkStyle)
DEFINE_STYLE_DEFAULT(FEditableTextBoxStyle)
DEFINE_STYLE_DEFAULT(FProgressBarStyle)
#undef DEFINE_STYLE_DEFAULT

namespace
{
FSlateBoxBrush Box(const TCHAR* Image) { return FSlateBoxBrush(CoreImage(Image), FMargin(4.0f / 16.0f)); }

class FCoreStyleSet : public FSlateStyleSet
{
public:
	FCoreStyleSet() : FSlateStyleSet(FName(TEXT("CoreStyle")))
	{
		RegisterCoreLookPainters();

		Set(FName(TEXT("WhiteBrush")), new FSlateColorBrush(FLinearColor::White));
		Set(FName(TEXT("Border")), new FSlateBoxBrush(Box(CoreImages::Border)));
		Set(FName(TEXT("ToolPanel.GroupBorder")), new FSlateBoxBrush(Box(CoreImages::GroupBorder)));
		Set(FName(TEXT("Docking.Tab.ForegroundBrush")), new FSlateBoxBrush(Box(CoreImages::TabForeground)));
		Set(FName(TEXT("Throbber.Chunk")), new FSlateImageBrush(CoreImage(CoreImages::ThrobberChunk), FVector2D(16, 16)));
		Set(FName(TEXT("NotificationList.ItemBackground")), new FSlateBoxBrush(Box(CoreImages::NotificationBackground)));
		Set(FName(TEXT("NotificationList.SuccessImage")), new FSlateImageBrush(CoreImage(CoreImages::NotificationSuccess), FVector2D(16, 16)));
		Set(FName(TEXT("NotificationList.FailImage")), new FSlateImageBrush(CoreImage(CoreImages::NotificationFail), FVector2D(16, 16)));

		const FTextBlockStyle NormalText =
			FTextBlockStyle().SetFont(FCoreStyle::GetDefaultFontStyle(FName(TEXT("Regular")), DefaultFontSize)).SetColorAndOpacity(FSlateColor::UseForeground());
		Set(FName(TEXT("NormalText")), NormalText);

		Set(FName(TEXT("Button")), FButtonStyle()
									   .SetNormal(Box(CoreImages::Button))
									   .SetHovered(Box(CoreImages::ButtonHovered))
									   .SetPressed(Box(CoreImages::ButtonPressed))
									   .SetDisabled(Box(CoreImages::ButtonDisabled))
									   .SetNormalPadding(FMargin(2, 2, 2, 2))
									   .SetPressedPadding(FMargin(2, 3, 2, 1)));

		const FSlateBorderBrush Underline(CoreImage(CoreImages::HyperlinkUnderline), FMargin(0, 0, 0, 3.0f / 16.0f), Look::Hyperlink);
		Set(FName(TEXT("Hyperlink")), FHyperlinkStyle()
										  .SetUnderlineStyle(FButtonStyle().SetNormal(Underline).SetHovered(Underline).SetPressed(Underline))
										  .SetTextStyle(FTextBlockStyle(NormalText).SetColorAndOpacity(Look::Hyperlink))
										  .SetPadding(FMargin(0, 0, 0, 1)));

		Set(FName(TEXT("Checkbox")), FCheckBoxStyle()
										 .SetUncheckedImage(FSlateImageBrush(CoreImage(CoreImages::CheckBox), FVector2D(14, 14)))
										 .SetCheckedImage(FSlateImageBrush(CoreImage(CoreImages::CheckBoxChecked), FVector2D(14, 14)))
										 .SetUndeterminedImage(FSlateImageBrush(CoreImage(CoreImages::CheckBoxUndetermined), FVector2D(14, 14)))
										 .SetPadding(FMargin(4.0f, 0.0f, 0.0f, 0.0f)));

		Set(FName(TEXT("NormalEditableTextBox")), FEditableTextBoxStyle()
													  .SetBackgroundImageNormal(Box(CoreImages::TextBox))
													  .SetBackgroundImageReadOnly(Box(CoreImages::TextBox))
													  .SetFont(NormalText.Font)
													  .SetForegroundColor(Look::DefaultForeground)
													  .SetPadding(FMargin(6.0f, 4.0f)));

		Set(FName(TEXT("ProgressBar")), FProgressBarStyle()
											.SetBackgroundImage(Box(CoreImages::ProgressBackground))
											.SetFillImage(Box(CoreImages::ProgressFill))
											.SetMarqueeImage(FSlateImageBrush(CoreImage(CoreImages::ProgressMarquee), FVector2D(20, 12))));
	}
};
} // namespace

const ISlateStyle& FCoreStyle::Get()
{
	static const FCoreStyleSet Style;
	return Style;
}

const FName& FCoreStyle::GetStyleSetName() { return Get().GetStyleSetName(); }

FSlateFontInfo FCoreStyle::GetDefaultFontStyle(const FName InTypefaceFontName, const int32 InSize)
{
	FSlateFontInfo Font;
	Font.TypefaceFontName = InTypefaceFontName;
	Font.Size = InSize;
	return Font;
}
