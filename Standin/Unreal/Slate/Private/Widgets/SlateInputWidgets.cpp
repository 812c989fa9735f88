// SButton, SCheckBox, SHyperlink and SEditableTextBox: what they draw and how they answer the
// headless window's clicks and typing.
#include "Layout/LayoutUtils.h"
#include "Standin/SlatePaint.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Input/SHyperlink.h"
#include "Widgets/Text/STextBlock.h"
#include "WidgetLabels.h"

#include <algorithm>

using namespace Standin::Slate;

namespace
{
std::u16string_view View(const FString& Text) { return std::u16string_view(*Text, Text.Len()); }

// The editor's button: a rounded grey box with a dark frame.
void DrawEditorButton(FPaintContext& Context, const FRect& Rect, bool bEnabled, const FLinearColor& Tint)
{
	const FLinearColor Fill = bEnabled ? Look::ButtonNormal : Look::ButtonDisabled;
	Context.Canvas.FillRoundedRect(Rect, 3, ToRgba(Look::ButtonOutline));
	const FRect Inner{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
	Context.Canvas.FillRoundedRect(Inner, 2, ToRgba(FLinearColor(Fill.R * Tint.R, Fill.G * Tint.G, Fill.B * Tint.B, Fill.A * Tint.A)));
	// A lighter top edge gives the slight bevel of the editor's buttons.
	Context.Canvas.FillRect({Inner.Left + 2, Inner.Top, Inner.Right - 2, Inner.Top + 1}, ToRgba(FLinearColor(1, 1, 1, bEnabled ? 0.08f : 0.03f)));
}
} // namespace

void SButton::Construct(const FArguments& InArgs)
{
	Style = InArgs._ButtonStyle ? InArgs._ButtonStyle : &FCoreStyle::Get().GetWidgetStyle<FButtonStyle>(FName(TEXT("Button")));
	Text = InArgs._Text;
	OnClicked = InArgs._OnClicked;
	ButtonColorAndOpacity = InArgs._ButtonColorAndOpacity;

	TSharedRef<SWidget> Content = InArgs._Content.Widget;
	if (Content == SNullWidget::NullWidget && InArgs._Text.IsSet())
	{
		Content = SNew(STextBlock).Text(InArgs._Text).TextStyle(InArgs._TextStyle);
	}
	SBorder::FArguments BorderArgs;
	// The content sits inside the content padding plus the style's own padding, read at each layout.
	const TAttribute<FMargin> ContentPadding = InArgs._ContentPadding;
	BorderArgs.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).ForegroundColor(InArgs._ForegroundColor);
	BorderArgs.Padding(TAttribute<FMargin>::Create(TAttribute<FMargin>::FGetter::CreateLambda(
		[this, ContentPadding]() { return ContentPadding.Get(FMargin(0)) + Style->NormalPadding; })));
	BorderArgs[Content];
	SBorder::Construct(BorderArgs);
}

void SButton::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	const bool bEnabled = Context.bParentEnabled && IsEnabled();
	const FSlateBrush& Brush = bEnabled ? Style->Normal : Style->Disabled;
	const FLinearColor Tint = ButtonColorAndOpacity.Get(FSlateColor(FLinearColor::White)).GetColor(Context.Foreground);
	// A brush that names no drawable image (as a default FButtonStyle's do) gets the editor's look;
	// FSlateNoResource draws nothing.
	if (Brush.DrawAs != ESlateBrushDrawType::NoDrawType && !DrawBrush(Context, &Brush, ToRect(AllottedGeometry), Tint))
	{
		DrawEditorButton(Context, ToRect(AllottedGeometry), bEnabled, Tint);
	}
}

FString SButton::GetStandinLabel() const
{
	return Text.IsSet() ? Text.Get().ToString() : FindContentLabel(*this);
}

FReply SButton::StandinClick()
{
	return OnClicked.IsBound() ? OnClicked.Execute() : FReply::Unhandled();
}

void SCheckBox::Construct(const FArguments& InArgs)
{
	IsCheckboxChecked = InArgs._IsChecked;
	OnCheckStateChanged = InArgs._OnCheckStateChanged;
	ForegroundColor = InArgs._ForegroundColor;
	ChildSlot.HAlign(InArgs._HAlign).VAlign(VAlign_Center).Padding(InArgs._Padding)[InArgs._Content.Widget];
}

void SCheckBox::ToggleCheckedState()
{
	const ECheckBoxState NewState = GetCheckedState() == ECheckBoxState::Checked ? ECheckBoxState::Unchecked : ECheckBoxState::Checked;
	if (!IsCheckboxChecked.IsBound())
	{
		IsCheckboxChecked.Set(NewState);
	}
	OnCheckStateChanged.ExecuteIfBound(NewState);
}

FReply SCheckBox::StandinClick()
{
	ToggleCheckedState();
	return FReply::Handled();
}

FString SCheckBox::GetStandinLabel() const { return FindContentLabel(*this); }

FVector2D SCheckBox::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const FVector2D Content = SCompoundWidget::ComputeDesiredSize(LayoutScaleMultiplier);
	return FVector2D(BoxSize + Content.X, std::max(BoxSize, Content.Y));
}

void SCheckBox::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	// The content sits to the right of the box.
	const FGeometry ContentArea = AllottedGeometry.MakeChild(FVector2D(BoxSize, 0),
															 FVector2D(std::max(0.0f, AllottedGeometry.Size.X - BoxSize), AllottedGeometry.Size.Y));
	SCompoundWidget::OnArrangeChildren(ContentArea, ArrangedChildren);
}

