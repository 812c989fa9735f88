// SButton, SHyperlink and SCheckBox: what they draw and how a click (a left-button press and
// release over them) reaches them.
#include "Layout/ArrangedChildren.h"
#include "Layout/LayoutUtils.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlatePaint.h"
#include "Styling/WidgetStyle.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SHyperlink.h"
#include "Widgets/Text/STextBlock.h"

#include <algorithm>

using Standin::Slate::Multiply;

namespace
{
bool IsLeftButton(const FPointerEvent& MouseEvent) { return MouseEvent.GetEffectingButton() == EKeys::LeftMouseButton || MouseEvent.IsTouchEvent(); }
} // namespace

void SButton::Construct(const FArguments& InArgs)
{
	Style = InArgs._ButtonStyle ? InArgs._ButtonStyle : &FCoreStyle::Get().GetWidgetStyle<FButtonStyle>(FName(TEXT("Button")));
	OnClicked = InArgs._OnClicked;
	ButtonColorAndOpacity = InArgs._ButtonColorAndOpacity;

	// A text replaces the content.
	TSharedRef<SWidget> Content = InArgs._Content.Widget;
	if (InArgs._Text.IsSet())
	{
		Content = SNew(STextBlock).Text(InArgs._Text).TextStyle(InArgs._TextStyle);
	}
	SBorder::FArguments BorderArgs;
	// The content sits inside the content padding plus the style's own padding, read at each layout.
	const TAttribute<FMargin> ContentPadding = InArgs._ContentPadding;
	BorderArgs.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).ForegroundColor(InArgs._ForegroundColor).BorderBackgroundColor(InArgs._ButtonColorAndOpacity);
	BorderArgs.BorderImage(TAttribute<const FSlateBrush*>::Create(TAttribute<const FSlateBrush*>::FGetter::CreateLambda([this]() { return GetBorder(); })));
	BorderArgs.Padding(TAttribute<FMargin>::Create(TAttribute<FMargin>::FGetter::CreateLambda([this, ContentPadding]() {
		return ContentPadding.Get(FMargin(0)) + (bIsPressed ? Style->PressedPadding : Style->NormalPadding);
	})));
	BorderArgs[Content];
	SBorder::Construct(BorderArgs);
}

const FSlateBrush* SButton::GetBorder() const
{
	if (!ShowDisabledEffect.Get(true) && !IsEnabled())
	{
		return &Style->Disabled;
	}
	return bIsPressed ? &Style->Pressed : &Style->Normal;
}

int32 SButton::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
					   FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const bool bEnabled = ShouldBeEnabled(bParentEnabled);
	const bool bShowDisabledEffect = ShowDisabledEffect.Get(true);
	const FSlateBrush* BrushResource = !bShowDisabledEffect && !bEnabled ? &Style->Disabled : GetBorder();
	const ESlateDrawEffect DrawEffects = bShowDisabledEffect && !bEnabled ? ESlateDrawEffect::DisabledEffect : ESlateDrawEffect::None;
	if (BrushResource && BrushResource->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		const FLinearColor Tint = Multiply(Multiply(BrushResource->GetTint(InWidgetStyle), InWidgetStyle.GetColorAndOpacityTint()),
										   BorderBackgroundColor.Get(FSlateColor(FLinearColor::White)).GetColor(InWidgetStyle));
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), BrushResource, DrawEffects, Tint);
	}
	return SCompoundWidget::OnPaint(Args, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bEnabled);
}

FReply SButton::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!IsEnabled() || !IsLeftButton(MouseEvent))
	{
		return FReply::Unhandled();
	}
	bIsPressed = true;
	return FReply::Handled().CaptureMouse(AsShared());
}

FReply SButton::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	FReply Reply = FReply::Unhandled();
	if (bIsPressed && IsLeftButton(MouseEvent))
	{
		bIsPressed = false;
		// A click needs the press and the release both over the button.
		if (IsEnabled() && MyGeometry.IsUnderLocation(MouseEvent.GetScreenSpacePosition()) && OnClicked.IsBound())
		{
			Reply = OnClicked.Execute();
		}
		if (!Reply.IsEventHandled())
		{
			Reply = FReply::Handled();
		}
	}
	if (!Reply.GetMouseCaptor().IsValid())
	{
		Reply.ReleaseMouseCapture();
	}
	return Reply;
}