void SCheckBox::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	const FRect Area = ToRect(AllottedGeometry);
	const float Top = Area.Top + std::max(0.0f, (Area.Height() - BoxSize) / 2);
	const FRect Box{Area.Left, Top, Area.Left + BoxSize, Top + BoxSize};
	Context.Canvas.FillRoundedRect(Box, 2, ToRgba(Look::InputOutline));
	Context.Canvas.FillRoundedRect({Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1}, 1, ToRgba(Look::InputBackground));
	const ECheckBoxState State = GetCheckedState();
	if (State == ECheckBoxState::Checked)
	{
		// A check mark drawn as two strokes of small discs.
		const FRgba Mark = ToRgba(Look::Accent);
		for (float T = 0; T <= 1.0f; T += 0.05f)
		{
			Context.Canvas.FillCircle(Box.Left + 3.5f + 2.5f * T, Box.Top + 7.0f + 3.0f * T, 1.1f, Mark);
			Context.Canvas.FillCircle(Box.Left + 6.0f + 4.5f * T, Box.Top + 10.0f - 6.5f * T, 1.1f, Mark);
		}
	}
	else if (State == ECheckBoxState::Undetermined)
	{
		Context.Canvas.FillRect({Box.Left + 4, Box.Top + 6, Box.Right - 4, Box.Bottom - 6}, ToRgba(Look::Accent));
	}
}

void SHyperlink::Construct(const FArguments& InArgs)
{
	Text = InArgs._Text;
	OnNavigate = InArgs._OnNavigate;
	Padding = InArgs._Padding;
}

FVector2D SHyperlink::ComputeDesiredSize(float) const
{
	const FTextMetrics Metrics = MeasureLine(View(Text.Get(FText::GetEmpty()).ToString()), DefaultFontSize);
	return FVector2D(Metrics.Width, Metrics.Height + 1) + Padding.Get(FMargin(0)).GetDesiredSize();
}

void SHyperlink::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	const FMargin Pad = Padding.Get(FMargin(0));
	const FRect Area = ToRect(AllottedGeometry);
	const std::u16string Label(View(Text.Get(FText::GetEmpty()).ToString()));
	const FTextMetrics Metrics = MeasureLine(Label, DefaultFontSize);
	const FLinearColor Colour = Context.bParentEnabled && IsEnabled() ? Look::Hyperlink : Look::SubduedForeground;
	DrawText(Context, {Area.Left + Pad.Left, Area.Top + Pad.Top, Area.Right, Area.Bottom}, {Label}, DefaultFontSize, Colour);
	const float Underline = Area.Top + Pad.Top + Metrics.Height - 1;
	Context.Canvas.FillRect({Area.Left + Pad.Left, Underline, Area.Left + Pad.Left + Metrics.Width, Underline + 1}, ToRgba(Colour));
}

FReply SHyperlink::StandinClick()
{
	OnNavigate.ExecuteIfBound();
	return FReply::Handled();
}

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	HintText = InArgs._HintText;
	IsReadOnly = InArgs._IsReadOnly;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	OnTextChanged = InArgs._OnTextChanged;
	OnTextCommitted = InArgs._OnTextCommitted;
	EditedText = BoundText.Get(FText::GetEmpty());
	LastBoundValue = EditedText.ToString();
}

void SEditableTextBox::SyncFromBoundText() const
{
	if (BoundText.IsBound())
	{
		const FText Current = BoundText.Get();
		if (!Current.ToString().Equals(LastBoundValue, ESearchCase::CaseSensitive))
		{
			LastBoundValue = Current.ToString();
			EditedText = Current;
		}
	}
}

FText SEditableTextBox::GetText() const
{
	SyncFromBoundText();
	return EditedText;
}

void SEditableTextBox::SetText(const TAttribute<FText>& InNewText)
{
	BoundText = InNewText;
	EditedText = BoundText.Get(FText::GetEmpty());
	LastBoundValue = EditedText.ToString();
}

bool SEditableTextBox::StandinTypeText(const FText& NewText)
{
	if (IsReadOnly.Get(false) || !IsEnabled())
	{
		return false;
	}
	EditedText = NewText;
	OnTextChanged.ExecuteIfBound(EditedText);
	return true;
}

FVector2D SEditableTextBox::ComputeDesiredSize(float) const
{
	const FTextMetrics Metrics = MeasureLine(View(GetText().ToString()), DefaultFontSize);
	const float Width = std::max(Metrics.Width + 2 * HorizontalPadding, MinDesiredWidth.Get(0.0f));
	return FVector2D(Width, LineHeight(DefaultFontSize) + 2 * VerticalPadding);
}

void SEditableTextBox::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	const FRect Area = ToRect(AllottedGeometry);
	Context.Canvas.FillRoundedRect(Area, 2, ToRgba(Look::InputOutline));
	const FRect Inner{Area.Left + 1, Area.Top + 1, Area.Right - 1, Area.Bottom - 1};
	Context.Canvas.FillRoundedRect(Inner, 1, ToRgba(Look::InputBackground));
	const FString Current = GetText().ToString();
	const bool bShowHint = Current.IsEmpty();
	const FString Shown = bShowHint ? HintText.Get(FText::GetEmpty()).ToString() : Current;
	const FRect TextArea{Inner.Left + HorizontalPadding - 1, Inner.Top + VerticalPadding - 1, Inner.Right - HorizontalPadding, Inner.Bottom};
	Context.Canvas.PushClip(Inner);
	DrawText(Context, TextArea, {std::u16string(View(Shown))}, DefaultFontSize, bShowHint ? Look::SubduedForeground : Look::DefaultForeground);
	Context.Canvas.PopClip();
}