void SHyperlink::Construct(const FArguments& InArgs)
{
	OnNavigate = InArgs._OnNavigate;
	const FButtonStyle* UnderlineStyle = InArgs._UnderlineStyle ? InArgs._UnderlineStyle : &InArgs._Style->UnderlineStyle;
	const FTextBlockStyle* TextStyle = InArgs._TextStyle ? InArgs._TextStyle : &InArgs._Style->TextStyle;
	const TAttribute<FMargin> Padding = InArgs._Padding.IsSet() ? InArgs._Padding : TAttribute<FMargin>(InArgs._Style->Padding);
	SButton::Construct(SButton::FArguments()
						   .Text(InArgs._Text)
						   .ContentPadding(Padding)
						   .ButtonStyle(UnderlineStyle)
						   .TextStyle(TextStyle)
						   .OnClicked(FOnClicked::CreateSP(this, &SHyperlink::Hyperlink_OnClicked))
						   .ForegroundColor(FSlateColor::UseForeground()));
}

FReply SHyperlink::Hyperlink_OnClicked()
{
	OnNavigate.ExecuteIfBound();
	return FReply::Handled();
}

void SCheckBox::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style ? InArgs._Style : &FCoreStyle::Get().GetWidgetStyle<FCheckBoxStyle>(FName(TEXT("Checkbox")));
	IsCheckboxChecked = InArgs._IsChecked;
	OnCheckStateChanged = InArgs._OnCheckStateChanged;
	ForegroundColor = InArgs._ForegroundColor;
	const TAttribute<FMargin> Padding = InArgs._Padding.IsSet() ? InArgs._Padding : TAttribute<FMargin>(Style->Padding);
	ChildSlot.HAlign(InArgs._HAlign).VAlign(VAlign_Center).Padding(Padding)[InArgs._Content.Widget];
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

FReply SCheckBox::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!IsLeftButton(MouseEvent))
	{
		return FReply::Unhandled();
	}
	bIsPressed = true;
	return FReply::Handled().CaptureMouse(AsShared());
}

FReply SCheckBox::OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!IsLeftButton(MouseEvent))
	{
		return FReply::Unhandled();
	}
	if (bIsPressed && MyGeometry.IsUnderLocation(MouseEvent.GetScreenSpacePosition()))
	{
		ToggleCheckedState();
	}
	bIsPressed = false;
	return FReply::Handled().ReleaseMouseCapture();
}

const FSlateBrush* SCheckBox::GetCheckImage() const
{
	switch (GetCheckedState())
	{
	case ECheckBoxState::Checked:
		return &Style->CheckedImage;
	case ECheckBoxState::Undetermined:
		return &Style->UndeterminedImage;
	default:
		return &Style->UncheckedImage;
	}
}

FVector2D SCheckBox::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const FVector2D Box = GetCheckImage()->ImageSize;
	const FVector2D Content = SCompoundWidget::ComputeDesiredSize(LayoutScaleMultiplier);
	return FVector2D(Box.X + Content.X, std::max(Box.Y, Content.Y));
}

void SCheckBox::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	// The content sits to the right of the box.
	const float BoxWidth = GetCheckImage()->ImageSize.X;
	const FGeometry ContentArea = AllottedGeometry.MakeChild(FVector2D(BoxWidth, 0), FVector2D(std::max(0.0f, AllottedGeometry.Size.X - BoxWidth), AllottedGeometry.Size.Y));
	SCompoundWidget::OnArrangeChildren(ContentArea, ArrangedChildren);
}

int32 SCheckBox::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
						 FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	// The box, centred on the left edge.
	const FSlateBrush* Image = GetCheckImage();
	const FVector2D BoxSize = Image->ImageSize;
	const float Top = std::max(0.0f, (AllottedGeometry.Size.Y - BoxSize.Y) / 2);
	const ESlateDrawEffect DrawEffects = ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(FVector2D(0, Top), BoxSize), Image, DrawEffects,
							   Multiply(Image->GetTint(InWidgetStyle), InWidgetStyle.GetColorAndOpacityTint()));
	return SCompoundWidget::OnPaint(Args, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bParentEnabled);
}
